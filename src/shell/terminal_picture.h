#pragma once

#include <optional>

#include "preview/keys.h"
#include "preview/screen.h"
#include "ui/painter.h"

namespace tc::shell {

inline constexpr int kPictureWidth = 259;
inline constexpr int kPictureHeight = 480;

// Draws the terminal picture, 259 x 480 pixels, at (0, 0): the dark body within the terminal
// outline, the scanner window at the top, the screen showing `screen`, and the keypad with the
// red power key inside the menu spot (see skin.h) and the END key to its left. `pressed` is drawn
// pressed in.
void paint_terminal_picture(ui::Painter& painter, const preview::Screen& screen,
                            std::optional<preview::Key> pressed = std::nullopt);

// The keypad key at `p` in the picture's coordinates; the power key is none of them.
std::optional<preview::Key> key_at(ui::Point p);

// The scanner window at the top of the picture: clicked in preview mode, it reads a code.
inline constexpr ui::Rect kScannerWindow{90, 2, 79, 15};

}  // namespace tc::shell
