#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "document/test_files.h"
#include "reader/symbology_members.h"
#include "shell/editor_sheet.h"
#include "shell/session.h"
#include "test_paths.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::texts {
namespace {

namespace fs = std::filesystem;

// The German language file shipped with the program, beside the built programs.
const fs::path kBuiltFile = fs::path(tc::test::kT73Path).parent_path() / "Deutsch.lng";

// What a translation must keep of the built-in text: its "%" conversions, whether it has an
// access key ("&New"; "&&" is an ampersand shown), the shortcut after a tab, and the blanks
// around it (list items are joined to numbers: "form  1").
struct Markers {
    std::string conversions;
    bool access_key = false;
    bool shortcut = false;
    std::size_t leading_blanks = 0;
    std::size_t trailing_blanks = 0;
    friend bool operator==(const Markers&, const Markers&) = default;
};

std::ostream& operator<<(std::ostream& out, const Markers& m) {
    return out << "{%" << m.conversions << " &" << m.access_key << " tab " << m.shortcut
               << " blanks " << m.leading_blanks << "/" << m.trailing_blanks << "}";
}

Markers markers_of(std::string_view text) {
    Markers m;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%') {
            m.conversions += text[++i];
        } else if (text[i] == '&') {
            if (text[i + 1] == '&') {
                ++i;
            } else if (std::isalnum(static_cast<unsigned char>(text[i + 1])) != 0) {
                m.access_key = true;  // "Date & Time" shows an ampersand
            }
        }
    }
    m.shortcut = text.find('\t') != std::string_view::npos;
    const std::size_t first = text.find_first_not_of(' ');
    m.leading_blanks = first == std::string_view::npos ? text.size() : first;
    m.trailing_blanks =
        first == std::string_view::npos ? 0 : text.size() - 1 - text.find_last_not_of(' ');
    return m;
}

// The access key of a menu item: the letter after its single "&", in lower case.
char access_key(std::string_view item) {
    const std::size_t amp = item.find('&');
    if (amp == std::string_view::npos || amp + 1 >= item.size()) return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(item[amp + 1])));
}

// The popup menu's items: New, Open..., Save, Save As..., Edit, Preferences..., About..., Exit,
// Preview, Application map...
constexpr int kMenuItemTexts[] = {31, 32, 33, 34, 35, 36, 37, 38, 2501, 2511};

// The built-in texts and every language file that ships: the popup menu's access keys differ;
// each translated program text keeps the markers of the built-in one and fits its 160-character
// buffer, each device text its 50 characters.
TEST(SampleLanguageFile, EveryShippedLanguageKeepsMarkersLengthsAndUniqueMenuKeys) {
    std::vector<std::string> languages{"0"};
    for (const auto& file : fs::directory_iterator(kBuiltFile.parent_path())) {
        if (file.path().extension() == ".lng") languages.push_back(file.path().stem().string());
    }
    ASSERT_GE(languages.size(), 2u);
    for (const std::string& language : languages) {
        SCOPED_TRACE(language);
        ProgramTexts texts;
        texts.start_languages(kBuiltFile.parent_path(), language);
        ASSERT_EQ(texts.language_active(), language != "0");
        std::set<char> keys;
        for (const int id : kMenuItemTexts) {
            const std::string item = texts.load_program_text(id);
            EXPECT_NE(access_key(item), 0) << id << " " << testing::PrintToString(item);
            EXPECT_TRUE(keys.insert(access_key(item)).second)
                << "access key used twice: " << testing::PrintToString(item);
        }
        for (int id = 0; id < 5000 && texts.language_active(); ++id) {
            const std::string& text = texts.language_entry(id);
            if (text.empty()) continue;
            const Markers built_in = markers_of(builtin_text(id));
            if (id < 3001) {
                EXPECT_EQ(markers_of(text), built_in) << id << " " << testing::PrintToString(text);
                EXPECT_LE(text.size(), 160u) << id;
            } else {
                EXPECT_EQ(markers_of(text).conversions, built_in.conversions) << id;
                EXPECT_LE(text.size(), 50u) << id;
            }
        }
    }
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
