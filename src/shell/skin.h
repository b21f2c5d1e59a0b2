#pragma once

#include "ui/geometry.h"

namespace tc::shell {

// The power key of the terminal picture opens the popup menu: x 190-216 and y 314-327, both ends
// included, in the skin window's coordinates.
inline constexpr ui::Rect kMenuSpot{190, 314, 27, 14};
// Where the popup menu opened from the power key has its top left corner.
inline constexpr ui::Point kMenuAnchor{188, 317};

inline constexpr int kKeyStateNone = 0;
inline constexpr int kKeyStateMenu = 55;

// What the frame must do after a mouse event on the skin.
struct SkinResponse {
    enum class Action {
        Nothing,
        StartDrag,  // begin moving the whole program window with the mouse
        OpenPopup,  // open the popup menu with its top left corner at `at`
    };
    Action action = Action::Nothing;
    ui::Point at{};  // skin window coordinates; the frame converts them to screen coordinates
    friend bool operator==(const SkinResponse&, const SkinResponse&) = default;
};

// The skin window's mouse handling: it fills the main window, shows the terminal picture, lets
// the user drag the program by the picture and opens the popup menu from the power key or a right
// click. The frame passes each mouse event with its position in skin coordinates and acts on the
// response; for OpenPopup it calls MainWindow::show_popup_menu with the point in screen
// coordinates. On a left button up the frame also releases the mouse if it had captured it.
class Skin {
  public:
    SkinResponse left_button_down(ui::Point p);
    SkinResponse left_button_up();
    SkinResponse right_button_down(ui::Point p) const;

    // Which spot the left button went down on: kKeyStateMenu or kKeyStateNone.
    int key_state() const { return key_state_; }

  private:
    int key_state_ = kKeyStateNone;
};

}  // namespace tc::shell
