// How the code picker draws its grid and its resulting text.
#include <array>
#include <cstdio>
#include <string>

#include "resources/shell_layouts.h"
#include "shell/code_picker.h"

namespace tc::shell {
namespace {

namespace ids = resources::code_picker_ids;

constexpr int kResultTextLeftMargin = 5;

constexpr ui::Color kBlack{0, 0, 0};
constexpr ui::Color kWhite{255, 255, 255};
constexpr ui::Color kLightGrey{0xC0, 0xC0, 0xC0};
constexpr ui::Color kCellLine{0xC4, 0xC4, 0xC4};
constexpr ui::Color kSelectedCell{0, 0, 255};
constexpr ui::Color kResultText{0x80, 0x80, 0x80};

// The label as drawn: the platform's "&&" is one ampersand on the screen.
std::string shown_label(Byte code) {
    std::string label = code_label(code);
    return label == "&&" ? "&" : label;
}

std::string hex_heading(int value) {
    std::array<char, 4> text{};
    std::snprintf(text.data(), text.size(), "%02X", value);
    return text.data();
}

}  // namespace

void CodePicker::paint_area(int id, ui::Painter& painter, ui::Rect area) const {
    if (id == ids::kGrid) paint_grid(painter, area);
    if (id == ids::kResultBox) paint_result(painter, area);
}

void CodePicker::paint_grid(ui::Painter& painter, ui::Rect area) const {
    const int cw = area.width / kGridCells;
    const int ch = area.height / kGridCells;
    const auto cell = [&](int column, int row) {
        return ui::Rect{area.x + column * cw, area.y + row * ch, cw, ch};
    };
    const int right = area.x + kGridCells * cw;
    const int bottom = area.y + kGridCells * ch;

    painter.fill_rect(ui::Rect{area.x, area.y, kGridCells * cw, kGridCells * ch}, kWhite);
    painter.fill_rect(ui::Rect{area.x, area.y, kGridCells * cw, ch}, kLightGrey);
    painter.fill_rect(ui::Rect{area.x, area.y, cw, kGridCells * ch}, kLightGrey);
    for (int i = 2; i < kGridCells; ++i) {
        painter.line({area.x + i * cw, area.y + ch}, {area.x + i * cw, bottom}, kCellLine);
        painter.line({area.x + cw, area.y + i * ch}, {right, area.y + i * ch}, kCellLine);
    }
    painter.line({area.x, area.y + ch}, {right, area.y + ch}, kBlack);
    painter.line({area.x + cw, area.y}, {area.x + cw, bottom}, kBlack);

    for (int i = 0; i < kCodesPerColumn; ++i) {
        painter.text(cell(i + 1, 0), hex_heading(i * kCodesPerColumn), kBlack,
                     ui::TextAlign::Centre);
        painter.text(cell(0, i + 1), hex_heading(i), kBlack, ui::TextAlign::Centre);
    }
    for (int value = 0; value < kCodesPerColumn * kCodesPerColumn; ++value) {
        const auto code = static_cast<Byte>(value);
        const ui::Rect r = cell(value / kCodesPerColumn + 1, value % kCodesPerColumn + 1);
        if (code == selected_) {
            painter.fill_rect(ui::Rect{r.x + 1, r.y + 1, r.width - 2, r.height - 2}, kSelectedCell);
            painter.text(r, shown_label(code), kWhite, ui::TextAlign::Centre);
        } else {
            painter.text(r, shown_label(code), is_disabled_code(code) ? kLightGrey : kBlack,
                         ui::TextAlign::Centre);
        }
    }
}

void CodePicker::paint_result(ui::Painter& painter, ui::Rect area) const {
    const int right = area.x + area.width - 1;
    const int bottom = area.y + area.height - 1;
    painter.fill_rect(area, kWhite);
    painter.line({area.x, area.y}, {right, area.y}, kResultText);
    painter.line({area.x, area.y}, {area.x, bottom}, kResultText);
    painter.line({area.x, bottom}, {right, bottom}, kWhite);
    painter.line({right, area.y}, {right, bottom}, kWhite);
    painter.text(ui::Rect{area.x + kResultTextLeftMargin, area.y,
                          area.width - kResultTextLeftMargin, area.height},
                 code_field_text(resulting_text_), kResultText, ui::TextAlign::Left);
}

}  // namespace tc::shell
