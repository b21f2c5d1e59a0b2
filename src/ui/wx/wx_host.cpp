#include "ui/wx/wx_host.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "ui/property_sheet.h"
#include "ui/wx/dialog_widgets.h"
#include "ui/wx/file_dialog_request.h"
#include "ui/wx/message_box.h"
#include "ui/wx/modal_dialog.h"
#include "ui/wx/sheet_dialog.h"
#include "ui/wx/text_conversion.h"

namespace tc::ui::wx {
namespace {

// Program texts of the windows that the host makes itself.
constexpr int kTextSheetOk = 8;
constexpr int kTextSheetCancel = 9;
constexpr int kTextOpenTitle = 28;
constexpr int kTextSaveAsTitle = 29;
constexpr int kTextReplaceQuestion = 30;  // "%s" stands for the file's name

// The popup menu shows each item's shortcut text after a tab as the program text writes it
// ("Strg+N"): the toolkit would parse it as a key and show its own name for it, or nothing. The
// key itself comes from the accelerator table. Hair spaces line the shortcut column up.
constexpr wxChar kHairSpace = 0x200A;

std::vector<wxString> menu_labels(const Menu& menu, const wxWindow& window) {
    const wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    const auto width = [&](const wxString& text) {
        int w = 0;
        window.GetTextExtent(wxStripMenuCodes(text, wxStrip_Mnemonics), &w, nullptr, nullptr,
                             nullptr, &font);
        return w;
    };
    int column = 0;
    for (const MenuItem& item : menu) {
        const wxString text = shown_text_to_display(item.text);
        if (text.Find('\t') != wxNOT_FOUND) {
            column = std::max(column, width(text.BeforeFirst('\t')));
        }
    }
    column += width("MMM");
    const int hair = std::max(1, width(wxString(kHairSpace, 8)) / 8);
    std::vector<wxString> labels;
    for (const MenuItem& item : menu) {
        wxString label = shown_text_to_display(item.text);
        if (label.Find('\t') != wxNOT_FOUND) {
            const wxString name = label.BeforeFirst('\t');
            const int gap = column - width(name);
            label = name + wxString(kHairSpace, static_cast<std::size_t>((gap + hair - 1) / hair)) +
                    label.AfterFirst('\t');
        }
        labels.push_back(label);
    }
    return labels;
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
    DialogWidgets::sync_open_dialogs();
    ModalDialog window(owner(), dialog);
    const OpenDialog open(open_dialogs_, &window);
    return window.run();
}

WxHost::~WxHost() {
    delete sheet_window_;
}

int WxHost::run_sheet(PropertySheet& sheet) {
    sheet.create(*this);
    SheetDialog* window = &sheet_window(sheet, look_of(sheet));
    int result = 0;
    {
        const OpenDialog open(open_dialogs_, window);
        result = window->run();
    }
    // A window once shown keeps what the person left in it (the focus, a caret, a scrolled list):
    // the next sheet gets a new one. This one goes now, not when idle, so that the next one
    // takes its memory instead of adding to it.
    delete window;
    return result;
}

void WxHost::prepare_sheet(PropertySheet& sheet) {
    // Not over a dialog: the window would go with it. A window ready for this look stays as it is.
    SheetLook look = look_of(sheet);
    if (!open_dialogs_.empty() || ready_for(look)) return;
    sheet.create(*this);
    SheetDialog& window = sheet_window(sheet, std::move(look));
    window.prepare();
    window.release();
}

SheetLook WxHost::look_of(const PropertySheet& sheet) const {
    return sheet_look(
        sheet, [this](int id) { return caption(Caption{id}); },
        to_display(caption(Caption{kTextSheetOk})), to_display(caption(Caption{kTextSheetCancel})));
}

bool WxHost::ready_for(const SheetLook& look) const {
    return sheet_window_ != nullptr && sheet_window_->GetParent() == owner() &&
           sheet_window_->look() == look;
}

SheetDialog& WxHost::sheet_window(PropertySheet& sheet, SheetLook look) {
    if (ready_for(look)) {
        sheet_window_->attach(sheet);
        return *sheet_window_;
    }
    delete sheet_window_;
    const TextSource texts = [this](int id) { return caption(Caption{id}); };
    sheet_window_ = new SheetDialog(owner(), sheet, texts, std::move(look));
    // The window goes with its owner too; the host forgets it as it goes.
    sheet_window_->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == sheet_window_) sheet_window_ = nullptr;
        event.Skip();
    });
    return *sheet_window_;
}

int WxHost::popup_menu(const Menu& menu, Point screen_position) {
    wxWindow* window = owner();
    if (window == nullptr) return 0;
    wxMenu popup;
    const std::vector<wxString> labels = menu_labels(menu, *window);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].separator) {
            popup.AppendSeparator();
        } else {
            popup.Append(menu[i].command, labels[i]);
        }
    }
    const wxPoint at = window->ScreenToClient(wxPoint(screen_position.x, screen_position.y));
    const int chosen = window->GetPopupMenuSelectionFromUser(popup, at);
    return chosen == wxID_NONE ? 0 : chosen;
}

int WxHost::message_box(const std::string& text, const std::string& title, unsigned style) {
    DialogWidgets::sync_open_dialogs();
    MessageBox box(owner(), shown_text_to_display(text), shown_text_to_display(title), style);
    const OpenDialog open(open_dialogs_, &box);
    return box.run();
}

std::optional<std::string> WxHost::open_file_dialog(const FileDialogRequest& request) {
    wxFileDialog dialog(owner(), to_display(caption(Caption{kTextOpenTitle})),
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
    const wxString title = to_display(caption(Caption{kTextSaveAsTitle}));
    wxFileDialog dialog(owner(), title, file_name_to_display(request.initial_folder),
                        file_name_to_display(request.initial_name), file_wildcard(request),
                        wxFD_SAVE);
    const OpenDialog open(open_dialogs_, &dialog);
    while (dialog.ShowModal() == wxID_OK) {
        const std::string path = with_default_extension(file_name_from_display(dialog.GetPath()),
                                                        request.default_extension);
        std::error_code error;
        if (!request.confirm_overwrite ||
            !std::filesystem::exists(platform::to_path(path), error)) {
            return path;
        }
        wxString question = to_display(caption(Caption{kTextReplaceQuestion}));
        question.Replace("%s", file_name_to_display(path), false);
        MessageBox box(&dialog, question, title, kMbYesNo | kMbIconExclamation);
        if (box.run() == kIdYes) return path;
    }
    return std::nullopt;
}

}  // namespace tc::ui::wx
