#include "lookups/number_edit.h"

#include <algorithm>

namespace tc {

CheckedNumber check_number(std::string_view text, int empty_value, int maximum) {
    CheckedNumber checked;
    checked.number = !text.empty() && std::all_of(text.begin(), text.end(),
                                                  [](char c) { return c >= '0' && c <= '9'; });
    if (!checked.number) {
        checked.value = empty_value;
    } else {
        // Held at the maximum while the digits are read, so that a long run of them cannot
        // overflow.
        for (const char c : text) {
            checked.value = std::min(checked.value * 10 + (c - '0'), maximum);
        }
    }
    std::string plain = std::to_string(checked.value);
    if (plain != text) checked.shown = std::move(plain);
    return checked;
}

}  // namespace tc
