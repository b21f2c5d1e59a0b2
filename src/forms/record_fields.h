#pragma once

#include <cstddef>
#include <vector>

#include "forms/form_record.h"

namespace tc {

// What stands in one field of the record that a Form saves.
enum class RecordFieldKind {
    NoKeyField,     // 8 bytes that take the key's place when the Form has no key field
    HandoverField,  // 160 bytes of data handed over by a Menu or a "pass down" Form
    StampTop,       // the 20-byte date and time stamp at the top
    Line,           // the input of a Form line
    StampBottom,    // the 20-byte date and time stamp at the bottom
};

inline constexpr unsigned kNoKeyFieldLength = 8;
inline constexpr unsigned kHandoverFieldLength = 160;
inline constexpr unsigned kStampLength = 20;

struct RecordField {
    RecordFieldKind kind;
    std::size_t line = 0;  // 0-14 for a Line field
    unsigned length;       // bytes the field adds to the record length
    bool up_to_key;        // counted in the key position
};

// Whether `form` saves a record whose figures are counted: record mode "save" or "save & update"
// and at least one input line.
bool saves_counted_record(const FormRecord& form);

// Whether line `line` (0-14) of `form` has a field in the saved record: every line but "nil",
// "prompt", "counter", "pass down", "extension" and "pause", a "lookup" line only with "Save
// field data" on and an "image" line only with "Save file path" on.
bool is_saved_line(const FormRecord& form, std::size_t line);

// The fields of the record that `form` saves, in their order in the record, as the record figures
// count them from the Form's flags as they stand. A line counts only the low byte of its maximum
// length (not the multiples of 160 of a "large data" line). Whether the Form saves a record at
// all (saves_counted_record) is not looked at here.
std::vector<RecordField> saved_record_fields(const FormRecord& form);

}  // namespace tc
