#include "shell/editor_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "document/design_file.h"
#include "forms/form_page.h"
#include "lookups/lookup_page.h"
#include "menus/menu_page.h"
#include "resources/form_page_layout.h"
#include "settings/settings_page.h"
#include "shell/sheet_test_support.h"
#include "ui/shown_text.h"

namespace tc::test {
namespace {

using ui::PropertySheet;

class EditorSheetTest : public SheetTest {
  protected:
    std::string text(int id) { return texts().load_program_text(id); }
};

TEST_F(EditorSheetTest, CaptionNamesTheNewFileOrTheOpenedPath) {
    const std::string new_caption = text(1) + " - [ " + text(2) + " ]";
    session.open_editor_sheet = [this] { shell::open_editor_sheet(session); };
    session.command_new();
    document().file_name = "Unknow";
    shell::open_editor_sheet(session);
    EXPECT_EQ(host.sheets_shown(), (std::vector<std::string>{new_caption, new_caption}));
    EXPECT_NE(new_caption.find("New file"), std::string::npos);

    const std::string path = folder.file("Store Orders.T73");
    write_bytes(path, design_file_bytes(document()));
    host.answer_next_file_dialog(path);
    session.command_open();
    ASSERT_EQ(host.sheets_shown().size(), 3u);
    EXPECT_EQ(host.sheets_shown()[2], text(1) + " - [ " + ui::shown_file_name(path) + " ]");
}

TEST_F(EditorSheetTest, PagesAreCreatedWhenShownAndOkMarksTheDesignModified) {
    host.on_sheet([&](PropertySheet& sheet) {
        ASSERT_EQ(sheet.page_count(), 5u);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(sheet.page_title(i), text(static_cast<int>(i) + 3));
        }
        ASSERT_NE(sheet.page(0), nullptr);  // the sheet starts on the Form page
        EXPECT_EQ(sheet.page(0)->layout().name, "FORMDLG");
        for (std::size_t i = 1; i < 5; ++i) EXPECT_EQ(sheet.page(i), nullptr);
        sheet.show_page(3);
        ASSERT_NE(sheet.page(3), nullptr);
        EXPECT_EQ(sheet.page(3)->layout().name, "BARCODEDLG");
        EXPECT_EQ(sheet.page(1), nullptr);
        EXPECT_FALSE(document().modified);
        sheet.user_presses_ok();
    });
    shell::open_editor_sheet(session);
    EXPECT_TRUE(document().modified);
}

// Each page takes its captions and list items from the language; a text the language does not
// define leaves its control without a caption.
TEST_F(EditorSheetTest, EveryPageTakesItsCaptionsFromTheLanguage) {
    use_language(
        "1=Komponist\r\n3=Formular\r\n101=Kennung :\r\n117=Variablen\r\n241=Menue-ID :\r\n"
        "1303=Menue \r\n281=Datei :\r\n293=Laenge\r\n1161=Zuruecksetzen\r\n");
    struct Caption {
        std::size_t page;
        int id;
        std::string expected;
    };
    namespace form = resources::form_page_ids;
    const Caption captions[] = {
        {0, form::kIdLabel, "Kennung :"},
        {0, form::kLinkHeading, "Variablen"},
        {0, form::kKeyFieldLabel, ""},
        {1, MenuPage::kIdLabel, "Menue-ID :"},
        {1, MenuPage::kEscLabel, ""},
        {2, LookupPage::kIdLabel, "Datei :"},
        {2, LookupPage::kLengthLabel, "Laenge"},
        {2, LookupPage::kOverwriteRadio, ""},
        {4, SettingsPage::kResetButton, "Zuruecksetzen"},
        {4, SettingsPage::kStartLabel, ""},
    };
    host.on_sheet([&](PropertySheet& sheet) {
        EXPECT_EQ(sheet.page_title(0), "Formular");
        EXPECT_EQ(sheet.page_title(1), "");
        for (const Caption& c : captions) {
            sheet.show_page(c.page);
            EXPECT_EQ(sheet.page(c.page)->text(c.id), c.expected) << c.id;
        }
        EXPECT_EQ(sheet.page(1)->items(MenuPage::kMenuList).at(2), "Menue 3");
        EXPECT_EQ(sheet.page(1)->items(MenuPage::kEscList).at(0), "main");
        sheet.show_page(0);
        sheet.page(0)->user_chooses(form::kLookupList, 1);
        EXPECT_EQ(sheet.page(0)->text(form::kLinkHeading), "");
    });
    shell::open_editor_sheet(session);
    EXPECT_EQ(host.sheets_shown().at(0), "Komponist - [  ]");
}

}  // namespace
}  // namespace tc::test
