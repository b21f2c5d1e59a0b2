#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tc {

using Byte = std::uint8_t;

// A zero-terminated single-byte (Windows-1252) text in a fixed-size slot. A slot of n bytes holds
// at most n - 1 characters.

// The text before the first zero byte (the whole slot when it has none).
std::string slot_text(std::span<const Byte> slot);

// Number of characters before the first zero byte.
std::size_t slot_text_length(std::span<const Byte> slot);

// Stores at most slot.size() - 1 characters of `text` and one terminating zero; the bytes behind
// that zero keep what they held. Returns the number of characters stored.
std::size_t store_text(std::span<Byte> slot, std::string_view text);

// Turns each trailing space of the text into a zero byte.
void remove_trailing_spaces(std::span<Byte> slot);

// Cuts the text to at most n characters by putting a zero at offset n.
void cut_text(std::span<Byte> slot, std::size_t n);

// Fills the whole slot with zero bytes.
void clear_slot(std::span<Byte> slot);

}  // namespace tc
