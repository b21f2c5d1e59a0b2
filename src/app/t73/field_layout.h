#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tc::t73 {

// How the bytes of a field are shown in the JSON form of a design.
enum class FieldKind {
    Number,  // one byte per entry, 0-255
    Text,    // a zero-terminated single-byte text in a slot of `size` bytes per entry
    Hex,     // bytes with no meaning to this program, kept as they are
};

// One named field of a record: `count` entries of `size` bytes from `offset`. A count above 1 is a
// per-line (per-item, per-field) array.
struct FieldLayout {
    std::string_view name;
    std::size_t offset;
    std::size_t size;
    std::size_t count;
    FieldKind kind;

    constexpr std::size_t bytes() const { return size * count; }
};

// A record made of named fields that follow each other without gaps.
struct RecordLayout {
    std::string_view name;
    std::size_t size;
    std::span<const FieldLayout> fields;
};

extern const RecordLayout kFormLayout;
extern const RecordLayout kMenuLayout;
extern const RecordLayout kLookupLayout;
extern const RecordLayout kSystemSettingsLayout;

}  // namespace tc::t73
