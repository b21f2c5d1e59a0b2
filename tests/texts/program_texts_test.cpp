#include "texts/program_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace tc::texts {
namespace {

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
