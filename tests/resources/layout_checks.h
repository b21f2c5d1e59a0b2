#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog_template.h"

// Checks shared by the tests of dialog and page layouts.
namespace tc::resources::layout_checks {

inline bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

inline bool inside(const ui::Rect& inner, const ui::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// Every control lies in `whole`, identifiers are unique, no two controls cover each other, and a
// control that touches a group box lies wholly inside it.
inline void expect_tidy(std::string_view name, const ui::Rect& whole,
                        const std::vector<ui::ControlTemplate>& controls) {
    SCOPED_TRACE(std::string(name));
    std::set<int> ids;
    for (const ui::ControlTemplate& c : controls) {
        EXPECT_TRUE(ids.insert(c.id).second) << "identifier " << c.id;
        EXPECT_TRUE(inside(c.rect, whole)) << "control " << c.id;
        for (const ui::ControlTemplate& other : controls) {
            if (&other == &c) continue;
            if (other.kind == ui::ControlKind::GroupBox) {
                if (c.kind != ui::ControlKind::GroupBox && overlap(c.rect, other.rect)) {
                    EXPECT_TRUE(inside(c.rect, other.rect)) << c.id << " in group " << other.id;
                }
            } else if (c.kind != ui::ControlKind::GroupBox) {
                EXPECT_FALSE(overlap(c.rect, other.rect)) << c.id << " and " << other.id;
            }
        }
    }
}

inline void expect_tidy(const ui::DialogTemplate& layout) {
    expect_tidy(layout.name, ui::Rect{0, 0, layout.width, layout.height}, layout.controls);
}

}  // namespace tc::resources::layout_checks
