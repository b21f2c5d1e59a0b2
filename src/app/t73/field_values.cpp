// The names of enumerated values and the split lengths in the JSON form of a design, as the
// record layouts document them.
#include "app/t73/field_values.h"

#include <algorithm>
#include <array>
#include <map>

namespace tc::t73 {
namespace {

constexpr unsigned kLineLengthBase = 160;
constexpr unsigned kByteBase = 256;

using Names = std::vector<std::string>;

Names screen_codes() {
    Names names{"main"};
    for (int form = 1; form <= 20; ++form) names.push_back("Form " + std::to_string(form));
    for (int menu = 1; menu <= 10; ++menu) names.push_back("Menu " + std::to_string(menu));
    return names;
}

Names lookup_files() {
    Names names{"nil"};
    for (int lookup = 1; lookup <= 5; ++lookup) names.push_back("Lookup " + std::to_string(lookup));
    return names;
}

const Names kSaveModes{"Overwrite", "Append"};

using FieldNames = std::map<std::string_view, Names>;

const std::map<const RecordLayout*, FieldNames>& all_value_names() {
    static const std::map<const RecordLayout*, FieldNames> names{
        {&kFormLayout,
         {
             {"esc_target", screen_codes()},
             {"next_target", screen_codes()},
             {"lookup_file", lookup_files()},
             {"record_mode", {"save", "update lookup", "save & update", "pass down"}},
             {"stamp_position", {"nil", "top", "bottom"}},
             {"year_digits", {"YYYY", "YY"}},
             {"date_style", {"Year.Month.Day", "Month.Day.Year", "Day.Month.Year"}},
             {"data_type",
              {"nil", "text", "integer", "real", "letter", "auto(+/-)", "boolean", "lookup",
               "fixed data", "prompt", "counter", "pass down", "extension", "pause", "alphameric",
               "image", "MSQI", "large data", "read from 2D"}},
             {"input_source", {"reader", "keypad", "RFID", "all"}},
             {"alignment", {"left, spaces", "right, spaces", "left, zeros", "right, zeros"}},
             {"auto_enter", {"No", "Scan+ENTER", "ENTER+Scan"}},
             {"save_mode", kSaveModes},
         }},
        {&kMenuLayout,
         {
             {"esc_target", screen_codes()},
             {"item_target", screen_codes()},
         }},
        {&kLookupLayout,
         {
             {"field_type", {"text", "integer", "real", "letter", "boolean", "image"}},
             {"no_match_action",
              {"Continue", "Show warning message", "Insert to lookup file",
               "Show warning message & Insert", "Clear the screen", "Show warning & clear screen"}},
             {"bad_format_action",
              {"Stop the import process", "Truncate / reformat the record", "Skip the record"}},
             {"save_mode", kSaveModes},
         }},
        {&kSystemSettingsLayout,
         {
             {"start_screen", {"form 1", "menu 1"}},
             {"preload_last_file", {"No", "Yes"}},
             {"data_deletion", {"No", "Manual", "Automatic"}},
             {"entry_option", {"No prompt", "Show count", "Show record"}},
             {"camera_resolution", {"800 * 600", "1600 * 1200"}},
             {"camera_flash", {"Turn Off", "Turn On", "Auto Flash"}},
             {"camera_color_effect",
              {"Mono", "Normal", "Sepia", "Negative", "Solarize", "Solarize with UV"}},
             {"camera_image_format", {"Jpeg (*.jpg)", "Bitmap (*.bmp)"}},
         }},
    };
    return names;
}

constexpr std::array kFormSplits{
    SplitLength{"record_length", "record_length_low", "record_length_high", kByteBase},
    SplitLength{"max_length", "max_length_low", "max_length_high", kLineLengthBase},
    SplitLength{"fixed_length", "fixed_length_low", "fixed_length_high", kLineLengthBase},
    SplitLength{"partial_start", "partial_start_low", "partial_start_high", kLineLengthBase},
};

constexpr std::array kLookupSplits{
    SplitLength{"record_length", "record_length_low", "record_length_high", kByteBase},
    SplitLength{"field_length", "field_length_low", "field_length_high", kLineLengthBase},
};

}  // namespace

const std::vector<std::string>* value_names(const RecordLayout& layout, std::string_view field) {
    const auto& all = all_value_names();
    const auto record = all.find(&layout);
    if (record == all.end()) return nullptr;
    const auto names = record->second.find(field);
    return names == record->second.end() ? nullptr : &names->second;
}

std::span<const SplitLength> split_lengths(const RecordLayout& layout) {
    if (&layout == &kFormLayout) return kFormSplits;
    if (&layout == &kLookupLayout) return kLookupSplits;
    return {};
}

const SplitLength* split_of(const RecordLayout& layout, std::string_view field) {
    for (const SplitLength& split : split_lengths(layout)) {
        if (split.low == field || split.high == field) return &split;
    }
    return nullptr;
}

const FieldLayout& layout_field(const RecordLayout& layout, std::string_view name) {
    return *std::find_if(layout.fields.begin(), layout.fields.end(),
                         [&](const FieldLayout& field) { return field.name == name; });
}

void store_split(const SplitLength& split, unsigned length, unsigned& low, unsigned& high) {
    const bool small = split.base == kLineLengthBase && length <= kLineLengthBase;
    high = small ? 0 : length / split.base;
    low = small ? length : length % split.base;
}

bool joins_losslessly(const SplitLength& split, unsigned low, unsigned high) {
    unsigned stored_low = 0;
    unsigned stored_high = 0;
    store_split(split, high * split.base + low, stored_low, stored_high);
    return stored_low == low && stored_high == high;
}

}  // namespace tc::t73
