#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/test_files.h"
#include "reader/symbology_members.h"
#include "shell/editor_sheet.h"
#include "shell/session.h"
#include "test_paths.h"
#include "texts/device_texts.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::texts {
namespace {

namespace fs = std::filesystem;

// The German language file shipped with the program, beside the built programs.
const fs::path kBuiltFile = fs::path(tc::test::kT73Path).parent_path() / "Deutsch.lng";

TEST(SampleLanguageFile, LoadsThroughTheProgramTexts) {
    ProgramTexts texts;
    texts.start_languages(kBuiltFile.parent_path(), "Deutsch");
    ASSERT_TRUE(texts.language_active());
    bool offered = false;
    for (const LanguageFile& file : texts.language_files()) offered |= file.name == "Deutsch";
    EXPECT_TRUE(offered);

    EXPECT_EQ(texts.load_program_text(2854), "Ung\xFCltiger Wert!");
    // Names of barcode symbologies stay as they are: the built-in text.
    EXPECT_EQ(texts.language_entry(371), "");
    EXPECT_EQ(texts.load_program_text(371), "Code 39");

    // Device texts go into the design as the file gives them, not padded.
    DeviceTextTables tables;
    fill_text_tables(texts, tables);
    EXPECT_EQ(slot_text(tables.slot(3002)), "Ende");
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
