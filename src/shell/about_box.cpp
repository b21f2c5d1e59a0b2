#include "shell/about_box.h"

#include "resources/shell_layouts.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc::shell {
namespace {

namespace ids = resources::about_ids;

constexpr int kTextTitle = 51;
constexpr int kTextSeries = 52;
constexpr int kTextProgram = 53;
constexpr int kTextNotice = 54;
constexpr int kTextOk = 55;

std::string builtin(int id) {
    return std::string(texts::builtin_text(id));
}

}  // namespace

std::string about_first_line() {
    return builtin(kTextSeries) + " (" + builtin(kTextProgram) + " " +
           std::string(kProgramVersion) + ")";
}

AboutBox::AboutBox() : ui::Dialog(resources::about_box_layout()) {}

void AboutBox::on_created() {
    set_title(builtin(kTextTitle));
    set_text(ids::kFirstLine, about_first_line());
    set_text(ids::kSecondLine, builtin(kTextNotice));
    set_text(ui::kIdOk, builtin(kTextOk));
}

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
