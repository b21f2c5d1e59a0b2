#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "document/test_files.h"
#include "reader/symbology_members.h"
#include "shell/editor_sheet.h"
#include "shell/session.h"
#include "texts/device_texts.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::texts {
namespace {

namespace fs = std::filesystem;

// The German language file shipped with the program, in the source tree and beside the built
// programs.
const fs::path kSourceFile = fs::path(__FILE__).parent_path().parent_path().parent_path() /
                             "resources" / "languages" / "Deutsch.lng";
const fs::path kBuiltFile = fs::path(T73_PATH).parent_path() / "Deutsch.lng";

std::string read_all(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SampleLanguageFile, IsWellFormedWindows1252WithCrLfAndOnlyKnownIdentifiers) {
    const std::string contents = read_all(kSourceFile);
    ASSERT_FALSE(contents.empty()) << kSourceFile;
    EXPECT_EQ(contents, read_all(kBuiltFile)) << "the build copies it beside the programs";
    ASSERT_EQ(contents.rfind("Deutsch\r\n", 0), 0u);
    ASSERT_TRUE(contents.ends_with("\r\n"));

    std::set<int> ids;
    int device_texts = 0;
    std::size_t start = contents.find('\n') + 1;
    while (start < contents.size()) {
        const std::size_t end = contents.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = contents.substr(start, end - start);
        start = end + 1;
        ASSERT_TRUE(line.ends_with('\r')) << line;
        const std::size_t equals = line.find('=');
        ASSERT_NE(equals, std::string::npos) << line;
        const std::string digits = line.substr(0, equals);
        ASSERT_FALSE(digits.empty());
        ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << line;
        const int id = std::stoi(digits);
        const std::string text = line.substr(equals + 1, line.size() - equals - 2);
        EXPECT_TRUE(ids.insert(id).second) << "twice: " << id;
        EXPECT_FALSE(builtin_text(id).empty()) << "no built-in text " << id;
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_EQ(text.find('\r'), std::string::npos) << id;
        if (id >= 3001) {
            ++device_texts;
            EXPECT_LE(text.size(), 50u) << id;
        }
        // Single bytes of Windows-1252, never the two-byte UTF-8 forms of accented letters.
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const auto next = static_cast<unsigned char>(text[i + 1]);
            EXPECT_FALSE(lead == 0xC3 && next >= 0x80 && next <= 0xBF) << id;
        }
    }
    EXPECT_GE(ids.size() - static_cast<std::size_t>(device_texts), 300u);
    EXPECT_GE(device_texts, 300);
    for (const char letter : {'\xE4', '\xF6', '\xFC', '\xDF', '\xC4', '\xD6', '\xDC'}) {
        EXPECT_NE(contents.find(letter), std::string::npos) << static_cast<int>(letter);
    }
}

TEST(SampleLanguageFile, LoadsThroughTheProgramTexts) {
    ProgramTexts texts;
    texts.start_languages(kBuiltFile.parent_path(), "Deutsch");
    ASSERT_TRUE(texts.language_active());
    bool offered = false;
    for (const LanguageFile& file : texts.language_files()) offered |= file.name == "Deutsch";
    EXPECT_TRUE(offered);

    EXPECT_EQ(texts.load_program_text(2651), "Aktuelles Programm speichern ?");
    EXPECT_EQ(texts.load_program_text(4), "Men\xFC");
    EXPECT_EQ(texts.load_program_text(31), "&Neu\tStrg+N");
    EXPECT_EQ(texts.language_entry(66), "TC7350 Einstellungen");
    EXPECT_EQ(texts.language_entry(71), "Abbrechen");
    EXPECT_EQ(texts.load_program_text(2854), "Ung\xFCltiger Wert!");
    EXPECT_EQ(texts.load_program_text(1169), "2.  Daten l\xF6schen");
    // Names of barcode symbologies stay as they are: the built-in text.
    EXPECT_EQ(texts.language_entry(371), "");
    EXPECT_EQ(texts.load_program_text(371), "Code 39");

    // Device texts go into the design as the file gives them, not padded.
    DeviceTextTables tables;
    fill_text_tables(texts, tables);
    EXPECT_EQ(slot_text(tables.slot(3002)), "Ende");
    EXPECT_EQ(slot_text(tables.slot(3324)), "Speichern");
    EXPECT_EQ(slot_text(tables.slot(3621)), " Datensatz Nr.");
    EXPECT_EQ(slot_text(tables.slot(3661)), "Code 39" + std::string(43, ' '));
}

// The captions of every control of the five pages, page by page, as a session in `language`
// shows them.
std::vector<std::vector<std::string>> page_captions(const fs::path& program_dir,
                                                    const std::string& language) {
    ui::HeadlessHost host;
    shell::Session session(program_dir, host);
    session.start_up();
    session.preferences().language = language;
    session.texts().set_language_active(session.texts().load_language(language) == 1);
    std::vector<std::vector<std::string>> captions;
    host.on_sheet([&](ui::PropertySheet& sheet) {
        for (std::size_t index = 0; index < sheet.page_count(); ++index) {
            sheet.show_page(index);
            std::vector<std::string>& page = captions.emplace_back();
            page.push_back(sheet.page_title(index));
            for (const ui::Control& control : sheet.page(index)->controls()) {
                const bool captioned = control.kind == ui::ControlKind::Label ||
                                       control.kind == ui::ControlKind::CheckBox ||
                                       control.kind == ui::ControlKind::RadioButton ||
                                       control.kind == ui::ControlKind::Button ||
                                       control.kind == ui::ControlKind::GroupBox;
                page.push_back(captioned ? control.text : std::string());
            }
        }
        sheet.user_presses_cancel();
    });
    shell::open_editor_sheet(session);
    return captions;
}

// A language relabels the pages and the symbology dialogs from its own entries only: a caption
// that the file leaves out would be empty.
TEST(SampleLanguageFile, LeavesNoCaptionOfThePagesOrSymbologyDialogsEmpty) {
    test::TempFolder program_dir;
    fs::copy_file(kBuiltFile, program_dir.path() / "Deutsch.lng");
    const auto english = page_captions(program_dir.path(), "0");
    const auto german = page_captions(program_dir.path(), "Deutsch");
    ASSERT_EQ(english.size(), 5u);
    ASSERT_EQ(german.size(), english.size());
    EXPECT_EQ(german[0][0], "Maske");
    for (std::size_t page = 0; page < english.size(); ++page) {
        ASSERT_EQ(german[page].size(), english[page].size()) << page;
        for (std::size_t i = 0; i < english[page].size(); ++i) {
            if (english[page][i].empty()) continue;
            EXPECT_FALSE(german[page][i].empty())
                << "page " << page << " control " << i << " \"" << english[page][i] << "\"";
        }
    }

    ProgramTexts texts;
    texts.start_languages(kBuiltFile.parent_path(), "Deutsch");
    for (const symbology::Member& member : symbology::members()) {
        std::vector<ui::Caption> captions{member.title, member.ok, member.cancel};
        for (const symbology::Binding& binding : member.bindings) {
            captions.push_back(binding.caption);
            captions.insert(captions.end(), binding.choices.begin(), binding.choices.end());
        }
        for (const ui::Caption& caption : captions) {
            if (caption.text_id < 0) continue;
            EXPECT_FALSE(texts.language_entry(caption.text_id).empty())
                << member.name << " text " << caption.text_id;
        }
    }
}

}  // namespace
}  // namespace tc::texts
