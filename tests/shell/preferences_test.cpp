#include "shell/preferences.h"

#include <gtest/gtest.h>

#include "document/test_files.h"
#include "ui/shown_text.h"

namespace tc::shell {
namespace {

const auto kEverythingExists = [](const std::string&) { return true; };

TEST(Preferences, IniPiecesAreCutAtCarriageReturnsAndEmptyOnesSkipped) {
    Preferences prefs =
        parse_ini("C:\\d\\last.T73\r1\r0\rDeutsch\rA.T73\rB.T73\r", kEverythingExists);
    EXPECT_EQ(prefs.last_file, "C:\\d\\last.T73");
    EXPECT_TRUE(prefs.auto_preload);
    EXPECT_FALSE(prefs.always_on_top);
    EXPECT_EQ(prefs.language, "Deutsch");
    EXPECT_EQ(prefs.recent_files, (std::vector<std::string>{"A.T73", "B.T73"}));

    // An empty line 1 shifts everything up: the Auto-preload digit becomes the last file.
    prefs = parse_ini("\r1\r1\rDeutsch\rA.T73\r", kEverythingExists);
    EXPECT_EQ(prefs.last_file, "1");
    EXPECT_TRUE(prefs.auto_preload);
    EXPECT_TRUE(prefs.always_on_top);  // taken from "Deutsch"
    EXPECT_EQ(prefs.language, "A.T73");
    EXPECT_TRUE(prefs.recent_files.empty());

    // Runs of carriage returns count as one; missing pieces keep the defaults.
    prefs = parse_ini("last\r\r\r\r0", kEverythingExists);
    EXPECT_EQ(prefs.last_file, "last");
    EXPECT_FALSE(prefs.auto_preload);
    EXPECT_FALSE(prefs.always_on_top);
    EXPECT_EQ(prefs.language, "0");
    EXPECT_TRUE(prefs.recent_files.empty());

    EXPECT_EQ(parse_ini("last\r1\r1\r", kEverythingExists).language, "0");
    prefs = parse_ini("", kEverythingExists);
    EXPECT_EQ(prefs.last_file, "Unknow");
    EXPECT_EQ(prefs.language, "0");
}

TEST(Preferences, FlagsAreOnUnlessTheyStartWithZero) {
    for (const auto& [piece, on] : {std::pair<std::string, bool>{"0", false},
                                    {"01", false},
                                    {"1", true},
                                    {"y", true},
                                    {" ", true},
                                    {" 0", true}}) {
        const Preferences prefs =
            parse_ini("last\r" + piece + "\r" + piece + "\r0\r", kEverythingExists);
        EXPECT_EQ(prefs.auto_preload, on) << '"' << piece << '"';
        EXPECT_EQ(prefs.always_on_top, on) << '"' << piece << '"';
    }
}

TEST(Preferences, RecentFilesAreKeptWhenTheyExistAtMostFour) {
    std::vector<std::string> asked;
    const auto exists = [&](const std::string& path) {
        asked.push_back(path);
        return path != "gone.T73";
    };
    const Preferences prefs =
        parse_ini("last\r0\r0\r0\ra.T73\rgone.T73\rb.T73\rc.T73\rd.T73\re.T73\r", exists);
    EXPECT_EQ(prefs.recent_files, (std::vector<std::string>{"a.T73", "b.T73", "c.T73"}));
    EXPECT_EQ(asked, (std::vector<std::string>{"a.T73", "gone.T73", "b.T73", "c.T73"}));
}

TEST(Preferences, IniHoldsNamesInWindows1252WhereItCanAndAnyOtherNameAsItsOwnBytes) {
    // File names are UTF-8 here, as the file system keeps them.
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        std::string name;
        std::string line;
    } cases[] = {
        {"/d/plain.T73", "/d/plain.T73"},
        {"/d/Gr\u00FC\u00DFe/\u20ACuro \u0152.T73",
         "/d/Gr\xFC\xDF"
         "e/\x80uro \x8C.T73"},
        {"/d/\u041F\u0440\u0438\u0432\u0435\u0442.T73",
         bom + "/d/\u041F\u0440\u0438\u0432\u0435\u0442.T73"},
        {"/d/\u03A3\u03C7\u03AD\u03B4\u03B9\u03BF.T73",
         bom + "/d/\u03A3\u03C7\u03AD\u03B4\u03B9\u03BF.T73"},
        {"/d/M\u00FCller \u041C\u044E\u043B\u043B\u0435\u0440.T73",
         bom + "/d/M\u00FCller \u041C\u044E\u043B\u043B\u0435\u0440.T73"},
        // U+0080 and U+0100 are no Windows-1252 characters (byte 0x80 is the euro sign).
        {"/d/\u0080.T73", bom + "/d/\u0080.T73"},
        {"/d/\u0100.T73", bom + "/d/\u0100.T73"},
        // Bytes that are not UTF-8 (a name from an older system) are kept as they are.
        {"/d/M\xFCller.T73", bom + "/d/M\xFCller.T73"},
        {"/d/" + std::string(300, 'n') + ".T73", "/d/" + std::string(300, 'n') + ".T73"},
    };
    for (const auto& [name, line] : cases) {
        SCOPED_TRACE(testing::PrintToString(name));
        Preferences prefs;
        update_recent_files(prefs, name);
        const std::string text = format_ini(prefs);
        EXPECT_EQ(text, line + "\r0\r0\r0\r" + line + "\r");
        const Preferences read = parse_ini(text, kEverythingExists);
        EXPECT_EQ(read.last_file, name);
        EXPECT_EQ(read.recent_files, std::vector<std::string>{name});
    }

    // A carriage return would end the line: such a name stays out of the list and the INI file.
    Preferences prefs;
    update_recent_files(prefs, "/d/a.T73");
    update_recent_files(prefs, "/d/two\rlines.T73");
    EXPECT_EQ(format_ini(prefs), "/d/a.T73\r0\r0\r0\r/d/a.T73\r");
}

TEST(Preferences, IniFileIsWrittenWholeAndReadBack) {
    test::TempFolder folder;
    Preferences prefs;
    prefs.auto_preload = true;
    EXPECT_FALSE(read_ini_file(folder.path(), prefs));
    EXPECT_FALSE(prefs.auto_preload);
    EXPECT_EQ(prefs.last_file, "Unknow");
    EXPECT_EQ(ini_path(folder.path()), folder.path() / "TC7350.ini");

    test::write_text(folder.path() / "a.T73", "design");
    test::write_text(folder.path() / "b.T73", "design");
    prefs.last_file = folder.file("a.T73");
    prefs.always_on_top = true;
    prefs.language = "Deutsch";
    prefs.recent_files = {folder.file("a.T73"), folder.file("gone.T73"), folder.file("b.T73")};
    ASSERT_TRUE(write_ini_file(folder.path(), prefs));
    EXPECT_EQ(test::read_text(folder.path() / "TC7350.ini"),
              folder.file("a.T73") + "\r0\r1\rDeutsch\r" + folder.file("a.T73") + "\r" +
                  folder.file("gone.T73") + "\r" + folder.file("b.T73") + "\r");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"TC7350.ini", "a.T73", "b.T73"}));

    Preferences read;
    ASSERT_TRUE(read_ini_file(folder.path(), read));
    EXPECT_EQ(read.last_file, folder.file("a.T73"));
    EXPECT_FALSE(read.auto_preload);
    EXPECT_TRUE(read.always_on_top);
    EXPECT_EQ(read.language, "Deutsch");
    EXPECT_EQ(read.recent_files,
              (std::vector<std::string>{folder.file("a.T73"), folder.file("b.T73")}));

    // An empty file gives the defaults; a folder that cannot hold the file fails quietly.
    test::write_text(folder.path() / "TC7350.ini", "");
    EXPECT_FALSE(read_ini_file(folder.path(), read));
    EXPECT_EQ(read.language, "0");
    EXPECT_TRUE(read.recent_files.empty());
    EXPECT_FALSE(write_ini_file(folder.path() / "missing", prefs));
}

TEST(Preferences, UpdateMovesThePathToTheFrontOfAtMostFour) {
    Preferences prefs;
    for (const std::string path : {"a", "b", "c", "d"}) update_recent_files(prefs, path);
    EXPECT_EQ(prefs.recent_files, (std::vector<std::string>{"d", "c", "b", "a"}));
    EXPECT_EQ(prefs.last_file, "d");

    update_recent_files(prefs, "b");
    EXPECT_EQ(prefs.recent_files, (std::vector<std::string>{"b", "d", "c", "a"}));
    update_recent_files(prefs, "e");
    EXPECT_EQ(prefs.recent_files, (std::vector<std::string>{"e", "b", "d", "c"}));
    EXPECT_EQ(prefs.last_file, "e");

    // Paths are compared byte for byte: another case is another file.
    update_recent_files(prefs, "B");
    EXPECT_EQ(prefs.recent_files, (std::vector<std::string>{"B", "e", "b", "d"}));

    Preferences two;
    update_recent_files(two, "x");
    update_recent_files(two, "y");
    update_recent_files(two, "x");
    EXPECT_EQ(two.recent_files, (std::vector<std::string>{"x", "y"}));
}

TEST(Preferences, MenuTextShowsShortPathsWholeAndLongOnesShortened) {
    using ui::shown_file_name;
    const std::string forty = "C:\\Designs\\Warehouse\\Inventory\\count.T73";
    ASSERT_EQ(forty.size(), 40u);
    EXPECT_EQ(recent_file_menu_text(0, forty), "&1: " + shown_file_name(forty));

    const std::string forty_one = "C:\\Designs\\Warehouse\\Inventory\\counts.T73";
    ASSERT_EQ(forty_one.size(), 41u);
    EXPECT_EQ(recent_file_menu_text(3, forty_one), "&4: " + shown_file_name("C:\\Designs\\Ware") +
                                                       "..." +
                                                       shown_file_name("e\\Inventory\\counts.T73"));
    EXPECT_EQ(recent_file_menu_text(1, "a.T73"), "&2: " + shown_file_name("a.T73"));

    // Characters are counted, not bytes, and cut whole; "&" shows as itself.
    const std::string cyrillic_forty = "/\u0414/" + std::string(32, 'x') + "&.T73";
    EXPECT_EQ(recent_file_menu_text(0, cyrillic_forty),
              "&1: " + shown_file_name("/\u0414/" + std::string(32, 'x') + "&&.T73"));
    const std::string greek = "/\u03A3\u03C7\u03AD\u03B4\u03B9\u03BF/" + std::string(30, 'y') +
                              "/\u0394\u0394\u0394\u0394\u0394.T73";
    EXPECT_EQ(
        recent_file_menu_text(0, greek),
        "&1: " + shown_file_name("/\u03A3\u03C7\u03AD\u03B4\u03B9\u03BF/" + std::string(7, 'y')) +
            "..." + shown_file_name(std::string(12, 'y') + "/\u0394\u0394\u0394\u0394\u0394.T73"));
}

}  // namespace
}  // namespace tc::shell
