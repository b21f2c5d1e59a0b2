#include "texts/message_box.h"

#include <string>

namespace tc::texts {

int text_message_box(const ProgramTexts& texts, ui::Host& host, int title_id, int message_id,
                     unsigned style) {
    const std::string title = texts.load_program_text(title_id, kTextBufferSize);
    const std::string message = texts.load_program_text(message_id, kTextBufferSize);
    if (title.empty() || message.empty()) return 0;
    return host.message_box(message, title, style);
}

}  // namespace tc::texts
