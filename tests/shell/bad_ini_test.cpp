// Malformed INI files, one table: each is read into preferences within their limits as the INI
// rules give them, and what is read is written and read back the same.
#include <gtest/gtest.h>

#include "document/fault_test_support.h"
#include "document/test_files.h"
#include "shell/preferences.h"

namespace tc::shell {
namespace {

struct BadIni {
    std::string name;
    std::string contents;
    Preferences expected;
};

Preferences prefs(std::string last_file, bool auto_preload, bool on_top, std::string language,
                  std::vector<std::string> recent = {}) {
    return Preferences{std::move(last_file), auto_preload, on_top, std::move(language),
                       std::move(recent)};
}

void expect_same(const Preferences& actual, const Preferences& expected) {
    EXPECT_EQ(actual.last_file, expected.last_file);
    EXPECT_EQ(actual.auto_preload, expected.auto_preload);
    EXPECT_EQ(actual.always_on_top, expected.always_on_top);
    EXPECT_EQ(actual.language, expected.language);
    EXPECT_EQ(actual.recent_files, expected.recent_files);
}

class BadIniFile : public ::testing::Test {
  protected:
    BadIniFile() {
        for (const char* name : {"a.T73", "b.T73", "c.T73", "d.T73", "e.T73"}) {
            test::write_text(folder_.path() / name, "x");
        }
    }

    std::string file(const std::string& name) const { return folder_.file(name); }

    std::vector<BadIni> bad_files() const {
        using namespace std::string_literals;
        const std::string a = file("a.T73"), b = file("b.T73"), c = file("c.T73"),
                          d = file("d.T73"), e = file("e.T73");
        const std::string long_path = folder_.path().string() + "/" + std::string(5000, 'p');
        std::vector<BadIni> files = {
            // Line feeds are not line ends: the whole text is the last file.
            {"no carriage returns", a + "\n1\n1\nLang\n" + b + "\n",
             prefs(a + "\n1\n1\nLang\n" + b + "\n", false, false, "0")},
            {"line feeds after carriage returns", a + "\r\n1\r\n0\r\nLang\r\n" + b + "\r\n",
             prefs(a, true, true, "\nLang", {})},
            {"a 5,000-character path",
             long_path + "\r0\r0\r" + std::string(5000, 'L') + "\r" + long_path + "\r" + a + "\r",
             prefs(long_path, false, false, std::string(260, 'L'), {a})},
            {"NUL bytes", a + "\r1\r\0\r0\rLang\r"s + b + "\r", prefs(a, true, false, "0")},
            {"only NUL bytes", std::string(300, '\0'), prefs("Unknow", false, false, "0")},
            {"only carriage returns", std::string(5000, '\r'), prefs("Unknow", false, false, "0")},
            {"binary", "\xff\xfe\x01\r\x80\r0\r\x7f\r"s + c + "\r",
             // File names in Windows-1252 are read as the characters of their bytes.
             prefs("\u00FF\u00FE\x01", true, false, "\x7f", {c})},
        };
        // 10,000 lines: only four recent files are looked at, and missing ones drop out.
        std::string many =
            a + "\r1\r0\rLang\r" + b + "\r" + file("missing.T73") + "\r" + c + "\r" + d + "\r";
        for (int i = 0; i < 10000; ++i) many += e + "\r";
        files.push_back({"10,000 lines", many, prefs(a, true, false, "Lang", {b, c, d})});
        std::string all_missing = a + "\r0\r0\r0\r";
        for (int i = 0; i < 4; ++i) all_missing += file("gone" + std::to_string(i)) + "\r";
        for (int i = 0; i < 10000; ++i) all_missing += e + "\r";
        files.push_back(
            {"10,000 lines, first four missing", all_missing, prefs(a, false, false, "0")});
        return files;
    }

    test::TempFolder folder_;
};

TEST_F(BadIniFile, EachIsReadWithinLimitsAndWrittenBackTheSame) {
    for (const BadIni& bad : bad_files()) {
        SCOPED_TRACE(bad.name);
        test::write_text(ini_path(folder_.path()), bad.contents);
        Preferences read;
        read.recent_files = {"stale"};
        EXPECT_TRUE(read_ini_file(folder_.path(), read));
        expect_same(read, bad.expected);

        ASSERT_TRUE(write_ini_file(folder_.path(), read));
        Preferences again;
        EXPECT_TRUE(read_ini_file(folder_.path(), again));
        expect_same(again, read);
    }
}

TEST_F(BadIniFile, FolderOrPipeInPlaceOfTheIniFileOrARecentFileGivesTheDefaults) {
    const std::filesystem::path ini = ini_path(folder_.path());
    std::filesystem::create_directory(ini);
    Preferences read;
    EXPECT_FALSE(read_ini_file(folder_.path(), read));
    expect_same(read, Preferences{});
    std::filesystem::remove(ini);

#ifndef _WIN32
    test::make_fifo(ini);
    EXPECT_TRUE(test::returns_without_waiting(ini, [&] { read_ini_file(folder_.path(), read); }));
    expect_same(read, Preferences{});
    std::filesystem::remove(ini);

    // A recent file that is a pipe is dropped like a missing one, without waiting for a writer.
    const std::filesystem::path pipe = folder_.path() / "pipe.T73";
    test::make_fifo(pipe);
    test::write_text(ini,
                     file("a.T73") + "\r0\r0\r0\r" + pipe.string() + "\r" + file("b.T73") + "\r");
    EXPECT_TRUE(test::returns_without_waiting(pipe, [&] { read_ini_file(folder_.path(), read); }));
    EXPECT_EQ(read.recent_files, std::vector<std::string>{file("b.T73")});
#endif
}

}  // namespace
}  // namespace tc::shell
