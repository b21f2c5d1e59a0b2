#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/dialog_template.h"

namespace tc::ui {

// The state of one control. Texts are Windows-1252 bytes.
struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    Rect rect{};
    unsigned style = kStyleNone;
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::vector<std::string> items;  // drop-down and list boxes
    int selection = -1;              // -1: nothing selected
    std::size_t text_limit = 0;      // 0: no limit
    bool digits_only = false;
    bool open = false;  // a code field whose picker runs: it paints itself solid blue
    // Raised on every change, so that a host can copy changed controls to its widgets.
    std::uint64_t revision = 0;
};

}  // namespace tc::ui
