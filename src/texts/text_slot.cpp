#include "texts/text_slot.h"

#include <algorithm>

namespace tc {

std::size_t slot_text_length(std::span<const Byte> slot) {
    const auto zero = std::find(slot.begin(), slot.end(), Byte{0});
    return static_cast<std::size_t>(zero - slot.begin());
}

std::string slot_text(std::span<const Byte> slot) {
    return std::string(slot.begin(),
                       slot.begin() + static_cast<std::ptrdiff_t>(slot_text_length(slot)));
}

std::size_t store_text(std::span<Byte> slot, std::string_view text) {
    if (slot.empty()) return 0;
    const std::size_t n = std::min(text.size(), slot.size() - 1);
    std::copy_n(text.begin(), n, slot.begin());
    slot[n] = 0;
    return n;
}

void remove_trailing_spaces(std::span<Byte> slot) {
    std::size_t n = slot_text_length(slot);
    while (n > 0 && slot[n - 1] == ' ') slot[--n] = 0;
}

// A text longer than `n` ends inside the slot, so position `n` lies within it.
void cut_text(std::span<Byte> slot, std::size_t n) {
    if (slot_text_length(slot) > n) slot[n] = 0;
}

void clear_slot(std::span<Byte> slot) {
    std::fill(slot.begin(), slot.end(), Byte{0});
}

}  // namespace tc
