#include <algorithm>
#include <string>

#include "app/t73/design_check.h"

namespace tc::t73 {
namespace {

constexpr int kMaxScreenCode = 30;
constexpr int kMaxLookupFieldCount = 12;
constexpr int kMaxFieldLength = 160;
constexpr Byte kCarriageReturn = 13;

std::string number(std::size_t value) {
    return std::to_string(value);
}

void check_menu(const MenuRecord& menu, std::size_t m, Problems& problems) {
    const std::string where = "Menu " + number(m + 1);
    if (menu.esc_target > kMaxScreenCode) {
        problems.push_back(
            {record_path("menus", m, "esc_target"),
             number(menu.esc_target) + " is not a screen code (0-30) (" + where + ")"});
    }
    std::size_t named_items = 0;
    for (std::size_t i = 0; i < kMenuItems; ++i) {
        if (menu.item_target[i] > kMaxScreenCode) {
            problems.push_back({entry_path("menus", m, "item_target", i),
                                number(menu.item_target[i]) + " is not a screen code (0-30) (" +
                                    where + " item " + number(i + 1) + ")"});
        }
        named_items += menu.item_name[i][0] != 0 ? 1 : 0;
    }
    if (menu.item_count != named_items) {
        problems.push_back({record_path("menus", m, "item_count"),
                            number(menu.item_count) + " but " + number(named_items) +
                                " items have a name (" + where + ")"});
    }
}

void check_lookup(const LookupRecord& lookup, std::size_t l, Problems& problems) {
    const std::string where = " (Lookup " + number(l + 1) + ")";
    const auto add = [&](std::string path, const std::string& text) {
        problems.push_back({std::move(path), text});
    };
    if (lookup.field_count > kMaxLookupFieldCount)
        add(record_path("lookups", l, "field_count"),
            number(lookup.field_count) + " is above 12" + where);
    if (lookup.key_field != 0 && lookup.key_field >= lookup.field_count) {
        add(record_path("lookups", l, "key_field"), number(lookup.key_field) +
                                                        " is not below the field count " +
                                                        number(lookup.field_count) + where);
    }
    if (lookup.delimiter == kCarriageReturn)
        add(record_path("lookups", l, "delimiter"), "13 (carriage return)" + where);
    const std::size_t used_fields = std::min<std::size_t>(lookup.field_count, kLookupFields);
    std::size_t field_length_sum = 0;
    for (std::size_t i = 0; i < kLookupFields; ++i) {
        const std::string field = " (Lookup " + number(l + 1) + " field " + number(i + 1) + ")";
        const std::size_t length = lookup.field_length_high[i] * 160u + lookup.field_length_low[i];
        if (lookup.field_length_high[i] != 0) {
            add(entry_path("lookups", l, "field_length", i),
                "length " + number(length) + " has a high byte " +
                    number(lookup.field_length_high[i]) + " (the Lookup page stores 0)" + field);
        } else if (length > kMaxFieldLength) {
            add(entry_path("lookups", l, "field_length", i),
                "length " + number(length) + " above 160" + field);
        }
        if (i < used_fields) {
            field_length_sum += lookup.field_length_low[i];
            continue;
        }
        const auto& name = lookup.field_name[i];
        const bool name_clear =
            std::all_of(name.begin(), name.end(), [](Byte b) { return b == 0; });
        if (lookup.field_type[i] != 0 || !name_clear || lookup.field_length_low[i] != 0) {
            add(entry_path("lookups", l,
                           lookup.field_type[i] != 0 ? "field_type"
                           : !name_clear             ? "field_name"
                                                     : "field_length",
                           i),
                "beyond the field count " + number(lookup.field_count) + " but not cleared" +
                    field);
        }
    }
    const std::size_t record_length = lookup.record_length_high * 256u + lookup.record_length_low;
    if (record_length != field_length_sum) {
        add(record_path("lookups", l, "record_length"), number(record_length) +
                                                            " but the fields add up to " +
                                                            number(field_length_sum) + where);
    }
}

}  // namespace

void check_menus(const DesignRecords& records, Problems& problems) {
    for (std::size_t m = 0; m < kMenuCount; ++m) check_menu(records.menus[m], m, problems);
}

void check_lookups(const DesignRecords& records, Problems& problems) {
    for (std::size_t l = 0; l < kLookupCount; ++l) check_lookup(records.lookups[l], l, problems);
}

}  // namespace tc::t73
