// Malformed language files, one table: each is offered (or not) and loaded as the language file
// rules give it, every entry stays within its 260 characters, and nothing else changes.
#include <gtest/gtest.h>

#include <map>

#include "document/fault_test_support.h"
#include "document/test_files.h"
#include "texts/program_texts.h"

namespace tc::texts {
namespace {

using Entries = std::map<int, std::string>;

struct BadLanguageFile {
    std::string name;
    std::string contents;
    std::string offered_as;  // empty: not offered
    Entries entries;         // every entry the file defines; all others stay empty
};

std::vector<BadLanguageFile> bad_files() {
    using namespace std::string_literals;
    const std::string megabyte(1 << 20, 'M');
    std::vector<BadLanguageFile> files = {
        // Without "=", the number runs on to the next "=": that line's text goes to 2651.
        {"missing =",
         "Lang\r\n2651 Save it ?\r\n2652=Next\r\n2653=Last\r\n",
         "Lang",
         {{2651, "Next"}, {2653, "Last"}}},
        {"no = at all", "Lang\r\n2651 Save it ?\r\n", "Lang", {}},
        {"white space before the number",
         "Lang\r\n \t\v\f2601=Fehler\r\n",
         "Lang",
         {{2601, "Fehler"}}},
        {"huge identifiers",
         "Lang\r\n99999999999999999999999999=Huge\r\n5000=Beyond\r\n4999=Last\r\n"
         "18446744073709551617=Wraps\r\n",
         "Lang",
         {{4999, "Last"}}},
        {"negative numbers",
         "Lang\r\n-1=Minus\r\n-2651=Minus\r\n-0=Zero\r\n+7=Plus\r\n",
         "Lang",
         {{0, "Zero"}, {7, "Plus"}}},
        {"a 1 MB line",
         "Lang\r\n2651=" + megabyte + "\r\n2652=After\r\n",
         "Lang",
         {{2651, std::string(260, 'M')}, {2652, "After"}}},
        {"a 1 MB line without =", "Lang\r\n" + megabyte + "\r\n", "Lang", {}},
        {"a 1 MB name line",
         megabyte + "\r\n2651=Text\r\n",
         std::string(260, 'M'),
         {{2651, "Text"}}},
        {"NUL bytes", "La\0ng\r\n2651=Sa\0ve\r\n2652=\0\r\n"s, "La", {{2651, "Sa"}}},
        {"NUL first", "\0Lang\r\n2651=Text\r\n"s, "", {{2651, "Text"}}},
        {"empty", "", "", {}},
        {"only carriage returns", std::string(300, '\r'), "", {}},
        {"last line without line feed", "Lang\r\n2651=Text\r\n2652=Cut", "Lang", {{2651, "Text"}}},
    };
    std::string many = "Lang\r\n";
    Entries last;
    for (int i = 0; i < 100000; ++i) {
        const std::string text = "Text " + std::to_string(i);
        many += std::to_string(i % 5000) + "=" + text + "\r\n";
        last[i % 5000] = text;
    }
    files.push_back({"100,000 entries", many, "Lang", last});
    return files;
}

TEST(BadLanguageFile, EachIsOfferedAndLoadedAsTheRulesGiveWithinTheLimits) {
    for (const BadLanguageFile& bad : bad_files()) {
        SCOPED_TRACE(bad.name);
        test::TempFolder folder;
        test::write_text(folder.path() / "bad.lng", bad.contents);
        auto texts = std::make_unique<ProgramTexts>();
        texts->start_languages(folder.path(), bad.offered_as);
        if (bad.offered_as.empty()) {
            EXPECT_TRUE(texts->language_files().empty());
            EXPECT_FALSE(texts->language_active());
            // What the entries would be, read all the same.
            texts->read_language_entries(bad.contents);
        } else {
            ASSERT_EQ(texts->language_files().size(), 1u);
            EXPECT_EQ(texts->language_files()[0].name, bad.offered_as);
            EXPECT_TRUE(texts->language_active());
        }
        Entries loaded;
        for (int id = 0; id < kLanguageTableSize; ++id) {
            const std::string& entry = texts->language_entry(id);
            EXPECT_LE(entry.size(), kMaxEntryLength);
            if (!entry.empty()) loaded[id] = entry;
        }
        EXPECT_EQ(loaded, bad.entries);
    }
}

#ifndef _WIN32
TEST(BadLanguageFile, PipeOrFolderNamedLikeALanguageFileIsNotOffered) {
    test::TempFolder folder;
    const std::filesystem::path pipe = folder.path() / "a-pipe.lng";
    test::make_fifo(pipe);
    std::filesystem::create_directory(folder.path() / "b-folder.lng");
    test::write_text(folder.path() / "c-real.lng", "Real\r\n2651=Echt\r\n");
    ProgramTexts texts;
    EXPECT_TRUE(
        test::returns_without_waiting(pipe, [&] { texts.start_languages(folder.path(), "Real"); }));
    ASSERT_EQ(texts.language_files().size(), 1u);
    EXPECT_EQ(texts.language_files()[0].name, "Real");
    EXPECT_EQ(texts.load_program_text(2651), "Echt");
}
#endif

}  // namespace
}  // namespace tc::texts
