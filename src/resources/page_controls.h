#pragma once

#include <string_view>

#include "ui/dialog_template.h"

// Short constructors for the controls of the editor sheet's page layouts. Sizes are pixels at
// 96 DPI. The pages are 640 x 480; the Settings page, with the most controls side by side, is
// wider, and the sheet takes the size of its largest page.
namespace tc::resources::page_controls {

inline constexpr int kPageWidth = 640;
inline constexpr int kWidePageWidth = 720;
inline constexpr int kPageHeight = 480;

constexpr ui::Caption literal(std::string_view text) {
    return ui::Caption{-1, text};
}
constexpr ui::Caption text(int id) {
    return ui::Caption{id, {}};
}

inline ui::ControlTemplate label(int id, ui::Caption caption, ui::Rect rect) {
    return {id, ui::ControlKind::Label, caption, rect};
}
inline ui::ControlTemplate edit(int id, ui::Rect rect, int limit, unsigned style = ui::kStyleNone) {
    return {id, ui::ControlKind::Edit, ui::Caption{}, rect, limit, style};
}
inline ui::ControlTemplate number_edit(int id, ui::Rect rect, int digits) {
    return edit(id, rect, digits, ui::kStyleDigitsOnly);
}
inline ui::ControlTemplate check_box(int id, ui::Caption caption, ui::Rect rect) {
    return {id, ui::ControlKind::CheckBox, caption, rect};
}
inline ui::ControlTemplate radio(int id, ui::Caption caption, ui::Rect rect, bool first = false) {
    return {id,      ui::ControlKind::RadioButton,
            caption, rect,
            0,       first ? ui::kStyleGroupStart : ui::kStyleNone};
}
inline ui::ControlTemplate drop_down(int id, ui::Rect rect) {
    return {id, ui::ControlKind::DropDownList, ui::Caption{}, rect};
}
inline ui::ControlTemplate button(int id, ui::Caption caption, ui::Rect rect) {
    return {id, ui::ControlKind::Button, caption, rect};
}
inline ui::ControlTemplate group_box(int id, ui::Caption caption, ui::Rect rect) {
    return {id, ui::ControlKind::GroupBox, caption, rect};
}

}  // namespace tc::resources::page_controls
