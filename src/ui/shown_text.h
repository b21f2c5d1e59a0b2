#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tc::ui {

// Texts shown to the user (messages, menu items, captions) are Windows-1252 bytes, as every
// program text is. A file name in such a text keeps the file system's own bytes instead, since no
// single-byte code page holds every name: it stands between two zero bytes, which neither a
// program text nor a file name contains, and the host converts it as a file name.
std::string shown_file_name(std::string_view file_name);

// The parts of a shown text in order: Windows-1252 text, then a file name, then text again, ...
std::vector<std::string_view> shown_text_parts(std::string_view text);

}  // namespace tc::ui
