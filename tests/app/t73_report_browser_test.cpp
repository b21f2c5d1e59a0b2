#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/report_test_support.h"
#include "app/t73_test_support.h"

namespace tc::t73 {
namespace {

constexpr const char* kChromium = "/usr/bin/chromium";

// Runs the browser without a window on `page`; `action` is --dump-dom or --screenshot=FILE.
// Returns the browser's exit status; its standard output goes to `out_path`.
int run_browser(const test::TempDir& dir, const std::string& action, const std::string& page,
                const std::string& out_path) {
    const std::string command =
        std::string("timeout 120 ") + kChromium +
        " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
        " --disable-background-networking --disable-component-update --disable-sync"
        " --user-data-dir=\"" +
        dir.file("profile") + "\" --window-size=1200,1600 " + action + " \"file://" + page +
        "\" >\"" + out_path + "\" 2>\"" + dir.file("browser.err") + "\"";
    return std::system(command.c_str());
}

std::string browser_errors(const test::TempDir& dir) {
    const std::vector<Byte> err = test::read_bytes(dir.file("browser.err"));
    return std::string(err.begin(), err.end());
}

std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

unsigned big_endian(const std::vector<Byte>& bytes, std::size_t offset) {
    return (bytes[offset] << 24u) | (bytes[offset + 1] << 16u) | (bytes[offset + 2] << 8u) |
           bytes[offset + 3];
}

// The report of a real design, as a browser reads and draws it. Skipped where Debian's chromium
// is not installed.
TEST(T73ReportBrowser, ChromiumReadsTheReportAndDrawsIt) {
    if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << kChromium << " is not installed";
    test::TempDir dir;
    const texts::ProgramTexts texts;
    auto doc = std::make_unique<DesignDocument>();
    test::make_warehouse_design(*doc, texts);
    // For the map: a Menu item that leads to a Form with only nil lines, and a Menu that no screen
    // leads to.
    test::set_item(doc->menus[1], 2, "Later", 12);
    test::set_item(doc->menus[2], 0, "Recount", 2);
    for (MenuRecord& menu : doc->menus) count_menu_items(menu);
    derive_before_save({doc->forms, doc->menus, doc->lookups, doc->reader, doc->system});
    test::write_bytes(dir.file("warehouse.T73"), design_file_bytes(*doc));
    const std::string page = dir.file("warehouse.html");
    const test::ToolRun report =
        test::run_binary(dir, "report \"" + dir.file("warehouse.T73") + "\" -o \"" + page + "\"");
    ASSERT_EQ(report.exit_code, 0) << report.err;

    // The page as the browser parsed it: every section, and the key rows of the three saved
    // records and of the Lookup.
    ASSERT_EQ(run_browser(dir, "--dump-dom", page, dir.file("dom.html")), 0) << browser_errors(dir);
    const std::vector<Byte> dom_bytes = test::read_bytes(dir.file("dom.html"));
    const std::string dom(dom_bytes.begin(), dom_bytes.end());
    for (const char* id : {"overview", "map", "form-1", "form-2", "form-3", "form-4", "form-5",
                           "menu-1", "menu-2", "lookup-1", "reader", "system", "check"}) {
        EXPECT_NE(dom.find(std::string("id=\"") + id + "\""), std::string::npos) << id;
    }
    EXPECT_EQ(count_of(dom, "<tr class=\"key\">"), 4u);
    EXPECT_EQ(count_of(dom, "<table class=\"layout\">"), 3u);
    EXPECT_NE(dom.find("Gr\xC3\xB6\xC3\x9F"
                       "e &lt;cm&gt;"),
              std::string::npos);

    // The map: a box for main and each screen in use or linked to, an arrow for every Esc, Next
    // and item link (19 of the warehouse, 1 to Form 12, 2 of Menu 3, 2 of Form 12), each between
    // boxes drawn; Menu 3 is not reached, two links lead to the unused Form 12.
    EXPECT_EQ(count_of(dom, "<svg class=\"map\""), 1u);
    EXPECT_EQ(count_of(dom, "<g class=\"node"), 10u);
    EXPECT_EQ(count_of(dom, "<g class=\"node unreachable\" data-screen=\"menu-3\""), 1u);
    EXPECT_EQ(count_of(dom, "<path class=\"link "), 24u);
    EXPECT_EQ(count_of(dom, " to-unused\" data-from="), 2u);
    EXPECT_EQ(count_of(dom, "data-to=\"form-12\""), 2u);
    for (std::size_t at = dom.find("data-to=\""); at != std::string::npos;
         at = dom.find("data-to=\"", at + 1)) {
        const std::size_t start = at + 9;
        const std::string screen = dom.substr(start, dom.find('"', start) - start);
        EXPECT_NE(dom.find("data-screen=\"" + screen + "\""), std::string::npos) << screen;
    }

    // A screenshot of the window's size, with something drawn on it.
    const std::string screenshot = dir.file("report.png");
    ASSERT_EQ(run_browser(dir, "--screenshot=\"" + screenshot + "\"", page, dir.file("shot.out")),
              0)
        << browser_errors(dir);
    const std::vector<Byte> png = test::read_bytes(screenshot);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(big_endian(png, 16), 1200u);
    EXPECT_EQ(big_endian(png, 20), 1600u);
    EXPECT_GT(png.size(), 20000u);
}

}  // namespace
}  // namespace tc::t73
