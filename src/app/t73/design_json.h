#pragma once

#include <span>
#include <vector>

#include "app/t73/json_bytes.h"
#include "texts/text_slot.h"

namespace tc::t73 {

// The JSON form of a design file: every record field by name, texts kept byte for byte, reserved
// bytes as hex, the reader settings record as rows of 16 bytes keyed by their first offset, and
// the device texts by identifier. `image` holds at least a whole design file; bytes beyond it are
// not part of the design.
Json dump_design(std::span<const Byte> image);

// The design file that `json` describes, byte for byte as given: nothing is derived or mended.
// Throws FieldError naming the first field that cannot be turned into bytes.
std::vector<Byte> build_design(const Json& json);

}  // namespace tc::t73
