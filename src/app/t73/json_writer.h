#pragma once

#include <ostream>

#include "app/t73/json_bytes.h"

namespace tc::t73 {

// Writes `value` indented, one member per line, with arrays of plain values (numbers, strings)
// kept on one line so that a Form's per-line arrays read as rows.
void write_json(std::ostream& out, const Json& value);

}  // namespace tc::t73
