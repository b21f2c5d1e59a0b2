#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "texts/program_texts.h"

namespace tc::texts {
namespace {

namespace fs = std::filesystem;

// A fresh directory standing in for the program directory, removed after each test.
class LanguageFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::optional<fs::path> dir = platform::make_temporary_directory("tc-lng-");
        ASSERT_TRUE(dir);
        dir_ = *dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const std::string& file_name, const std::string& bytes) const {
        std::ofstream out(dir_ / file_name, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<std::string> offered_names(const ProgramTexts& texts) const {
        std::vector<std::string> names;
        for (const LanguageFile& file : texts.language_files()) names.push_back(file.name);
        return names;
    }

    fs::path dir_;
};

TEST_F(LanguageFiles, OffersReadableNamedFilesInFileNameOrder) {
    write("b.lng", "Deutsch\r\n2651=Programm speichern ?\r\n");
    write("a.lng",
          "\r\r Fran\xE7"
          "ais\r\n2651=Enregistrer ?\r\n");
    write("c.lng", "");
#ifndef _WIN32
    fs::create_symlink(dir_ / "missing.lng", dir_ / "d.lng");  // cannot be opened
#endif
    fs::create_directory(dir_ / "e.lng");
    write("f.txt", "English\r\n");
    write("G.LNG", "Upper\r\n");
    write("h.lng", std::string(300, 'n'));  // no carriage return within the first 260 bytes
    write("i.lng", "LF only\n2651=x\n");

    ProgramTexts texts;
    EXPECT_EQ(texts.find_language_files(dir_), 5);
    const std::vector<std::string> expected{"Upper",
                                            " Fran\xE7"
                                            "ais",
                                            "Deutsch", std::string(260, 'n'), "LF only\n2651=x\n"};
    EXPECT_EQ(offered_names(texts), expected);
    ASSERT_EQ(texts.language_files().size(), 5u);
    EXPECT_EQ(texts.language_files()[0].path, dir_ / "G.LNG");
    EXPECT_EQ(texts.language_files()[1].path, dir_ / "a.lng");
    EXPECT_EQ(texts.language_files()[2].path, dir_ / "b.lng");

    // Searching again starts from an empty list.
    EXPECT_EQ(texts.find_language_files(dir_ / "no such directory"), 0);
    EXPECT_TRUE(texts.language_files().empty());
}

TEST_F(LanguageFiles, OffersAtMostTwentyFiles) {
    for (int n = 0; n <= 20; ++n) {
        const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
        write("lang" + number + ".lng", "L" + number + "\r\n2651=" + number + "\r\n");
    }
    ProgramTexts texts;
    EXPECT_EQ(texts.find_language_files(dir_), 20);
    EXPECT_EQ(texts.language_entry(5000), "");  // past the table, with files found
    EXPECT_EQ(offered_names(texts).front(), "L00");
    EXPECT_EQ(offered_names(texts).back(), "L19");
    EXPECT_EQ(texts.load_language("L20"), 0);
    EXPECT_EQ(texts.load_language("L19"), 1);
    EXPECT_EQ(texts.language_entry(2651), "19");
}

TEST_F(LanguageFiles, StartsTheChosenLanguageMatchedExactlyAndReadsItWhole) {
    std::string big = "Deutsch\r\n2651=Programm speichern ?\r\n2602=\r\n2801=a=b\r\n2802=nur LF\n";
    while (big.size() <= 60'000) big += "1000=" + std::string(100, 'p') + "\r\n";
    big += "4999=Ende\r\n";
    write("de.lng", big);

    ProgramTexts texts;
    texts.start_languages(dir_, "Deutsch");
    EXPECT_TRUE(texts.language_active());
    EXPECT_EQ(texts.load_program_text(2651), "Programm speichern ?");
    EXPECT_EQ(texts.load_program_text(2602), "Warning");
    EXPECT_EQ(texts.load_program_text(2601), "Error");
    EXPECT_EQ(texts.load_program_text(2801), "a=b");
    EXPECT_EQ(texts.load_program_text(2802), "nur L");
    EXPECT_EQ(texts.load_program_text(4999), "Ende");

    ProgramTexts other;
    other.start_languages(dir_, "deutsch");
    EXPECT_FALSE(other.language_active());
    EXPECT_EQ(other.language_files().size(), 1u);
    EXPECT_EQ(other.language_entry(2651), "");
    EXPECT_EQ(other.load_program_text(2651), "Save current program ?");

    other.start_languages(dir_, "0");
    EXPECT_FALSE(other.language_active());

    fs::remove(dir_ / "de.lng");
    texts.start_languages(dir_, "Deutsch");
    EXPECT_FALSE(texts.language_active());
    EXPECT_EQ(texts.load_program_text(2651), "Save current program ?");
}

TEST_F(LanguageFiles, SwitchingLanguagesKeepsEntriesTheSecondDoesNotDefine) {
    write("1.lng", "Erste\r\n2601=Fehler\r\n2651=Sichern ?\r\n");
    write("2.lng", "Zweite\r\n2651=Speichern ?\r\n");
    ProgramTexts texts;
    texts.start_languages(dir_, "Erste");
    ASSERT_TRUE(texts.language_active());

    texts.set_language_active(texts.load_language("Zweite") == 1);
    EXPECT_TRUE(texts.language_active());
    EXPECT_EQ(texts.load_program_text(2651), "Speichern ?");
    EXPECT_EQ(texts.load_program_text(2601), "Fehler");
    EXPECT_EQ(texts.load_program_text(2602), "Warning");
}

TEST_F(LanguageFiles, FallsBackToTheNextFileOfTheSameNameWhenOneCannotBeRead) {
    write("a.lng", "Doppelt\r\n2651=aus a\r\n");
    write("b.lng", "Doppelt\r\n2651=aus b\r\n");
    ProgramTexts texts;
    ASSERT_EQ(texts.find_language_files(dir_), 2);

    fs::remove(dir_ / "a.lng");
    EXPECT_EQ(texts.load_language("Doppelt"), 1);
    EXPECT_EQ(texts.language_entry(2651), "aus b");

    fs::remove(dir_ / "b.lng");
    EXPECT_EQ(texts.load_language("Doppelt"), 0);
}

}  // namespace
}  // namespace tc::texts
