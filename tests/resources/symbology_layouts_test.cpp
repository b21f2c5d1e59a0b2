#include "resources/symbology_layouts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "reader/symbology_members.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc {
namespace {

using symbology::BindingKind;
using symbology::control_id;
using symbology::Part;
using ui::ControlKind;

bool inside(const ui::Rect& inner, const ui::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

std::string caption_text(const ui::Caption& c) {
    return c.text_id < 0 ? std::string(c.literal) : std::string(texts::builtin_text(c.text_id));
}

const ui::ControlTemplate* find(const ui::DialogTemplate& layout, int id) {
    for (const ui::ControlTemplate& c : layout.controls) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

TEST(SymbologyLayoutsTest, EveryMemberHasAReadableLayoutWithItsControls) {
    // At 96 DPI the dialog font needs about 6 pixels per character.
    constexpr int kPixelsPerChar = 6;
    for (const symbology::Member& m : symbology::members()) {
        SCOPED_TRACE(m.name);
        const ui::DialogTemplate& layout = resources::symbology_layout(m);
        EXPECT_EQ(layout.name, m.name);
        EXPECT_EQ(&layout, &resources::symbology_layout(m));
        const ui::Rect client{0, 0, layout.width, layout.height};
        std::set<int> ids;
        for (const ui::ControlTemplate& c : layout.controls) {
            EXPECT_TRUE(ids.insert(c.id).second) << c.id;
            EXPECT_TRUE(inside(c.rect, client)) << c.id;
            if (c.kind == ControlKind::Label || c.kind == ControlKind::CheckBox ||
                c.kind == ControlKind::RadioButton) {
                EXPECT_GE(c.rect.width,
                          static_cast<int>(caption_text(c.caption).size()) * kPixelsPerChar)
                    << c.id;
            }
        }
        // Controls do not overlap, except the radio buttons inside their group box.
        for (const ui::ControlTemplate& a : layout.controls) {
            for (const ui::ControlTemplate& b : layout.controls) {
                if (a.id >= b.id || a.kind == ControlKind::GroupBox ||
                    b.kind == ControlKind::GroupBox) {
                    continue;
                }
                EXPECT_FALSE(overlap(a.rect, b.rect)) << a.id << " " << b.id;
            }
        }
        ASSERT_NE(find(layout, ui::kIdOk), nullptr);
        ASSERT_NE(find(layout, ui::kIdCancel), nullptr);
        EXPECT_NE(find(layout, ui::kIdOk)->style & ui::kStyleDefaultButton, 0u);

        for (std::size_t i = 0; i < m.bindings.size(); ++i) {
            const symbology::Binding& b = m.bindings[i];
            const ui::ControlTemplate* main = find(layout, control_id(i, Part::kMain));
            ASSERT_NE(main, nullptr) << b.byte;
            switch (b.kind) {
                case BindingKind::Check:
                    EXPECT_EQ(main->kind, ControlKind::CheckBox);
                    break;
                case BindingKind::List:
                case BindingKind::AnyLengthRange:
                    EXPECT_EQ(main->kind, ControlKind::DropDownList);
                    ASSERT_NE(find(layout, control_id(i, Part::kLabel)), nullptr);
                    break;
                case BindingKind::Number:
                case BindingKind::Character:
                    EXPECT_EQ(main->kind, ControlKind::Edit);
                    EXPECT_EQ(main->text_limit, b.digits);
                    EXPECT_EQ((main->style & ui::kStyleDigitsOnly) != 0,
                              b.kind == BindingKind::Number);
                    break;
                case BindingKind::Radio:
                case BindingKind::FixedOrMaxMin:
                    EXPECT_EQ(main->kind, ControlKind::GroupBox);
                    for (std::size_t c = 0; c < b.choices.size(); ++c) {
                        const auto* choice =
                            find(layout, control_id(i, Part::kFirstChoice + static_cast<int>(c)));
                        ASSERT_NE(choice, nullptr);
                        EXPECT_EQ(choice->kind, ControlKind::RadioButton);
                        EXPECT_TRUE(inside(choice->rect, main->rect));
                        EXPECT_EQ((choice->style & ui::kStyleGroupStart) != 0, c == 0);
                    }
                    break;
            }
            if (b.kind == BindingKind::FixedOrMaxMin || b.kind == BindingKind::AnyLengthRange) {
                for (const int part : {Part::kFirstLengthEdit, Part::kSecondLengthEdit}) {
                    const auto* edit = find(layout, control_id(i, part));
                    ASSERT_NE(edit, nullptr);
                    ASSERT_NE(find(layout, control_id(i, part - 1)), nullptr);
                    // Room to type the largest length: 127 in 1D and ELR, 55 in 2D.
                    EXPECT_EQ(
                        edit->text_limit,
                        static_cast<int>(std::to_string(symbology::max_length(m.family)).size()));
                }
            }
        }
    }
}

}  // namespace
}  // namespace tc
