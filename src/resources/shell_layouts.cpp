#include "resources/shell_layouts.h"

#include <string>

#include "ui/host.h"

namespace tc::resources {
namespace {

using ui::Caption;
using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;
using ui::Rect;

constexpr Caption literal(std::string_view text) {
    return Caption{-1, text};
}

// Buttons are wide enough for translated captions of a dozen characters.
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;

}  // namespace

const DialogTemplate& preferences_dialog_layout() {
    using namespace preferences_ids;
    static const DialogTemplate layout{
        "PREFERENCESDLG",
        literal("TC7350 Preferences"),
        360,
        176,
        {
            {kAutoPreload, ControlKind::CheckBox, literal("&Auto-preload the last editing file."),
             Rect{16, 16, 328, 22}},
            {kAlwaysOnTop, ControlKind::CheckBox, literal("Always &on top."),
             Rect{16, 42, 328, 22}},
            {kLanguageLabel, ControlKind::Label, literal("&Language :"), Rect{16, 76, 328, 18}},
            {kLanguageList, ControlKind::DropDownList, Caption{}, Rect{16, 96, 328, 24}},
            {ui::kIdOk, ControlKind::Button, literal("OK"),
             Rect{160, 136, kButtonWidth, kButtonHeight}, 0, ui::kStyleDefaultButton},
            {ui::kIdCancel, ControlKind::Button, literal("Cancel"),
             Rect{256, 136, kButtonWidth, kButtonHeight}},
        },
    };
    return layout;
}

const DialogTemplate& about_box_layout() {
    using namespace about_ids;
    // The texts are set when the box opens; the second line has room for a two-line notice.
    static const DialogTemplate layout{
        "ABOUTBOX",
        Caption{},
        400,
        136,
        {
            {kIcon, ControlKind::CustomArea, Caption{}, Rect{16, 16, 32, 32}},
            {kFirstLine, ControlKind::Label, Caption{}, Rect{64, 16, 320, 20}},
            {kSecondLine, ControlKind::Label, Caption{}, Rect{64, 40, 320, 40}},
            {ui::kIdOk, ControlKind::Button, Caption{}, Rect{296, 94, kButtonWidth, kButtonHeight},
             0, ui::kStyleDefaultButton},
        },
    };
    return layout;
}

const DialogTemplate& code_picker_layout() {
    using namespace code_picker_ids;
    // 17 x 17 cells of 32 x 20 pixels: wide enough for the longest key name ("Enter", "Right").
    static const DialogTemplate layout{
        "GRIDDLG",
        literal("The Grid Control"),
        576,
        470,
        {
            {kGrid, ControlKind::CustomArea, Caption{}, Rect{16, 16, 544, 340}, 0,
             ui::kStyleTakesKeys},
            {kResultLabel, ControlKind::Label, literal("Resulting text :"), Rect{16, 366, 544, 18}},
            {kResultBox, ControlKind::CustomArea, Caption{}, Rect{16, 386, 544, 26}},
            {kClear, ControlKind::Button, literal("Clear"),
             Rect{16, 426, kButtonWidth, kButtonHeight}},
            {ui::kIdOk, ControlKind::Button, literal("OK"),
             Rect{376, 426, kButtonWidth, kButtonHeight}, 0, ui::kStyleDefaultButton},
            {ui::kIdCancel, ControlKind::Button, literal("Cancel"),
             Rect{472, 426, kButtonWidth, kButtonHeight}},
        },
    };
    return layout;
}

}  // namespace tc::resources
