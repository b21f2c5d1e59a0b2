#pragma once

#include <string>
#include <vector>

namespace tc::ui {

// One item of a popup menu. The text may hold an "&" accelerator and a tab before its shortcut.
struct MenuItem {
    int command = 0;
    std::string text;
    bool separator = false;
};

using Menu = std::vector<MenuItem>;

}  // namespace tc::ui
