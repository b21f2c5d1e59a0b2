#include "preview/png_image.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tc::preview {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> kTable = [] {
        std::array<std::uint32_t, 256> table{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) crc = kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void put_u32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

void put_chunk(Bytes& out, std::string_view type, const Bytes& data) {
    put_u32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    put_u32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks (at most 65,535 bytes each).
Bytes zlib_stored(const Bytes& data) {
    constexpr std::size_t kBlock = 65535;
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(kBlock, data.size() - at);
        const bool last = at + size == data.size();
        out.push_back(last ? 1 : 0);
        out.push_back(size & 0xFF);
        out.push_back((size >> 8) & 0xFF);
        out.push_back(~size & 0xFF);
        out.push_back((~size >> 8) & 0xFF);
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    } while (at < data.size());
    put_u32(out, adler32(data));
    return out;
}

}  // namespace

std::vector<std::uint8_t> png_file(int width, int height, const std::vector<std::uint8_t>& rgb) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put_u32(header, static_cast<std::uint32_t>(width));
    put_u32(header, static_cast<std::uint32_t>(height));
    // 8 bits a channel, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    put_chunk(out, "IHDR", header);
    // Every row starts with its filter type, 0 (none).
    Bytes rows;
    const auto row_bytes = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        const auto start = rgb.begin() + static_cast<std::ptrdiff_t>(y * row_bytes);
        rows.insert(rows.end(), start, start + static_cast<std::ptrdiff_t>(row_bytes));
    }
    put_chunk(out, "IDAT", zlib_stored(rows));
    put_chunk(out, "IEND", {});
    return out;
}

}  // namespace tc::preview
