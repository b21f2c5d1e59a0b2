#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>
#include <memory>
#include <vector>

#include "test_dialog.h"
#include "ui/property_sheet.h"
#include "ui/wx/message_box.h"
#include "ui/wx/sheet_dialog.h"
#include "ui/wx/wx_host.h"

namespace tc::ui::wx {
namespace {

using namespace testing;

// Runs `step` from the modal loop of the window that is open then.
class Later {
  public:
    void after(int milliseconds, std::function<void()> step) {
        auto timer = std::make_unique<wxTimer>();
        timer->Bind(wxEVT_TIMER, [step = std::move(step)](wxTimerEvent&) { step(); });
        timer->StartOnce(milliseconds);
        timers_.push_back(std::move(timer));
    }

  private:
    std::vector<std::unique_ptr<wxTimer>> timers_;
};

void press(wxWindow* window, wxWindowID id) {
    ASSERT_NE(window, nullptr);
    auto* button = dynamic_cast<wxButton*>(window->FindWindow(id));
    ASSERT_NE(button, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

// Lets the toolkit handle what a person did.
void settle() {
    for (int i = 0; i < 10; ++i) {
        wxMilliSleep(10);
        wxYield();
    }
}

// The pointer over the window, so that it has the keyboard (there is no window manager).
void person_over(wxUIActionSimulator& person, wxWindow* window) {
    const wxRect shown = window->GetScreenRect();
    person.MouseMove(shown.GetLeft() + shown.GetWidth() / 2, shown.GetTop() + 10);
    settle();
}

wxWindow* open_test_dialog() {
    return wxWindow::FindWindowByName("TESTDLG");
}

TEST(WxHostModal, TheDialogRunsUntilItEndsItselfAndReturnsItsResult) {
    WxHost host;
    Later later;

    // OK refused by the dialog keeps it open; Cancel ends it.
    TestDialog refusing;
    refusing.accepts_ok = false;
    bool open_after_ok = false;
    later.after(100, [&] {
        press(open_test_dialog(), wxID_OK);
        open_after_ok = open_test_dialog() != nullptr && open_test_dialog()->IsShown();
        press(open_test_dialog(), wxID_CANCEL);
    });
    EXPECT_EQ(host.run_modal(refusing), kIdCancel);
    EXPECT_TRUE(open_after_ok);

    // The title follows the dialog; OK ends it with kIdOk.
    TestDialog accepting;
    wxString title;
    wxString focused_text = "(no edit has the focus)";
    later.after(100, [&] {
        auto* window = dynamic_cast<wxDialog*>(open_test_dialog());
        ASSERT_NE(window, nullptr);
        wxWindow* fill = wxWindow::FindWindowByLabel("Fill", window);
        ASSERT_NE(fill, nullptr);
        wxCommandEvent click(wxEVT_BUTTON, fill->GetId());
        click.SetEventObject(fill);
        fill->ProcessWindowEvent(click);
        title = window->GetTitle();
        if (auto* focused = dynamic_cast<wxTextCtrl*>(wxWindow::FindFocus())) {
            focused_text = focused->GetValue();
        }
        press(window, wxID_OK);
    });
    EXPECT_EQ(host.run_modal(accepting), kIdOk);
    EXPECT_EQ(title, wxString(L"Filled \u20AC"));
    EXPECT_EQ(focused_text, "<CR>");  // the dialog gave the code field the focus
    EXPECT_EQ(accepting.text(kName), "\x80uro");

    // A person tabs round the dialog: each control is one stop, the drop-down list too. A click
    // opens the list, and the dialog refills it as it opens.
    TestDialog tabbed;
    int stops = 0;
    later.after(100, [&] {
        wxWindow* window = open_test_dialog();
        ASSERT_NE(window, nullptr);
        wxUIActionSimulator person;
        person_over(person, window);
        wxWindow* start = wxWindow::FindWindowByLabel("Fill", window);
        start->SetFocus();
        do {
            person.Char(WXK_TAB);
            settle();
        } while (wxWindow::FindFocus() != start && ++stops < 20);
        press(window, wxID_CANCEL);
    });
    host.run_modal(tabbed);
    // Name, Count, Box, the radio buttons, List, Fill, Code, Lines, OK and Cancel: the drawn area
    // hears no keys.
    EXPECT_EQ(stops + 1, 10);

    TestDialog clicked;
    unsigned items_when_open = 0;
    later.after(100, [&] {
        wxWindow* window = open_test_dialog();
        ASSERT_NE(window, nullptr);
        wxUIActionSimulator person;
        for (wxWindow* child : window->GetChildren()) {
            auto* list = dynamic_cast<wxChoice*>(child);
            if (list == nullptr) continue;
            const wxRect at = list->GetScreenRect();
            person.MouseMove(at.GetLeft() + at.GetWidth() / 2, at.GetTop() + at.GetHeight() / 2);
            person.MouseClick();
            settle();
            items_when_open = list->GetCount();
        }
        person.Char(WXK_ESCAPE);  // closes the open list
        settle();
        press(window, wxID_CANCEL);
    });
    host.run_modal(clicked);
    EXPECT_EQ(clicked.dropdowns, 1);
    EXPECT_EQ(items_when_open, 3u);

    // Esc is Cancel.
    TestDialog escaped;
    later.after(100, [&] {
        wxWindow* window = open_test_dialog();
        ASSERT_NE(window, nullptr);
        wxKeyEvent esc(wxEVT_CHAR_HOOK);
        esc.m_keyCode = WXK_ESCAPE;
        esc.SetEventObject(window);
        window->ProcessWindowEvent(esc);
    });
    EXPECT_EQ(host.run_modal(escaped), kIdCancel);
}

// A person clicks the code field, double-clicks "A" in the picker that opens, goes down to "B"
// with the arrow key, picks it with Enter and clicks OK. F4 opens the picker again; Esc cancels.
TEST(WxHostCodePicker, ADoubleClickPicksTwiceAndKeysMoveAndPick) {
    WxHost host;
    Later later;
    TestDialog dialog;
    wxUIActionSimulator person;
    wxTextCtrl* field = nullptr;
    bool blue_while_open = false;
    wxString picked;
    wxString after_cancel;
    bool reopened = false;
    const auto click_at = [&](const wxRect& shown, double x, double y) {
        person.MouseMove(shown.GetLeft() + static_cast<int>(x * shown.GetWidth()),
                         shown.GetTop() + static_cast<int>(y * shown.GetHeight()));
    };
    later.after(100, [&] {
        for (wxWindow* child : open_test_dialog()->GetChildren()) {
            auto* edit = dynamic_cast<wxTextCtrl*>(child);
            if (edit != nullptr && !edit->IsEditable()) field = edit;
        }
        ASSERT_NE(field, nullptr);
        click_at(field->GetScreenRect(), 0.5, 0.5);
        person.MouseClick();
    });
    later.after(700, [&] {
        wxWindow* picker = wxWindow::FindWindowByName("GRIDDLG");
        ASSERT_NE(picker, nullptr);
        blue_while_open = field->GetBackgroundColour() == *wxBLUE;
        wxWindow* grid = nullptr;
        for (wxWindow* child : picker->GetChildren()) {
            if (grid == nullptr && dynamic_cast<wxPanel*>(child) != nullptr) grid = child;
        }
        ASSERT_NE(grid, nullptr);
        // "A" (0x41): column 4, row 1 of the 16 x 16 codes behind the heading row and column.
        click_at(grid->GetScreenRect(), 5.5 / 17, 2.5 / 17);
        person.MouseDblClick();
    });
    later.after(1100, [&] {
        person.Char(WXK_DOWN);
        person.Char(WXK_RETURN);
    });
    later.after(1400, [&] { press(wxWindow::FindWindowByName("GRIDDLG"), wxID_OK); });
    later.after(1700, [&] {
        picked = field->GetValue();
        click_at(field->GetScreenRect(), 0.5, 0.5);  // the pointer over the dialog
        person.Char(WXK_F4);
    });
    later.after(2200, [&] {
        reopened = wxWindow::FindWindowByName("GRIDDLG") != nullptr;
        person.Char(WXK_ESCAPE);
    });
    later.after(2500, [&] {
        after_cancel = field->GetValue();
        press(open_test_dialog(), wxID_CANCEL);
    });
    host.run_modal(dialog);
    EXPECT_TRUE(blue_while_open);
    EXPECT_EQ(picked, "A A B ");
    EXPECT_EQ(after_cancel, "A A B ");
    EXPECT_TRUE(reopened);
}

constexpr int kPageEdit = 201;

const DialogTemplate& page_layout() {
    static const DialogTemplate layout{
        "TESTPAGE",
        Caption{},
        300,
        200,
        {{kPageEdit, ControlKind::Edit, Caption{}, Rect{10, 10, 100, 24}}},
    };
    return layout;
}

const DialogTemplate& large_page_layout() {
    static const DialogTemplate layout{"LARGEPAGE",
                                       Caption{},
                                       560,
                                       420,
                                       {{kPageEdit, ControlKind::Edit, {}, {450, 390, 100, 24}}}};
    return layout;
}

// A page with one edit that counts its take-overs.
class CountingPage : public Page {
  public:
    CountingPage(int& take_overs, const DialogTemplate& layout)
        : Page(layout), take_overs_(take_overs) {}
    void take_over() override { ++take_overs_; }

  private:
    int& take_overs_;
};

PropertySheet make_sheet(int& take_overs, int& pages_made) {
    const auto make = [&] {
        ++pages_made;
        return std::make_unique<CountingPage>(take_overs, page_layout());
    };
    const auto make_large = [&] {
        ++pages_made;
        return std::make_unique<CountingPage>(take_overs, large_page_layout());
    };
    return PropertySheet("Sheet \x80", {{"One", make, &page_layout()},
                                        {"Two", make},
                                        {"Three", make_large, &large_page_layout()}});
}

TEST(WxHostSheet, PagesAreBuiltWhenTheirTabIsFirstShownAndOkTakesOverTheShownOnes) {
    WxHost host;
    // The sheet's buttons are program texts 8 and 9, as a language file gives them.
    host.set_caption_source([](int id) { return id == 8 ? "Gut" : id == 9 ? "Lass" : "?"; });
    Later later;
    int take_overs = 0;
    int pages_made = 0;

    // The window is built before a sheet is asked for, hidden; the prepared sheet stays unseen.
    // The next sheet runs in it and its first page's widgets show that sheet's page.
    PropertySheet prepared = make_sheet(take_overs, pages_made);
    host.prepare_sheet(prepared);
    wxWindow* const window = wxWindow::FindWindowByName(SheetDialog::kWindowName);
    ASSERT_TRUE(window != nullptr && !window->IsShown());
    wxWindow* first_page = window->FindWindow(SheetDialog::kTabsName)->GetChildren().front();
    auto* first_edit = dynamic_cast<wxTextCtrl*>(first_page->GetChildren().front());
    first_edit->SetValue("left over");
    pages_made = 0;

    PropertySheet confirmed = make_sheet(take_overs, pages_made);
    wxString caption;
    wxString buttons;
    std::size_t tab_count = 0;
    later.after(100, [&] {
        auto* sheet = dynamic_cast<wxDialog*>(wxWindow::FindWindowByName(SheetDialog::kWindowName));
        ASSERT_EQ(sheet, window);
        caption = sheet->GetTitle();
        buttons = sheet->FindWindow(wxID_OK)->GetLabel() + "/" +
                  sheet->FindWindow(wxID_CANCEL)->GetLabel();
        auto* tabs =
            dynamic_cast<wxNotebook*>(wxWindow::FindWindowByName(SheetDialog::kTabsName, sheet));
        ASSERT_NE(tabs, nullptr);
        tab_count = tabs->GetPageCount();
        EXPECT_EQ(pages_made, 1);
        const wxSize first_size = sheet->GetSize();
        tabs->SetSelection(2);
        EXPECT_EQ(pages_made, 2);
        EXPECT_EQ(confirmed.current_page(), 2u);
        // The new page's widgets are there and forward to the page. The sheet had the room of its
        // largest page when first shown: it keeps its size, and the far edit is wholly seen.
        const wxWindowList& page_widgets = tabs->GetPage(2)->GetChildren();
        ASSERT_EQ(page_widgets.size(), 1u);
        auto* edit = dynamic_cast<wxTextCtrl*>(page_widgets.front());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(sheet->GetSize(), first_size);
        EXPECT_TRUE(wxRect(tabs->GetPage(2)->GetClientSize()).Contains(edit->GetRect()));
        edit->SetValue("7");
        tabs->SetSelection(0);
        EXPECT_EQ(first_edit->GetValue(), "");
        first_edit->SetValue("5");
        EXPECT_EQ(pages_made, 2);
        press(sheet, wxID_OK);
    });
    EXPECT_EQ(host.run_sheet(confirmed), kIdOk);
    EXPECT_EQ(caption, wxString(L"Sheet \u20AC"));
    EXPECT_EQ(buttons, "Gut/Lass");
    EXPECT_EQ(tab_count, 3u);
    EXPECT_EQ(take_overs, 2);
    ASSERT_NE(confirmed.page(2), nullptr);
    EXPECT_EQ(confirmed.page(2)->text(kPageEdit), "7");
    EXPECT_EQ(confirmed.page(1), nullptr);
    EXPECT_EQ(confirmed.page(0)->text(kPageEdit), "5");
    EXPECT_EQ(prepared.page(0)->text(kPageEdit), "");

    PropertySheet cancelled = make_sheet(take_overs, pages_made);
    later.after(100,
                [&] { press(wxWindow::FindWindowByName(SheetDialog::kWindowName), wxID_CANCEL); });
    EXPECT_EQ(host.run_sheet(cancelled), kIdCancel);
    EXPECT_EQ(take_overs, 2);
}

// A warning shows the exclamation icon and its whole title, and Esc answers a box that has only
// OK with OK. The save prompt shows the question icon and answers as clicked.
TEST(WxHostMessageBox, ShowsItsIconAndItsWholeTitle) {
    WxHost host;
    Later later;
    const auto icon_of = [](wxWindow* box) -> wxBitmap {
        for (wxWindow* child : box->GetChildren()) {
            if (auto* picture = dynamic_cast<wxStaticBitmap*>(child)) return picture->GetBitmap();
        }
        return wxNullBitmap;
    };
    bool warning_icon = false;
    int title_width = 0;
    int box_width = 0;
    later.after(300, [&] {
        wxWindow* box = wxWindow::FindWindowByName(MessageBox::kWindowName);
        ASSERT_NE(box, nullptr);
        const wxBitmap icon = icon_of(box);
        warning_icon = icon.IsOk() && icon.GetWidth() >= 16;
        const wxFont bold = box->GetFont().Bold();
        box->GetTextExtent("Warning", &title_width, nullptr, nullptr, nullptr, &bold);
        box_width = box->GetSize().x;
        wxUIActionSimulator person;
        const wxRect shown = box->GetScreenRect();
        person.MouseMove(shown.GetLeft() + shown.GetWidth() / 2, shown.GetTop() + 10);
        person.Char(WXK_ESCAPE);
    });
    EXPECT_EQ(host.message_box("Invalid value!", "Warning", kMbOk | kMbIconExclamation), kIdOk);
    EXPECT_TRUE(warning_icon);
    EXPECT_GT(box_width, title_width + 100);

    bool question_icon = false;
    later.after(300, [&] {
        wxWindow* box = wxWindow::FindWindowByName(MessageBox::kWindowName);
        ASSERT_NE(box, nullptr);
        question_icon = icon_of(box).IsOk();
        press(box, wxID_NO);
    });
    EXPECT_EQ(host.message_box("Save current program ?", "Terminal Composer",
                               kMbYesNoCancel | kMbIconQuestion),
              kIdNo);
    EXPECT_TRUE(question_icon);
}

}  // namespace
}  // namespace tc::ui::wx
