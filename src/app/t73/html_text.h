#pragma once

#include <span>
#include <string>
#include <string_view>

#include "texts/text_slot.h"

namespace tc::t73 {

// The UTF-8 form of Windows-1252 text. The five bytes that code page leaves undefined and the
// control characters other than tab become U+FFFD, so that the page holds only printable text.
std::string utf8_from_cp1252(std::string_view bytes);

// UTF-8 text made safe as HTML element content or a quoted attribute value.
std::string escape_html(std::string_view utf8);

// A Windows-1252 text as HTML: converted, then escaped.
std::string html_from_cp1252(std::string_view bytes);

// The text of a zero-terminated slot as HTML.
std::string html_from_slot(std::span<const Byte> slot);

}  // namespace tc::t73
