#include "texts/message_box.h"

namespace tc::texts {
// STUB
int text_message_box(const ProgramTexts& texts, ui::Host& host, int title_id, int message_id,
                     unsigned style) {
    const std::string title = texts.load_program_text(title_id);
    const std::string message = texts.load_program_text(message_id);
    if (title.empty() || message.empty()) return 0;
    return host.message_box(message, title, style);
}
}  // namespace tc::texts
