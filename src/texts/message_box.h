#pragma once

#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc::texts {

inline constexpr int kTitleError = 2601;
inline constexpr int kTitleWarning = 2602;
inline constexpr unsigned kWarningStyle = 48;  // OK button, exclamation icon

// Shows a message box made of two program texts; shows nothing and returns 0 when either text is
// empty, else returns the button that closed it.
int text_message_box(const ProgramTexts& texts, ui::Host& host, int title_id, int message_id,
                     unsigned style);

}  // namespace tc::texts
