#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/dialog.h"
#include "ui/geometry.h"
#include "ui/menu.h"

namespace tc::ui {

// Message-box styles and results keep the values of the platform the program was shaped after,
// so that styles stored in code (48 = OK button with the exclamation icon) read the same.
inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbYesNoCancel = 0x03;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbButtonMask = 0x0F;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// One request for the open-file or save-file dialog. The filters are Windows-1252 texts; the
// names are file names as the program keeps them (platform/platform.h), as is the chosen path.
struct FileDialogRequest {
    std::vector<std::pair<std::string, std::string>> filters;  // (description, pattern)
    std::string initial_name;
    std::string initial_folder;
    std::string default_extension;
    bool confirm_overwrite = false;
};

// What needs a person: a host runs it, as real windows or scripted in tests and tools.
class PropertySheet;

class Host {
  public:
    virtual ~Host() = default;

    // Where the captions of dialog layouts come from (program texts by identifier).
    void set_caption_source(TextSource source) { caption_source_ = std::move(source); }
    std::string caption(const Caption& caption) const {
        if (caption.text_id < 0) return std::string(caption.literal);
        return caption_source_ ? caption_source_(caption.text_id) : std::string{};
    }

    // Creates the dialog, runs it modally until it ends and returns its result (kIdOk, ...).
    virtual int run_modal(Dialog& dialog) = 0;

    // Runs the editor sheet modally; returns kIdOk or kIdCancel.
    virtual int run_sheet(PropertySheet& sheet) = 0;

    // A host may build the windows of a sheet like `sheet` before one is run, so that the next
    // run_sheet shows them at once. `sheet` is created and left again; it is never shown.
    virtual void prepare_sheet(PropertySheet& /*sheet*/) {}

    // Pops up a menu at a screen position; returns the chosen command, 0 for none.
    virtual int popup_menu(const Menu& menu, Point screen_position) = 0;

    // Shows a modal message box; returns the button that closed it (kIdOk, kIdYes, ...).
    virtual int message_box(const std::string& text, const std::string& title, unsigned style) = 0;

    // Return the chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> open_file_dialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> save_file_dialog(const FileDialogRequest& request) = 0;

  private:
    TextSource caption_source_;
};

}  // namespace tc::ui
