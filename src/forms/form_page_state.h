#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "forms/form_record.h"
#include "reader/reader_settings_record.h"
#include "texts/program_texts.h"

namespace tc {

// The Form page shows lines 1-12 of a Form, one grid row each; lines 13-15 are never shown.
inline constexpr std::size_t kShownLines = 12;

// The longest line the terminal takes, and the longest "large data" line (12 x 160 + 128).
inline constexpr int kMaxLineLength = 160;
inline constexpr int kMaxLargeDataLength = 2048;

// The page's "Show input mark" state of each shown line of each Form.
using InputMarkStates = std::array<std::array<bool, kShownLines>, kFormCount>;

// What a line's property dialog edits: the current line of the current Form's working record and
// the line's "Show input mark" state, with the numbers it shows.
struct LineDialogContext {
    FormRecord& form;
    std::size_t line;  // 0-11
    bool& show_input_mark;
    std::string form_number;  // "1" to "20"
    std::string line_number;  // "1" to "12"
    const texts::ProgramTexts& texts;
};

// The Form designer offers "large data" and "read from 2D" only with the 2D reader.
inline bool has_2d_reader(const ReaderSettingsRecord& reader_working) {
    return reader_working[reader::kReaderTypeBits] == reader::kType2D;
}

// A line's total length from its two length bytes (high x 160 + low).
inline int split_length(Byte high, Byte low) {
    return high * kMaxLineLength + low;
}

// Stores a length as the two bytes: below 161 as high 0 and low = length.
inline void store_split_length(int length, Byte& high, Byte& low) {
    high = static_cast<Byte>(length <= kMaxLineLength ? 0 : length / kMaxLineLength);
    low = static_cast<Byte>(length <= kMaxLineLength ? length : length % kMaxLineLength);
}

// A caption text: while a language is active the language table's entry as it stands, else the
// program text.
inline std::string caption_text(const texts::ProgramTexts& texts, int id) {
    return texts.language_active() ? texts.language_entry(id) : texts.load_program_text(id);
}

}  // namespace tc
