// Malformed JSON for `t73 build`: each is refused with a reason and writes nothing; none of them
// ends the tool any other way.
#include <gtest/gtest.h>

#include "app/t73/commands.h"
#include "app/t73_test_support.h"

namespace tc::t73 {
namespace {

struct BadJson {
    std::string name;
    std::string text;
    std::string reason;  // a part of the message
};

// The dump with the first Menu's Esc target written as `value`.
std::string with_esc_target(std::string dump, const std::string& value) {
    const std::string field = "\"esc_target\": \"main\"";
    dump.replace(dump.find(field), field.size(), "\"esc_target\": " + value);
    return dump;
}

std::vector<BadJson> bad_json(const std::string& dump) {
    using namespace std::string_literals;
    return {
        {"a number too large for a double", "[1e999]", "not valid JSON"},
        {"a negative number too large", "{\"header\": -1e400}", "not valid JSON"},
        {"a huge number in a design", with_esc_target(dump, "1e999"), "not valid JSON"},
        {"an integer beyond 64 bits", with_esc_target(dump, "18446744073709551616"),
         "menus[0].esc_target"},
        {"a negative byte", with_esc_target(dump, "-1"), "menus[0].esc_target"},
        {"empty", "", "not valid JSON"},
        {"NUL bytes", "{\"header\": \"TC\0\"}"s, "not valid JSON"},
        {"invalid UTF-8", "{\"header\": \"\xff\xfe\"}", "not valid JSON"},
        {"100,000 nested arrays", std::string(100000, '['), "not valid JSON"},
        {"100,000 closed nested arrays", std::string(100000, '[') + std::string(100000, ']'),
         "expected an object"},
        {"an array", "[1, 2, 3]", "expected an object"},
        {"an unknown field", "{\"header\": \"TC7350-01000100\", \"extra\": 1}", "extra"},
        {"a character beyond Windows-1252", "{\"header\": \"\\u4e00\"}", "U+4E00"},
        {"a member given twice", "{\"header\": \"a\", \"header\": \"a\"}", "header: given twice"},
        {"an escaped zero", "{\"header\": \"\\u0000\"}", "zero byte"},
    };
}

TEST(T73BadJson, EachIsRefusedWithAReasonAndWritesNothing) {
    test::TempDir dir;
    const std::string design = dir.file("new.T73");
    ASSERT_EQ(test::run_tool({"new", design}).exit_code, kExitOk);
    const test::ToolRun dumped = test::run_tool({"dump", design});
    ASSERT_EQ(dumped.exit_code, kExitOk);

    for (const BadJson& bad : bad_json(dumped.out)) {
        SCOPED_TRACE(bad.name);
        test::write_text(dir.file("bad.json"), bad.text);
        const test::ToolRun run =
            test::run_tool({"build", dir.file("bad.json"), dir.file("out.T73")});
        EXPECT_EQ(run.exit_code, kExitIo);
        EXPECT_NE(run.err.find(bad.reason), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.T73")));
    }
}

}  // namespace
}  // namespace tc::t73
