#pragma once

#include <wx/window.h>

#include <vector>

#include "ui/host.h"

namespace tc::ui::wx {

// Runs what needs a person as real wxWidgets windows: dialogs and the editor sheet built from
// their layouts, message boxes, file dialogs and popup menus.
class WxHost : public Host {
  public:
    // The window that owns dialogs when no dialog is open (the main window).
    void set_main_window(wxWindow* window) { main_window_ = window; }

    int run_modal(Dialog& dialog) override;
    int run_sheet(PropertySheet& sheet) override;
    int popup_menu(const Menu& menu, Point screen_position) override;
    int message_box(const std::string& text, const std::string& title, unsigned style) override;
    std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override;
    std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override;

  private:
    // The owner for the next window: the innermost open dialog, else the main window.
    wxWindow* owner() const;

    wxWindow* main_window_ = nullptr;
    std::vector<wxWindow*> open_dialogs_;
};

}  // namespace tc::ui::wx
