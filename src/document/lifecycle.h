#pragma once

#include <string>

#include "document/design_document.h"
#include "document/design_file.h"

namespace tc {

inline constexpr int kTextProgramTitle = 0;
inline constexpr int kTextSavePrompt = 2651;
inline constexpr int kTextDesignFilter = 21;
inline constexpr int kTextAllFilter = 22;
inline constexpr int kTextDesignPattern = 26;
inline constexpr int kTextAllPattern = 27;

// Asks "Save current program ?" with Yes, No and Cancel; on Yes saves. Returns the button
// pressed, but Cancel when Yes was pressed and the design could not be written, so that the
// caller does not give up a design that was not saved.
int save_prompt(DesignDocument& doc, FileContext& context);

// Saves to the current file name, or asks for one with Save As when there is none. A save that
// fails shows an "Error" message naming the file and the reason.
bool save_or_save_as(DesignDocument& doc, FileContext& context);

// Asks for a file name; a chosen one becomes the current file name and the design is saved there,
// with the same message when that fails.
bool save_as(DesignDocument& doc, FileContext& context);

// Asks for a design file and opens it. The current file name becomes the chosen path only when
// the file was opened; a cancelled dialog or a failed open leaves the previous name.
bool open_dialog(DesignDocument& doc, FileContext& context);

}  // namespace tc
