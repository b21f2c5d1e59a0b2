#include "reader/number_text.h"

#include <algorithm>

#include "lookups/number_edit.h"

namespace tc {

int number_value(std::string_view text, int minimum, int maximum) {
    return std::max(check_number(text, minimum, maximum).value, minimum);
}

std::optional<std::string> corrected_number_text(std::string_view text, int minimum, int maximum) {
    const int value = number_value(text, minimum, maximum);
    std::string shown = std::to_string(value);
    if (shown == text) return std::nullopt;
    return shown;
}

}  // namespace tc
