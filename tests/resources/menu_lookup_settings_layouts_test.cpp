#include "resources/menu_lookup_settings_layouts.h"

#include <gtest/gtest.h>

#include "resources/layout_checks.h"
#include "ui/dialog_template.h"

namespace tc::resources {
namespace {

using layout_checks::expect_tidy;

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
