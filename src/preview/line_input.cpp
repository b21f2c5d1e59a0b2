#include "preview/line_input.h"

#include "forms/form_page_state.h"
#include "forms/line_takes_input.h"
#include "texts/text_slot.h"

namespace tc::preview {
namespace {

constexpr Byte kSourceReader = 0;
constexpr Byte kSourceKeypad = 1;
constexpr Byte kSourceRfid = 2;
constexpr std::string_view kBooleanValues = "10TFtfYNyn";

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_letter(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (b >= 0xC0 && b != 0xD7 && b != 0xF7);
}

// Whether `c` may follow `value` in a number with an optional sign and at most one point.
bool number_character(const std::string& value, char c, bool sign, Byte decimals) {
    if (is_digit(c)) {
        const std::size_t point = value.find('.');
        return decimals == 0 || point == std::string::npos || value.size() - point <= decimals;
    }
    if (c == '.') return value.find('.') == std::string::npos;
    return sign && (c == '+' || c == '-') && value.empty();
}

bool fits_type(const FormRecord& form, std::size_t line, const std::string& value, char c) {
    switch (form.data_type[line]) {
        case kTypeInteger:
            return is_digit(c);
        case kTypeReal:
            return number_character(value, c, false, form.decimal_places[line]);
        case kTypeAuto:
            return number_character(value, c, true, 0);
        case kTypeLetter:
            return is_letter(c);
        case kTypeAlphameric:
            return is_letter(c) || is_digit(c);
        case kTypeBoolean:
            return kBooleanValues.find(c) != std::string_view::npos;
        default:
            return static_cast<unsigned char>(c) >= ' ';
    }
}

}  // namespace

bool is_entry_line(const FormRecord& form, std::size_t line) {
    return takes_input(form, line) || form.data_type[line] == kTypeLookup;
}

bool takes_keys(const FormRecord& form, std::size_t line) {
    const Byte source = form.input_source[line];
    return source != kSourceReader && source != kSourceRfid;
}

bool takes_scan(const FormRecord& form, std::size_t line) {
    return form.input_source[line] != kSourceKeypad && form.data_type[line] != kTypePause;
}

std::size_t max_length(const FormRecord& form, std::size_t line) {
    return static_cast<std::size_t>(
        split_length(form.max_length_high[line], form.max_length_low[line]));
}

int refuse_character(const FormRecord& form, std::size_t line, const std::string& value, char c) {
    if (value.size() >= max_length(form, line)) return kDataTooLong;
    return fits_type(form, line, value, c) ? 0 : kWrongDataType;
}

int refuse_value(const FormRecord& form, std::size_t line, const std::string& value) {
    std::string typed;
    for (const char c : value) {
        if (const int refusal = refuse_character(form, line, typed, c)) return refusal;
        typed += c;
    }
    if (value.size() < form.min_length[line]) return kDataTooShort;
    if (form.leading_code_on[line] != 0 && !value.starts_with(slot_text(form.leading_code[line]))) {
        return kWrongLeadingCode;
    }
    return 0;
}

std::string scanned_part(const FormRecord& form, std::size_t line, std::string_view data) {
    if (form.partial_on[line] == 0) return std::string(data);
    // The start position counts from 1.
    const auto first = static_cast<std::size_t>(
        split_length(form.partial_start_high[line], form.partial_start_low[line]));
    const std::size_t start = first == 0 ? 0 : first - 1;
    if (start >= data.size()) return {};
    return std::string(data.substr(start, form.partial_length[line]));
}

}  // namespace tc::preview
