#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/t73/design_check.h"
#include "app/t73/tool_session.h"
#include "forms/record_fields.h"
#include "texts/program_texts.h"

namespace tc::t73 {

// One field of the record that a Form saves, placed in the record.
struct SavedField {
    RecordField field;
    std::size_t offset;  // from the start of the record, in bytes
    bool key;            // the field at the key position
};

// The record that a Form saves, field by field, from the same field rules as the record figures
// that are derived before saving; `saves` is false for a Form whose figures stay 0 (record mode
// "update lookup" or "pass down", or no input line), and its fields are then empty.
struct SavedRecordLayout {
    bool saves = false;
    std::vector<SavedField> fields;
    unsigned length = 0;
    unsigned key_position = 0;  // 1-based, 0 when no field is counted in it
};

SavedRecordLayout saved_record_layout(const FormRecord& form);

// The report page's inputs: the design as its file holds it, the same records of a new design
// for comparison, the `check` findings and the texts that name list items.
struct ReportInput {
    std::string file_name;
    const DesignRecords& design;
    const DesignRecords& new_design;
    std::vector<std::string> findings;
    const texts::ProgramTexts& texts;
};

// The `check` problems as the report lists them: "path: problem".
std::vector<std::string> report_findings(const DesignRecords& design,
                                         std::span<const Byte> image = {});

// One self-contained HTML page (UTF-8, inline style, no scripts or outside resources) for the
// people who process the data the terminal collects: the Forms in use with their lines and the
// layout of their saved records, the Menus and Lookups in use, the settings that differ from a
// new design and the broken rules.
std::string design_report_html(const ReportInput& input);

}  // namespace tc::t73
