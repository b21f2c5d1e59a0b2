#include "ui/wx/file_dialog_request.h"

#include "ui/wx/text_conversion.h"

namespace tc::ui::wx {

wxString file_wildcard(const FileDialogRequest& request) {
    wxString wildcard;
    for (const auto& [description, pattern] : request.filters) {
        if (!wildcard.empty()) wildcard += '|';
        wildcard += to_display(description) + '|' + to_display(pattern);
    }
    return wildcard;
}

std::string with_default_extension(std::string path, std::string_view extension) {
    if (extension.empty()) return path;
    const std::size_t name_start = path.find_last_of('/') + 1;  // npos + 1 == 0
    if (name_start == path.size()) return path;
    if (path.find('.', name_start) != std::string::npos) return path;
    path += '.';
    path += extension;
    return path;
}

}  // namespace tc::ui::wx
