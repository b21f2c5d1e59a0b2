#include "app/t73/windows_1252.h"

#include "texts/windows_1252.h"

namespace tc::t73 {

std::optional<unsigned char> windows_1252_byte(char32_t code_point) {
    if (code_point <= 0xFF) return static_cast<unsigned char>(code_point);
    for (unsigned byte = 0x80; byte < 0xA0; ++byte) {
        if (texts::windows_1252_character(static_cast<unsigned char>(byte)) == code_point) {
            return static_cast<unsigned char>(byte);
        }
    }
    return std::nullopt;
}

}  // namespace tc::t73
