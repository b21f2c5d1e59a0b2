#include "texts/windows_1252.h"

#include <array>

namespace tc::texts {
namespace {

// The characters of bytes 0x80-0x9F; the other bytes stand for the character of their own value.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<unsigned char> byte_of(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character < 0x100)) {
        return static_cast<unsigned char>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
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

// The next code point of UTF-8 `text` from `at`, moving `at` behind it; nothing when the bytes
// there are not a whole, shortest encoding of one. Its only caller wants Windows-1252 characters.
std::optional<char32_t> next_utf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size()) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    // Code points beyond U+10FFFF and surrogates pass: no Windows-1252 byte stands for them.
    if (c < kSmallest[length]) return std::nullopt;
    at += length;
    return c;
}

}  // namespace

char32_t windows_1252_character(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::string utf8_from_windows_1252(std::string_view text) {
    std::string utf8;
    for (const char byte : text)
        append_utf8(utf8, windows_1252_character(static_cast<unsigned char>(byte)));
    return utf8;
}

std::optional<std::string> windows_1252_from_utf8(std::string_view text) {
    std::string bytes;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> c = next_utf8(text, at);
        if (!c) return std::nullopt;
        const std::optional<unsigned char> byte = byte_of(*c);
        if (!byte) return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

}  // namespace tc::texts
