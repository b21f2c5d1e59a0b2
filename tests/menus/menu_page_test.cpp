#include "menus/menu_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/headless_host.h"

namespace tc {
namespace {

using P = MenuPage;

constexpr std::size_t kUsedBytes = 837;  // bytes 0-836; the rest is reserved

// The page the sheet starts on, standing in for the Form page.
class FirstPage : public ui::Page {
  public:
    FirstPage() : ui::Page(layout()) {}
    static const ui::DialogTemplate& layout() {
        static const ui::DialogTemplate first{"FORMDLG", {}, 640, 480, {}};
        return first;
    }
};

std::vector<Byte> bytes_of(const MenuRecord& menu) {
    std::vector<Byte> bytes(sizeof menu);
    std::memcpy(bytes.data(), &menu, sizeof menu);
    return bytes;
}

class MenuPageTest : public ::testing::Test {
  protected:
    MenuPageTest() {
        reset_design_document(*document, *texts);
        host.set_caption_source([this](int id) { return texts->load_program_text(id); });
    }

    // Runs an editor sheet of two pages, the second the Menu page, which the script is given
    // after the user has switched to it.
    int run_sheet(const std::function<void(ui::PropertySheet&, MenuPage&)>& script) {
        ui::PropertySheet sheet(
            "Terminal Composer",
            {{"Form", [] { return std::make_unique<FirstPage>(); }},
             {"Menu", [this] { return std::make_unique<MenuPage>(*document, *texts); }}});
        host.on_sheet([&](ui::PropertySheet& s) {
            s.show_page(1);
            script(s, dynamic_cast<MenuPage&>(*s.page(1)));
        });
        return host.run_sheet(sheet);
    }

    std::unique_ptr<DesignDocument> document = std::make_unique<DesignDocument>();
    std::unique_ptr<texts::ProgramTexts> texts = std::make_unique<texts::ProgramTexts>();
    ui::HeadlessHost host;
};

TEST_F(MenuPageTest, ShowsTheMenusAndTheScreensAndKeepsEditsWithTheirMenu) {
    store_text(document->menus[0].item_name[0], "Receiving");
    document->menus[0].item_target[0] = 3;
    document->menus[0].esc_target = 22;

    run_sheet([&](ui::PropertySheet& sheet, MenuPage& page) {
        EXPECT_EQ(page.text(P::kIdLabel), "ID :");
        EXPECT_EQ(page.text(P::kNextLabel), "Next :");
        const std::vector<std::string>& menus = page.items(P::kMenuList);
        ASSERT_EQ(menus.size(), 10u);
        EXPECT_EQ(menus[0], "menu  1");
        EXPECT_EQ(menus[9], "menu  10");
        // Position = screen code: main, Forms 1-20, Menus 1-10.
        const std::vector<std::string>& screens = page.items(P::kEscList);
        ASSERT_EQ(screens.size(), 31u);
        EXPECT_EQ(screens[0], "main");
        EXPECT_EQ(screens[1], "form  1");
        EXPECT_EQ(screens[20], "form  20");
        EXPECT_EQ(screens[21], "menu  1");
        EXPECT_EQ(screens[30], "menu  10");
        EXPECT_EQ(page.items(P::item_next_list(10)), screens);

        EXPECT_EQ(page.selection(P::kMenuList), 0);
        EXPECT_EQ(page.selection(P::kEscList), 22);
        EXPECT_EQ(page.text(P::item_name_edit(1)), "Receiving");
        EXPECT_EQ(page.selection(P::item_next_list(1)), 3);
        EXPECT_TRUE(page.enabled(P::item_next_list(1)));
        EXPECT_FALSE(page.enabled(P::item_next_list(2)));

        page.user_chooses(P::kMenuList, 2);
        EXPECT_EQ(page.current_menu(), 2u);
        EXPECT_EQ(page.text(P::item_name_edit(1)), "");
        EXPECT_EQ(page.selection(P::kEscList), 0);
        page.user_types(P::item_name_edit(1), "Count");
        page.user_types(P::item_name_edit(2), "Stock");
        page.user_chooses(P::item_next_list(2), 25);  // menu 4
        page.user_chooses(P::kEscList, 5);

        page.user_chooses(P::kMenuList, 0);
        EXPECT_EQ(page.text(P::item_name_edit(1)), "Receiving");
        EXPECT_EQ(page.text(P::item_name_edit(2)), "");
        EXPECT_EQ(page.selection(P::kEscList), 22);

        page.user_chooses(P::kMenuList, 2);
        EXPECT_EQ(page.text(P::item_name_edit(1)), "Count");
        EXPECT_EQ(page.text(P::item_name_edit(2)), "Stock");
        EXPECT_EQ(page.selection(P::item_next_list(2)), 25);
        EXPECT_EQ(page.selection(P::kEscList), 5);

        // The stored Menu is untouched until the sheet is confirmed.
        EXPECT_EQ(document->menus[2].item_name[0][0], 0);
        sheet.user_presses_ok();
    });

    const MenuRecord& third = document->menus[2];
    EXPECT_EQ(slot_text(third.item_name[0]), "Count");
    EXPECT_EQ(slot_text(third.item_name[1]), "Stock");
    EXPECT_EQ(third.item_target[1], 25);
    EXPECT_EQ(third.esc_target, 5);
    EXPECT_EQ(third.item_count, 2);
    EXPECT_EQ(slot_text(document->menus[0].item_name[0]), "Receiving");
    EXPECT_TRUE(document->modified);
}

TEST_F(MenuPageTest, CaptionAndDataBoxesStoreWhatTheyShow) {
    run_sheet([&](ui::PropertySheet& sheet, MenuPage& page) {
        EXPECT_FALSE(page.checked(P::kCaptionCheck));
        EXPECT_FALSE(page.enabled(P::kCaptionEdit));

        page.user_clicks(P::kCaptionCheck);
        EXPECT_TRUE(page.checked(P::kCaptionCheck));
        EXPECT_TRUE(page.enabled(P::kCaptionEdit));
        page.user_types(P::kCaptionEdit, "Main menu");
        EXPECT_EQ(page.page_copy()[0].caption_on, 1);
        EXPECT_EQ(slot_text(page.page_copy()[0].caption), "Main menu");

        // Unchecking disables the edit but keeps the caption.
        page.user_clicks(P::kCaptionCheck);
        EXPECT_FALSE(page.enabled(P::kCaptionEdit));
        EXPECT_EQ(page.text(P::kCaptionEdit), "Main menu");
        EXPECT_EQ(page.page_copy()[0].caption_on, 0);
        EXPECT_EQ(slot_text(page.page_copy()[0].caption), "Main menu");

        page.user_clicks(P::kSaveCaptionCheck);
        page.user_clicks(P::kSaveSelectedCheck);
        page.user_clicks(P::kSaveSelectedCheck);
        EXPECT_TRUE(page.checked(P::kSaveCaptionCheck));
        EXPECT_FALSE(page.checked(P::kSaveSelectedCheck));

        // At most 50 characters are typed and stored.
        page.user_clicks(P::kCaptionCheck);
        page.user_types(P::kCaptionEdit, std::string(60, 'c'));
        EXPECT_EQ(page.text(P::kCaptionEdit), std::string(50, 'c'));
        sheet.user_presses_ok();
    });

    const std::vector<Byte> bytes = bytes_of(document->menus[0]);
    EXPECT_EQ(bytes[0], 1);    // caption_on
    EXPECT_EQ(bytes[833], 1);  // save_caption
    EXPECT_EQ(bytes[834], 0);  // save_selected_item
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 51), std::string(50, 'c'));
    EXPECT_EQ(bytes[51], 0);
}

TEST_F(MenuPageTest, BlankNamesDisableNextButKeepItsChoice) {
    run_sheet([&](ui::PropertySheet& sheet, MenuPage& page) {
        const int next = P::item_next_list(4);
        page.user_types(P::item_name_edit(4), "Receiving");
        EXPECT_TRUE(page.enabled(next));
        page.user_chooses(next, 5);
        EXPECT_EQ(page.page_copy()[0].item_target[3], 5);

        page.user_types(P::item_name_edit(4), "");
        EXPECT_FALSE(page.enabled(next));
        EXPECT_EQ(page.selection(next), 5);
        EXPECT_EQ(page.page_copy()[0].item_target[3], 5);
        // A disabled list cannot be chosen from.
        page.user_chooses(next, 7);
        EXPECT_EQ(page.page_copy()[0].item_target[3], 5);

        page.user_types(P::item_name_edit(4), "   ");
        EXPECT_FALSE(page.enabled(next));
        EXPECT_EQ(slot_text(page.page_copy()[0].item_name[3]), "   ");
        page.user_types(P::item_name_edit(4), " x ");
        EXPECT_TRUE(page.enabled(next));
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document->menus[0].item_target[3], 5);
}

TEST_F(MenuPageTest, ResetEmptiesOnlyThePageCopy) {
    MenuRecord& second = document->menus[1];
    second.caption_on = 1;
    store_text(second.caption, "Stock");
    store_text(second.item_name[0], "In");
    store_text(second.item_name[12], "hidden");
    second.item_target[0] = 2;
    second.esc_target = 21;
    second.save_caption = 1;
    second.item_count = 2;
    second.reserved_837.fill(0x5A);
    const std::vector<Byte> stored = bytes_of(second);

    const int result = run_sheet([&](ui::PropertySheet& sheet, MenuPage& page) {
        page.user_chooses(P::kMenuList, 1);
        EXPECT_TRUE(page.checked(P::kCaptionCheck));
        page.user_clicks(P::kResetButton);

        const std::vector<Byte> reset = bytes_of(page.page_copy()[1]);
        for (std::size_t offset = 0; offset < kUsedBytes; ++offset) {
            ASSERT_EQ(reset[offset], 0) << "offset " << offset;
        }
        EXPECT_EQ(reset[kUsedBytes], 0x5A);
        EXPECT_FALSE(page.checked(P::kCaptionCheck));
        EXPECT_FALSE(page.enabled(P::kCaptionEdit));
        EXPECT_EQ(page.text(P::kCaptionEdit), "");
        EXPECT_EQ(page.text(P::item_name_edit(1)), "");
        EXPECT_EQ(page.selection(P::kEscList), 0);
        EXPECT_EQ(page.selection(P::kMenuList), 1);
        sheet.user_presses_cancel();
    });

    EXPECT_EQ(result, ui::kIdCancel);
    EXPECT_EQ(bytes_of(document->menus[1]), stored);
    EXPECT_FALSE(document->modified);
}

TEST_F(MenuPageTest, ConfirmingCountsTheNamesOfAllTenMenus) {
    // Menu 10 is never shown; its items 11 and 12 are not on the page but count.
    store_text(document->menus[9].item_name[10], "x");
    store_text(document->menus[9].item_name[11], "y");
    document->menus[4].item_count = 9;

    run_sheet([&](ui::PropertySheet& sheet, MenuPage& page) {
        page.user_types(P::item_name_edit(3), "Receiving");
        page.user_types(P::item_name_edit(7), "Stock taking");
        page.user_chooses(P::kMenuList, 1);
        page.user_types(P::item_name_edit(1), "   ");
        sheet.user_presses_ok();
    });

    EXPECT_EQ(document->menus[0].item_count, 2);
    EXPECT_EQ(document->menus[1].item_count, 1);
    EXPECT_EQ(document->menus[4].item_count, 0);
    EXPECT_EQ(document->menus[9].item_count, 2);
    EXPECT_EQ(bytes_of(document->menus[0])[835], 2);
}

TEST_F(MenuPageTest, LanguageTextsRelabelTheStaticControls) {
    texts->read_language_entries(
        "Deutsch\r\n241=Kennung :\r\n250=Zuruecksetzen\r\n1303=Menue \r\n1302=Maske \r\n");
    texts->set_language_active(true);
    run_sheet([&](ui::PropertySheet&, MenuPage& page) {
        EXPECT_EQ(page.text(P::kIdLabel), "Kennung :");
        EXPECT_EQ(page.text(P::kResetButton), "Zuruecksetzen");
        // A text the language does not define leaves its control without a label.
        EXPECT_EQ(page.text(P::kEscLabel), "");
        EXPECT_EQ(page.text(P::kDataGroup), "");
        EXPECT_EQ(page.text(P::item_number_label(10)), "#10");
        EXPECT_EQ(page.items(P::kMenuList)[2], "Menue 3");
        EXPECT_EQ(page.items(P::kEscList)[0], "main");
        EXPECT_EQ(page.items(P::kEscList)[20], "Maske 20");
    });
}

}  // namespace
}  // namespace tc
