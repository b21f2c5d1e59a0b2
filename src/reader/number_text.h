#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tc {

// The numeric edits of the Barcode page and the reader dialogs.

// The number an edit's text stands for: a text that is not a number gives `minimum`, and the value
// is kept within minimum..maximum.
int number_value(std::string_view text, int minimum, int maximum);

// The text an edit must show instead of `text`, corrected as typing is corrected: a text that is
// not a number or is below the minimum becomes the minimum, one above the maximum the maximum,
// and leading zeros are dropped. Nothing when the text stands.
std::optional<std::string> corrected_number_text(std::string_view text, int minimum, int maximum);

}  // namespace tc
