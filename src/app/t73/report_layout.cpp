#include "app/t73/design_report.h"

namespace tc::t73 {

SavedRecordLayout saved_record_layout(const FormRecord& form) {
    SavedRecordLayout layout;
    if (!saves_counted_record(form)) return layout;
    layout.saves = true;
    for (const RecordField& field : saved_record_fields(form)) {
        layout.fields.push_back({field, layout.length, false});
        layout.length += field.length;
        if (field.up_to_key) ++layout.key_position;
    }
    if (layout.key_position > 0 && layout.key_position <= layout.fields.size()) {
        layout.fields[layout.key_position - 1].key = true;
    }
    return layout;
}

}  // namespace tc::t73
