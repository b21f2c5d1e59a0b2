#include "test_dialog.h"

#include "ui/host.h"

namespace tc::ui::wx::testing {

const DialogTemplate& test_dialog_layout() {
    static const DialogTemplate layout{
        "TESTDLG",
        Caption{-1, "Test"},
        320,
        240,
        {
            {kCaption, ControlKind::Label, Caption{-1, "Name:"}, Rect{10, 10, 60, 20}},
            {kName, ControlKind::Edit, Caption{}, Rect{80, 10, 120, 24}, 8},
            {kCount, ControlKind::Edit, Caption{}, Rect{80, 40, 60, 24}, 3, kStyleDigitsOnly},
            {kBox, ControlKind::CheckBox, Caption{-1, "Box"}, Rect{10, 70, 100, 22}},
            {kFirst, ControlKind::RadioButton, Caption{-1, "First"}, Rect{10, 95, 100, 22}, 0,
             kStyleGroupStart},
            {kSecond, ControlKind::RadioButton, Caption{-1, "Second"}, Rect{120, 95, 100, 22}},
            {kList, ControlKind::DropDownList, Caption{}, Rect{10, 125, 150, 28}},
            {kFill, ControlKind::Button, Caption{-1, "Fill"}, Rect{170, 125, 60, 28}},
            {kCode, ControlKind::CodeField, Caption{}, Rect{10, 160, 150, 24}},
            {kArea, ControlKind::CustomArea, Caption{}, Rect{170, 160, 40, 40}},
            {kLines, ControlKind::ListBox, Caption{}, Rect{220, 10, 90, 100}},
            {kIdOk, ControlKind::Button, Caption{-1, "OK"}, Rect{170, 205, 70, 28}, 0,
             kStyleDefaultButton},
            {kIdCancel, ControlKind::Button, Caption{-1, "Cancel"}, Rect{245, 205, 70, 28}},
        },
    };
    return layout;
}

void TestDialog::on_created() {
    set_checked(kFirst, true);
    set_items(kList, {"one", "two"});
    set_selection(kList, 0);
    set_items(kLines, {"a", "b", "c"});
}

void TestDialog::on_command(int id) {
    commands.push_back(id);
    names_at_command.push_back(text(kName));
    if (id == kCode) {
        shell::CodeField field(kCode, shell::CodeFieldRole::PrefixSuffix, codes);
        set_text(kCode, field.pick(host(), texts_));
    }
    if (!handles_clicks) return;
    if (id == kBox) toggle(kBox);
    if (id == kFirst || id == kSecond) {
        set_checked(kFirst, id == kFirst);
        set_checked(kSecond, id == kSecond);
    }
    if (id == kFill) {
        set_title("Filled \x80");
        set_text(kName, "\x80uro");
        set_text(kCaption, "Caf\xE9:");
        set_selection(kList, 1);
        enable(kCount, false);
        show(kBox, false);
        set_text(kCode, "<CR>");
        set_focus(kCode);
    }
}

void TestDialog::on_dropdown_opened(int) {
    ++dropdowns;
    set_items(kList, {"one", "two", "three"});
    set_selection(kList, 2);
}

}  // namespace tc::ui::wx::testing
