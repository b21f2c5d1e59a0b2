#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

#include "ui/host.h"

namespace tc::ui::wx {

// The request's filters as a wxFileDialog wildcard: "description|pattern|description|pattern".
wxString file_wildcard(const FileDialogRequest& request);

// `path` with "." and `extension` appended when its file name has no extension of its own.
std::string with_default_extension(std::string path, std::string_view extension);

}  // namespace tc::ui::wx
