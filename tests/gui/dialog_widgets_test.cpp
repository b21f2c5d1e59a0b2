#include "ui/wx/dialog_widgets.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>

#include "test_dialog.h"
#include "ui/headless_host.h"
#include "ui/wx/dialog_font.h"

namespace tc::ui::wx {
namespace {

using namespace testing;

// The widgets of a created test dialog inside a window that is never shown: events are sent to
// the widgets as the toolkit sends them when a person uses them.
class WxDialogWidgets : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_.create(host_, {});
        window_ = new wxDialog(nullptr, wxID_ANY, "test");
        window_->SetFont(dialog_font());  // the font the layouts are drawn for: no scaling
        widgets_ = std::make_unique<DialogWidgets>(dialog_, *window_, [this] { ++after_events_; });
    }
    void TearDown() override {
        window_->DestroyChildren();
        window_->Destroy();
    }

    template <typename Widget>
    Widget& widget(int id) {
        auto* w = dynamic_cast<Widget*>(widgets_->widget(id));
        if (w == nullptr)
            throw std::logic_error("no widget of that kind for " + std::to_string(id));
        return *w;
    }

    void click(int id, wxEventType type) {
        wxCommandEvent event(type, widgets_->widget(id)->GetId());
        event.SetEventObject(widgets_->widget(id));
        event.SetInt(1);
        widgets_->widget(id)->ProcessWindowEvent(event);
    }
    void choose(int id, wxEventType type, int index) {
        wxCommandEvent event(type, widgets_->widget(id)->GetId());
        event.SetEventObject(widgets_->widget(id));
        event.SetInt(index);
        widgets_->widget(id)->ProcessWindowEvent(event);
    }
    void mouse_down(int id, wxPoint at) {
        wxMouseEvent event(wxEVT_LEFT_DOWN);
        event.SetEventObject(widgets_->widget(id));
        event.SetPosition(at);
        widgets_->widget(id)->ProcessWindowEvent(event);
    }

    HeadlessHost host_;
    TestDialog dialog_;
    wxDialog* window_ = nullptr;
    std::unique_ptr<DialogWidgets> widgets_;
    int after_events_ = 0;
};

TEST_F(WxDialogWidgets, BuildsAWidgetOfTheRightKindAtTheLayoutPositionWithTheControlState) {
    EXPECT_EQ(widget<wxStaticText>(kCaption).GetLabel(), "Name:");
    EXPECT_EQ(widget<wxTextCtrl>(kName).GetPosition(), window_->FromDIP(wxPoint(80, 10)));
    EXPECT_EQ(widget<wxTextCtrl>(kName).GetSize(), window_->FromDIP(wxSize(120, 24)));
    EXPECT_TRUE(widget<wxTextCtrl>(kName).IsEditable());
    EXPECT_FALSE(widget<wxTextCtrl>(kCode).IsEditable());
    EXPECT_TRUE(widget<wxRadioButton>(kFirst).GetValue());
    EXPECT_FALSE(widget<wxRadioButton>(kSecond).GetValue());
    EXPECT_FALSE(widget<wxCheckBox>(kBox).GetValue());
    const auto& list = widget<wxChoice>(kList);
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetString(1), "two");
    EXPECT_EQ(list.GetSelection(), 0);
    EXPECT_EQ(widget<wxListBox>(kLines).GetCount(), 3u);
    EXPECT_EQ(widget<wxListBox>(kLines).GetSelection(), wxNOT_FOUND);
    // The standard buttons carry the toolkit's identifiers, so that Enter and Esc reach them.
    EXPECT_EQ(widget<wxButton>(kIdOk).GetId(), wxID_OK);
    EXPECT_EQ(widget<wxButton>(kIdCancel).GetId(), wxID_CANCEL);
    EXPECT_EQ(window_->GetDefaultItem(), &widget<wxButton>(kIdOk));
    EXPECT_EQ(after_events_, 0);
}

TEST_F(WxDialogWidgets, TypingReachesTheDialogOnceAndTheEditShowsWhatTheDialogKept) {
    widget<wxTextCtrl>(kCount).SetValue("12a45");  // as typed: the toolkit reports the change
    wxTheApp->ProcessPendingEvents();              // what the widgets queued, e.g. an echo
    EXPECT_EQ(dialog_.text(kCount), "124");        // digits only, at most 3
    EXPECT_EQ(widget<wxTextCtrl>(kCount).GetValue(), "124");
    EXPECT_EQ(dialog_.edit_changes[kCount], 1);
    EXPECT_EQ(after_events_, 1);

    widget<wxTextCtrl>(kName).SetValue(wxString(L"caf\u00E9 au lait"));
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(dialog_.text(kName), "caf\xE9 au ");  // Windows-1252 bytes, at most 8
    EXPECT_EQ(widget<wxTextCtrl>(kName).GetValue(), wxString(L"caf\u00E9 au "));
    EXPECT_EQ(dialog_.edit_changes[kName], 1);

    // A replaced selection comes as two changes (removed, inserted): the dialog hears the result.
    widget<wxTextCtrl>(kCount).SetValue("");
    widget<wxTextCtrl>(kCount).SetValue("9");
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(dialog_.text(kCount), "9");
    EXPECT_EQ(dialog_.edit_changes[kCount], 2);

    // What was typed reaches the dialog before a click that follows it.
    widget<wxTextCtrl>(kName).SetValue("typed");
    click(kBox, wxEVT_CHECKBOX);
    EXPECT_EQ(dialog_.names_at_command, std::vector<std::string>{"typed"});
    EXPECT_EQ(dialog_.edit_changes[kName], 2);

    // Text set from code notifies the dialog once, as typing does, and is not heard back.
    click(kFill, wxEVT_BUTTON);
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(widget<wxTextCtrl>(kName).GetValue(), wxString(L"\u20ACuro"));
    EXPECT_EQ(dialog_.edit_changes[kName], 3);
    EXPECT_EQ(dialog_.edit_changes[kCount], 2);
}

TEST_F(WxDialogWidgets, CheckBoxesAndRadioButtonsShowTheDialogsStateNotTheClick) {
    dialog_.handles_clicks = false;
    widget<wxCheckBox>(kBox).SetValue(true);  // the toolkit has toggled the box, then reports
    click(kBox, wxEVT_CHECKBOX);
    EXPECT_FALSE(widget<wxCheckBox>(kBox).GetValue());
    widget<wxRadioButton>(kSecond).SetValue(true);
    click(kSecond, wxEVT_RADIOBUTTON);
    EXPECT_TRUE(widget<wxRadioButton>(kFirst).GetValue());
    EXPECT_FALSE(widget<wxRadioButton>(kSecond).GetValue());
    EXPECT_EQ(dialog_.commands, (std::vector<int>{kBox, kSecond}));

    dialog_.handles_clicks = true;
    widget<wxCheckBox>(kBox).SetValue(true);
    click(kBox, wxEVT_CHECKBOX);
    EXPECT_TRUE(dialog_.checked(kBox));
    EXPECT_TRUE(widget<wxCheckBox>(kBox).GetValue());
    widget<wxRadioButton>(kSecond).SetValue(true);
    click(kSecond, wxEVT_RADIOBUTTON);
    EXPECT_TRUE(widget<wxRadioButton>(kSecond).GetValue());
    EXPECT_FALSE(widget<wxRadioButton>(kFirst).GetValue());
    // The dialog checks the first radio button again from code.
    click(kFirst, wxEVT_RADIOBUTTON);
    EXPECT_TRUE(widget<wxRadioButton>(kFirst).GetValue());
    EXPECT_FALSE(widget<wxRadioButton>(kSecond).GetValue());
}

TEST_F(WxDialogWidgets, ChangesMadeByTheDialogReachTheWidgetsWithoutEchoes) {
    click(kFill, wxEVT_BUTTON);
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(widget<wxStaticText>(kCaption).GetLabel(), wxString(L"Caf\u00E9:"));
    EXPECT_EQ(widget<wxChoice>(kList).GetSelection(), 1);
    EXPECT_FALSE(widget<wxTextCtrl>(kCount).IsEnabled());
    EXPECT_FALSE(widget<wxCheckBox>(kBox).IsShown());
    EXPECT_TRUE(widget<wxRadioButton>(kFirst).IsShown());
    // A selection set from code is not a user's choice.
    EXPECT_EQ(dialog_.selection_changes[kList], 0);
    EXPECT_EQ(after_events_, 1);
}

TEST_F(WxDialogWidgets, ChoicesFocusAndClicksAreForwarded) {
    widget<wxChoice>(kList).SetSelection(1);
    choose(kList, wxEVT_CHOICE, 1);
    EXPECT_EQ(dialog_.selection(kList), 1);
    EXPECT_EQ(dialog_.selection_changes[kList], 1);

    widget<wxListBox>(kLines).SetSelection(2);
    choose(kLines, wxEVT_LISTBOX, 2);
    EXPECT_EQ(dialog_.selection(kLines), 2);

    wxFocusEvent leave(wxEVT_KILL_FOCUS, widget<wxTextCtrl>(kName).GetId());
    leave.SetEventObject(&widget<wxTextCtrl>(kName));
    widget<wxTextCtrl>(kName).ProcessWindowEvent(leave);
    EXPECT_EQ(dialog_.left, std::vector<int>{kName});

    mouse_down(kArea, wxPoint(5, 7));
    ASSERT_EQ(dialog_.area_clicks.size(), 1u);
    EXPECT_EQ(dialog_.area_clicks[0], (Point{window_->ToDIP(5), window_->ToDIP(7)}));

    // A click in a code field is a command, run once the toolkit has handled the click.
    mouse_down(kCode, wxPoint(3, 3));
    EXPECT_TRUE(dialog_.commands.empty());
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(dialog_.commands, std::vector<int>{kCode});
}

}  // namespace
}  // namespace tc::ui::wx
