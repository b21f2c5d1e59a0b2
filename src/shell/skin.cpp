#include "shell/skin.h"

namespace tc::shell {

SkinResponse Skin::left_button_down(ui::Point p) {
    if (kMenuSpot.contains(p)) {
        key_state_ = kKeyStateMenu;
        return {};
    }
    key_state_ = kKeyStateNone;
    return {SkinResponse::Action::StartDrag, p};
}

SkinResponse Skin::left_button_up() {
    if (key_state_ != kKeyStateMenu) return {};
    // Forget the press, so that a button up without a new press on the power key (after the menu
    // took the mouse) cannot open the menu a second time.
    key_state_ = kKeyStateNone;
    return {SkinResponse::Action::OpenPopup, kMenuAnchor};
}

SkinResponse Skin::right_button_down(ui::Point p) const {
    return {SkinResponse::Action::OpenPopup, p};
}

}  // namespace tc::shell
