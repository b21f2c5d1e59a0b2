#include "ui/wx/smoke_test.h"

#include <wx/choice.h>
#include <wx/notebook.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "reader/barcode_page.h"
#include "reader/barcode_page_values.h"
#include "reader/barcode_slots.h"
#include "resources/barcode_page_layout.h"
#include "ui/wx/screenshot.h"
#include "ui/wx/sheet_dialog.h"
#include "ui/wx/text_conversion.h"

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

namespace ids = resources::barcode_page_ids;

// The parameter dialog that the smoke test opens: Code 39 of the 2D reader, with its length range.
constexpr std::string_view kLengthDialog = "CODE39DLG_2D";

SheetDialog* find_sheet() {
    return dynamic_cast<SheetDialog*>(wxWindow::FindWindowByName(SheetDialog::kWindowName));
}

wxNotebook* find_tabs(wxWindow* sheet) {
    return dynamic_cast<wxNotebook*>(wxWindow::FindWindowByName(SheetDialog::kTabsName, sheet));
}

// The index of the Barcode page among the sheet's built pages, -1 when it is not built.
int barcode_page_index(const SheetDialog& sheet, std::size_t page_count) {
    for (std::size_t i = 0; i < page_count; ++i) {
        DialogWidgets* widgets = sheet.page_widgets(i);
        if (widgets != nullptr && dynamic_cast<BarcodePage*>(&widgets->dialog()) != nullptr) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The symbology slot whose "more..." button opens `dialog` in `mode`, 0 for none.
int slot_of_dialog(ReaderMode mode, std::string_view dialog) {
    const auto slots = symbology_slots(mode);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].dialog == dialog) return static_cast<int>(i) + 1;
    }
    return 0;
}

// What a click on a button does: its handlers run now.
void click(wxWindow& button) {
    wxCommandEvent event(wxEVT_BUTTON, button.GetId());
    event.SetEventObject(&button);
    button.GetEventHandler()->ProcessEvent(event);
}

bool widget_shown(const DialogWidgets& widgets, int id) {
    const wxWindow* widget = widgets.widget(id);
    return widget != nullptr && widget->IsShown();
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
    const Byte reader_type = frame_.session().document().reader[reader::kReaderTypeBits];
    after(kSettleMs, [this] { sheet_shown(); });
    // Runs the sheet's modal loop until the steps above cancel it.
    frame_.logic().execute(shell::kCommandEdit);
    check(sheet_steps_done_, "the editor sheet closed before its steps ran");
    check(!frame_.session().document().modified, "Cancel left the design modified");
    check(frame_.session().document().reader[reader::kReaderTypeBits] == reader_type,
          "Cancel kept the reader chosen on the Barcode page");
    frame_.logic().request_close();
}

// Drags the picture by (10, 20) from a point away from the power key.
void SmokeTest::drag_picture() {
    const wxPoint start = frame_.GetPosition();
    send_mouse(frame_.skin_window(), wxEVT_LEFT_DOWN, wxPoint(40, 440), true);
    send_mouse(frame_.skin_window(), wxEVT_MOTION, wxPoint(50, 460), true);
    send_mouse(frame_.skin_window(), wxEVT_LEFT_UP, wxPoint(50, 460), false);
    check(frame_.GetPosition() == start + wxPoint(10, 20), "dragging the picture does not move it");
    check(!frame_.skin_window().HasCapture(), "the mouse is still captured after the drag");
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
    choose_two_d_reader();
}

// Chooses "2D Reader" in the Barcode page's reader list through the page, as the list's widget
// would, and checks that the widgets follow the page into the 2D layout.
void SmokeTest::choose_two_d_reader() {
    SheetDialog* sheet = find_sheet();
    if (sheet == nullptr) return check(false, "the editor sheet went away");
    const int index = barcode_page_index(*sheet, static_cast<std::size_t>(page_count_));
    wxNotebook* tabs = find_tabs(sheet);
    if (index < 0 || tabs == nullptr) {
        check(false, "the editor sheet has no Barcode page");
        return cancel_sheet();
    }
    tabs->SetSelection(static_cast<std::size_t>(index));
    DialogWidgets& widgets = *sheet->page_widgets(static_cast<std::size_t>(index));
    auto& page = dynamic_cast<BarcodePage&>(widgets.dialog());

    const int two_d = barcode_values::reader_item(ReaderMode::TwoD);
    widgets.forward([&page, two_d] { page.user_chooses(ids::kReaderList, two_d); },
                    ids::kReaderList);
    check(page.layout_mode() == ReaderMode::TwoD, "choosing the 2D reader left the page's mode");
    const auto* readers = dynamic_cast<const wxChoice*>(widgets.widget(ids::kReaderList));
    check(readers != nullptr && readers->GetSelection() == two_d &&
              readers->GetStringSelection() == to_display(page.items(ids::kReaderList)[two_d]),
          "the reader list does not show the 2D reader");
    check(widget_shown(widgets, ids::kIlluminationList) &&
              widget_shown(widgets, ids::kSymbologiesButton),
          "the 2D reader's controls are not shown");
    check(!widget_shown(widgets, ids::kScanModeList), "the 1D reader's controls are still shown");
    // The check boxes that changed animate for a moment.
    after(kSettleMs, [this] {
        if (SheetDialog* shown = find_sheet()) {
            check(save_screenshot(*shown, out_dir_ / "barcode-2d.png"),
                  "barcode-2d.png not written");
        }
        open_length_dialog();
    });
}

// Clicks Code 39's "more..." button; the dialog's modal loop runs until length_dialog_shown
// cancels it.
void SmokeTest::open_length_dialog() {
    SheetDialog* sheet = find_sheet();
    if (sheet == nullptr) return check(false, "the editor sheet went away");
    const int index = barcode_page_index(*sheet, static_cast<std::size_t>(page_count_));
    const int slot = slot_of_dialog(ReaderMode::TwoD, kLengthDialog);
    wxWindow* more =
        index < 0
            ? nullptr
            : sheet->page_widgets(static_cast<std::size_t>(index))->widget(ids::slot_more(slot));
    if (slot == 0 || more == nullptr) {
        check(false, "Code 39 has no \"more...\" button");
        return cancel_sheet();
    }
    check(more->IsShown() && more->IsEnabled(), "Code 39's \"more...\" button cannot be clicked");
    after(kSettleMs, [this] { length_dialog_shown(); });
    click(*more);
    check(length_dialog_done_, "the Code 39 dialog closed before its steps ran");
    check(
        wxWindow::FindWindowByName(wxString(kLengthDialog.data(), kLengthDialog.size())) == nullptr,
        "the Code 39 dialog is still open after Cancel");
    after(kSettleMs / 2, [this] { cancel_sheet(); });
}

void SmokeTest::length_dialog_shown() {
    const wxString name(kLengthDialog.data(), kLengthDialog.size());
    auto* dialog = dynamic_cast<wxDialog*>(wxWindow::FindWindowByName(name));
    if (dialog == nullptr || !dialog->IsModal()) {
        return check(false, "the Code 39 dialog is not shown");
    }
    check(save_screenshot(*dialog, out_dir_ / "length-dialog.png"),
          "length-dialog.png not written");
    length_dialog_done_ = true;
    wxWindow* cancel = dialog->FindWindow(wxID_CANCEL);
    if (cancel == nullptr) return check(false, "the Code 39 dialog has no Cancel button");
    click(*cancel);
}

void SmokeTest::cancel_sheet() {
    wxDialog* sheet = find_sheet();
    if (sheet == nullptr) return check(false, "the editor sheet went away");
    sheet_steps_done_ = true;
    wxWindow* cancel = sheet->FindWindow(wxID_CANCEL);
    if (cancel == nullptr) return check(false, "the editor sheet has no Cancel button");
    click(*cancel);
}

}  // namespace tc::ui::wx
