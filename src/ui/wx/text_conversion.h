#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

namespace tc::ui::wx {

// The model keeps texts as Windows-1252 bytes; widgets show Unicode. Every one of the 256 byte
// values survives the round trip: the five bytes that Windows-1252 leaves undefined show as the
// control characters of the same value, as Windows itself shows them.
wxString to_display(std::string_view cp1252);

// Characters that Windows-1252 cannot hold become '?'.
std::string from_display(const wxString& text);

}  // namespace tc::ui::wx
