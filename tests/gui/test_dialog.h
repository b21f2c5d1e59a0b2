#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "shell/code_picker.h"
#include "ui/dialog.h"

namespace tc::ui::wx::testing {

// Control identifiers of the test dialog.
inline constexpr int kName = 101;     // edit, 8 characters
inline constexpr int kCount = 102;    // digits-only edit, 3 characters
inline constexpr int kBox = 103;      // check box
inline constexpr int kFirst = 104;    // radio button, starts a group
inline constexpr int kSecond = 105;   // radio button
inline constexpr int kList = 106;     // drop-down list, refilled when opened
inline constexpr int kFill = 107;     // button: sets texts and states from code
inline constexpr int kCode = 108;     // code field of up to 10 codes
inline constexpr int kCaption = 109;  // label
inline constexpr int kArea = 110;     // custom area
inline constexpr int kLines = 111;    // list box

const DialogTemplate& test_dialog_layout();

// A dialog whose handlers do what the rules of the real dialogs do (toggle their own check boxes,
// check radio buttons, refill lists, write edits from code), and count what they were told.
class TestDialog : public Dialog {
  public:
    TestDialog() : Dialog(test_dialog_layout()) {}

    bool handles_clicks = true;  // false: clicks on the check box and radio buttons do nothing
    bool accepts_ok = true;
    std::map<int, int> edit_changes;
    std::map<int, int> selection_changes;
    std::vector<int> commands;
    std::vector<std::string> names_at_command;  // the name edit's text when a command came
    std::vector<int> left;
    int dropdowns = 0;
    std::vector<Point> area_clicks;
    std::array<Byte, 32> codes{};  // what the code field holds

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override { ++edit_changes[id]; }
    void on_selection_changed(int id) override { ++selection_changes[id]; }
    void on_dropdown_opened(int id) override;
    void on_focus_lost(int id) override { left.push_back(id); }
    void on_area_clicked(int, Point p) override { area_clicks.push_back(p); }
    bool on_ok() override { return accepts_ok; }

  private:
    texts::ProgramTexts texts_;
};

}  // namespace tc::ui::wx::testing
