#include "forms/form_record.h"

#include <algorithm>
#include <string>

namespace tc {

// The layout is the design file's; every field sits at its file offset.
static_assert(offsetof(FormRecord, esc_target) == 0);
static_assert(offsetof(FormRecord, next_target) == 1);
static_assert(offsetof(FormRecord, lookup_file) == 2);
static_assert(offsetof(FormRecord, record_mode) == 3);
static_assert(offsetof(FormRecord, key_field) == 4);
static_assert(offsetof(FormRecord, stamp_position) == 5);
static_assert(offsetof(FormRecord, stamp_split) == 6);
static_assert(offsetof(FormRecord, date_year) == 7);
static_assert(offsetof(FormRecord, year_digits) == 8);
static_assert(offsetof(FormRecord, date_month) == 9);
static_assert(offsetof(FormRecord, date_day) == 10);
static_assert(offsetof(FormRecord, date_separator_on) == 11);
static_assert(offsetof(FormRecord, date_separator) == 12);
static_assert(offsetof(FormRecord, date_style) == 14);
static_assert(offsetof(FormRecord, time_hour) == 15);
static_assert(offsetof(FormRecord, time_minute) == 16);
static_assert(offsetof(FormRecord, time_second) == 17);
static_assert(offsetof(FormRecord, time_separator_on) == 18);
static_assert(offsetof(FormRecord, time_separator) == 19);
static_assert(offsetof(FormRecord, field_count) == 21);
static_assert(offsetof(FormRecord, key_position) == 22);
static_assert(offsetof(FormRecord, record_length_low) == 23);
static_assert(offsetof(FormRecord, record_length_high) == 24);
static_assert(offsetof(FormRecord, handover_field) == 25);
static_assert(offsetof(FormRecord, no_key_field) == 26);
static_assert(offsetof(FormRecord, read_once) == 27);
static_assert(offsetof(FormRecord, export_rename) == 28);
static_assert(offsetof(FormRecord, export_name) == 29);
static_assert(offsetof(FormRecord, prompt) == 65);
static_assert(offsetof(FormRecord, min_length) == 845);
static_assert(offsetof(FormRecord, max_length_low) == 860);
static_assert(offsetof(FormRecord, max_length_high) == 875);
static_assert(offsetof(FormRecord, link) == 890);
static_assert(offsetof(FormRecord, extra_length) == 905);
static_assert(offsetof(FormRecord, fixed_length_on) == 920);
static_assert(offsetof(FormRecord, alignment) == 935);
static_assert(offsetof(FormRecord, fixed_length_low) == 950);
static_assert(offsetof(FormRecord, fixed_length_high) == 965);
static_assert(offsetof(FormRecord, initial_on) == 980);
static_assert(offsetof(FormRecord, prefix) == 3425);
static_assert(offsetof(FormRecord, suffix_on) == 3590);
static_assert(offsetof(FormRecord, suffix) == 3605);
static_assert(offsetof(FormRecord, input_mark) == 3770);
static_assert(offsetof(FormRecord, decimal_places) == 3785);
static_assert(offsetof(FormRecord, partial_on) == 3800);
static_assert(offsetof(FormRecord, partial_start_low) == 3815);
static_assert(offsetof(FormRecord, partial_start_high) == 3830);
static_assert(offsetof(FormRecord, partial_length) == 3845);
static_assert(offsetof(FormRecord, leading_code_on) == 3860);
static_assert(offsetof(FormRecord, leading_code) == 3875);
static_assert(offsetof(FormRecord, auto_enter) == 4055);
static_assert(offsetof(FormRecord, reserved_4071) == 4071);
static_assert(offsetof(FormRecord, edit_file_path) == 4072);
static_assert(offsetof(FormRecord, save_file_path) == 4087);
static_assert(offsetof(FormRecord, check_file_path) == 4102);
static_assert(offsetof(FormRecord, auto_export) == 4117);
static_assert(offsetof(FormRecord, save_mode) == 4118);
static_assert(offsetof(FormRecord, reserved_4119) == 4119);
static_assert(offsetof(FormRecord, auto_delete) == 4129);
static_assert(offsetof(FormRecord, reserved_4130) == 4130);

namespace {

constexpr Byte kInputSourceRfid = 2;
constexpr Byte kMaxLineLength = 160;
constexpr Byte kPartialLength = 20;
constexpr Byte kAutoEnterScanEnter = 1;

// Zeroes bytes [first, last) of the record.
void zero_bytes(FormRecord& form, std::size_t first, std::size_t last) {
    auto* const bytes = reinterpret_cast<Byte*>(&form);
    std::fill(bytes + first, bytes + last, Byte{0});
}

// Program text 11 followed by the Form number in two digits.
std::string default_export_name(int number, const texts::ProgramTexts& texts) {
    std::string name = texts.load_program_text(kFormExportNameText);
    if (number < 10) name += '0';
    name += std::to_string(number);
    return name;
}

}  // namespace

void reset_form(FormRecord& form, int position, const texts::ProgramTexts& texts) {
    const int number = position + 1;

    // Every value starts at zero except the export name, which is stored as a text below (its
    // bytes behind the terminating zero keep what they held), and the reserved tail.
    zero_bytes(form, 0, offsetof(FormRecord, export_name));
    zero_bytes(form, offsetof(FormRecord, data_type), offsetof(FormRecord, reserved_4130));

    form.next_target = static_cast<Byte>(number);
    form.stamp_split = 1;
    form.date_year = 1;
    form.date_month = 1;
    form.date_day = 1;
    form.date_separator_on = 1;
    store_text(form.date_separator, "/");
    form.time_hour = 1;
    form.time_minute = 1;
    form.time_second = 1;
    form.time_separator_on = 1;
    store_text(form.time_separator, ":");
    form.no_key_field = 1;
    form.export_rename = 1;
    // A language file can make the default longer than the slot; it is cut to 20 characters.
    store_text(form.export_name, default_export_name(number, texts));

    form.input_source.fill(kInputSourceRfid);
    form.max_length_low.fill(kMaxLineLength);
    form.partial_length.fill(kPartialLength);
    form.auto_enter.fill(kAutoEnterScanEnter);

    form.auto_delete = 1;
}

}  // namespace tc
