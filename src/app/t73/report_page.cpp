#include <string>

#include "app/t73/application_map_svg.h"
#include "app/t73/html_text.h"
#include "app/t73/report_html.h"

namespace tc::t73 {
namespace {

constexpr std::string_view kStyle = R"(
body { font: 14px/1.45 "DejaVu Sans", Arial, sans-serif; color: #1d2329; margin: 0;
       background: #f3f5f7; }
main { max-width: 1100px; margin: 0 auto; padding: 24px 32px 48px; background: #fff; }
h1 { font-size: 24px; margin: 0 0 4px; }
h2 { font-size: 19px; margin: 32px 0 8px; padding-bottom: 4px; border-bottom: 2px solid #2f6f9f; }
h3 { font-size: 17px; margin: 26px 0 6px; }
h4 { font-size: 14px; margin: 14px 0 4px; color: #2f6f9f; }
.why { font-size: 13px; font-weight: normal; color: #5b6670; }
.muted { color: #5b6670; }
.warning { background: #fff4d6; border-left: 4px solid #d89b00; padding: 6px 10px; }
nav { font-size: 13px; margin: 8px 0 16px; }
nav a { margin-right: 10px; }
dl.facts { display: grid; grid-template-columns: max-content auto; gap: 2px 16px; margin: 8px 0; }
dl.facts dt { color: #5b6670; }
dl.facts dd { margin: 0; }
table { border-collapse: collapse; margin: 6px 0 12px; font-size: 13px; }
th, td { border: 1px solid #c9d1d8; padding: 3px 8px; text-align: left; vertical-align: top; }
th { background: #e7eef4; }
td.n { text-align: right; font-variant-numeric: tabular-nums; }
tr.key td { background: #e6f4e6; font-weight: bold; }
tfoot td { background: #f3f5f7; font-weight: bold; }
code { font-family: "DejaVu Sans Mono", monospace; font-size: 12px; }
ul.findings li { margin: 2px 0; }
)";

}  // namespace

std::string esc(std::string_view utf8) {
    return escape_html(utf8);
}

std::string number(std::size_t value) {
    return std::to_string(value);
}

std::string character_code(Byte code) {
    const std::string value = std::to_string(code);
    switch (code) {
        case 0:
            return "none";
        case 9:
            return value + " (tab)";
        case 13:
            return value + " (carriage return)";
        case ' ':
            return value + " (space)";
        default:
            break;
    }
    if (code < 0x20 || code == 0x7F) return value + " (control character)";
    const std::string character(1, static_cast<char>(code));
    return value + " (&#8216;" + html_from_cp1252(character) + "&#8217;)";
}

std::string screen_link(Byte code) {
    const std::string name = esc(screen_name(code));
    if (code >= 1 && code <= kFormCount) {
        return "<a href=\"#form-" + number(code) + "\">" + name + "</a>";
    }
    if (code > kFormCount && code <= kFormCount + kMenuCount) {
        return "<a href=\"#menu-" + number(code - kFormCount) + "\">" + name + "</a>";
    }
    return name;
}

void ReportPage::heading(int level, std::string_view id, std::string_view html) {
    const std::string tag = "h" + std::to_string(level);
    html_ += "<" + tag;
    if (!id.empty()) html_ += " id=\"" + std::string(id) + "\"";
    html_ += ">" + std::string(html) + "</" + tag + ">\n";
}

void ReportPage::paragraph(std::string_view html, std::string_view css_class) {
    html_ += css_class.empty() ? "<p>" : "<p class=\"" + std::string(css_class) + "\">";
    html_ += std::string(html) + "</p>\n";
}

void ReportPage::facts(const std::vector<std::pair<std::string, std::string>>& pairs) {
    html_ += "<dl class=\"facts\">\n";
    for (const auto& [name, value] : pairs) {
        html_ += "<dt>" + esc(name) + "</dt><dd>" + value + "</dd>\n";
    }
    html_ += "</dl>\n";
}

void ReportPage::table_start(std::initializer_list<std::string_view> headings,
                             std::string_view css_class) {
    html_ += css_class.empty() ? "<table>" : "<table class=\"" + std::string(css_class) + "\">";
    html_ += "\n<thead><tr>";
    for (const std::string_view heading : headings) html_ += "<th>" + esc(heading) + "</th>";
    html_ += "</tr></thead>\n<tbody>\n";
}

void ReportPage::row(const std::vector<std::string>& cells_html, std::string_view css_class) {
    html_ += css_class.empty() ? "<tr>" : "<tr class=\"" + std::string(css_class) + "\">";
    for (const std::string& cell : cells_html) {
        // Cells that hold a plain number are set right, like their heading.
        const bool numeric =
            !cell.empty() && cell.find_first_not_of("0123456789") == std::string::npos;
        html_ += numeric ? "<td class=\"n\">" : "<td>";
        html_ += cell + "</td>";
    }
    html_ += "</tr>\n";
}

void ReportPage::table_end() {
    html_ += "</tbody></table>\n";
}

namespace {

void write_overview(ReportPage& page, const ReportInput& input, const DesignUse& use) {
    auto in_use = [](const auto& reasons) {
        std::string list;
        for (std::size_t i = 0; i < reasons.size(); ++i) {
            if (reasons[i].empty()) continue;
            list += (list.empty() ? "" : ", ") + std::to_string(i + 1);
        }
        return list.empty() ? std::string("none") : list;
    };
    const SystemSettingsRecord& system = input.design.system;
    page.heading(2, "overview", "Overview");
    page.facts({
        {"Start screen", system.start_screen == 1 ? "Menu 1" : "Form 1"},
        {"Forms in use", in_use(use.forms)},
        {"Menus in use", in_use(use.menus)},
        {"Lookups in use", in_use(use.lookups)},
        {"Data field delimiters",
         character_code(system.data_delimiter_1) + ", " + character_code(system.data_delimiter_2)},
        {"Broken rules", input.findings.empty() ? "none" : number(input.findings.size())},
    });
    page.paragraph(
        "A Form is in use when a line of it is not <i>nil</i>; a Menu when an item of it has a "
        "name. Either is also in use when it is the start screen or when a screen in use leads to "
        "it (a named Menu item, a Menu&#8217;s Esc, a Form&#8217;s Esc or Next). A Lookup is in "
        "use when it has fields or a Form in use reads it. Offsets and widths are in bytes; the "
        "terminal writes a record&#8217;s fields in the order shown, with the data field "
        "delimiters between them.",
        "muted");
}

void write_findings(ReportPage& page, const ReportInput& input) {
    page.heading(2, "check", "Broken rules (<code>t73 check</code>)");
    if (input.findings.empty()) {
        page.paragraph("None: the records keep every rule that the program keeps.");
        return;
    }
    page.raw("<ul class=\"findings\">\n");
    for (const std::string& finding : input.findings) {
        page.raw("<li>" + html_from_cp1252(finding) + "</li>\n");
    }
    page.raw("</ul>\n");
}

}  // namespace

std::string design_report_html(const ReportInput& input) {
    const DesignUse use = find_design_use(input.design);
    ReportPage page;
    page.raw("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
    page.raw("<title>" + html_from_cp1252(input.file_name) + " &#8211; design report</title>\n");
    page.raw("<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n<main>\n");
    page.heading(1, {}, "Design report: " + html_from_cp1252(input.file_name));
    page.raw(
        "<nav><a href=\"#overview\">Overview</a><a href=\"#map\">Map</a><a "
        "href=\"#forms\">Forms</a>"
        "<a href=\"#menus\">Menus</a><a href=\"#lookups\">Lookups</a>"
        "<a href=\"#settings\">Settings</a><a href=\"#check\">Broken rules</a></nav>\n");
    write_overview(page, input, use);
    write_map_section(page, input);
    write_form_sections(page, input, use);
    write_menu_sections(page, input, use);
    write_lookup_sections(page, input, use);
    write_settings_sections(page, input);
    write_findings(page, input);
    page.raw("</main>\n</body>\n</html>\n");
    return page.html();
}

}  // namespace tc::t73
