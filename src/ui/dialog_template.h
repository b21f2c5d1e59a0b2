#pragma once

#include <string_view>
#include <vector>

#include "ui/geometry.h"

namespace tc::ui {

enum class ControlKind {
    Label,
    Edit,
    CheckBox,
    RadioButton,
    DropDownList,
    ListBox,
    Button,
    GroupBox,
    CodeField,   // an edit that opens the code picker when clicked
    CustomArea,  // drawn by the dialog through a Painter, reports clicks
};

// A caption is a program text (by identifier) or a literal; literal when text_id is negative.
struct Caption {
    int text_id = -1;
    std::string_view literal{};
};

// Style flags of a control.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleDefaultButton = 1u << 0,
    kStyleDigitsOnly = 1u << 1,
    kStyleReadOnly = 1u << 2,
    kStylePassword = 1u << 3,
    kStyleGroupStart = 1u << 4,  // first radio button of a group
    kStyleHidden = 1u << 5,      // created invisible
    kStyleDisabled = 1u << 6,    // created disabled
    kStyleSunken = 1u << 7,      // a label drawn as a sunken box
    kStyleTakesKeys = 1u << 8,   // a custom area that takes the keyboard focus and hears keys
};

// One control of a dialog layout.
struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    Caption caption{};
    Rect rect{};
    int text_limit = 0;  // edits: most characters the user can type; 0 = no limit
    unsigned style = kStyleNone;
};

// A dialog or page layout. The same template serves the headless and the wxWidgets host.
// Standard buttons use the identifiers kIdOk (1) and kIdCancel (2) of host.h.
struct DialogTemplate {
    std::string_view name;  // e.g. "PREFERENCESDLG"
    Caption title{};
    int width = 0;
    int height = 0;
    std::vector<ControlTemplate> controls;
};

}  // namespace tc::ui
