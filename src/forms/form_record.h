#pragma once

#include <array>
#include <cstddef>

#include "texts/program_texts.h"
#include "texts/text_slot.h"

namespace tc {

inline constexpr std::size_t kFormCount = 20;
inline constexpr std::size_t kFormLines = 15;

template <std::size_t N>
using Bytes = std::array<Byte, N>;
template <std::size_t N>
using PerLine = std::array<Byte, N>;
template <std::size_t SlotSize>
using LineTexts = std::array<std::array<Byte, SlotSize>, kFormLines>;

// One Form as it stands in memory and in the design file (5027 bytes, no padding).
struct FormRecord {
    Byte esc_target;
    Byte next_target;
    Byte lookup_file;
    Byte record_mode;
    Byte key_field;
    Byte stamp_position;
    Byte stamp_split;
    Byte date_year;
    Byte year_digits;
    Byte date_month;
    Byte date_day;
    Byte date_separator_on;
    Bytes<2> date_separator;
    Byte date_style;
    Byte time_hour;
    Byte time_minute;
    Byte time_second;
    Byte time_separator_on;
    Bytes<2> time_separator;
    Byte field_count;
    Byte key_position;
    Byte record_length_low;
    Byte record_length_high;
    Byte handover_field;
    Byte no_key_field;
    Byte read_once;
    Byte export_rename;
    Bytes<21> export_name;

    PerLine<kFormLines> data_type;
    LineTexts<51> prompt;
    PerLine<kFormLines> input_source;
    PerLine<kFormLines> min_length;
    PerLine<kFormLines> max_length_low;
    PerLine<kFormLines> max_length_high;
    PerLine<kFormLines> link;
    PerLine<kFormLines> extra_length;
    PerLine<kFormLines> fixed_length_on;
    PerLine<kFormLines> alignment;
    PerLine<kFormLines> fixed_length_low;
    PerLine<kFormLines> fixed_length_high;
    PerLine<kFormLines> initial_on;
    LineTexts<161> initial_text;
    PerLine<kFormLines> prefix_on;
    LineTexts<11> prefix;
    PerLine<kFormLines> suffix_on;
    LineTexts<11> suffix;
    PerLine<kFormLines> input_mark;
    PerLine<kFormLines> decimal_places;
    PerLine<kFormLines> partial_on;
    PerLine<kFormLines> partial_start_low;
    PerLine<kFormLines> partial_start_high;
    PerLine<kFormLines> partial_length;
    PerLine<kFormLines> leading_code_on;
    LineTexts<11> leading_code;
    PerLine<kFormLines> check_digit;
    PerLine<kFormLines> auto_enter;

    Byte last_input_line;
    Byte reserved_4071;
    PerLine<kFormLines> edit_file_path;
    PerLine<kFormLines> save_file_path;
    PerLine<kFormLines> check_file_path;
    Byte auto_export;
    Byte save_mode;
    Bytes<9> reserved_4119;
    Byte msqi_enabled;
    Byte auto_delete;
    Bytes<897> reserved_4130;
};
static_assert(sizeof(FormRecord) == 5027);
static_assert(offsetof(FormRecord, data_type) == 50);
static_assert(offsetof(FormRecord, input_source) == 830);
static_assert(offsetof(FormRecord, initial_text) == 995);
static_assert(offsetof(FormRecord, prefix_on) == 3410);
static_assert(offsetof(FormRecord, check_digit) == 4040);
static_assert(offsetof(FormRecord, last_input_line) == 4070);
static_assert(offsetof(FormRecord, msqi_enabled) == 4128);

// Data type codes of a Form line.
enum FormDataType : Byte {
    kTypeNil = 0,
    kTypeText = 1,
    kTypeInteger = 2,
    kTypeReal = 3,
    kTypeLetter = 4,
    kTypeAuto = 5,
    kTypeBoolean = 6,
    kTypeLookup = 7,
    kTypeFixedData = 8,
    kTypePrompt = 9,
    kTypeCounter = 10,
    kTypePassDown = 11,
    kTypeExtension = 12,
    kTypePause = 13,
    kTypeAlphameric = 14,
    kTypeImage = 15,
    kTypeMsqi = 16,
    kTypeLargeData = 17,
    kTypeReadFrom2D = 18,
};

inline constexpr int kFormExportNameText = 11;

// Fills `form` with its new-design values; `position` is 0-19. Bytes 4130-5026 are not touched.
void reset_form(FormRecord& form, int position, const texts::ProgramTexts& texts);

}  // namespace tc
