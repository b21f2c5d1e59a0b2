#include <algorithm>
#include <span>
#include <string>

#include "app/t73/field_layout.h"
#include "app/t73/html_text.h"
#include "app/t73/reader_field_names.h"
#include "app/t73/report_html.h"

namespace tc::t73 {
namespace {

template <typename Record>
std::span<const Byte> bytes_of(const Record& record) {
    return std::span(reinterpret_cast<const Byte*>(&record), sizeof(Record));
}

std::string byte_values(std::span<const Byte> bytes) {
    std::string text;
    for (const Byte b : bytes) text += (text.empty() ? "" : " ") + number(b);
    return text;
}

std::string quoted_text(std::span<const Byte> slot) {
    return "&#8220;" + html_from_slot(slot) + "&#8221;";
}

bool same_bytes(std::span<const Byte> a, std::span<const Byte> b) {
    return std::ranges::equal(a, b);
}

// Texts are compared up to their terminating zero: the bytes behind it mean nothing.
bool same_text(std::span<const Byte> a, std::span<const Byte> b) {
    return slot_text(a) == slot_text(b);
}

void write_reader_differences(ReportPage& page, const ReportInput& input) {
    const auto design = bytes_of(input.design.reader);
    const auto fresh = bytes_of(input.new_design.reader);
    page.heading(3, "reader", "Reader settings that differ from a new design");
    bool any = false;
    for (const ReaderField& field : kReaderFields) {
        const auto value = design.subspan(field.offset, field.width);
        const auto new_value = fresh.subspan(field.offset, field.width);
        const bool text = field.kind == ReaderFieldKind::Text;
        if (text ? same_text(value, new_value) : same_bytes(value, new_value)) continue;
        if (!any) page.table_start({"Offset", "Setting", "This design", "New design"});
        any = true;
        page.row({number(field.offset), esc(field.name),
                  text ? quoted_text(value) : byte_values(value),
                  text ? quoted_text(new_value) : byte_values(new_value)});
    }
    if (any) {
        page.table_end();
    } else {
        page.paragraph("None.");
    }
}

std::string system_value(const FieldLayout& field, std::span<const Byte> value) {
    if (field.name == "password") {
        const std::size_t length = slot_text_length(value);
        return length == 0 ? "none" : "set (not shown)";
    }
    if (field.name == "data_delimiter_1" || field.name == "data_delimiter_2") {
        return character_code(value[0]);
    }
    switch (field.kind) {
        case FieldKind::Text:
            return quoted_text(value);
        case FieldKind::Number:
            return byte_values(value);
        case FieldKind::Hex:
            break;
    }
    const auto differing = std::ranges::count_if(value, [](Byte b) { return b != 0; });
    return number(static_cast<std::size_t>(differing)) + " of " + number(value.size()) +
           " bytes not zero";
}

void write_system_differences(ReportPage& page, const ReportInput& input) {
    const auto design = bytes_of(input.design.system);
    const auto fresh = bytes_of(input.new_design.system);
    page.heading(3, "system", "System settings that differ from a new design");
    bool any = false;
    for (const FieldLayout& field : kSystemSettingsLayout.fields) {
        const auto value = design.subspan(field.offset, field.bytes());
        const auto new_value = fresh.subspan(field.offset, field.bytes());
        const bool text = field.kind == FieldKind::Text;
        if (text ? same_text(value, new_value) : same_bytes(value, new_value)) continue;
        if (!any) page.table_start({"Offset", "Setting", "This design", "New design"});
        any = true;
        page.row({number(field.offset), esc(field.name), system_value(field, value),
                  system_value(field, new_value)});
    }
    if (any) {
        page.table_end();
    } else {
        page.paragraph("None.");
    }
}

}  // namespace

void write_settings_sections(ReportPage& page, const ReportInput& input) {
    page.heading(2, "settings", "Settings");
    page.paragraph(
        "Values are the bytes of the records; a new design is what <code>t73 new</code> "
        "writes.",
        "muted");
    write_reader_differences(page, input);
    write_system_differences(page, input);
}

}  // namespace tc::t73
