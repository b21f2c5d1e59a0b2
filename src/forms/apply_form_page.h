#pragma once

#include <span>

#include "document/design_document.h"
#include "forms/form_page_state.h"

namespace tc {

// Clears, in the Form page's working copies, the properties that lines 1-12 cannot have with their
// data type (and the lines' "Show input mark" states with them).
void clear_foreign_properties(std::span<FormRecord, kFormCount> working, InputMarkStates& marks);

// Brings every Form of the design document into a consistent state: Lookup lengths copied in,
// derived Form fields computed, export names tidied, every line's lengths clipped and the
// properties its data type fixes set.
void normalise_forms(DesignDocument& document);

// What confirming the Form page does: clear_foreign_properties, copy the working records into the
// document, normalise_forms, and mark the document modified.
void apply_form_page(DesignDocument& document, std::span<FormRecord, kFormCount> working,
                     InputMarkStates& marks);

}  // namespace tc
