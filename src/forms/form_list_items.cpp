#include "forms/form_list_items.h"

#include <algorithm>

namespace tc::form_items {
namespace {

constexpr int kMainText = 1301;      // "main"
constexpr int kFormNameText = 1302;  // "form  "
constexpr int kMenuNameText = 1303;  // "menu  "
constexpr int kNilText = 1304;       // "nil"
constexpr int kFirstLookupFileText = 1321;

constexpr std::size_t kLinkedFields = 12;
constexpr std::size_t kMenus = 10;

constexpr std::string_view kDataTypes[] = {
    "text",      "integer",   "real",       "letter",     "auto(+/-)",
    "boolean",   "lookup",    "fixed data", "prompt",     "counter",
    "pass down", "extension", "pause",      "alphameric", "image",
};

constexpr Byte kInputSourceAll = 3;
constexpr int kAllItemWithoutRfid = 2;

std::vector<std::string> strings(std::initializer_list<std::string_view> items) {
    return {items.begin(), items.end()};
}

void add_numbered(std::vector<std::string>& items, std::string_view name,
                  const NumberTexts& numbers, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) items.push_back(std::string(name) + numbers[i]);
}

}  // namespace

std::vector<std::string> data_type_items(const texts::ProgramTexts& texts) {
    std::vector<std::string> items{texts.load_program_text(kNilText)};
    items.insert(items.end(), std::begin(kDataTypes), std::end(kDataTypes));
    return items;
}

std::vector<std::string> msqi_data_type_items(const texts::ProgramTexts& texts) {
    return {texts.load_program_text(kNilText), std::string(kDataTypes[kTypeLookup - 1])};
}

int shown_type_item(Byte code, bool msqi, std::size_t row) {
    if (msqi && row >= 2) return code == kTypeLookup ? 1 : code;
    int item = code;
    if (code >= kTypeMsqi && !msqi) --item;
    if (code == kTypeReadFrom2D) --item;
    return item;
}

Byte chosen_type_code(int item, bool msqi, bool list_has_read_from_2d) {
    if (msqi) return item > 0 ? kTypeLookup : kTypeNil;
    if (item < kExtraTypeItem) return static_cast<Byte>(item);
    return list_has_read_from_2d ? kTypeReadFrom2D : kTypeLargeData;
}

std::vector<std::string> input_source_items(bool rfid) {
    return rfid ? strings({"reader", "keypad", "RFID", "all"})
                : strings({"reader", "keypad", "all"});
}

// Without an RFID reader the list lacks "RFID": the codes for RFID and "all" both show "all".
int input_source_item(Byte code, bool rfid) {
    return rfid ? code : std::min<int>(code, kAllItemWithoutRfid);
}

Byte input_source_code(int item, bool rfid) {
    if (rfid || item < kAllItemWithoutRfid) return static_cast<Byte>(item);
    return kInputSourceAll;
}

bool offers_signed_fields(Byte type) {
    return type == kTypeInteger || type == kTypeReal || type == kTypeAuto;
}

std::vector<std::string> link_items(bool lookup_file, Byte type, const texts::ProgramTexts& texts,
                                    const NumberTexts& numbers) {
    std::vector<std::string> items{texts.load_program_text(kNilText)};
    if (lookup_file) {
        add_numbered(items, "field ", numbers, kLinkedFields);
        if (offers_signed_fields(type)) {
            add_numbered(items, "-field ", numbers, kLinkedFields);
            add_numbered(items, "+field ", numbers, kLinkedFields);
        }
    } else {
        add_numbered(items, "get v ", numbers, kLinkedFields);
        add_numbered(items, "set v ", numbers, kLinkedFields);
        add_numbered(items, "get & set v ", numbers, kLinkedFields);
    }
    return items;
}

std::vector<std::string> form_items(const texts::ProgramTexts& texts, const NumberTexts& numbers) {
    std::vector<std::string> items;
    add_numbered(items, texts.load_program_text(kFormNameText), numbers, kFormCount);
    return items;
}

std::vector<std::string> key_field_items(const NumberTexts& numbers) {
    std::vector<std::string> items{"none"};
    add_numbered(items, "line ", numbers, kLinkedFields);
    return items;
}

std::vector<std::string> screen_items(const texts::ProgramTexts& texts,
                                      const NumberTexts& numbers) {
    std::vector<std::string> items{texts.load_program_text(kMainText)};
    add_numbered(items, texts.load_program_text(kFormNameText), numbers, kFormCount);
    add_numbered(items, texts.load_program_text(kMenuNameText), numbers, kMenus);
    return items;
}

std::vector<std::string> lookup_file_items(const texts::ProgramTexts& texts) {
    std::vector<std::string> items{texts.load_program_text(kNilText)};
    for (int i = 0; i < 5; ++i) items.push_back(texts.load_program_text(kFirstLookupFileText + i));
    return items;
}

std::vector<std::string> record_mode_items() {
    return strings({"save", "update lookup", "save & update", "pass down"});
}

std::vector<std::string> alignment_items() {
    return strings({"Left aligned (padded with space)", "Right aligned (filled with space)",
                    "Left aligned (padded with 0)", "Right aligned (filled with 0)"});
}

std::vector<std::string> decimal_places_items() {
    return strings({"variable", "1", "2", "3", "4", "5", "6"});
}

std::vector<std::string> check_digit_items() {
    return strings({"MOD 10  Double-Add-Double (next high)", "MOD 10  Add-Double-Add (next high)",
                    "MOD 10  Triple-Add-Triple (next high)",
                    "MOD 11  Repeat Arithmetic (next high)", "MOD 10  Double-Add-Double (next low)",
                    "MOD 10  Add-Double-Add (next low)", "MOD 10  Triple-Add-Triple (next low)",
                    "MOD 11  Repeat Arithmetic (next low)"});
}

std::vector<std::string> auto_enter_items() {
    return strings({"No", "Scan+ENTER", "ENTER+Scan"});
}

std::vector<std::string> stamp_position_items() {
    return strings({"nil", "added to the top of a record", "appended to the bottom of a record"});
}

std::vector<std::string> year_digits_items() {
    return strings({"4 Digits (YYYY)", "2 Digits (YY)"});
}

std::vector<std::string> date_style_items() {
    return strings({"Year.Month.Day", "Month.Day.Year", "Day.Month.Year"});
}

}  // namespace tc::form_items
