#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tc::texts {

// The character of a Windows-1252 byte (an undefined byte stands for the control character of
// the same value).
char32_t windows_1252_character(unsigned char byte);

// Windows-1252 text as UTF-8. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same value, as Windows converts them.
std::string utf8_from_windows_1252(std::string_view text);

// UTF-8 text as Windows-1252; nothing when it is not valid UTF-8 or holds a character that
// Windows-1252 has no byte for.
std::optional<std::string> windows_1252_from_utf8(std::string_view text);

}  // namespace tc::texts
