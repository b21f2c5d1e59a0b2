#include <algorithm>
#include <string>

#include "app/t73/design_check.h"

namespace tc::t73 {
namespace {

constexpr int kMaxScreenCode = 30;
constexpr int kMaxLookupFieldCount = 12;
constexpr int kMaxFieldLength = 160;
constexpr Byte kCarriageReturn = 13;

bool has_zero(std::span<const Byte> slot) {
    return std::find(slot.begin(), slot.end(), Byte{0}) != slot.end();
}

void check_menu(const MenuRecord& menu, std::size_t m, std::vector<std::string>& problems) {
    const std::string where = "Menu " + std::to_string(m + 1);
    if (menu.esc_target > kMaxScreenCode) {
        problems.push_back(where + ": esc_target " + std::to_string(menu.esc_target) +
                           " is not a screen code (0-30)");
    }
    if (!has_zero(menu.caption)) {
        problems.push_back(where + ": caption has no terminating zero within its 51 bytes");
    }
    int named_items = 0;
    for (std::size_t i = 0; i < kMenuItems; ++i) {
        const std::string item = where + " item " + std::to_string(i + 1);
        if (menu.item_target[i] > kMaxScreenCode) {
            problems.push_back(item + ": item_target " + std::to_string(menu.item_target[i]) +
                               " is not a screen code (0-30)");
        }
        if (!has_zero(menu.item_name[i])) {
            problems.push_back(item + ": item_name has no terminating zero within its 51 bytes");
        }
        named_items += menu.item_name[i][0] != 0 ? 1 : 0;
    }
    if (menu.item_count != named_items) {
        problems.push_back(where + ": item_count " + std::to_string(menu.item_count) + " but " +
                           std::to_string(named_items) + " items have a name");
    }
}

void check_lookup(const LookupRecord& lookup, std::size_t l, std::vector<std::string>& problems) {
    const std::string where = "Lookup " + std::to_string(l + 1);
    if (lookup.field_count > kMaxLookupFieldCount) {
        problems.push_back(where + ": field_count " + std::to_string(lookup.field_count) +
                           " above 12");
    }
    if (lookup.key_field != 0 && lookup.key_field >= lookup.field_count) {
        problems.push_back(where + ": key field " + std::to_string(lookup.key_field) +
                           " not below field count " + std::to_string(lookup.field_count));
    }
    if (lookup.delimiter == kCarriageReturn) {
        problems.push_back(where + ": delimiter 13 (carriage return)");
    }
    const std::size_t used_fields = std::min<std::size_t>(lookup.field_count, kLookupFields);
    int field_length_sum = 0;
    for (std::size_t i = 0; i < kLookupFields; ++i) {
        const std::string field = where + " field " + std::to_string(i + 1);
        if (lookup.field_length_low[i] > kMaxFieldLength) {
            problems.push_back(field + ": field_length_low " +
                               std::to_string(lookup.field_length_low[i]) + " above 160");
        }
        if (lookup.field_length_high[i] != 0) {
            problems.push_back(field + ": field_length_high " +
                               std::to_string(lookup.field_length_high[i]) + " is not 0");
        }
        if (i < used_fields) {
            field_length_sum += lookup.field_length_low[i];
            continue;
        }
        const auto& name = lookup.field_name[i];
        const bool name_clear =
            std::all_of(name.begin(), name.end(), [](Byte b) { return b == 0; });
        if (lookup.field_type[i] != 0 || !name_clear || lookup.field_length_low[i] != 0) {
            problems.push_back(field + ": beyond field count " +
                               std::to_string(lookup.field_count) + " but not cleared");
        }
    }
    const int record_length = lookup.record_length_high * 256 + lookup.record_length_low;
    if (record_length != field_length_sum) {
        problems.push_back(where + ": record length " + std::to_string(record_length) +
                           " but the fields add up to " + std::to_string(field_length_sum));
    }
}

}  // namespace

void check_menus(const DesignRecords& records, std::vector<std::string>& problems) {
    for (std::size_t m = 0; m < kMenuCount; ++m) check_menu(records.menus[m], m, problems);
}

void check_lookups(const DesignRecords& records, std::vector<std::string>& problems) {
    for (std::size_t l = 0; l < kLookupCount; ++l) check_lookup(records.lookups[l], l, problems);
}

}  // namespace tc::t73
