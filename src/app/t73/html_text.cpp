#include "app/t73/html_text.h"

#include "texts/windows_1252.h"

namespace tc::t73 {

std::string utf8_from_cp1252(std::string_view bytes) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char32_t c = texts::windows_1252_character(static_cast<unsigned char>(bytes[at]));
        const bool control = c != '\t' && (c < 0x20 || (c >= 0x7F && c < 0xA0));
        out += control ? std::string(kReplacement)
                       : texts::utf8_from_windows_1252(bytes.substr(at, 1));
    }
    return out;
}

std::string escape_html(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string html_from_cp1252(std::string_view bytes) {
    return escape_html(utf8_from_cp1252(bytes));
}

std::string html_from_slot(std::span<const Byte> slot) {
    return html_from_cp1252(slot_text(slot));
}

}  // namespace tc::t73
