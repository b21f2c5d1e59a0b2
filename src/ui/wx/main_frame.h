#pragma once

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/region.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "shell/main_window.h"
#include "shell/session.h"
#include "shell/skin.h"
#include "ui/host.h"

namespace tc::ui::wx {

// The program's one window: borderless, shaped like the terminal, showing its picture. It holds
// the session and the main window logic, passes the mouse, the shortcuts and the close request to
// them, and does what they ask of a real window.
class MainFrame : public wxFrame, public shell::WindowListener {
  public:
    // The skin window: the picture, the mouse and the keyboard focus.
    static constexpr int kSkinWindowId = 100;
    static constexpr const char* kSkinWindowName = "tc_skin";

    MainFrame(std::filesystem::path program_dir, Host& host);

    // The terminal outline that shapes the window, in window coordinates.
    static wxRegion outline();

    // The start-up of the main window logic; it puts the window in place, which shows it.
    void create();

    // Opens a design file handed to the program and shows it on the picture's screen.
    void open_file(const std::string& path);

    shell::MainWindow& logic() { return *logic_; }
    wxWindow& skin_window() { return *skin_window_; }
    shell::Session& session() { return *session_; }

    void put_in_place(const shell::WindowPlacement& placement) override;
    void destroy() override;

  private:
    void paint();
    void left_down(wxMouseEvent& event);
    void left_up(wxMouseEvent& event);
    void right_down(wxMouseEvent& event);
    void mouse_moved(wxMouseEvent& event);
    void end_drag();
    void close_requested(wxCloseEvent& event);
    void open_popup(Point skin_position);
    void refresh_picture();
    void command_done();
    void prepare_sheet_later();

    std::unique_ptr<shell::Session> session_;
    std::unique_ptr<shell::MainWindow> logic_;
    shell::Skin skin_;
    wxWindow* skin_window_ = nullptr;
    wxBitmap picture_;
    bool painted_ = false;
    // In preview mode: the keypad key held down, drawn pressed in.
    std::optional<preview::Key> pressed_;
    // While the picture is dragged: the grab point in window coordinates.
    bool dragging_ = false;
    wxPoint grab_;
};

}  // namespace tc::ui::wx
