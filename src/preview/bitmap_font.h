#pragma once

#include <array>
#include <cstdint>

namespace tc::preview {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// A character of the small bitmap font: one byte a row, the leftmost pixel in bit 4.
using Glyph = std::array<std::uint8_t, kGlyphHeight>;

// The glyph of a Windows-1252 character; accented letters lose their accent, characters the font
// lacks show as '?'.
const Glyph& glyph(char c);

}  // namespace tc::preview
