#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tc {

// What a numeric edit of the designer pages makes of its text: input is corrected rather than
// refused. Text that is not a number gives `empty_value`, a value above `maximum` gives
// `maximum`, and leading zeros are dropped; in each of these cases the edit must show the value.
struct CheckedNumber {
    bool number = false;  // the text was a number (digits only, not empty)
    int value = 0;
    std::optional<std::string> shown;  // the edit's new text when it must change
};

CheckedNumber check_number(std::string_view text, int empty_value, int maximum);

}  // namespace tc
