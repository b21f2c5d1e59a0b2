#pragma once

#include <array>
#include <cstddef>

#include "texts/text_slot.h"

namespace tc {

inline constexpr std::size_t kMenuCount = 10;
inline constexpr std::size_t kMenuItems = 15;

// One Menu as it stands in memory and in the design file (1337 bytes, no padding).
struct MenuRecord {
    Byte caption_on;
    std::array<Byte, 51> caption;
    std::array<std::array<Byte, 51>, kMenuItems> item_name;
    Byte esc_target;
    std::array<Byte, kMenuItems> item_target;
    Byte save_caption;
    Byte save_selected_item;
    Byte item_count;
    Byte reserved_836;
    std::array<Byte, 500> reserved_837;
};
static_assert(sizeof(MenuRecord) == 1337);
static_assert(offsetof(MenuRecord, esc_target) == 817);
static_assert(offsetof(MenuRecord, item_count) == 835);

// Sets bytes 0-836 to the new-design values (all zero); bytes 837-1336 are not touched.
void reset_menu(MenuRecord& menu, int position);

// Sets item_count to the number of items 1-15 whose name is not empty.
void count_menu_items(MenuRecord& menu);

}  // namespace tc
