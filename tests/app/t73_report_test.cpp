#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "app/report_test_support.h"
#include "app/t73/design_report.h"
#include "app/t73/design_use.h"
#include "app/t73/html_text.h"
#include "app/t73/reader_field_names.h"
#include "app/t73_test_support.h"

namespace tc::t73 {
namespace {

// One row of a saved record's layout table as the page shows it.
struct ShownField {
    std::size_t offset;
    std::size_t width;
    bool key;
};

// The part of the page that describes Form `number`, up to the next Form or part.
std::string form_section(const std::string& html, std::size_t number) {
    const std::string start = "<h3 id=\"form-" + std::to_string(number) + "\">";
    const std::size_t begin = html.find(start);
    if (begin == std::string::npos) return {};
    const std::size_t end =
        std::min(html.find("<h3", begin + start.size()), html.find("<h2", begin + start.size()));
    return html.substr(begin, end - begin);
}

// The rows of the layout table in a Form's section: offset and width cells, and the key mark.
std::vector<ShownField> shown_layout(const std::string& section) {
    std::vector<ShownField> rows;
    const std::size_t table = section.find("<table class=\"layout\">");
    if (table == std::string::npos) return rows;
    const std::string body = section.substr(table, section.find("</tbody>", table) - table);
    const std::regex row(
        R"(<tr( class="key")?><td class="n">\d+</td><td>.*?</td><td class="n">(\d+)</td><td class="n">(\d+)</td>)");
    for (std::sregex_iterator it(body.begin(), body.end(), row), end; it != end; ++it) {
        rows.push_back({std::stoul((*it)[2]), std::stoul((*it)[3]), (*it)[1].matched});
    }
    return rows;
}

struct Figures {
    std::size_t count;
    std::size_t length;
    std::size_t key_position;
};

Figures stored_figures(const FormRecord& form) {
    return {form.field_count, form.record_length_high * 256u + form.record_length_low,
            form.key_position};
}

std::string report_for(const DesignRecords& design, const texts::ProgramTexts& texts) {
    auto fresh_doc = std::make_unique<DesignDocument>();
    reset_design_document(*fresh_doc, texts);
    const auto fresh = test::saved_records(*fresh_doc);
    return design_report_html({"design.T73", design, *fresh, report_findings(design), texts});
}

TEST(T73Report, LayoutTablesEqualTheDerivedFiguresOfGeneratedDesigns) {
    const texts::ProgramTexts texts;
    int compared = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        auto doc = std::make_unique<DesignDocument>();
        test::make_random_design(*doc, texts, seed);
        const auto design = test::saved_records(*doc);
        const std::string html = report_for(*design, texts);
        const DesignUse use = find_design_use(*design);
        for (std::size_t f = 0; f < kFormCount; ++f) {
            const FormRecord& form = design->forms[f];
            const Figures figures = stored_figures(form);
            const SavedRecordLayout layout = saved_record_layout(form);
            EXPECT_EQ(layout.fields.size(), figures.count) << seed << " Form " << f + 1;
            EXPECT_EQ(layout.length, figures.length) << seed << " Form " << f + 1;
            EXPECT_EQ(layout.key_position, figures.key_position) << seed << " Form " << f + 1;
            if (use.forms[f].empty() || !layout.saves) continue;

            const std::vector<ShownField> shown = shown_layout(form_section(html, f + 1));
            ASSERT_EQ(shown.size(), figures.count) << seed << " Form " << f + 1;
            std::size_t offset = 0;
            for (std::size_t i = 0; i < shown.size(); ++i) {
                EXPECT_EQ(shown[i].offset, offset) << seed << " Form " << f + 1 << " field " << i;
                EXPECT_EQ(shown[i].key, i + 1 == figures.key_position);
                offset += shown[i].width;
            }
            EXPECT_EQ(offset, figures.length) << seed << " Form " << f + 1;
            EXPECT_EQ(form_section(html, f + 1).find("class=\"warning\""), std::string::npos);
            ++compared;
        }
    }
    EXPECT_GT(compared, 50);
}

TEST(T73Report, DescribesTheFormsMenusAndLookupsInUse) {
    const texts::ProgramTexts texts;
    auto doc = std::make_unique<DesignDocument>();
    test::make_warehouse_design(*doc, texts);
    doc->forms[6].data_type[0] = kTypeText;  // Form 7: lines, but nothing leads to it
    const auto design = test::saved_records(*doc);
    const std::string html = report_for(*design, texts);

    const DesignUse use = find_design_use(*design);
    EXPECT_EQ(use.menus[0], "the start screen");
    EXPECT_EQ(use.menus[1], "2 named items");
    EXPECT_EQ(use.forms[0], "5 lines that are not nil");
    EXPECT_EQ(use.forms[6], "1 line that is not nil");
    EXPECT_TRUE(use.forms[5].empty());
    EXPECT_TRUE(use.menus[2].empty());
    EXPECT_EQ(use.lookups[0], "4 fields");
    EXPECT_TRUE(use.lookups[1].empty());
    for (const int f : {1, 2, 3, 4, 5, 7}) {
        EXPECT_FALSE(form_section(html, f).empty()) << f;
    }
    EXPECT_TRUE(form_section(html, 6).empty());
    EXPECT_NE(html.find("Forms not in use (not shown): 6, 8, 9,"), std::string::npos);

    // Goods in: the Menu hands its item over (160), the stamp (20), then the saved lines; the
    // Description line shows a Lookup field without saving it. The key is line 1, field 3.
    const std::vector<ShownField> goods_in = shown_layout(form_section(html, 1));
    const std::vector<std::size_t> widths{160, 20, 13, 6, 12, 10};
    ASSERT_EQ(goods_in.size(), widths.size());
    std::size_t offset = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        EXPECT_EQ(goods_in[i].width, widths[i]) << i;
        EXPECT_EQ(goods_in[i].offset, offset) << i;
        EXPECT_EQ(goods_in[i].key, i == 2) << i;
        offset += widths[i];
    }
    const std::string goods_section = form_section(html, 1);
    EXPECT_NE(goods_section.find("<td class=\"n\">221</td><td></td></tr></tfoot>"),
              std::string::npos);
    EXPECT_NE(goods_section.find("field 2 (&#8220;Description&#8221;) of Lookup 1"),
              std::string::npos);
    EXPECT_NE(goods_section.find("YYYY/MM/DD hh:mm:ss"), std::string::npos);
    EXPECT_NE(
        goods_section.find("Handed-over data: <a href=\"#menu-1\">Menu 1</a> (chosen item)</td>"),
        std::string::npos);
    EXPECT_NE(form_section(html, 5).find(
                  "Handed-over data: <a href=\"#form-4\">Form 4</a> (pass down)</td>"),
              std::string::npos);

    // Stock count: the 8-byte key field, the Menu's item, three lines, the stamp at the bottom.
    const std::vector<ShownField> count = shown_layout(form_section(html, 2));
    ASSERT_EQ(count.size(), 6u);
    EXPECT_TRUE(count[0].key);
    EXPECT_EQ(count[0].width, 8u);
    EXPECT_EQ(count[1].width, 160u);
    EXPECT_EQ(count[5].offset, 8u + 160 + 8 + 13 + 6);
    EXPECT_EQ(count[5].width, 20u);

    // Price check updates its Lookup, the order Form passes down to the items Form.
    EXPECT_NE(form_section(html, 3).find("saves no record of its own (record mode &#8220;update "
                                         "lookup&#8221;)"),
              std::string::npos);
    const std::vector<ShownField> items = shown_layout(form_section(html, 5));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].width, 160u);
    EXPECT_TRUE(items[1].key);

    EXPECT_NE(html.find("<td class=\"n\">4</td><td>Dispatch</td><td><a href=\"#menu-2\">Menu "
                        "2</a></td>"),
              std::string::npos);
    EXPECT_NE(html.find("<tr class=\"key\"><td class=\"n\">1</td><td>EAN</td><td>text</td><td "
                        "class=\"n\">13</td>"),
              std::string::npos);
    EXPECT_NE(html.find("fields separated by 44 (&#8216;,&#8217;)"), std::string::npos);
}

TEST(T73Report, WindowsTextsBecomeEscapedUtf8AndThePageNeedsNothingFromOutside) {
    EXPECT_EQ(utf8_from_cp1252("Gr\xF6\xDF"
                               "e \x80 \x96"),
              "Gr\xC3\xB6\xC3\x9F"
              "e \xE2\x82\xAC \xE2\x80\x93");
    EXPECT_EQ(utf8_from_cp1252("\x81\x01\x7F\t"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\t");
    EXPECT_EQ(html_from_cp1252("<a href=\"x\">&'"), "&lt;a href=&quot;x&quot;&gt;&amp;&#39;");

    const texts::ProgramTexts texts;
    auto doc = std::make_unique<DesignDocument>();
    test::make_warehouse_design(*doc, texts);
    const auto design = test::saved_records(*doc);
    const std::string html = report_for(*design, texts);
    EXPECT_NE(html.find("<td>Gr\xC3\xB6\xC3\x9F"
                        "e &lt;cm&gt;</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* outside :
         {"http:", "https:", "src=", "<link", "<script", "url(", "@import", "//"}) {
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    }
    // Every byte of the page is UTF-8 without control characters other than line feeds.
    for (std::size_t i = 0; i < html.size(); ++i) {
        const auto c = static_cast<unsigned char>(html[i]);
        ASSERT_TRUE(c >= 0x20 || c == '\n') << i;
    }
}

TEST(T73Report, ListsChangedSettingsAndBrokenRules) {
    const texts::ProgramTexts texts;
    auto doc = std::make_unique<DesignDocument>();
    test::make_warehouse_design(*doc, texts);
    store_text(doc->system.password, "secret7");
    doc->forms[1].key_field = 13;  // above line 12: a broken rule
    const auto design = test::saved_records(*doc);
    const std::string html = report_for(*design, texts);

    const std::string system = html.substr(html.find("id=\"system\""));
    EXPECT_NE(system.find("<td>data_delimiter_1</td><td>59 (&#8216;;&#8217;)</td><td>44 "
                          "(&#8216;,&#8217;)</td>"),
              std::string::npos);
    EXPECT_NE(system.find("<td>warning_beep</td><td class=\"n\">5</td><td class=\"n\">9</td>"),
              std::string::npos);
    EXPECT_NE(system.find("set (not shown)"), std::string::npos);
    EXPECT_EQ(html.find("secret7"), std::string::npos);
    EXPECT_EQ(system.find("vibrator_duration"), std::string::npos);

    // The reader: MSI switched on, and the warning beep's copy that the save refreshes.
    const std::size_t reader_start = html.find("id=\"reader\"");
    const std::string reader = html.substr(reader_start, html.find("id=\"system\"") - reader_start);
    EXPECT_NE(reader.find("<td class=\"n\">33</td><td>1D: MSI</td><td class=\"n\">1</td><td "
                          "class=\"n\">0</td>"),
              std::string::npos);
    EXPECT_NE(reader.find("<td class=\"n\">353</td>"), std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = reader.find("<tr"); at != std::string::npos;
         at = reader.find("<tr", at + 1)) {
        ++rows;
    }
    EXPECT_EQ(rows, 3u);  // the headings and the two settings

    const std::vector<std::string> findings = report_findings(*design);
    ASSERT_FALSE(findings.empty());
    for (const std::string& finding : findings) {
        EXPECT_NE(html.find("<li>" + html_from_cp1252(finding) + "</li>"), std::string::npos);
    }
    EXPECT_NE(html.find("<dt>Broken rules</dt><dd>" + std::to_string(findings.size())),
              std::string::npos);

    // Figures that a saved file would not hold are pointed out.
    auto stale = std::make_unique<DesignRecords>(*design);
    stale->forms[1].record_length_low = 1;
    const std::string stale_html = report_for(*stale, texts);
    EXPECT_NE(form_section(stale_html, 2).find("class=\"warning\""), std::string::npos);
    EXPECT_EQ(form_section(stale_html, 1).find("class=\"warning\""), std::string::npos);
}

TEST(T73Report, CommandWritesThePageToAFileOrToStandardOutput) {
    test::TempDir dir;
    const std::string design = dir.file("new.T73");
    ASSERT_EQ(test::run_tool({"new", design}).exit_code, 0);

    const test::ToolRun to_file = test::run_tool({"report", design, "-o", dir.file("r.html")});
    EXPECT_EQ(to_file.exit_code, 0) << to_file.err;
    EXPECT_TRUE(to_file.out.empty());
    const std::vector<Byte> written = test::read_bytes(dir.file("r.html"));
    const std::string page(written.begin(), written.end());
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("Design report: new.T73"), std::string::npos);
    EXPECT_NE(page.find("<h3 id=\"form-1\">Form 1 <span class=\"why\">in use: the start "
                        "screen</span>"),
              std::string::npos);

    const test::ToolRun to_out = test::run_tool({"report", design});
    EXPECT_EQ(to_out.exit_code, 0);
    EXPECT_EQ(to_out.out, page);
}

}  // namespace
}  // namespace tc::t73
