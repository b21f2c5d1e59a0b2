#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/report_test_support.h"
#include "app/t73_test_support.h"

namespace tc::t73 {
namespace {

std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// The report of a real design as Debian's chromium reads and draws it without a window: the
// page it built (--dump-dom) and a screenshot. scripts/install-deps installs the browser, so
// its absence fails the test; the Windows build has no browser to run.
TEST(T73ReportBrowser, ChromiumReadsTheReportAndDrawsTheMap) {
#ifdef _WIN32
    GTEST_SKIP() << "no browser under Wine";
#endif
    const char* chromium = "/usr/bin/chromium";
    ASSERT_TRUE(std::filesystem::exists(chromium)) << "run scripts/install-deps";
    test::TempDir dir;
    auto doc = std::make_unique<DesignDocument>();
    test::make_warehouse_design(*doc, texts::ProgramTexts{});
    // A Menu item that leads to the unused Form 12, and a Menu 3 that no screen leads to.
    test::set_item(doc->menus[1], 2, "Later", 12);
    test::set_item(doc->menus[2], 0, "Recount", 2);
    for (MenuRecord& menu : doc->menus) count_menu_items(menu);
    test::write_bytes(dir.file("warehouse.T73"), design_file_bytes(*doc));
    const std::string page = dir.file("warehouse.html");
    const test::ToolRun report =
        test::run_binary(dir, "report \"" + dir.file("warehouse.T73") + "\" -o \"" + page + "\"");
    ASSERT_EQ(report.exit_code, 0) << report.err;
    const auto browse = [&](const std::string& action, const std::string& out) {
        const std::string command =
            std::string("timeout 120 ") + chromium +
            " --headless --no-sandbox --disable-gpu --no-first-run --disable-sync"
            " --disable-background-networking --disable-component-update --user-data-dir=\"" +
            dir.file("profile") + "\" --window-size=1200,1600 " + action + " \"file://" + page +
            "\" >\"" + dir.file(out) + "\" 2>\"" + dir.file("browser.err") + "\"";
        return std::system(command.c_str());
    };

    ASSERT_EQ(browse("--dump-dom", "dom.html"), 0) << tc::test::read_text(dir.file("browser.err"));
    const std::string dom = tc::test::read_text(dir.file("dom.html"));
    for (const char* id : {"overview", "map", "form-1", "form-5", "menu-2", "lookup-1", "reader",
                           "system", "check"}) {
        EXPECT_EQ(count_of(dom, std::string("id=\"") + id + "\""), 1u) << id;
    }
    EXPECT_NE(dom.find("Gr\xC3\xB6\xC3\x9F"
                       "e &lt;cm&gt;"),
              std::string::npos);
    // The map: main and the nine screens in use or linked to; 19 links of the warehouse, the one
    // to Form 12, two of Menu 3 and two of Form 12; every link ends at a drawn screen.
    EXPECT_EQ(count_of(dom, "<svg class=\"map\""), 1u);
    EXPECT_EQ(count_of(dom, "<g class=\"node"), 10u);
    EXPECT_EQ(count_of(dom, "<g class=\"node unreachable\" data-screen=\"menu-3\""), 1u);
    EXPECT_EQ(count_of(dom, "<path class=\"link "), 24u);
    EXPECT_EQ(count_of(dom, " to-unused\" data-from="), 2u);
    for (std::size_t at = dom.find("data-to=\""); at != std::string::npos;
         at = dom.find("data-to=\"", at + 1)) {
        const std::string screen = dom.substr(at + 9, dom.find('"', at + 9) - at - 9);
        EXPECT_EQ(count_of(dom, "data-screen=\"" + screen + "\""), 1u) << screen;
    }

    // A screenshot of the window's size with something drawn on it (a blank page of this size
    // compresses to a few kilobytes).
    ASSERT_EQ(browse("--screenshot=\"" + dir.file("report.png") + "\"", "shot.out"), 0)
        << tc::test::read_text(dir.file("browser.err"));
    const std::string png = tc::test::read_text(dir.file("report.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x04\xB0\0\0\x06\x40", 8));  // 1200 x 1600
    EXPECT_GT(png.size(), 20000u);
}

}  // namespace
}  // namespace tc::t73
