#include "ui/headless_host.h"

namespace tc::ui {

int HeadlessHost::run_modal(Dialog& dialog) {
    const std::string name(dialog.layout().name);
    dialogs_shown_.push_back(name);
    dialog.create(*this, [this](int id) { return caption(Caption{id}); });
    dialog.shown();
    auto scripts = dialog_scripts_.find(name);
    if (scripts != dialog_scripts_.end() && !scripts->second.empty()) {
        DialogScript script = std::move(scripts->second.front());
        scripts->second.pop_front();
        if (!dialog.ended()) script(dialog);
    }
    if (!dialog.ended()) dialog.user_presses_cancel();
    return dialog.result();
}

int HeadlessHost::run_sheet(PropertySheet& sheet) {
    sheets_shown_.push_back(sheet.caption());
    sheet.create(*this);
    if (!sheet_scripts_.empty()) {
        SheetScript script = std::move(sheet_scripts_.front());
        sheet_scripts_.pop_front();
        if (!sheet.ended()) script(sheet);
    }
    if (!sheet.ended()) sheet.user_presses_cancel();
    return sheet.result();
}

int HeadlessHost::popup_menu(const Menu& menu, Point) {
    popups_shown_.push_back(menu);
    if (popup_answers_.empty()) return 0;
    const int command = popup_answers_.front();
    popup_answers_.pop_front();
    return command;
}

int HeadlessHost::message_box(const std::string& text, const std::string& title, unsigned style) {
    messages_.push_back({text, title, style});
    if (!message_answers_.empty()) {
        const int answer = message_answers_.front();
        message_answers_.pop_front();
        return answer;
    }
    return (style & kMbButtonMask) == kMbYesNoCancel ? kIdYes : kIdOk;
}

std::optional<std::string> HeadlessHost::next_file_answer() {
    if (file_answers_.empty()) return std::nullopt;
    auto answer = file_answers_.front();
    file_answers_.pop_front();
    return answer;
}

std::optional<std::string> HeadlessHost::open_file_dialog(const FileDialogRequest& request) {
    file_dialogs_.push_back({false, request});
    return next_file_answer();
}

std::optional<std::string> HeadlessHost::save_file_dialog(const FileDialogRequest& request) {
    file_dialogs_.push_back({true, request});
    return next_file_answer();
}

}  // namespace tc::ui
