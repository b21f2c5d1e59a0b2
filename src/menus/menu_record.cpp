#include "menus/menu_record.h"

#include <algorithm>

namespace tc {

// The layout is the design file's; every field sits at its file offset.
static_assert(offsetof(MenuRecord, caption_on) == 0);
static_assert(offsetof(MenuRecord, caption) == 1);
static_assert(offsetof(MenuRecord, item_name) == 52);
static_assert(offsetof(MenuRecord, item_target) == 818);
static_assert(offsetof(MenuRecord, save_caption) == 833);
static_assert(offsetof(MenuRecord, save_selected_item) == 834);
static_assert(offsetof(MenuRecord, reserved_836) == 836);
static_assert(offsetof(MenuRecord, reserved_837) == 837);

void reset_menu(MenuRecord& menu, int /*position*/) {
    // Every new-design value is zero; the reserved tail from byte 837 on is kept.
    auto* const bytes = reinterpret_cast<Byte*>(&menu);
    std::fill(bytes, bytes + offsetof(MenuRecord, reserved_837), Byte{0});
}

void count_menu_items(MenuRecord& menu) {
    // Names need not be contiguous, and a name of spaces counts.
    const auto count = std::count_if(menu.item_name.begin(), menu.item_name.end(),
                                     [](const auto& name) { return name[0] != 0; });
    menu.item_count = static_cast<Byte>(count);
}

}  // namespace tc
