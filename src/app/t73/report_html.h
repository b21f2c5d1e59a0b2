#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/t73/design_report.h"
#include "app/t73/design_use.h"

namespace tc::t73 {

// Builds the report page; every argument named `html` is HTML already, every other text is UTF-8
// that the builder escapes.
class ReportPage {
  public:
    void heading(int level, std::string_view id, std::string_view html);
    void paragraph(std::string_view html, std::string_view css_class = {});
    // A definition list of name and value pairs, the values HTML.
    void facts(const std::vector<std::pair<std::string, std::string>>& pairs);
    void table_start(std::initializer_list<std::string_view> headings,
                     std::string_view css_class = {});
    void row(const std::vector<std::string>& cells_html, std::string_view css_class = {});
    void table_end();
    void raw(std::string_view html) { html_ += html; }

    const std::string& html() const { return html_; }

  private:
    std::string html_;
};

std::string esc(std::string_view utf8);
std::string number(std::size_t value);

// The sections of the page.
void write_form_sections(ReportPage& page, const ReportInput& input, const DesignUse& use);
void write_menu_sections(ReportPage& page, const ReportInput& input, const DesignUse& use);
void write_lookup_sections(ReportPage& page, const ReportInput& input, const DesignUse& use);
void write_settings_sections(ReportPage& page, const ReportInput& input);

// The name of a screen code, linked to its section when it names a Form or a Menu.
std::string screen_link(Byte code);

// A character code as the person reading the report sees it: "44 (',')", or its name for the
// codes without a visible character.
std::string character_code(Byte code);

}  // namespace tc::t73
