#include "texts/program_texts.h"

namespace tc::texts {

std::string ProgramTexts::load_program_text(int id, std::size_t size) const {
    if (size == 0) return {};
    const std::string& entry = language_entry(id);
    const std::string_view text = language_active_ && !entry.empty() ? entry : builtin_text(id);
    return std::string(text.substr(0, size - 1));
}

const std::string& ProgramTexts::language_entry(int id) const {
    static const std::string undefined;
    if (id < 0 || id >= kLanguageTableSize) return undefined;
    return language_table_[static_cast<std::size_t>(id)];
}

}  // namespace tc::texts
