#include "menus/menu_record.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/record_bytes.h"

namespace tc {
namespace {

using test::bytes_of;

constexpr std::size_t kSize = 1337;
constexpr std::size_t kReservedTail = 837;
constexpr std::size_t kItemCount = 835;

MenuRecord menu_with_names(std::initializer_list<std::pair<int, const char*>> names) {
    MenuRecord menu{};
    for (const auto& [item, name] : names) store_text(menu.item_name[item - 1], name);
    return menu;
}

TEST(MenuRecord, ResetZeroesTheUsedBytesAndKeepsTheReservedTail) {
    for (const Byte filler : {Byte{0x00}, Byte{0xAA}}) {
        MenuRecord menu = test::filled<MenuRecord>(filler);
        reset_menu(menu, 9);
        const std::vector<Byte> bytes = bytes_of(menu);
        ASSERT_EQ(bytes.size(), kSize);
        for (std::size_t offset = 0; offset < kSize; ++offset) {
            const Byte expected = offset < kReservedTail ? 0 : filler;
            ASSERT_EQ(bytes[offset], expected) << "offset " << offset;
        }
    }
}

TEST(MenuRecord, CountsEveryItemWhoseNameIsNotEmpty) {
    MenuRecord scattered = menu_with_names({{3, "Receiving"}, {7, "Stock taking"}});
    count_menu_items(scattered);
    EXPECT_EQ(scattered.item_count, 2);
    EXPECT_EQ(bytes_of(scattered)[kItemCount], 2);

    MenuRecord spaces = menu_with_names({{1, "   "}});
    count_menu_items(spaces);
    EXPECT_EQ(spaces.item_count, 1);

    // Items 11-15 are not shown on the page but are counted.
    MenuRecord all = menu_with_names({{1, "a"}, {10, "b"}, {11, "c"}, {15, "d"}});
    count_menu_items(all);
    EXPECT_EQ(all.item_count, 4);

    // An emptied name keeps its old characters behind the zero and no longer counts; the
    // previous count is replaced, not added to.
    store_text(all.item_name[14], "");
    count_menu_items(all);
    EXPECT_EQ(all.item_count, 3);

    MenuRecord none{};
    none.item_count = 7;
    none.caption[0] = 'M';
    count_menu_items(none);
    EXPECT_EQ(none.item_count, 0);
}

}  // namespace
}  // namespace tc
