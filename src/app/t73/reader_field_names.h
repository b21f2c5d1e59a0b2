#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tc::t73 {

enum class ReaderFieldKind {
    Bytes,  // one number per byte
    Text,   // a zero-terminated text
};

// One field of the reader settings record, as the report names it.
struct ReaderField {
    std::size_t offset;
    std::size_t width;
    std::string_view name;
    ReaderFieldKind kind;
};

extern const std::array<ReaderField, 320> kReaderFields;

}  // namespace tc::t73
