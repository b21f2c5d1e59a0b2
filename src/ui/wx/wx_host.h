#pragma once

#include <wx/window.h>

#include <vector>

#include "ui/host.h"

namespace tc::ui::wx {

class SheetDialog;
struct SheetLook;

// Runs what needs a person as real wxWidgets windows: dialogs and the editor sheet built from
// their layouts, message boxes, file dialogs and popup menus.
class WxHost : public Host {
  public:
    WxHost() = default;
    ~WxHost() override;
    WxHost(const WxHost&) = delete;
    WxHost& operator=(const WxHost&) = delete;

    // The window that owns dialogs when no dialog is open (the main window).
    void set_main_window(wxWindow* window) { main_window_ = window; }

    int run_modal(Dialog& dialog) override;
    int run_sheet(PropertySheet& sheet) override;
    void prepare_sheet(PropertySheet& sheet) override;
    int popup_menu(const Menu& menu, Point screen_position) override;
    int message_box(const std::string& text, const std::string& title, unsigned style) override;
    std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override;
    std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override;

  private:
    // The owner for the next window: the innermost open dialog, else the main window.
    wxWindow* owner() const;
    // What a window for `sheet` shows in the language of the moment.
    SheetLook look_of(const PropertySheet& sheet) const;
    // Whether the prepared window can run a sheet of this look.
    bool ready_for(const SheetLook& look) const;
    // A window for the created `sheet`: the prepared one when it is ready for the sheet's look,
    // else a new one.
    SheetDialog& sheet_window(PropertySheet& sheet, SheetLook look);

    wxWindow* main_window_ = nullptr;
    std::vector<wxWindow*> open_dialogs_;
    // The sheet window built before it is asked for, hidden: building its widgets is most of
    // the time a sheet takes to show.
    SheetDialog* sheet_window_ = nullptr;
};

}  // namespace tc::ui::wx
