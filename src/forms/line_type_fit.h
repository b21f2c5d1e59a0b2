#pragma once

#include <cstddef>

#include "forms/form_record.h"

namespace tc {

// Keeps in a line only the values its data type may hold: high length bytes only on "large data"
// (elsewhere the lengths are clipped to 160), a fixed length within 160 (255 on "image", 2048 on
// "large data"), a partial start within 160 except on "large data" and "read from 2D", and the
// file path flags only on "image".
void fit_line_to_type(FormRecord& form, std::size_t line);

// As fit_line_to_type, for a line whose data type was just changed: the initial value is also
// kept only as far as the new type takes it (the Properties dialog's limit and characters).
void fit_changed_line(FormRecord& form, std::size_t line);

}  // namespace tc
