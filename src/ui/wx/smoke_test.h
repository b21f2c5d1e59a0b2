#pragma once

#include <wx/timer.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/wx/main_frame.h"

namespace tc::ui::wx {

// Drives the running program without a person, for the GUI smoke test: saves a screenshot of the
// main window (main.png), drags the window by its picture, runs the popup menu's Edit command,
// switches through every page of the editor sheet, saves a screenshot of the sheet on its first
// page (sheet.png) and on each other page (sheet-2.png to sheet-5.png), chooses the 2D reader on
// the Barcode page (barcode-2d.png), opens the Code 39 parameter dialog from its "more..." button
// (length-dialog.png) and cancels it, cancels the sheet and closes the program. Every step runs
// from a timer, so that the steps inside the sheet and the dialog run in their modal loops.
class SmokeTest {
  public:
    SmokeTest(MainFrame& frame, std::filesystem::path out_dir);
    void start();
    bool failed() const { return failed_; }

  private:
    void after(int milliseconds, std::function<void()> step);
    void check(bool condition, const std::string& what);

    void main_window_shown();
    void drag_picture();
    void sheet_shown();
    void show_page(int index);
    void sheet_done();
    void choose_two_d_reader();
    void open_length_dialog();
    void length_dialog_shown();
    void cancel_sheet();

    MainFrame& frame_;
    std::filesystem::path out_dir_;
    std::vector<std::unique_ptr<wxTimer>> timers_;  // one per step: steps nest in modal loops
    std::unique_ptr<wxTimer> watchdog_;
    bool failed_ = false;
    bool sheet_steps_done_ = false;
    bool length_dialog_done_ = false;
    int page_count_ = 0;
};

}  // namespace tc::ui::wx
