#include "ui/wx/wx_host.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <filesystem>

#include "platform/platform.h"
#include "ui/property_sheet.h"
#include "ui/wx/file_dialog_request.h"
#include "ui/wx/modal_dialog.h"
#include "ui/wx/sheet_dialog.h"
#include "ui/wx/text_conversion.h"

namespace tc::ui::wx {
namespace {

constexpr unsigned kMbOkCancel = 0x01;
constexpr unsigned kMbYesNo = 0x04;
constexpr unsigned kMbIconHand = 0x10;
constexpr unsigned kMbIconAsterisk = 0x40;
constexpr unsigned kMbIconMask = 0xF0;

long message_style(unsigned style) {
    long wx_style = 0;
    switch (style & kMbButtonMask) {
        case kMbOkCancel:
            wx_style = wxOK | wxCANCEL;
            break;
        case kMbYesNoCancel:
            wx_style = wxYES_NO | wxCANCEL;
            break;
        case kMbYesNo:
            wx_style = wxYES_NO;
            break;
        default:
            wx_style = wxOK;
            break;
    }
    switch (style & kMbIconMask) {
        case kMbIconHand:
            return wx_style | wxICON_ERROR;
        case kMbIconQuestion:
            return wx_style | wxICON_QUESTION;
        case kMbIconExclamation:
            return wx_style | wxICON_EXCLAMATION;
        case kMbIconAsterisk:
            return wx_style | wxICON_INFORMATION;
        default:
            return wx_style | wxICON_NONE;
    }
}

int message_result(int wx_result) {
    switch (wx_result) {
        case wxID_YES:
            return kIdYes;
        case wxID_NO:
            return kIdNo;
        case wxID_CANCEL:
            return kIdCancel;
        default:
            return kIdOk;
    }
}

// Keeps a window on the host's stack of open dialogs while it runs.
class OpenDialog {
  public:
    OpenDialog(std::vector<wxWindow*>& stack, wxWindow* window) : stack_(stack) {
        stack_.push_back(window);
    }
    ~OpenDialog() { stack_.pop_back(); }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

  private:
    std::vector<wxWindow*>& stack_;
};

}  // namespace

wxWindow* WxHost::owner() const {
    return open_dialogs_.empty() ? main_window_ : open_dialogs_.back();
}

int WxHost::run_modal(Dialog& dialog) {
    dialog.create(*this, [this](int id) { return caption(Caption{id}); });
    if (dialog.ended()) return dialog.result();
    ModalDialog window(owner(), dialog);
    const OpenDialog open(open_dialogs_, &window);
    return window.run();
}

int WxHost::run_sheet(PropertySheet& sheet) {
    sheet.create(*this);
    SheetDialog window(owner(), sheet);
    const OpenDialog open(open_dialogs_, &window);
    return window.run();
}

int WxHost::popup_menu(const Menu& menu, Point screen_position) {
    wxWindow* window = owner();
    if (window == nullptr) return 0;
    wxMenu popup;
    for (const MenuItem& item : menu) {
        if (item.separator) {
            popup.AppendSeparator();
        } else {
            popup.Append(item.command, shown_text_to_display(item.text));
        }
    }
    const wxPoint at = window->ScreenToClient(wxPoint(screen_position.x, screen_position.y));
    const int chosen = window->GetPopupMenuSelectionFromUser(popup, at);
    return chosen == wxID_NONE ? 0 : chosen;
}

int WxHost::message_box(const std::string& text, const std::string& title, unsigned style) {
    wxMessageDialog box(owner(), shown_text_to_display(text), shown_text_to_display(title),
                        message_style(style));
    const OpenDialog open(open_dialogs_, &box);
    return message_result(box.ShowModal());
}

std::optional<std::string> WxHost::open_file_dialog(const FileDialogRequest& request) {
    wxFileDialog dialog(owner(), wxFileSelectorPromptStr,
                        file_name_to_display(request.initial_folder),
                        file_name_to_display(request.initial_name), file_wildcard(request),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    const OpenDialog open(open_dialogs_, &dialog);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return file_name_from_display(dialog.GetPath());
}

std::optional<std::string> WxHost::save_file_dialog(const FileDialogRequest& request) {
    // The dialog adds the default extension after it returns, so it checks for an existing file
    // itself only when no extension can be added.
    wxFileDialog dialog(
        owner(), wxFileSelectorPromptStr, file_name_to_display(request.initial_folder),
        file_name_to_display(request.initial_name), file_wildcard(request), wxFD_SAVE);
    const OpenDialog open(open_dialogs_, &dialog);
    while (dialog.ShowModal() == wxID_OK) {
        const std::string path = with_default_extension(file_name_from_display(dialog.GetPath()),
                                                        request.default_extension);
        std::error_code error;
        if (!request.confirm_overwrite ||
            !std::filesystem::exists(platform::to_path(path), error)) {
            return path;
        }
        const wxString question = wxString::Format("%s already exists.\nDo you want to replace it?",
                                                   file_name_to_display(path));
        if (wxMessageBox(question, dialog.GetTitle(), wxYES_NO | wxICON_EXCLAMATION, &dialog) ==
            wxYES) {
            return path;
        }
    }
    return std::nullopt;
}

}  // namespace tc::ui::wx
