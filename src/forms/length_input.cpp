#include "forms/length_input.h"

#include <algorithm>
#include <limits>

namespace tc {
namespace {

// Values stop growing here, above every limit, so that a long run of digits cannot overflow.
constexpr int kValueCeiling = (std::numeric_limits<int>::max() - 9) / 10;

bool is_number(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

int length_value(std::string_view text) {
    if (!is_number(text)) return 0;
    int value = 0;
    for (const char c : text) value = std::min(value * 10 + (c - '0'), kValueCeiling);
    return value;
}

LengthInput read_length(std::string_view text, int limit, bool show_zero) {
    LengthInput input;
    if (!is_number(text)) {
        if (show_zero) input.rewrite = "0";
        return input;
    }
    input.value = length_value(text);
    if (input.value > limit) {
        input.value = limit;
        input.rewrite = std::to_string(limit);
    } else if (text.size() >= 2 && text.front() == '0') {
        input.rewrite = std::to_string(input.value);
    }
    return input;
}

}  // namespace tc
