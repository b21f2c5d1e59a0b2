#include <algorithm>
#include <array>
#include <string>

#include "app/t73/html_text.h"
#include "app/t73/report_html.h"
#include "forms/form_list_items.h"

namespace tc::t73 {
namespace {

constexpr std::size_t kLinkedFields = 12;
constexpr std::size_t kLengthUnit = 160;
constexpr const char* kNone = "&#8212;";

std::string html_item(const std::vector<std::string>& items, Byte code) {
    if (code < items.size()) return html_from_cp1252(items[code]);
    return "code " + number(code);
}

std::string data_type_name(Byte code, const texts::ProgramTexts& texts) {
    switch (code) {
        case kTypeMsqi:
            return esc(form_items::kMsqi);
        case kTypeLargeData:
            return esc(form_items::kLargeData);
        case kTypeReadFrom2D:
            return esc(form_items::kReadFrom2D);
        default:
            return html_item(form_items::data_type_items(texts), code);
    }
}

const LookupRecord* form_lookup(const FormRecord& form, const DesignRecords& design) {
    if (form.lookup_file == 0 || form.lookup_file > kLookupCount) return nullptr;
    return &design.lookups[form.lookup_file - 1];
}

std::string lookup_field_name(const LookupRecord& lookup, std::size_t field) {
    const std::string name = html_from_slot(lookup.field_name[field - 1]);
    return name.empty() ? std::string() : " (&#8220;" + name + "&#8221;)";
}

// Codes 1-12, 13-24 and 25-36 name field (or variable) 1-12 in three ways.
std::string link_text(const FormRecord& form, std::size_t line, const DesignRecords& design) {
    const Byte code = form.link[line];
    if (code == 0) return "nil";
    if (code > 3 * kLinkedFields) return "code " + number(code);
    const std::size_t way = (code - 1) / kLinkedFields;
    const std::size_t n = (code - 1) % kLinkedFields + 1;
    if (const LookupRecord* lookup = form_lookup(form, design)) {
        constexpr std::array<const char*, 3> kWays{"field ", "&#8722;field ", "+field "};
        return kWays[way] + number(n) + lookup_field_name(*lookup, n) + " of Lookup " +
               number(form.lookup_file);
    }
    constexpr std::array<const char*, 3> kWays{"get v", "set v", "get &amp; set v"};
    return kWays[way] + number(n);
}

std::size_t max_length(const FormRecord& form, std::size_t line) {
    return form.max_length_high[line] * kLengthUnit + form.max_length_low[line];
}

std::string stamp_pattern(const FormRecord& form) {
    const std::string year = form.year_digits == 1 ? "YY" : "YYYY";
    std::array<std::pair<bool, std::string>, 3> parts{
        {{form.date_year != 0, year}, {form.date_month != 0, "MM"}, {form.date_day != 0, "DD"}}};
    if (form.date_style == 1) parts = {parts[1], parts[2], parts[0]};
    if (form.date_style == 2) parts = {parts[2], parts[1], parts[0]};
    auto join = [](const auto& list, Byte separator_on, const auto& separator) {
        std::string text;
        for (const auto& [on, part] : list) {
            if (!on) continue;
            if (!text.empty() && separator_on != 0) text += slot_text(separator);
            text += part;
        }
        return text;
    };
    const std::array<std::pair<bool, std::string>, 3> time{{{form.time_hour != 0, "hh"},
                                                            {form.time_minute != 0, "mm"},
                                                            {form.time_second != 0, "ss"}}};
    const std::string date_text = join(parts, form.date_separator_on, form.date_separator);
    const std::string time_text = join(time, form.time_separator_on, form.time_separator);
    return html_from_cp1252(date_text + " " + time_text) +
           (form.stamp_split != 0 ? " (date and time as two parts)" : "");
}

std::string line_notes(const FormRecord& form, std::size_t line) {
    std::vector<std::string> notes;
    const Byte type = form.data_type[line];
    if (form.fixed_length_on[line] != 0) {
        notes.push_back(
            "fixed length " +
            number(form.fixed_length_high[line] * kLengthUnit + form.fixed_length_low[line]) +
            ", " + html_item(form_items::alignment_items(), form.alignment[line]));
    }
    if (form.prefix_on[line] != 0) notes.push_back("prefix codes");
    if (form.suffix_on[line] != 0) notes.push_back("suffix codes");
    if (type == kTypeLookup) {
        notes.push_back(form.initial_on[line] != 0 ? "field data saved" : "field data not saved");
    } else if (type == kTypeImage) {
        notes.push_back(form.save_file_path[line] != 0 ? "file path saved" : "file path not saved");
    } else if (form.initial_on[line] != 0) {
        notes.push_back("initial value &#8220;" + html_from_slot(form.initial_text[line]) +
                        "&#8221;");
    }
    if (type == kTypeReal && form.decimal_places[line] != 0) {
        notes.push_back(number(form.decimal_places[line]) + " decimal places");
    }
    if (form.check_digit[line] != 0) notes.push_back("check digit");
    if (form.partial_on[line] != 0) notes.push_back("partial barcode");
    std::string text;
    for (const std::string& note : notes) text += (text.empty() ? "" : "; ") + note;
    return text;
}

// Who can hand data over to Form `index`: the Menus that save their caption or chosen item and
// lead to it, and the "pass down" Forms that go on to it.
std::string handover_sources(std::size_t index, const DesignRecords& design) {
    const Byte code = static_cast<Byte>(index + 1);
    std::string sources;
    auto add = [&](const std::string& source) {
        sources += (sources.empty() ? "" : ", ") + source;
    };
    for (std::size_t m = 0; m < kMenuCount; ++m) {
        const MenuRecord& menu = design.menus[m];
        const bool caption = menu.save_caption == 1;
        const bool item = menu.save_selected_item == 1;
        if (!(caption || item) ||
            std::ranges::find(menu.item_target, code) == menu.item_target.end()) {
            continue;
        }
        add(screen_link(static_cast<Byte>(kFormCount + 1 + m)) + " (" +
            (caption && item ? "caption and chosen item"
             : caption       ? "caption"
                             : "chosen item") +
            ")");
    }
    for (std::size_t f = 0; f < kFormCount; ++f) {
        const FormRecord& form = design.forms[f];
        if (form.record_mode == 3 && form.next_target == code) {
            add(screen_link(static_cast<Byte>(f + 1)) + " (pass down)");
        }
    }
    return sources.empty() ? std::string() : ": " + sources;
}

std::string field_description(const RecordField& field, std::size_t index,
                              const ReportInput& input) {
    const FormRecord& form = input.design.forms[index];
    const texts::ProgramTexts& texts = input.texts;
    switch (field.kind) {
        case RecordFieldKind::NoKeyField:
            return "Record key (the Form has no key field)";
        case RecordFieldKind::HandoverField:
            return "Handed-over data" + handover_sources(index, input.design);
        case RecordFieldKind::StampTop:
        case RecordFieldKind::StampBottom:
            return "Date and time stamp: " + stamp_pattern(form);
        case RecordFieldKind::Line:
            break;
    }
    const std::string prompt = html_from_slot(form.prompt[field.line]);
    return "Line " + number(field.line + 1) + ": " +
           (prompt.empty() ? data_type_name(form.data_type[field.line], texts) : prompt);
}

std::string field_note(const SavedField& saved, const FormRecord& form) {
    std::string note = saved.key ? "key" : "";
    const RecordField& field = saved.field;
    if (field.kind == RecordFieldKind::Line && form.max_length_high[field.line] != 0) {
        if (!note.empty()) note += "; ";
        note += "a &#8220;large data&#8221; line of up to " + number(max_length(form, field.line)) +
                " bytes, of which the record length counts the remainder after whole 160s";
    }
    return note;
}

void write_lines(ReportPage& page, const FormRecord& form, const SavedRecordLayout& layout,
                 const ReportInput& input) {
    std::array<std::size_t, kFormLines> record_field{};
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const RecordField& field = layout.fields[i].field;
        if (field.kind == RecordFieldKind::Line) record_field[field.line] = i + 1;
    }
    page.heading(4, {}, "Lines");
    if (std::ranges::all_of(form.data_type, [](Byte type) { return type == kTypeNil; })) {
        page.paragraph("All lines are nil.");
        return;
    }
    page.table_start({"Line", "Prompt", "Data type", "Input source", "Min", "Max", "Link",
                      "Record field", "Notes"});
    for (std::size_t line = 0; line < kFormLines; ++line) {
        const Byte type = form.data_type[line];
        if (type == kTypeNil) continue;
        page.row(
            {number(line + 1), html_from_slot(form.prompt[line]), data_type_name(type, input.texts),
             html_item(form_items::input_source_items(true), form.input_source[line]),
             number(form.min_length[line]), number(max_length(form, line)),
             link_text(form, line, input.design),
             record_field[line] != 0 ? number(record_field[line]) : kNone, line_notes(form, line)});
    }
    page.table_end();
}

void write_saved_record(ReportPage& page, std::size_t index, const SavedRecordLayout& layout,
                        const ReportInput& input) {
    const FormRecord& form = input.design.forms[index];
    page.heading(4, {}, "Saved record");
    const std::size_t stored_length = form.record_length_high * 256u + form.record_length_low;
    if (!layout.saves) {
        const bool saving_mode = form.record_mode == 0 || form.record_mode == 2;
        page.paragraph(saving_mode
                           ? std::string("This Form has no input line and saves no record.")
                           : "This Form saves no record of its own (record mode &#8220;" +
                                 html_item(form_items::record_mode_items(), form.record_mode) +
                                 "&#8221;).");
    } else {
        page.paragraph(number(layout.fields.size()) + " fields, " + number(layout.length) +
                       " bytes; the key is field " + number(layout.key_position) + ".");
        page.table_start({"#", "Field", "Offset", "Width", "Notes"}, "layout");
        for (std::size_t i = 0; i < layout.fields.size(); ++i) {
            const SavedField& saved = layout.fields[i];
            page.row({number(i + 1), field_description(saved.field, index, input),
                      number(saved.offset), number(saved.field.length), field_note(saved, form)},
                     saved.key ? "key" : "");
        }
        page.raw("</tbody><tfoot><tr><td></td><td>Record length</td><td></td><td class=\"n\">" +
                 number(layout.length) + "</td><td></td></tr></tfoot></table>\n");
    }
    if (form.field_count != layout.fields.size() || form.key_position != layout.key_position ||
        stored_length != layout.length) {
        page.paragraph("The figures that the file holds (" + number(form.field_count) +
                           " fields, " + number(stored_length) + " bytes, key position " +
                           number(form.key_position) +
                           ") differ from this layout, which follows the Form&#8217;s settings "
                           "as the file holds them. The terminal reads the stored figures; "
                           "saving the design again derives them anew.",
                       "warning");
    }
}

void write_form(ReportPage& page, std::size_t index, const std::string& reason,
                const ReportInput& input) {
    const FormRecord& form = input.design.forms[index];
    const SavedRecordLayout layout = saved_record_layout(form);
    const std::string id = "form-" + number(index + 1);
    page.heading(
        3, id,
        "Form " + number(index + 1) + " <span class=\"why\">in use: " + esc(reason) + "</span>");
    std::string lookup = "nil";
    if (form.lookup_file != 0) {
        lookup = form.lookup_file <= kLookupCount
                     ? "<a href=\"#lookup-" + number(form.lookup_file) + "\">Lookup " +
                           number(form.lookup_file) + "</a>"
                     : "code " + number(form.lookup_file);
    }
    std::string stamp = html_item(form_items::stamp_position_items(), form.stamp_position);
    if (form.stamp_position != 0) stamp += ": " + stamp_pattern(form);
    page.facts({
        {"Esc leads to", screen_link(form.esc_target)},
        {"Next leads to", screen_link(form.next_target)},
        {"Lookup file", lookup},
        {"Record mode", html_item(form_items::record_mode_items(), form.record_mode)},
        {"Key field", form.key_field == 0 ? "none" : "line " + number(form.key_field)},
        {"Date and time stamp", stamp},
        {"Export file",
         html_from_slot(form.export_name) + ".TXT" +
             (form.export_rename != 0 ? "" : " (&#8220;Change export name&#8221; off)")},
    });
    write_lines(page, form, layout, input);
    write_saved_record(page, index, layout, input);
}

}  // namespace

void write_form_sections(ReportPage& page, const ReportInput& input, const DesignUse& use) {
    page.heading(2, "forms", "Forms");
    std::string unused;
    for (std::size_t f = 0; f < kFormCount; ++f) {
        if (use.forms[f].empty()) unused += (unused.empty() ? "" : ", ") + number(f + 1);
    }
    page.paragraph(unused.empty() ? "All twenty Forms are in use."
                                  : "Forms not in use (not shown): " + unused + ".",
                   "muted");
    for (std::size_t f = 0; f < kFormCount; ++f) {
        if (!use.forms[f].empty()) write_form(page, f, use.forms[f], input);
    }
}

}  // namespace tc::t73
