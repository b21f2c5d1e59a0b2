#pragma once

#include <cstdint>
#include <vector>

namespace tc::preview {

// A PNG file of an RGB image, 8 bits a channel, rows top to bottom, no padding. The image data
// is stored uncompressed (deflate's stored blocks): the pictures are small.
std::vector<std::uint8_t> png_file(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace tc::preview
