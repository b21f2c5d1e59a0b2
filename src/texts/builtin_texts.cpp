#include "texts/program_texts.h"

namespace tc::texts {
// STUB: replaced by the full built-in table.
std::string_view builtin_text(int id) {
    switch (id) {
        case 2601: return "Error";
        case 2602: return "Warning";
        case 2651: return "Save current program ?";
        default: return {};
    }
}
std::size_t builtin_text_count() { return 3; }
}  // namespace tc::texts
