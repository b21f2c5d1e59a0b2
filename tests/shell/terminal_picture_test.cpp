#include "shell/terminal_picture.h"

#include <gtest/gtest.h>

#include "shell/recording_painter.h"
#include "shell/skin.h"

namespace tc::shell {
namespace {

using test::RecordingPainter;

bool is_red(ui::Color c) {
    return c.r >= 0xB0 && c.g <= 0x60 && c.b <= 0x60;
}

bool inside(ui::Rect inner, ui::Rect outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

TEST(TerminalPicture, PowerKeyIsRedInsideTheMenuSpotAndEverythingFitsThePicture) {
    RecordingPainter painter;
    paint_terminal_picture(painter);
    ASSERT_FALSE(painter.calls.empty());

    const ui::Rect picture{0, 0, kPictureWidth, kPictureHeight};
    for (const auto& call : painter.calls) {
        EXPECT_TRUE(inside(call.rect, picture))
            << "call at " << call.rect.x << "," << call.rect.y << " size " << call.rect.width << "x"
            << call.rect.height;
        EXPECT_GE(call.rect.width, 0);
        EXPECT_GE(call.rect.height, 0);
    }

    // The power key: a red key that covers the middle of the spot and stays inside it; no other
    // red shape anywhere.
    const ui::Point middle{kMenuSpot.x + kMenuSpot.width / 2, kMenuSpot.y + kMenuSpot.height / 2};
    int power_keys = 0;
    for (const auto& call : painter.calls) {
        if (!is_red(call.color) || call.kind == RecordingPainter::Kind::Text) continue;
        EXPECT_TRUE(inside(call.rect, kMenuSpot));
        if (call.rect.contains(middle) && call.rect.width * 2 >= kMenuSpot.width) ++power_keys;
    }
    EXPECT_EQ(power_keys, 1);

    // The END key stands left of the power key, on its row.
    bool end_key = false;
    for (const auto& call : painter.calls) {
        if (call.kind != RecordingPainter::Kind::Text || call.text != "END") continue;
        end_key = call.rect.x + call.rect.width <= kMenuSpot.x &&
                  call.rect.y < kMenuSpot.y + kMenuSpot.height &&
                  call.rect.y + call.rect.height > kMenuSpot.y;
    }
    EXPECT_TRUE(end_key);

    // The first shapes: the background over the whole picture, then the body along the outline.
    EXPECT_EQ(painter.calls[0].rect, picture);
    EXPECT_EQ(painter.calls[1].kind, RecordingPainter::Kind::Polygon);
    EXPECT_EQ(painter.calls[1].points.size(), 83u);
}

}  // namespace
}  // namespace tc::shell
