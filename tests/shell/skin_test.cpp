#include "shell/skin.h"

#include <gtest/gtest.h>

namespace tc::shell {
namespace {

using Action = SkinResponse::Action;

TEST(Skin, PowerKeyOpensTheMenuAtTheAnchorOnReleaseElsewhereTheWindowIsDragged) {
    // The corners of the spot, both ends included.
    for (const ui::Point corner : {ui::Point{190, 314}, ui::Point{216, 327}}) {
        Skin skin;
        EXPECT_EQ(skin.left_button_down(corner).action, Action::Nothing);
        EXPECT_EQ(skin.key_state(), 55);
        EXPECT_EQ(skin.left_button_up(), (SkinResponse{Action::OpenPopup, {188, 317}}));
    }
    // Just outside the spot, on each side.
    for (const ui::Point outside :
         {ui::Point{189, 314}, ui::Point{217, 320}, ui::Point{200, 313}, ui::Point{200, 328}}) {
        Skin skin;
        EXPECT_EQ(skin.left_button_down(outside).action, Action::StartDrag);
        EXPECT_EQ(skin.key_state(), 0);
        EXPECT_EQ(skin.left_button_up().action, Action::Nothing);
    }
}

TEST(Skin, PressOnTheSpotThenReleaseElsewhereStillOpensAtTheAnchorOnce) {
    Skin skin;
    skin.left_button_down({200, 320});
    EXPECT_EQ(skin.left_button_up(), (SkinResponse{Action::OpenPopup, kMenuAnchor}));
    // A release without a new press does not open the menu again.
    EXPECT_EQ(skin.left_button_up().action, Action::Nothing);

    // A press elsewhere after a press on the spot forgets the spot.
    skin.left_button_down({200, 320});
    skin.left_button_down({20, 20});
    EXPECT_EQ(skin.left_button_up().action, Action::Nothing);
}

TEST(Skin, RightButtonOpensTheMenuAtTheMouseAtOnce) {
    Skin skin;
    EXPECT_EQ(skin.right_button_down({200, 320}), (SkinResponse{Action::OpenPopup, {200, 320}}));
    EXPECT_EQ(skin.right_button_down({12, 400}), (SkinResponse{Action::OpenPopup, {12, 400}}));
    EXPECT_EQ(skin.key_state(), 0);
}

}  // namespace
}  // namespace tc::shell
