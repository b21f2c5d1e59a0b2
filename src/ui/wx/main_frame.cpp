#include "ui/wx/main_frame.h"

#include <wx/accel.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/region.h>

#include <vector>

#include "shell/editor_sheet.h"
#include "shell/terminal_outline.h"
#include "shell/terminal_picture.h"
#include "ui/wx/text_conversion.h"
#include "ui/wx/wx_painter.h"

namespace tc::ui::wx {
namespace {

constexpr long kFrameStyle =
    wxBORDER_NONE | wxFRAME_SHAPED | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX;

wxBitmap draw_picture(const preview::Screen& screen, std::optional<preview::Key> pressed) {
    wxBitmap picture(shell::kPictureWidth, shell::kPictureHeight, 24);
    wxMemoryDC dc(picture);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    WxPainter painter(dc);
    shell::paint_terminal_picture(painter, screen, pressed);
    dc.SelectObject(wxNullBitmap);
    return picture;
}

Point skin_point(const wxMouseEvent& event) {
    return Point{event.GetPosition().x, event.GetPosition().y};
}

}  // namespace

wxRegion MainFrame::outline() {
    std::vector<wxPoint> points;
    points.reserve(shell::kTerminalOutline.size());
    for (const Point p : shell::kTerminalOutline) points.emplace_back(p.x, p.y);
    return wxRegion(points.size(), points.data(), wxWINDING_RULE);
}

MainFrame::MainFrame(std::filesystem::path program_dir, Host& host)
    : wxFrame(nullptr, wxID_ANY, to_display(shell::kMainWindowTitle),
              wxPoint(shell::kMainWindowBounds.x, shell::kMainWindowBounds.y),
              wxSize(shell::kMainWindowBounds.width, shell::kMainWindowBounds.height),
              kFrameStyle) {
    SetShape(outline());
    session_ = std::make_unique<shell::Session>(std::move(program_dir), host);
    logic_ = std::make_unique<shell::MainWindow>(*session_, *this);

    std::vector<wxAcceleratorEntry> shortcuts;
    for (const shell::Accelerator& a : shell::kAccelerators) {
        shortcuts.emplace_back(wxACCEL_CTRL, a.key, a.command);
    }
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(shortcuts.size()), shortcuts.data()));
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
        logic_->execute(event.GetId());
        command_done();
    });

    // The skin window fills the frame and takes the keyboard focus: a frame without a focusable
    // child gets no key events from GTK, so the shortcuts would never arrive.
    skin_window_ =
        new wxWindow(this, kSkinWindowId, wxPoint(0, 0),
                     wxSize(shell::kMainWindowBounds.width, shell::kMainWindowBounds.height),
                     wxBORDER_NONE | wxWANTS_CHARS, kSkinWindowName);
    skin_window_->SetBackgroundStyle(wxBG_STYLE_PAINT);
    skin_window_->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { paint(); });
    skin_window_->Bind(wxEVT_LEFT_DOWN, &MainFrame::left_down, this);
    skin_window_->Bind(wxEVT_LEFT_UP, &MainFrame::left_up, this);
    skin_window_->Bind(wxEVT_RIGHT_DOWN, &MainFrame::right_down, this);
    skin_window_->Bind(wxEVT_MOTION, &MainFrame::mouse_moved, this);
    skin_window_->Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        dragging_ = false;
        pressed_.reset();
    });
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::close_requested, this);
}

void MainFrame::create() {
    logic_->create();
    refresh_picture();
}

void MainFrame::open_file(const std::string& path) {
    logic_->open_file(path);
    refresh_picture();
}

// The screen shows the design: drawn again after every command and every key of the preview.
void MainFrame::refresh_picture() {
    picture_ = draw_picture(logic_->preview().screen(), pressed_);
    skin_window_->Refresh(false);
}

void MainFrame::put_in_place(const shell::WindowPlacement& placement) {
    long style = GetWindowStyleFlag();
    style = placement.topmost ? style | wxSTAY_ON_TOP : style & ~wxSTAY_ON_TOP;
    if (style != GetWindowStyleFlag()) SetWindowStyleFlag(style);
    const Rect& b = placement.bounds;
    SetSize(b.x, b.y, b.width, b.height);
    Show();
    Raise();
    skin_window_->SetFocus();
}

void MainFrame::destroy() {
    Destroy();
}

void MainFrame::paint() {
    if (!painted_) {
        painted_ = true;
        // Once the window is seen: the sheet's windows are built while the person looks at it.
        prepare_sheet_later();
    }
    wxPaintDC dc(skin_window_);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    if (picture_.IsOk()) dc.DrawBitmap(picture_, 0, 0);
}

void MainFrame::left_down(wxMouseEvent& event) {
    shell::PreviewMode& preview = logic_->preview();
    if (preview.on()) {
        const Point p = skin_point(event);
        if (shell::kScannerWindow.contains(p)) {
            preview.read_code();
            refresh_picture();
            return;
        }
        pressed_ = shell::key_at(p);
        if (pressed_) {
            if (!skin_window_->HasCapture()) skin_window_->CaptureMouse();
            refresh_picture();
            return;
        }
    }
    const shell::SkinResponse response = skin_.left_button_down(skin_point(event));
    if (response.action != shell::SkinResponse::Action::StartDrag) return;
    // Moving the window by hand: a borderless window has no title bar for the system to move.
    dragging_ = true;
    grab_ = event.GetPosition();
    if (!skin_window_->HasCapture()) skin_window_->CaptureMouse();
}

void MainFrame::mouse_moved(wxMouseEvent& event) {
    if (!dragging_ || !event.LeftIsDown()) return;
    Move(skin_window_->ClientToScreen(event.GetPosition()) - grab_);
}

void MainFrame::left_up(wxMouseEvent&) {
    end_drag();
    if (pressed_) {
        const preview::Key key = *pressed_;
        pressed_.reset();
        logic_->preview().press(key);
        refresh_picture();
        return;
    }
    const shell::SkinResponse response = skin_.left_button_up();
    if (response.action == shell::SkinResponse::Action::OpenPopup) open_popup(response.at);
}

void MainFrame::right_down(wxMouseEvent& event) {
    const shell::SkinResponse response = skin_.right_button_down(skin_point(event));
    if (response.action == shell::SkinResponse::Action::OpenPopup) open_popup(response.at);
}

void MainFrame::end_drag() {
    dragging_ = false;
    if (skin_window_->HasCapture()) skin_window_->ReleaseMouse();
}

void MainFrame::open_popup(Point skin_position) {
    const wxPoint screen = skin_window_->ClientToScreen(wxPoint(skin_position.x, skin_position.y));
    logic_->show_popup_menu(Point{screen.x, screen.y});
    command_done();
}

// A command may have used the prepared sheet window or changed the language of its captions: a
// new one is prepared once the command's windows are gone.
void MainFrame::command_done() {
    refresh_picture();
    prepare_sheet_later();
}

void MainFrame::prepare_sheet_later() {
    CallAfter([this] {
        if (!IsBeingDeleted()) shell::prepare_editor_sheet(*session_);
    });
}

void MainFrame::close_requested(wxCloseEvent& event) {
    if (!event.CanVeto()) {
        Destroy();
        return;
    }
    // The logic destroys the window unless the user cancels the save prompt.
    event.Veto();
    logic_->request_close();
}

}  // namespace tc::ui::wx
