#include "menus/menu_page.h"
#include "resources/menu_lookup_settings_layouts.h"
#include "resources/page_controls.h"

namespace tc::resources {
namespace {

using namespace page_controls;
using ui::Rect;

constexpr std::string_view kItemNumbers[MenuPage::kShownItems] = {"#1", "#2", "#3", "#4", "#5",
                                                                  "#6", "#7", "#8", "#9", "#10"};

constexpr int kFirstRowTop = 158;
constexpr int kRowPitch = 30;

ui::DialogTemplate build_menu_page() {
    using P = MenuPage;
    ui::DialogTemplate layout{"MENUDLG", text(4), kPageWidth, kPageHeight, {}};
    layout.controls = {
        label(P::kIdLabel, text(241), Rect{16, 19, 56, 18}),
        drop_down(P::kMenuList, Rect{76, 16, 140, 24}),
        label(P::kEscLabel, text(242), Rect{236, 19, 56, 18}),
        drop_down(P::kEscList, Rect{296, 16, 140, 24}),
        button(P::kResetButton, text(250), Rect{536, 15, 88, 26}),
        check_box(P::kCaptionCheck, text(244), Rect{16, 52, 150, 22}),
        edit(P::kCaptionEdit, Rect{170, 51, 266, 24}, 50),
        group_box(P::kDataGroup, text(243), Rect{452, 48, 172, 78}),
        check_box(P::kSaveCaptionCheck, text(245), Rect{464, 70, 152, 22}),
        check_box(P::kSaveSelectedCheck, text(246), Rect{464, 96, 152, 22}),
        label(P::kItemNoLabel, text(247), Rect{16, 136, 72, 18}),
        label(P::kItemNameLabel, text(248), Rect{96, 136, 340, 18}),
        label(P::kNextLabel, text(249), Rect{452, 136, 172, 18}),
    };
    for (int item = 1; item <= P::kShownItems; ++item) {
        const int top = kFirstRowTop + (item - 1) * kRowPitch;
        layout.controls.push_back(label(P::item_number_label(item), literal(kItemNumbers[item - 1]),
                                        Rect{24, top + 3, 56, 18}));
        layout.controls.push_back(edit(P::item_name_edit(item), Rect{96, top, 340, 24}, 50));
        layout.controls.push_back(drop_down(P::item_next_list(item), Rect{452, top, 172, 24}));
    }
    return layout;
}

}  // namespace

const ui::DialogTemplate& menu_page_layout() {
    static const ui::DialogTemplate layout = build_menu_page();
    return layout;
}

}  // namespace tc::resources
