#pragma once

namespace tc::preview {

// The keys of the terminal's keypad.
enum class Key {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Star,
    Hash,
    Up,
    Down,
    Left,
    Right,
    Ok,
    Enter,
    Escape,
    Backspace,
    Tab,
    Alpha,
    End,
    Function,
    F1,
    F2,
    F3,
    F4,
};

}  // namespace tc::preview
