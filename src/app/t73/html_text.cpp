#include "app/t73/html_text.h"

namespace tc::t73 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of bytes 0x80-0x9F; 0 where the code page defines no character.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t code_point(unsigned char byte) {
    if (byte == '\t') return byte;
    if (byte < 0x20 || byte == 0x7F) return kReplacement;
    if (byte >= 0x80 && byte < 0xA0) {
        const char32_t mapped = kHighControls[byte - 0x80];
        return mapped != 0 ? mapped : kReplacement;
    }
    return byte;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string utf8_from_cp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) append_utf8(out, code_point(static_cast<unsigned char>(byte)));
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
