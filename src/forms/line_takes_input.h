#pragma once

#include <cstddef>

#include "forms/form_record.h"

namespace tc {

// Whether the terminal stops at a line for input, which makes it count for `last_input_line`:
// every type that reads a value except "lookup", which shows one; "image" only with "Edit file
// path".
bool takes_input(const FormRecord& form, std::size_t line);

}  // namespace tc
