#include "shell/terminal_picture.h"

#include <array>
#include <string_view>

#include "shell/skin.h"
#include "shell/terminal_outline.h"

namespace tc::shell {
namespace {

using preview::Key;
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
constexpr Color kPreviewBezel{0xE8, 0x8A, 0x10};
constexpr Color kLcd{0xC9, 0xD6, 0xBE};
constexpr Color kLcdText{0x1E, 0x28, 0x1E};
constexpr Color kFieldFace{0xEE, 0xF3, 0xEA};
constexpr Color kSoftKeyBar{0xB2, 0xC2, 0xA6};
constexpr Color kMessageBar{0x8A, 0x1C, 0x1C};
constexpr Color kStatusBar{0x3A, 0x5A, 0x8A};
constexpr Color kWhite{255, 255, 255};
constexpr Color kEngraving{0xB0, 0xB4, 0xBA};
constexpr Color kKey{0x5C, 0x62, 0x6C};
constexpr Color kFunctionKey{0x2F, 0x5D, 0x9A};
constexpr Color kEnterKey{0x2E, 0x8B, 0x57};
constexpr Color kPressedKey{0x22, 0x25, 0x2A};
constexpr Color kPowerKey{0xD0, 0x20, 0x20};
constexpr Color kNavigationRing{0x4A, 0x50, 0x59};
constexpr Color kKeyLetters{0xC8, 0xCC, 0xD2};

constexpr int kKeyRadius = 4;

// The screen: the display inside its bezel, a status bar, the rows, a bar for soft keys.
constexpr Rect kDisplay{38, 38, 183, 106};
constexpr int kStatusHeight = 14;
constexpr int kRowTop = 53;
constexpr int kRowHeight = 11;
constexpr int kBarTop = kRowTop + static_cast<int>(preview::kScreenRows) * kRowHeight + 1;
constexpr int kCharacterWidth = 6;

struct PictureKey {
    Key key;
    Rect rect;
    Color face;
    std::string_view label;
    int size;
};

// The keys drawn as labelled faces; the digit keys and the navigation ring are drawn apart.
constexpr std::array<PictureKey, 11> kLabelledKeys{{
    {Key::F1, {30, 180, 44, 18}, kFunctionKey, "F1", 7},
    {Key::F2, {82, 180, 44, 18}, kFunctionKey, "F2", 7},
    {Key::F3, {134, 180, 44, 18}, kFunctionKey, "F3", 7},
    {Key::F4, {186, 180, 44, 18}, kFunctionKey, "F4", 7},
    {Key::Escape, {24, 214, 52, 22}, kKey, "ESC", 7},
    {Key::Backspace, {24, 262, 52, 22}, kKey, "BS", 7},
    {Key::Tab, {183, 214, 52, 22}, kKey, "TAB", 7},
    {Key::Function, {183, 262, 52, 22}, kKey, "Fn", 7},
    {Key::Alpha, {30, 315, 52, 12}, kKey, "ALPHA", 6},
    {Key::Enter, {89, 315, 52, 12}, kEnterKey, "ENT", 6},
    {Key::End, {148, 315, 36, 12}, kKey, "END", 6},
}};

constexpr std::array<Key, 12> kDigitKeys{Key::Digit1, Key::Digit2, Key::Digit3, Key::Digit4,
                                         Key::Digit5, Key::Digit6, Key::Digit7, Key::Digit8,
                                         Key::Digit9, Key::Star,   Key::Digit0, Key::Hash};

constexpr Rect digit_rect(int i) {
    return Rect{33 + (i % 3) * 68, 340 + (i / 3) * 32, 56, 24};
}

// The navigation ring: the OK key in its middle and the four arrows around it.
constexpr Rect kOkKey{111, 230, 37, 37};
struct ArrowKey {
    Key key;
    Rect area;
    std::array<Point, 3> arrow;
};
constexpr std::array<ArrowKey, 4> kArrowKeys{{
    {Key::Up, {111, 208, 37, 22}, {{{129, 213}, {122, 224}, {136, 224}}}},
    {Key::Down, {111, 267, 37, 22}, {{{129, 284}, {122, 273}, {136, 273}}}},
    {Key::Left, {89, 230, 22, 37}, {{{94, 248}, {105, 241}, {105, 255}}}},
    {Key::Right, {148, 230, 22, 37}, {{{165, 248}, {154, 241}, {154, 255}}}},
}};

Color face_of(Color face, Key key, std::optional<Key> pressed) {
    return pressed == key ? kPressedKey : face;
}

void paint_top(ui::Painter& painter) {
    painter.fill_rounded_rect(Rect{94, 5, 71, 9}, 4, kScannerGlass);
    painter.line(Point{99, 8}, Point{159, 8}, kScannerShine);
    painter.fill_ellipse(Rect{226, 26, 6, 6}, kLed);
}

void paint_row(ui::Painter& painter, const preview::ScreenRow& row, int y) {
    const Rect text_rect{42, y, kDisplay.width - 8, kRowHeight};
    switch (row.style) {
        case preview::RowStyle::Text:
            painter.text(text_rect, row.text, kLcdText, TextAlign::Left, 7);
            return;
        case preview::RowStyle::Selected:
            painter.fill_rect(Rect{kDisplay.x + 2, y, kDisplay.width - 4, kRowHeight}, kLcdText);
            painter.text(text_rect, row.text, kLcd, TextAlign::Left, 7, true);
            return;
        case preview::RowStyle::Field:
        case preview::RowStyle::ActiveField: {
            const bool active = row.style == preview::RowStyle::ActiveField;
            const int width = static_cast<int>(row.field_width) * kCharacterWidth + 4;
            const Rect box{40, y, width, kRowHeight};
            painter.fill_rect(box, active ? kWhite : kFieldFace);
            painter.frame_rect(box, kLcdText);
            if (active) painter.frame_rect(Rect{39, y - 1, width + 2, kRowHeight + 2}, kLcdText);
            painter.text(Rect{42, y, width - 4, kRowHeight},
                         preview::field_text(row.text, row.field_width), kLcdText, TextAlign::Left,
                         7, active);
            return;
        }
    }
}

void paint_screen(ui::Painter& painter, const preview::Screen& screen) {
    painter.fill_rounded_rect(Rect{30, 30, 199, 122}, 6,
                              !screen.mark.empty() ? kPreviewBezel : kBezel);
    painter.fill_rect(kDisplay, kLcd);
    const Rect status{kDisplay.x, kDisplay.y, kDisplay.width, kStatusHeight};
    painter.fill_rect(status, !screen.mark.empty() ? kPreviewBezel : kStatusBar);
    painter.text(Rect{42, kDisplay.y, 120, kStatusHeight}, screen.title, kWhite, TextAlign::Left, 7,
                 true);
    painter.text(Rect{150, kDisplay.y, 67, kStatusHeight}, screen.mark, kWhite, TextAlign::Right, 7,
                 true);
    const std::size_t first = screen.first_visible_row();
    for (std::size_t i = 0; i < preview::kScreenRows && first + i < screen.rows.size(); ++i) {
        paint_row(painter, screen.rows[first + i], kRowTop + static_cast<int>(i) * kRowHeight);
    }
    const Rect bar{kDisplay.x, kBarTop, kDisplay.width, kDisplay.y + kDisplay.height - kBarTop};
    const Rect bar_text{bar.x + 4, bar.y, bar.width - 8, bar.height};
    if (!screen.message.empty()) {
        painter.fill_rect(bar, kMessageBar);
        painter.text(bar_text, screen.message, kWhite, TextAlign::Centre, 7, true);
    } else {
        painter.fill_rect(bar, kSoftKeyBar);
        painter.text(bar_text, screen.soft_left, kLcdText, TextAlign::Left, 7);
        painter.text(bar_text, screen.soft_right, kLcdText, TextAlign::Right, 7);
    }
    painter.text(Rect{30, 154, 199, 12}, "7350", kEngraving, TextAlign::Centre, 7, true);
}

void paint_navigation(ui::Painter& painter, std::optional<Key> pressed) {
    painter.fill_ellipse(Rect{89, 208, 81, 81}, kNavigationRing);
    for (const ArrowKey& arrow : kArrowKeys) {
        painter.fill_polygon(arrow.arrow, pressed == arrow.key ? kWhite : kEngraving);
    }
    painter.fill_ellipse(kOkKey, face_of(kKey, Key::Ok, pressed));
    painter.text(kOkKey, "OK", kWhite, TextAlign::Centre, 7, true);
}

void paint_labelled_keys(ui::Painter& painter, std::optional<Key> pressed) {
    for (const PictureKey& key : kLabelledKeys) {
        painter.fill_rounded_rect(key.rect, kKeyRadius, face_of(key.face, key.key, pressed));
        painter.text(key.rect, key.label, kWhite, TextAlign::Centre, key.size, true);
    }
}

void paint_power_key(ui::Painter& painter) {
    const Rect power{kMenuSpot.x + 1, kMenuSpot.y + 1, kMenuSpot.width - 2, kMenuSpot.height - 2};
    painter.fill_rounded_rect(power, kKeyRadius, kPowerKey);
    // The power symbol: a ring open at the top with a bar through the opening.
    painter.fill_ellipse(Rect{198, 317, 11, 9}, kWhite);
    painter.fill_ellipse(Rect{200, 319, 7, 5}, kPowerKey);
    painter.fill_rect(Rect{201, 316, 5, 4}, kPowerKey);
    painter.fill_rect(Rect{203, 316, 1, 5}, kWhite);
}

void paint_digits(ui::Painter& painter, std::optional<Key> pressed) {
    constexpr std::array<std::string_view, 12> kDigits{"1", "2", "3", "4", "5", "6",
                                                       "7", "8", "9", "*", "0", "#"};
    constexpr std::array<std::string_view, 12> kLetters{"",     "ABC", "DEF",  "GHI", "JKL", "MNO",
                                                        "PQRS", "TUV", "WXYZ", "",    "",    ""};
    for (int i = 0; i < 12; ++i) {
        const Rect r = digit_rect(i);
        painter.fill_rounded_rect(r, kKeyRadius, face_of(kKey, kDigitKeys[i], pressed));
        painter.text(Rect{r.x + 6, r.y, 18, r.height}, kDigits[i], kWhite, TextAlign::Left, 10,
                     true);
        painter.text(Rect{r.x + 22, r.y, 30, r.height}, kLetters[i], kKeyLetters, TextAlign::Right,
                     6);
    }
}

}  // namespace

void paint_terminal_picture(ui::Painter& painter, const preview::Screen& screen,
                            std::optional<Key> pressed) {
    painter.fill_rect(Rect{0, 0, kPictureWidth, kPictureHeight}, kBackground);
    painter.fill_polygon(kTerminalOutline, kBody);
    painter.fill_rounded_rect(Rect{14, 22, 231, 146}, 14, kFacePanel);
    paint_top(painter);
    paint_screen(painter, screen);
    paint_navigation(painter, pressed);
    paint_labelled_keys(painter, pressed);
    paint_power_key(painter);
    paint_digits(painter, pressed);
}

std::optional<Key> key_at(Point p) {
    for (const PictureKey& key : kLabelledKeys) {
        if (key.rect.contains(p)) return key.key;
    }
    for (int i = 0; i < 12; ++i) {
        if (digit_rect(i).contains(p)) return kDigitKeys[i];
    }
    if (kOkKey.contains(p)) return Key::Ok;
    for (const ArrowKey& arrow : kArrowKeys) {
        if (arrow.area.contains(p)) return arrow.key;
    }
    return std::nullopt;
}

}  // namespace tc::shell
