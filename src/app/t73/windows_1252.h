#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tc::t73 {

// The UTF-8 form of Windows-1252 bytes, losing none: 0x80 is "€", and the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string utf8_from_windows_1252(std::string_view bytes);

// The Windows-1252 byte of a code point, or nothing when the code page has none. U+0080-U+009F
// give the byte of the same number, so that texts written as those control characters still read.
std::optional<unsigned char> windows_1252_byte(char32_t code_point);

}  // namespace tc::t73
