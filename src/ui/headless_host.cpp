#include "ui/headless_host.h"

namespace tc::ui {

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
