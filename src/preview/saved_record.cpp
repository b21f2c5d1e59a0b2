#include "preview/saved_record.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "forms/record_fields.h"
#include "texts/text_slot.h"

namespace tc::preview {
namespace {

std::string two_digits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string join(const std::vector<std::string>& parts, Byte separator_on,
                 const std::string& separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty() && separator_on != 0) text += separator;
        text += part;
    }
    return text;
}

// A fixed-length value, cut or filled as the line's alignment says.
std::string fixed_length_value(const FormRecord& form, std::size_t line, std::string value) {
    const std::size_t length = form.fixed_length_high[line] * 160u + form.fixed_length_low[line];
    if (value.size() > length) value.resize(length);
    const Byte alignment = form.alignment[line];
    const char fill = alignment >= 2 ? '0' : ' ';
    const std::string padding(length - value.size(), fill);
    return alignment % 2 == 0 ? value + padding : padding + value;
}

std::string line_value(const FormRecord& form, std::size_t line, const std::string& value) {
    std::string text = form.prefix_on[line] != 0 ? slot_text(form.prefix[line]) : std::string();
    text += form.fixed_length_on[line] != 0 ? fixed_length_value(form, line, value) : value;
    if (form.suffix_on[line] != 0) text += slot_text(form.suffix[line]);
    return text;
}

}  // namespace

std::string stamp_text(const FormRecord& form, const std::tm& time, const std::string& delimiter) {
    const int year = time.tm_year + 1900;
    const std::string year_text = form.year_digits == 1 ? two_digits(year) : std::to_string(year);
    const std::array<std::pair<Byte, std::string>, 3> parts{
        {{form.date_year, year_text},
         {form.date_month, two_digits(time.tm_mon + 1)},
         {form.date_day, two_digits(time.tm_mday)}}};
    // The part order of "Year.Month.Day", "Month.Day.Year" and "Day.Month.Year".
    constexpr std::array<std::array<std::size_t, 3>, 3> kOrders{{{0, 1, 2}, {1, 2, 0}, {2, 1, 0}}};
    std::vector<std::string> date;
    for (const std::size_t part : kOrders[form.date_style < 3 ? form.date_style : 0]) {
        if (parts[part].first != 0) date.push_back(parts[part].second);
    }
    std::vector<std::string> clock;
    if (form.time_hour != 0) clock.push_back(two_digits(time.tm_hour));
    if (form.time_minute != 0) clock.push_back(two_digits(time.tm_min));
    if (form.time_second != 0) clock.push_back(two_digits(time.tm_sec));
    const std::string date_text =
        join(date, form.date_separator_on, slot_text(form.date_separator));
    const std::string time_text =
        join(clock, form.time_separator_on, slot_text(form.time_separator));
    return date_text + (form.stamp_split != 0 ? delimiter : std::string(" ")) + time_text;
}

std::vector<std::string> saved_record_fields(const FormRecord& form, const CollectedData& data,
                                             const std::string& delimiter) {
    std::vector<std::string> fields;
    for (const RecordField& field : tc::saved_record_fields(form)) {
        switch (field.kind) {
            case RecordFieldKind::NoKeyField: {
                char number[16];
                std::snprintf(number, sizeof number, "%08u", data.record_number % 100000000u);
                fields.emplace_back(number);
                break;
            }
            case RecordFieldKind::HandoverField:
                fields.push_back(data.handover);
                break;
            case RecordFieldKind::StampTop:
            case RecordFieldKind::StampBottom:
                fields.push_back(stamp_text(form, data.time, delimiter));
                break;
            case RecordFieldKind::Line:
                fields.push_back(line_value(form, field.line, data.lines[field.line]));
                break;
        }
    }
    return fields;
}

std::string field_delimiter(const SystemSettingsRecord& system) {
    std::string delimiter;
    if (system.data_delimiter_1 != 0) delimiter += static_cast<char>(system.data_delimiter_1);
    if (system.data_delimiter_2 != 0) delimiter += static_cast<char>(system.data_delimiter_2);
    return delimiter;
}

}  // namespace tc::preview
