#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tc {

// What a length edit of the Form designer makes of its text. Input is corrected rather than
// refused: text that is not a number counts as 0, a value above the limit becomes the limit and a
// text of two or more characters starting with "0" becomes the plain number; in the last two cases
// (and for text that is not a number when `show_zero` is set) the edit must be rewritten.
struct LengthInput {
    int value = 0;
    std::optional<std::string> rewrite;
};

LengthInput read_length(std::string_view text, int limit, bool show_zero = false);

// A text's numeric value as read_length reads it, without a limit (0 when it is not a number).
int length_value(std::string_view text);

}  // namespace tc
