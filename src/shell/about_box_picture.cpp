// How the About box draws the program icon.
#include "resources/shell_layouts.h"
#include "shell/about_box.h"

namespace tc::shell {
namespace {

namespace ids = resources::about_ids;

}  // namespace

// The program icon: a small terminal with its screen and keypad.
void AboutBox::paint_area(int id, ui::Painter& painter, ui::Rect area) const {
    if (id != ids::kIcon) return;
    const int w = area.width;
    const int h = area.height;
    painter.fill_rounded_rect(ui::Rect{area.x + w / 4, area.y, w / 2, h}, w / 8,
                              ui::Color{0x2B, 0x2F, 0x36});
    painter.fill_rect(ui::Rect{area.x + w / 4 + 3, area.y + 3, w / 2 - 6, h / 3},
                      ui::Color{0xC8, 0xD8, 0xC0});
    for (int row = 0; row < 3; ++row) {
        painter.fill_rect(
            ui::Rect{area.x + w / 4 + 4, area.y + h / 2 + row * (h / 8), w / 2 - 8, h / 16 + 1},
            ui::Color{0x9A, 0xA0, 0xAA});
    }
}

}  // namespace tc::shell
