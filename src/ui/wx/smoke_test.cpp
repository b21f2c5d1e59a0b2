#include "ui/wx/smoke_test.h"

#include <wx/button.h>
#include <wx/notebook.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/wx/screenshot.h"
#include "ui/wx/sheet_dialog.h"

namespace tc::ui::wx {
namespace {

constexpr int kSettleMs = 400;      // time for windows to be mapped and painted
constexpr int kWatchdogMs = 60000;  // a step that never comes (an unexpected modal window)

void send_mouse(wxWindow& window, wxEventType type, wxPoint at, bool left_down) {
    wxMouseEvent event(type);
    event.SetEventObject(&window);
    event.SetPosition(at);
    event.m_leftDown = left_down;
    window.ProcessWindowEvent(event);
}

wxDialog* find_sheet() {
    return dynamic_cast<wxDialog*>(wxWindow::FindWindowByName(SheetDialog::kWindowName));
}

wxNotebook* find_tabs(wxWindow* sheet) {
    return dynamic_cast<wxNotebook*>(wxWindow::FindWindowByName(SheetDialog::kTabsName, sheet));
}

}  // namespace

SmokeTest::SmokeTest(MainFrame& frame, std::filesystem::path out_dir)
    : frame_(frame), out_dir_(std::move(out_dir)) {}

void SmokeTest::start() {
    watchdog_ = std::make_unique<wxTimer>();
    watchdog_->Bind(wxEVT_TIMER, [](wxTimerEvent&) {
        std::fputs("smoke test: timed out\n", stderr);
        std::_Exit(EXIT_FAILURE);
    });
    watchdog_->StartOnce(kWatchdogMs);
    after(kSettleMs, [this] { main_window_shown(); });
}

void SmokeTest::after(int milliseconds, std::function<void()> step) {
    auto timer = std::make_unique<wxTimer>();
    timer->Bind(wxEVT_TIMER, [step = std::move(step)](wxTimerEvent&) { step(); });
    timer->StartOnce(milliseconds);
    timers_.push_back(std::move(timer));
}

void SmokeTest::check(bool condition, const std::string& what) {
    if (condition) return;
    std::fprintf(stderr, "smoke test: %s\n", what.c_str());
    failed_ = true;
}

void SmokeTest::main_window_shown() {
    check(frame_.IsShown(), "the main window is not shown");
    check(save_screenshot(frame_, out_dir_ / "main.png", MainFrame::outline()),
          "main.png not written");
    const Menu& menu = frame_.logic().popup_menu();
    const bool has_edit = std::any_of(menu.begin(), menu.end(), [](const MenuItem& item) {
        return item.command == shell::kCommandEdit;
    });
    check(has_edit, "the popup menu has no Edit item");
    drag_picture();
    after(kSettleMs, [this] { sheet_shown(); });
    // Runs the sheet's modal loop until the steps above cancel it.
    frame_.logic().execute(shell::kCommandEdit);
    check(sheet_steps_done_, "the editor sheet closed before its steps ran");
    check(!frame_.session().document().modified, "Cancel left the design modified");
    frame_.logic().request_close();
}

// Drags the picture by (10, 20) from a point away from the power key.
void SmokeTest::drag_picture() {
    const wxPoint start = frame_.GetPosition();
    send_mouse(frame_, wxEVT_LEFT_DOWN, wxPoint(40, 440), true);
    send_mouse(frame_, wxEVT_MOTION, wxPoint(50, 460), true);
    send_mouse(frame_, wxEVT_LEFT_UP, wxPoint(50, 460), false);
    check(frame_.GetPosition() == start + wxPoint(10, 20), "dragging the picture does not move it");
    check(!frame_.HasCapture(), "the mouse is still captured after the drag");
}

void SmokeTest::sheet_shown() {
    wxDialog* sheet = find_sheet();
    wxNotebook* tabs = sheet != nullptr ? find_tabs(sheet) : nullptr;
    check(tabs != nullptr, "no editor sheet with tabs is shown");
    if (tabs == nullptr) return;
    page_count_ = static_cast<int>(tabs->GetPageCount());
    check(page_count_ == 5, "the editor sheet does not have five pages");
    show_page(1);
}

// Shows pages 1 to the last, saving a screenshot of each (sheet-2.png ... sheet-5.png), then the
// first again for sheet.png.
void SmokeTest::show_page(int index) {
    wxNotebook* tabs = find_tabs(find_sheet());
    if (tabs == nullptr) return check(false, "the editor sheet went away");
    const int page = index % page_count_;
    tabs->SetSelection(static_cast<std::size_t>(page));
    check(tabs->GetSelection() == page, "page " + std::to_string(page + 1) + " was not shown");
    check(tabs->GetPage(static_cast<std::size_t>(page))->GetMinSize().GetWidth() > 0,
          "page " + std::to_string(page + 1) + " was not built");
    if (index < page_count_) {
        after(kSettleMs / 2, [this, index, page] {
            const std::string name = "sheet-" + std::to_string(page + 1) + ".png";
            if (wxDialog* sheet = find_sheet()) {
                check(save_screenshot(*sheet, out_dir_ / name), name + " not written");
            }
            show_page(index + 1);
        });
    } else {
        after(kSettleMs, [this] { sheet_done(); });
    }
}

void SmokeTest::sheet_done() {
    wxDialog* sheet = find_sheet();
    if (sheet == nullptr) return check(false, "the editor sheet went away");
    check(save_screenshot(*sheet, out_dir_ / "sheet.png"), "sheet.png not written");
    sheet_steps_done_ = true;
    auto* cancel = dynamic_cast<wxButton*>(sheet->FindWindow(wxID_CANCEL));
    if (cancel == nullptr) return check(false, "the editor sheet has no Cancel button");
    wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
    click.SetEventObject(cancel);
    cancel->GetEventHandler()->ProcessEvent(click);
}

}  // namespace tc::ui::wx
