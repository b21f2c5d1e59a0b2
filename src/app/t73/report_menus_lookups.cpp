#include <string>

#include "app/t73/html_text.h"
#include "app/t73/report_html.h"

namespace tc::t73 {
namespace {

constexpr int kFirstFieldTypeText = 1731;
constexpr int kFirstNoMatchText = 1701;
constexpr int kFirstBadFormatText = 1721;
constexpr Byte kNoMatchActions = 6;
constexpr Byte kBadFormatActions = 3;
constexpr Byte kFieldTypes = 6;
constexpr std::size_t kLengthUnit = 160;

std::string program_text(const texts::ProgramTexts& texts, int first, Byte code, Byte count) {
    if (code >= count) return "code " + number(code);
    return html_from_cp1252(texts.load_program_text(first + code));
}

std::string on_off(Byte flag) {
    return flag != 0 ? "on" : "off";
}

std::string not_in_use(const auto& reasons, std::string_view kind) {
    std::string list;
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        if (reasons[i].empty()) list += (list.empty() ? "" : ", ") + number(i + 1);
    }
    if (list.empty()) return "All " + std::string(kind) + " are in use.";
    return std::string(kind) + " not in use (not shown): " + list + ".";
}

void write_menu(ReportPage& page, std::size_t index, const std::string& reason,
                const ReportInput& input) {
    const MenuRecord& menu = input.design.menus[index];
    page.heading(
        3, "menu-" + number(index + 1),
        "Menu " + number(index + 1) + " <span class=\"why\">in use: " + esc(reason) + "</span>");
    const std::string caption = html_from_slot(menu.caption);
    page.facts({
        {"Caption", menu.caption_on != 0 ? "&#8220;" + caption + "&#8221;" : "not shown"},
        {"Esc leads to", screen_link(menu.esc_target)},
        {"Save caption", on_off(menu.save_caption)},
        {"Save selected item", on_off(menu.save_selected_item)},
    });
    page.table_start({"Item", "Name", "Leads to"});
    for (std::size_t item = 0; item < kMenuItems; ++item) {
        if (menu.item_name[item][0] == 0) continue;
        page.row({number(item + 1), html_from_slot(menu.item_name[item]),
                  screen_link(menu.item_target[item])});
    }
    page.table_end();
}

std::string record_format(const LookupRecord& lookup) {
    if (lookup.delimiter == 0) return "fixed-length fields";
    return "fields separated by " + character_code(lookup.delimiter);
}

void write_lookup(ReportPage& page, std::size_t index, const std::string& reason,
                  const ReportInput& input) {
    const LookupRecord& lookup = input.design.lookups[index];
    const texts::ProgramTexts& texts = input.texts;
    page.heading(
        3, "lookup-" + number(index + 1),
        "Lookup " + number(index + 1) + " <span class=\"why\">in use: " + esc(reason) + "</span>");
    page.facts({
        {"Export file", html_from_slot(lookup.export_name) + ".TXT"},
        {"Records", record_format(lookup)},
        {"Record length",
         number(lookup.record_length_high * 256u + lookup.record_length_low) + " bytes"},
        {"Key field", lookup.field_count == 0 ? "none" : "field " + number(lookup.key_field + 1)},
        {"Input without a match",
         program_text(texts, kFirstNoMatchText, lookup.no_match_action, kNoMatchActions)},
        {"Record of a wrong format",
         program_text(texts, kFirstBadFormatText, lookup.bad_format_action, kBadFormatActions)},
    });
    page.table_start({"Field", "Name", "Data type", "Length"});
    for (std::size_t field = 0; field < lookup.field_count && field < kLookupFields; ++field) {
        page.row({number(field + 1), html_from_slot(lookup.field_name[field]),
                  program_text(texts, kFirstFieldTypeText, lookup.field_type[field], kFieldTypes),
                  number(lookup.field_length_high[field] * kLengthUnit +
                         lookup.field_length_low[field])},
                 field == lookup.key_field ? "key" : "");
    }
    page.table_end();
}

}  // namespace

void write_menu_sections(ReportPage& page, const ReportInput& input, const DesignUse& use) {
    page.heading(2, "menus", "Menus");
    page.paragraph(not_in_use(use.menus, "Menus"), "muted");
    for (std::size_t m = 0; m < kMenuCount; ++m) {
        if (!use.menus[m].empty()) write_menu(page, m, use.menus[m], input);
    }
}

void write_lookup_sections(ReportPage& page, const ReportInput& input, const DesignUse& use) {
    page.heading(2, "lookups", "Lookups");
    page.paragraph(not_in_use(use.lookups, "Lookups"), "muted");
    for (std::size_t l = 0; l < kLookupCount; ++l) {
        if (!use.lookups[l].empty()) write_lookup(page, l, use.lookups[l], input);
    }
}

}  // namespace tc::t73
