#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/property_sheet.h"

namespace tc::ui {

// A host without a display: answers as scripted and records everything it was asked to show.
// Unscripted message boxes are answered with their first button; unscripted file dialogs, popup
// menus, dialogs and sheets are cancelled. A dialog or sheet script acts as a user would (through
// the user_* calls); when it leaves the dialog open, the host cancels it.
class HeadlessHost : public Host {
public:
    using DialogScript = std::function<void(Dialog&)>;
    using SheetScript = std::function<void(PropertySheet&)>;

    struct ShownMessage {
        std::string text;
        std::string title;
        unsigned style = 0;
    };
    struct ShownFileDialog {
        bool save = false;
        FileDialogRequest request;
    };

    void answer_next_message(int button) { message_answers_.push_back(button); }
    void answer_next_file_dialog(std::optional<std::string> path) {
        file_answers_.push_back(std::move(path));
    }

    // Scripts run in the order they were given, per dialog layout name.
    void on_dialog(std::string name, DialogScript script) {
        dialog_scripts_[std::move(name)].push_back(std::move(script));
    }
    void on_sheet(SheetScript script) { sheet_scripts_.push_back(std::move(script)); }
    void answer_next_popup(int command) { popup_answers_.push_back(command); }

    const std::vector<std::string>& dialogs_shown() const { return dialogs_shown_; }
    const std::vector<std::string>& sheets_shown() const { return sheets_shown_; }
    const std::vector<Menu>& popups_shown() const { return popups_shown_; }
    const std::vector<ShownMessage>& messages() const { return messages_; }
    const std::vector<ShownFileDialog>& file_dialogs() const { return file_dialogs_; }
    void clear_record() {
        messages_.clear();
        file_dialogs_.clear();
    }

    int run_modal(Dialog& dialog) override;
    int run_sheet(PropertySheet& sheet) override;
    int popup_menu(const Menu& menu, Point screen_position) override;
    int message_box(const std::string& text, const std::string& title, unsigned style) override;
    std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override;
    std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override;

private:
    std::optional<std::string> next_file_answer();

    std::map<std::string, std::deque<DialogScript>, std::less<>> dialog_scripts_;
    std::deque<SheetScript> sheet_scripts_;
    std::deque<int> popup_answers_;
    std::vector<std::string> dialogs_shown_;
    std::vector<std::string> sheets_shown_;
    std::vector<Menu> popups_shown_;
    std::deque<int> message_answers_;
    std::deque<std::optional<std::string>> file_answers_;
    std::vector<ShownMessage> messages_;
    std::vector<ShownFileDialog> file_dialogs_;
};

}  // namespace tc::ui
