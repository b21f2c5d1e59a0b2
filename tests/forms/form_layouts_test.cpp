#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/form_dialog_layouts.h"
#include "resources/form_page_layout.h"
#include "ui/host.h"

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

// Every control lies in the dialog, identifiers are unique, no two controls cover each other, and
// a control that touches a group box lies wholly inside it.
void expect_tidy(const ui::DialogTemplate& layout) {
    SCOPED_TRACE(std::string(layout.name));
    const ui::Rect whole{0, 0, layout.width, layout.height};
    std::set<int> ids;
    for (const ui::ControlTemplate& c : layout.controls) {
        EXPECT_TRUE(ids.insert(c.id).second) << "identifier " << c.id;
        EXPECT_TRUE(inside(c.rect, whole)) << "control " << c.id;
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

TEST(FormLayouts, AreNamedTidyAndShowTwelveRows) {
    const ui::DialogTemplate& page = form_page_layout();
    EXPECT_EQ(page.name, "FORMDLG");
    EXPECT_EQ(page.title.text_id, 3);
    EXPECT_EQ(page.height, 480);
    expect_tidy(page);
    // Twelve full rows, one below the other, each with every column.
    for (int row = 0; row < form_page_ids::kRows; ++row) {
        for (int id : {form_page_ids::data_type_list(row), form_page_ids::prompt_edit(row),
                       form_page_ids::max_length_edit(row), form_page_ids::more_button(row)}) {
            bool found = false;
            for (const ui::ControlTemplate& c : page.controls) found = found || c.id == id;
            EXPECT_TRUE(found) << id;
        }
    }

    const std::pair<const ui::DialogTemplate*, std::string_view> dialogs[] = {
        {&properties_dialog_layout(), "FORMPROPERTIESDLG"},
        {&lookup_properties_dialog_layout(), "LOOKUPPROPERTIESDLG"},
        {&image_properties_dialog_layout(), "IMAGEPROPERTIESDLG"},
        {&time_stamp_dialog_layout(), "TIMESTAMPDLG"},
        {&advanced_dialog_layout(), "ADVANCEDLG"},
    };
    for (const auto& [layout, name] : dialogs) {
        EXPECT_EQ(layout->name, name);
        expect_tidy(*layout);
        int buttons = 0;
        for (const ui::ControlTemplate& c : layout->controls) {
            buttons += c.id == ui::kIdOk || c.id == ui::kIdCancel;
        }
        EXPECT_EQ(buttons, 2) << name;
    }
}

}  // namespace
}  // namespace tc::resources
