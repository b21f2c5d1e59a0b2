#include "forms/stamp_patterns.h"

#include <array>

namespace tc {
namespace {

enum class DatePart { Year, Month, Day };

constexpr std::array<std::array<DatePart, 3>, 3> kDateStyles{{
    {DatePart::Year, DatePart::Month, DatePart::Day},
    {DatePart::Month, DatePart::Day, DatePart::Year},
    {DatePart::Day, DatePart::Month, DatePart::Year},
}};

}  // namespace

std::string date_pattern(const FormRecord& form) {
    const std::string separator = slot_text(form.date_separator);
    const auto& parts = kDateStyles[form.date_style < kDateStyles.size() ? form.date_style : 0];
    std::string pattern;
    bool part_shown = false;
    for (const DatePart part : parts) {
        std::string shown;
        if (part == DatePart::Year && form.date_year != 0) {
            shown = form.year_digits == 1 ? "YY" : "YYYY";
        } else if (part == DatePart::Month && form.date_month != 0) {
            shown = "MM";
        } else if (part == DatePart::Day && form.date_day != 0) {
            shown = "DD";
        }
        if (shown.empty()) continue;
        if (part_shown && form.date_separator_on != 0) pattern += separator;
        pattern += shown;
        part_shown = true;
    }
    return pattern;
}

std::string time_pattern(const FormRecord& form) {
    const std::string separator = form.time_separator_on != 0 ? slot_text(form.time_separator) : "";
    std::string pattern;
    if (form.time_hour != 0) pattern += "HH";
    if (form.time_minute != 0) {
        if (form.time_hour != 0) pattern += separator;
        pattern += "MM";
    }
    if (form.time_second != 0) {
        if (form.time_hour != 0 || form.time_minute != 0) pattern += separator;
        pattern += "SS";
    }
    return pattern;
}

}  // namespace tc
