#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/t73/field_layout.h"

namespace tc::t73 {

// The names the JSON form of a design gives to the values of an enumerated field, by value; a
// value without a name is written as its number. Nothing for a field that is not enumerated.
const std::vector<std::string>* value_names(const RecordLayout& layout, std::string_view field);

// A length that the record keeps in two bytes, low + high x `base`, and the JSON form as one
// number under `name`.
struct SplitLength {
    std::string_view name;
    std::string_view low;
    std::string_view high;
    unsigned base;
};

std::span<const SplitLength> split_lengths(const RecordLayout& layout);

// The split length that `field` is a byte of, or nothing.
const SplitLength* split_of(const RecordLayout& layout, std::string_view field);

// The field of `layout` named `name`, which must be one of its fields.
const FieldLayout& layout_field(const RecordLayout& layout, std::string_view name);

// The two bytes the program stores for `length`: lengths of up to 160 have high 0 where the base
// is 160; false when the bytes the program would store are not `low` and `high`, so that the
// one number would not give back the same bytes.
bool joins_losslessly(const SplitLength& split, unsigned low, unsigned high);
void store_split(const SplitLength& split, unsigned length, unsigned& low, unsigned& high);

}  // namespace tc::t73
