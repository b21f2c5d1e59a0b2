#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/host.h"

namespace tc::ui {

// A host without a display: answers as scripted and records everything it was asked to show.
// Unscripted message boxes are answered with their first button; unscripted file dialogs are
// cancelled.
class HeadlessHost : public Host {
public:
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

    const std::vector<ShownMessage>& messages() const { return messages_; }
    const std::vector<ShownFileDialog>& file_dialogs() const { return file_dialogs_; }
    void clear_record() {
        messages_.clear();
        file_dialogs_.clear();
    }

    int message_box(const std::string& text, const std::string& title, unsigned style) override;
    std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override;
    std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override;

private:
    std::optional<std::string> next_file_answer();

    std::deque<int> message_answers_;
    std::deque<std::optional<std::string>> file_answers_;
    std::vector<ShownMessage> messages_;
    std::vector<ShownFileDialog> file_dialogs_;
};

}  // namespace tc::ui
