#include "ui/wx/text_conversion.h"

#include <wx/strconv.h>

#include "ui/shown_text.h"

namespace tc::ui::wx {
namespace {

const wxCSConv& cp1252() {
    static const wxCSConv conv(wxFONTENCODING_CP1252);
    return conv;
}

wxString byte_to_display(char byte) {
    const wxString converted(&byte, cp1252(), 1);
    if (!converted.empty()) return converted;
    return wxString(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
}

char char_from_display(const wxUniChar ch) {
    const wxString one(ch);
    const wxCharBuffer bytes = one.mb_str(cp1252());
    if (bytes.length() == 1) return bytes.data()[0];
    // The undefined bytes came in as the control characters of the same value.
    const auto value = ch.GetValue();
    if (value >= 0x80 && value < 0xA0) return static_cast<char>(value);
    return '?';
}

}  // namespace

wxString to_display(std::string_view cp1252_text) {
    if (cp1252_text.empty()) return {};
    const wxString whole(cp1252_text.data(), cp1252(), cp1252_text.size());
    if (!whole.empty()) return whole;
    // The converter refuses a whole text for one undefined byte; go byte by byte.
    wxString text;
    for (const char byte : cp1252_text) text += byte_to_display(byte);
    return text;
}

std::string from_display(const wxString& text) {
    if (text.empty()) return {};
    const wxCharBuffer whole = text.mb_str(cp1252());
    if (whole.length() != 0) return std::string(whole.data(), whole.length());
    std::string bytes;
    for (const wxUniChar ch : text) bytes.push_back(char_from_display(ch));
    return bytes;
}

// Windows keeps wide-character names, which the program holds as UTF-8; elsewhere the names are
// bytes, converted as the toolkit converts the names it gets from the system (on GTK: UTF-8 unless
// told otherwise, with bytes that are not valid UTF-8 kept as private characters).
const wxMBConv& file_name_conversion() {
#ifdef __WINDOWS__
    return wxConvUTF8;
#else
    return *wxConvFileName;
#endif
}

wxString file_name_to_display(std::string_view file_name) {
    if (file_name.empty()) return {};
    return wxString(file_name.data(), file_name_conversion(), file_name.size());
}

std::string file_name_from_display(const wxString& file_name) {
    if (file_name.empty()) return {};
    const wxCharBuffer bytes = file_name.mb_str(file_name_conversion());
    return std::string(bytes.data(), bytes.length());
}

wxString shown_text_to_display(std::string_view text) {
    wxString shown;
    bool file_name = false;
    for (const std::string_view part : shown_text_parts(text)) {
        shown += file_name ? file_name_to_display(part) : to_display(part);
        file_name = !file_name;
    }
    return shown;
}

}  // namespace tc::ui::wx
