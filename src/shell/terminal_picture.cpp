#include "shell/terminal_picture.h"

#include <array>
#include <string_view>

#include "shell/skin.h"
#include "shell/terminal_outline.h"

namespace tc::shell {
namespace {

using ui::Color;
using ui::Point;
using ui::Rect;
using ui::TextAlign;

constexpr Color kBackground{255, 255, 255};
constexpr Color kBody{0x33, 0x37, 0x3E};
constexpr Color kFacePanel{0x3C, 0x41, 0x4A};
constexpr Color kScannerGlass{0x5A, 0x12, 0x12};
constexpr Color kScannerShine{0x8C, 0x2E, 0x2E};
constexpr Color kLed{0x3C, 0xC8, 0x5A};
constexpr Color kBezel{0x15, 0x17, 0x1A};
constexpr Color kLcd{0xC9, 0xD6, 0xBE};
constexpr Color kLcdText{0x1E, 0x28, 0x1E};
constexpr Color kStatusBar{0x3A, 0x5A, 0x8A};
constexpr Color kWhite{255, 255, 255};
constexpr Color kEngraving{0xB0, 0xB4, 0xBA};
constexpr Color kKey{0x5C, 0x62, 0x6C};
constexpr Color kFunctionKey{0x2F, 0x5D, 0x9A};
constexpr Color kEnterKey{0x2E, 0x8B, 0x57};
constexpr Color kPowerKey{0xD0, 0x20, 0x20};
constexpr Color kNavigationRing{0x4A, 0x50, 0x59};
constexpr Color kKeyLetters{0xC8, 0xCC, 0xD2};

constexpr int kKeyRadius = 4;

void key(ui::Painter& painter, Rect r, Color face, std::string_view label, int size = 7) {
    painter.fill_rounded_rect(r, kKeyRadius, face);
    painter.text(r, label, kWhite, TextAlign::Centre, size, true);
}

void paint_top(ui::Painter& painter) {
    painter.fill_rounded_rect(Rect{94, 5, 71, 9}, 4, kScannerGlass);
    painter.line(Point{99, 8}, Point{159, 8}, kScannerShine);
    painter.fill_ellipse(Rect{226, 26, 6, 6}, kLed);
}

void paint_screen(ui::Painter& painter) {
    painter.fill_rounded_rect(Rect{30, 30, 199, 122}, 6, kBezel);
    painter.fill_rect(Rect{38, 38, 183, 106}, kLcd);
    painter.fill_rect(Rect{38, 38, 183, 14}, kStatusBar);
    painter.text(Rect{42, 38, 90, 14}, "7350", kWhite, TextAlign::Left, 7, true);
    painter.text(Rect{130, 38, 87, 14}, "12:00", kWhite, TextAlign::Right, 7);
    painter.text(Rect{38, 56, 183, 16}, "MAIN MENU", kLcdText, TextAlign::Centre, 8, true);
    constexpr std::array<std::string_view, 4> kMenuLines{"1. Receiving", "2. Picking",
                                                         "3. Inventory", "4. Transfer"};
    int y = 74;
    for (const std::string_view line : kMenuLines) {
        painter.text(Rect{46, y, 171, 16}, line, kLcdText, TextAlign::Left, 8);
        y += 16;
    }
    painter.text(Rect{30, 154, 199, 12}, "7350", kEngraving, TextAlign::Centre, 7, true);
}

void paint_navigation(ui::Painter& painter) {
    constexpr std::array<std::string_view, 4> kFunctionKeys{"F1", "F2", "F3", "F4"};
    for (int i = 0; i < 4; ++i) {
        key(painter, Rect{30 + i * 52, 180, 44, 18}, kFunctionKey, kFunctionKeys[i]);
    }
    key(painter, Rect{24, 214, 52, 22}, kKey, "ESC");
    key(painter, Rect{24, 262, 52, 22}, kKey, "BS");
    key(painter, Rect{183, 214, 52, 22}, kKey, "TAB");
    key(painter, Rect{183, 262, 52, 22}, kKey, "Fn");

    painter.fill_ellipse(Rect{89, 208, 81, 81}, kNavigationRing);
    constexpr std::array<std::array<Point, 3>, 4> kArrows{{
        {{{129, 213}, {122, 224}, {136, 224}}},
        {{{129, 284}, {122, 273}, {136, 273}}},
        {{{94, 248}, {105, 241}, {105, 255}}},
        {{{165, 248}, {154, 241}, {154, 255}}},
    }};
    for (const auto& arrow : kArrows) painter.fill_polygon(arrow, kEngraving);
    painter.fill_ellipse(Rect{111, 230, 37, 37}, kKey);
    painter.text(Rect{111, 230, 37, 37}, "OK", kWhite, TextAlign::Centre, 7, true);
}

// The row of the power key: ALPHA, ENT, END and the red power key inside the menu spot.
void paint_power_row(ui::Painter& painter) {
    key(painter, Rect{30, 315, 52, 12}, kKey, "ALPHA", 6);
    key(painter, Rect{89, 315, 52, 12}, kEnterKey, "ENT", 6);
    key(painter, Rect{148, 315, 36, 12}, kKey, "END", 6);

    const Rect power{kMenuSpot.x + 1, kMenuSpot.y + 1, kMenuSpot.width - 2, kMenuSpot.height - 2};
    painter.fill_rounded_rect(power, kKeyRadius, kPowerKey);
    // The power symbol: a ring open at the top with a bar through the opening.
    painter.fill_ellipse(Rect{198, 317, 11, 9}, kWhite);
    painter.fill_ellipse(Rect{200, 319, 7, 5}, kPowerKey);
    painter.fill_rect(Rect{201, 316, 5, 4}, kPowerKey);
    painter.fill_rect(Rect{203, 316, 1, 5}, kWhite);
}

void paint_digits(ui::Painter& painter) {
    constexpr std::array<std::string_view, 12> kDigits{"1", "2", "3", "4", "5", "6",
                                                       "7", "8", "9", "*", "0", "#"};
    constexpr std::array<std::string_view, 12> kLetters{"",     "ABC", "DEF",  "GHI", "JKL", "MNO",
                                                        "PQRS", "TUV", "WXYZ", "",    "",    ""};
    for (int i = 0; i < 12; ++i) {
        const Rect r{33 + (i % 3) * 68, 340 + (i / 3) * 32, 56, 24};
        painter.fill_rounded_rect(r, kKeyRadius, kKey);
        painter.text(Rect{r.x + 6, r.y, 18, r.height}, kDigits[i], kWhite, TextAlign::Left, 10,
                     true);
        painter.text(Rect{r.x + 22, r.y, 30, r.height}, kLetters[i], kKeyLetters, TextAlign::Right,
                     6);
    }
}

}  // namespace

void paint_terminal_picture(ui::Painter& painter) {
    painter.fill_rect(Rect{0, 0, kPictureWidth, kPictureHeight}, kBackground);
    painter.fill_polygon(kTerminalOutline, kBody);
    painter.fill_rounded_rect(Rect{14, 22, 231, 146}, 14, kFacePanel);
    paint_top(painter);
    paint_screen(painter);
    paint_navigation(painter);
    paint_power_row(painter);
    paint_digits(painter);
}

}  // namespace tc::shell
