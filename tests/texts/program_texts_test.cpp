#include "texts/program_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace tc::texts {
namespace {

using namespace std::string_literals;

// The number of identifiers the language table defines.
int defined_entries(const ProgramTexts& texts) {
    int count = 0;
    for (int id = 0; id < kLanguageTableSize; ++id)
        count += texts.language_entry(id).empty() ? 0 : 1;
    return count;
}

TEST(ProgramTexts, TakesTheLanguageEntryWhenActiveElseTheBuiltInTextUnderTheSizeLimit) {
    ProgramTexts texts;
    EXPECT_EQ(texts.load_program_text(2651), "Save current program ?");
    EXPECT_EQ(texts.load_program_text(2651, 6), "Save ");
    EXPECT_EQ(texts.load_program_text(2651, 1), "");
    EXPECT_EQ(texts.load_program_text(2651, 0), "");
    EXPECT_EQ(texts.load_program_text(4999), "");
    EXPECT_EQ(texts.load_program_text(-1), "");
    EXPECT_EQ(texts.load_program_text(5000), "");
    EXPECT_EQ(texts.language_entry(-1), "");
    EXPECT_EQ(texts.language_entry(5000), "");

    const std::string long_text(200, 'L');
    texts.read_language_entries("Deutsch\r\n2651=Programm speichern ?\r\n4999=" + long_text +
                                "\r\n");
    // Loaded but not active: the built-in texts still answer, the entries are there.
    EXPECT_EQ(texts.load_program_text(2651), "Save current program ?");
    EXPECT_EQ(texts.language_entry(2651), "Programm speichern ?");

    texts.set_language_active(true);
    EXPECT_EQ(texts.load_program_text(2651), "Programm speichern ?");
    EXPECT_EQ(texts.load_program_text(2651, 9), "Programm");
    EXPECT_EQ(texts.load_program_text(2601), "Error");
    EXPECT_EQ(texts.language_entry(2601), "");
    EXPECT_EQ(texts.load_program_text(4999), std::string(160, 'L'));
    EXPECT_EQ(texts.load_program_text(4999, 300), long_text);
}

TEST(ProgramTexts, ReadsOneEntryPerLineAfterTheNameLine) {
    ProgramTexts texts;
    const std::string long_text(300, 'x');
    const std::string contents =
        "2603=Name line is not an entry\r\n"
        "2601=Fehler\r\n"
        "\r\n"
        " \t\r\n"
        "  2602=Achtung\r\n"
        "2801=a=b==c\r\n"
        "2802=LF only\n"
        "12abc=digits end the number\r\n"
        "+13=plus sign\r\n"
        "3001=" +
        long_text +
        "\r\n"
        "3002=\xC4nderung \xE9t\xE9\r\n"
        "3003=cut\0behind zero\r\n"
        "5000=out of range\r\n"
        "-1=negative\r\n"
        "-4999=negative\r\n"
        "4294969296=wraps to 2000 in 32 bits\r\n"
        "18446744073709553617=wraps to 2001 in 64 bits\r\n"
        "99999999999999999999999999=huge\r\n"
        "abc=no digits read as 0\r\n"s;
    texts.read_language_entries(contents);

    EXPECT_EQ(texts.language_entry(2601), "Fehler");
    EXPECT_EQ(texts.language_entry(2602), "Achtung");
    EXPECT_EQ(texts.language_entry(2801), "a=b==c");
    EXPECT_EQ(texts.language_entry(2802), "LF onl");
    EXPECT_EQ(texts.language_entry(12), "digits end the number");
    EXPECT_EQ(texts.language_entry(13), "plus sign");
    EXPECT_EQ(texts.language_entry(3001), std::string(260, 'x'));
    EXPECT_EQ(texts.language_entry(3002), "\xC4nderung \xE9t\xE9");
    EXPECT_EQ(texts.language_entry(3003), "cut");
    EXPECT_EQ(texts.language_entry(2000), "");
    EXPECT_EQ(texts.language_entry(2001), "");
    EXPECT_EQ(texts.language_entry(4999), "");
    EXPECT_EQ(texts.language_entry(0), "no digits read as 0");
    EXPECT_EQ(defined_entries(texts), 10);
}

TEST(ProgramTexts, EmptyTextsAndAnUnfinishedLastLineLeaveEntriesEmpty) {
    ProgramTexts texts;
    texts.read_language_entries("Name\r\n2601=Fehler\r\n2602=Achtung\r\n2651=Sichern ?\r\n");
    ASSERT_EQ(defined_entries(texts), 3);

    // A later file: an empty text empties its entry, entries it does not name stay.
    texts.read_language_entries("Name\r\n2601=\r\n2602=\n2651=no line feed");
    EXPECT_EQ(texts.language_entry(2601), "");
    EXPECT_EQ(texts.language_entry(2602), "");
    EXPECT_EQ(texts.language_entry(2651), "");

    texts.set_language_active(true);
    EXPECT_EQ(texts.load_program_text(2601), "Error");

    texts.read_language_entries("Name\r\n2601=Fehler\r\n2602=Achtung\r\nwords without equals");
    EXPECT_EQ(texts.language_entry(2601), "Fehler");
    EXPECT_EQ(texts.language_entry(2602), "Achtung");
    // Without a line feed there is only the name line.
    texts.read_language_entries("only a name 2602=\r");
    texts.read_language_entries("");
    EXPECT_EQ(texts.language_entry(2602), "Achtung");
    EXPECT_EQ(defined_entries(texts), 2);
}

}  // namespace
}  // namespace tc::texts
