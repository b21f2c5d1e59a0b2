#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "texts/text_slot.h"

namespace tc {

// A line's prefix or suffix holds up to 10 key codes; the code picker edits them in a buffer of
// its own that the line dialogs fill when they open and copy back on OK.
inline constexpr std::size_t kMaxLineCodes = 10;
using CodeBuffer = std::array<Byte, 32>;

template <std::size_t N>
void load_codes(const std::array<Byte, N>& slot, CodeBuffer& buffer) {
    buffer.fill(0);
    const std::size_t count = std::min(slot_text_length(slot), kMaxLineCodes);
    std::copy_n(slot.begin(), count, buffer.begin());
}

template <std::size_t N>
void store_codes(const CodeBuffer& buffer, std::array<Byte, N>& slot) {
    const std::size_t count = std::min(slot_text_length(buffer), kMaxLineCodes);
    store_text(slot,
               std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count)));
}

}  // namespace tc
