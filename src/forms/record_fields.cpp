#include "forms/record_fields.h"

namespace tc {
namespace {

constexpr Byte kRecordSave = 0;
constexpr Byte kRecordSaveAndUpdate = 2;

constexpr Byte kStampTop = 1;
constexpr Byte kStampBottom = 2;

}  // namespace

bool saves_counted_record(const FormRecord& form) {
    return form.last_input_line > 0 &&
           (form.record_mode == kRecordSave || form.record_mode == kRecordSaveAndUpdate);
}

bool is_saved_line(const FormRecord& form, std::size_t line) {
    switch (form.data_type[line]) {
        case kTypeNil:
        case kTypePrompt:
        case kTypeCounter:
        case kTypePassDown:
        case kTypeExtension:
        case kTypePause:
            return false;
        case kTypeLookup:
            return form.initial_on[line] != 0;
        case kTypeImage:
            return form.save_file_path[line] != 0;
        default:
            return true;
    }
}

std::vector<RecordField> saved_record_fields(const FormRecord& form) {
    const bool has_key_field = form.no_key_field == 0;
    std::vector<RecordField> fields;
    if (form.no_key_field == 1) {
        fields.push_back(
            {.kind = RecordFieldKind::NoKeyField, .length = kNoKeyFieldLength, .up_to_key = true});
    }
    if (form.handover_field == 1) {
        fields.push_back({.kind = RecordFieldKind::HandoverField,
                          .length = kHandoverFieldLength,
                          .up_to_key = has_key_field});
    }
    if (form.stamp_position == kStampTop) {
        fields.push_back({.kind = RecordFieldKind::StampTop,
                          .length = kStampLength,
                          .up_to_key = has_key_field});
    }
    for (std::size_t line = 0; line < kFormLines; ++line) {
        if (!is_saved_line(form, line)) continue;
        fields.push_back({RecordFieldKind::Line, line, form.max_length_low[line],
                          has_key_field && line + 1 <= form.key_field});
    }
    if (form.stamp_position == kStampBottom) {
        fields.push_back(
            {.kind = RecordFieldKind::StampBottom, .length = kStampLength, .up_to_key = false});
    }
    return fields;
}

}  // namespace tc
