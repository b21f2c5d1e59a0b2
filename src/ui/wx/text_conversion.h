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

// A file name as the program keeps it (platform/platform.h: the file system's own bytes, UTF-8 on
// Windows) as the user sees it, and a name from a file dialog back as the program keeps it. The
// round trip keeps every name, also one whose bytes are not valid in the system's encoding.
wxString file_name_to_display(std::string_view file_name);
std::string file_name_from_display(const wxString& file_name);

// A text shown to the user (ui/shown_text.h): its Windows-1252 parts and its file names, each
// converted as what it is.
wxString shown_text_to_display(std::string_view text);

}  // namespace tc::ui::wx
