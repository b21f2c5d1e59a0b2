#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>

#include "forms/form_record.h"
#include "texts/program_texts.h"
#include "ui/dialog.h"

namespace tc {

// What the dialogs of the Form page share: they edit the current Form's working record directly,
// take a backup of it when they open and put it back on Cancel, and take their captions from the
// language table while a language is active.
class FormDialog : public ui::Dialog {
  public:
    // A control and the language text that captions it.
    using LanguageCaption = std::pair<int, int>;

  protected:
    FormDialog(const ui::DialogTemplate& layout, FormRecord& form, const texts::ProgramTexts& texts)
        : ui::Dialog(layout), form_(form), texts_(texts) {}

    void take_backup() { backup_ = form_; }
    void restore_backup() { form_ = backup_; }

    // While a language is active: the title and the captions from the language table.
    void relabel(int title_text, std::span<const LanguageCaption> captions) {
        if (!texts_.language_active()) return;
        set_title(texts_.language_entry(title_text));
        for (const auto& [id, text_id] : captions) set_text(id, texts_.language_entry(text_id));
    }

    // Edits take a single character: a longer text is cut to its first character and rewritten
    // (which reports the change again); returns the character to store, 0 for an empty edit.
    std::optional<Byte> single_character(int id) {
        const std::string typed = text(id);
        if (typed.size() >= 2) {
            set_text(id, typed.substr(0, 1));
            return std::nullopt;
        }
        return typed.empty() ? Byte{0} : static_cast<Byte>(typed.front());
    }

    FormRecord& form_;
    const texts::ProgramTexts& texts_;

  private:
    FormRecord backup_{};
};

}  // namespace tc
