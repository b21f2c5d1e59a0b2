#pragma once

#include <optional>

namespace tc::t73 {

// The Windows-1252 byte of a code point, or nothing when the code page has none. U+0080-U+009F
// give the byte of the same number, so that texts written as those control characters still read.
std::optional<unsigned char> windows_1252_byte(char32_t code_point);

}  // namespace tc::t73
