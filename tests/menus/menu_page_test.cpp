#include "menus/menu_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/sheet_test_support.h"

namespace tc::test {
namespace {

using P = MenuPage;
constexpr std::size_t kMenuPage = 1;

class MenuPageTest : public SheetTest {
  protected:
    void run(const std::function<void(ui::PropertySheet&, MenuPage&)>& script) {
        run_page<MenuPage>(kMenuPage, script);
    }
};

TEST_F(MenuPageTest, ShowsTheScreensAndKeepsEditsWithTheirMenuUntilOk) {
    store_text(document().menus[0].item_name[0], "Receiving");
    document().menus[0].item_target[0] = 3;
    document().menus[0].esc_target = 22;
    // Menu 10 is never shown; its items 11 and 12 are not on the page but count.
    store_text(document().menus[9].item_name[10], "x");
    store_text(document().menus[9].item_name[11], "y");
    document().menus[4].item_count = 9;

    run([&](ui::PropertySheet& sheet, MenuPage& page) {
        EXPECT_EQ(page.items(P::kMenuList).at(9), "menu  10");
        // Position = screen code: main, Forms 1-20, Menus 1-10.
        const std::vector<std::string>& screens = page.items(P::kEscList);
        ASSERT_EQ(screens.size(), 31u);
        EXPECT_EQ(screens[0], "main");
        EXPECT_EQ(screens[1], "form  1");
        EXPECT_EQ(screens[20], "form  20");
        EXPECT_EQ(screens[21], "menu  1");
        EXPECT_EQ(page.items(P::item_next_list(10)), screens);
        EXPECT_EQ(page.selection(P::kEscList), 22);
        EXPECT_EQ(page.text(P::item_name_edit(1)), "Receiving");
        EXPECT_EQ(page.selection(P::item_next_list(1)), 3);

        page.user_chooses(P::kMenuList, 2);
        EXPECT_EQ(page.text(P::item_name_edit(1)), "");
        EXPECT_EQ(page.selection(P::kEscList), 0);
        page.user_types(P::item_name_edit(3), "Count");
        page.user_types(P::item_name_edit(7), "Stock");
        page.user_chooses(P::item_next_list(7), 25);
        page.user_chooses(P::kEscList, 5);
        page.user_chooses(P::kMenuList, 0);
        EXPECT_EQ(page.text(P::item_name_edit(3)), "");
        EXPECT_EQ(page.selection(P::kEscList), 22);
        page.user_types(P::item_name_edit(2), "   ");  // a name of spaces counts
        page.user_chooses(P::kMenuList, 2);
        EXPECT_EQ(page.text(P::item_name_edit(7)), "Stock");
        EXPECT_EQ(page.selection(P::item_next_list(7)), 25);
        EXPECT_EQ(document().menus[2].item_name[2][0], 0);
        sheet.user_presses_ok();
    });

    const MenuRecord& third = document().menus[2];
    EXPECT_EQ(slot_text(third.item_name[2]), "Count");
    EXPECT_EQ(third.item_target[6], 25);
    EXPECT_EQ(third.esc_target, 5);
    EXPECT_EQ(bytes_of(third)[835], 2);  // item_count
    EXPECT_EQ(document().menus[0].item_count, 2);
    EXPECT_EQ(document().menus[4].item_count, 0);
    EXPECT_EQ(document().menus[9].item_count, 2);
    EXPECT_TRUE(document().modified);
}

TEST_F(MenuPageTest, CaptionAndDataBoxesStoreWhatTheyShow) {
    run([&](ui::PropertySheet& sheet, MenuPage& page) {
        EXPECT_FALSE(page.enabled(P::kCaptionEdit));
        page.user_clicks(P::kCaptionCheck);
        EXPECT_TRUE(page.enabled(P::kCaptionEdit));
        page.user_types(P::kCaptionEdit, "Main menu");
        // Unchecking disables the edit but keeps the caption.
        page.user_clicks(P::kCaptionCheck);
        EXPECT_FALSE(page.enabled(P::kCaptionEdit));
        EXPECT_EQ(page.page_copy()[0].caption_on, 0);
        EXPECT_EQ(slot_text(page.page_copy()[0].caption), "Main menu");
        page.user_clicks(P::kSaveCaptionCheck);
        page.user_clicks(P::kSaveSelectedCheck);
        page.user_clicks(P::kSaveSelectedCheck);
        page.user_clicks(P::kCaptionCheck);
        page.user_types(P::kCaptionEdit, "Caption " + std::string(52, 'c'));  // 50 at most
        EXPECT_EQ(page.text(P::kCaptionEdit), "Caption " + std::string(42, 'c'));
        sheet.user_presses_ok();
    });
    const std::vector<Byte> bytes = bytes_of(document().menus[0]);
    EXPECT_EQ(bytes[0], 1);    // caption_on
    EXPECT_EQ(bytes[833], 1);  // save_caption
    EXPECT_EQ(bytes[834], 0);  // save_selected_item
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 52),
              "Caption " + std::string(42, 'c') + '\0');

    // A caption without its end (a damaged file) shows its first 50 characters.
    auto& caption = document().menus[0].caption;
    std::fill(caption.begin(), caption.end(), 'c');
    caption[0] = 'C';
    run([&](ui::PropertySheet&, MenuPage& page) {
        EXPECT_EQ(page.text(P::kCaptionEdit), 'C' + std::string(49, 'c'));
    });
}

TEST_F(MenuPageTest, BlankNamesDisableNextButKeepItsChoice) {
    run([&](ui::PropertySheet& sheet, MenuPage& page) {
        const int next = P::item_next_list(4);
        EXPECT_FALSE(page.enabled(next));
        page.user_types(P::item_name_edit(4), "Receiving");
        EXPECT_TRUE(page.enabled(next));
        page.user_chooses(next, 5);
        page.user_types(P::item_name_edit(4), "");
        EXPECT_FALSE(page.enabled(next));
        EXPECT_EQ(page.selection(next), 5);
        page.user_chooses(next, 7);  // a disabled list cannot be chosen from
        page.user_types(P::item_name_edit(4), "   ");
        EXPECT_FALSE(page.enabled(next));
        page.user_types(P::item_name_edit(4), " x ");
        EXPECT_TRUE(page.enabled(next));
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().menus[0].item_target[3], 5);
}

TEST_F(MenuPageTest, ResetEmptiesOnlyThePageCopy) {
    MenuRecord& second = document().menus[1];
    second.caption_on = 1;
    store_text(second.caption, "Stock");
    store_text(second.item_name[12], "hidden");
    second.esc_target = 21;
    second.save_caption = 1;
    second.reserved_837.fill(0x5A);
    const std::vector<Byte> stored = bytes_of(second);

    run([&](ui::PropertySheet& sheet, MenuPage& page) {
        page.user_chooses(P::kMenuList, 1);
        EXPECT_TRUE(page.checked(P::kCaptionCheck));
        page.user_clicks(P::kResetButton);
        std::vector<Byte> expected(837, 0);
        expected.resize(stored.size(), 0x5A);
        EXPECT_EQ(bytes_of(page.page_copy()[1]), expected);
        EXPECT_FALSE(page.checked(P::kCaptionCheck));
        EXPECT_FALSE(page.enabled(P::kCaptionEdit));
        EXPECT_EQ(page.text(P::kCaptionEdit), "");
        EXPECT_EQ(page.selection(P::kEscList), 0);
        EXPECT_EQ(page.selection(P::kMenuList), 1);
        sheet.user_presses_cancel();
    });
    EXPECT_EQ(bytes_of(document().menus[1]), stored);
    EXPECT_FALSE(document().modified);
}

}  // namespace
}  // namespace tc::test
