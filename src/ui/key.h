#pragma once

namespace tc::ui {

// The keys that controls of the program's own react to: a code field opens its picker with F4 or
// Alt+Down, as a drop-down list opens, or with Space; a custom area that takes keys hears the
// arrows, Space and Enter. Every other key is the toolkit's.
enum class Key { Left, Right, Up, Down, Space, Enter, F4, AltDown };

}  // namespace tc::ui
