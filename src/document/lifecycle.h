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

// Asks "Save current program ?" with Yes, No and Cancel; on Yes saves (the result is not looked
// at). Returns the button pressed.
int save_prompt(DesignDocument& doc, FileContext& context);

// Saves to the current file name, or asks for one with Save As when there is none.
bool save_or_save_as(DesignDocument& doc, FileContext& context);

// Asks for a file name; a chosen one becomes the current file name and the design is saved there.
bool save_as(DesignDocument& doc, FileContext& context);

// Asks for a design file and opens it. The current file name becomes the chosen path only when
// the file was opened; a cancelled dialog or a failed open leaves the previous name.
bool open_dialog(DesignDocument& doc, FileContext& context);

}  // namespace tc
