#pragma once

#include "ui/painter.h"

namespace tc::shell {

inline constexpr int kPictureWidth = 259;
inline constexpr int kPictureHeight = 480;

// Draws the terminal picture, 259 x 480 pixels, at (0, 0): the dark body within the terminal
// outline, the scanner window at the top, the screen with a menu of the designed application, and
// the keypad with the red power key inside the menu spot (see skin.h) and the END key to its left.
// The frame paints it unscaled on the skin window (once into a bitmap is enough: it never changes).
void paint_terminal_picture(ui::Painter& painter);

}  // namespace tc::shell
