#include "resources/menu_lookup_settings_layouts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/dialog_template.h"

namespace tc::resources {
namespace {

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool inside(const ui::Rect& inner, const ui::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// Every control lies on the page, identifiers are unique, no two controls cover each other, and a
// control that touches a group box lies wholly inside it.
void expect_tidy(const ui::DialogTemplate& layout) {
    SCOPED_TRACE(std::string(layout.name));
    const ui::Rect page{0, 0, layout.width, layout.height};
    std::set<int> ids;
    for (const ui::ControlTemplate& c : layout.controls) {
        EXPECT_TRUE(ids.insert(c.id).second) << "identifier " << c.id;
        EXPECT_TRUE(inside(c.rect, page)) << "control " << c.id;
        for (const ui::ControlTemplate& other : layout.controls) {
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

TEST(MenuLookupSettingsLayouts, AreNamedAfterTheirTemplatesAndTidy) {
    EXPECT_EQ(menu_page_layout().name, "MENUDLG");
    EXPECT_EQ(menu_page_layout().title.text_id, 4);
    EXPECT_EQ(lookup_page_layout().name, "LOOKUPDLG");
    EXPECT_EQ(lookup_page_layout().title.text_id, 5);
    EXPECT_EQ(settings_page_layout().name, "SETTINGSDLG");
    EXPECT_EQ(settings_page_layout().title.text_id, 7);
    EXPECT_EQ(menu_page_layout().width, 640);
    EXPECT_EQ(lookup_page_layout().width, 640);
    EXPECT_EQ(settings_page_layout().width, 720);
    for (const ui::DialogTemplate* layout :
         {&menu_page_layout(), &lookup_page_layout(), &settings_page_layout()}) {
        EXPECT_EQ(layout->height, 480);
        expect_tidy(*layout);
    }
}

}  // namespace
}  // namespace tc::resources
