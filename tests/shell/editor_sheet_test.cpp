#include "shell/editor_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "document/design_file.h"
#include "document/test_files.h"
#include "ui/headless_host.h"

namespace tc::shell {
namespace {

using ui::HeadlessHost;
using ui::PropertySheet;

struct SheetFixture {
    test::TempFolder folder;
    HeadlessHost host;
    Session session{folder.path(), host};
    SheetFixture() {
        session.start_up();
        session.open_editor_sheet = [this] { open_editor_sheet(session); };
    }
    std::string text(int id) { return session.texts().load_program_text(id); }
};

TEST(EditorSheet, PagesAndFormNumbers) {
    const auto& pages = editor_pages();
    const std::string_view names[] = {"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODEDLG",
                                      "SETTINGSDLG"};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].template_name, names[i]);
        EXPECT_EQ(pages[i].title_id, static_cast<int>(i) + 3);
    }
    const auto numbers = make_form_number_texts();
    EXPECT_EQ(numbers[0], "1");
    EXPECT_EQ(numbers[9], "10");
    EXPECT_EQ(numbers[19], "20");
}

TEST(EditorSheet, CaptionNamesTheNewFileOrTheOpenedPath) {
    SheetFixture f;
    const std::string new_caption = f.text(1) + " - [ " + f.text(2) + " ]";
    f.session.command_new();
    f.session.document().file_name = "Unknow";
    open_editor_sheet(f.session);
    ASSERT_EQ(f.host.sheets_shown().size(), 2u);
    EXPECT_EQ(f.host.sheets_shown()[0], new_caption);
    EXPECT_EQ(f.host.sheets_shown()[1], new_caption);
    EXPECT_NE(new_caption.find("New file"), std::string::npos);

    // Open a saved design: the brackets hold its path as the current file name holds it.
    const std::string path = f.folder.file("Store Orders.T73");
    test::write_bytes(path, design_file_bytes(f.session.document()));
    f.host.answer_next_file_dialog(path);
    f.session.command_open();
    ASSERT_EQ(f.host.sheets_shown().size(), 3u);
    EXPECT_EQ(f.host.sheets_shown()[2], f.text(1) + " - [ " + path + " ]");

    // A caption longer than 260 characters is cut.
    const std::string long_name = "/" + std::string(300, 'd') + ".T73";
    const std::string caption = editor_sheet_caption("Composer", "New file", long_name);
    EXPECT_EQ(caption, ("Composer - [ " + long_name).substr(0, 260));
    EXPECT_EQ(editor_sheet_caption("P", "New file", ""), "P - [ New file ]");
}

TEST(EditorSheet, LanguageTextsAreTakenAsTheTableHoldsThem) {
    SheetFixture f;
    f.session.texts().read_language_entries("Deutsch\r\n1=Komponist\r\n3=Formular\r\n");
    f.session.texts().set_language_active(true);
    f.host.on_sheet([](PropertySheet& sheet) {
        EXPECT_EQ(sheet.page_title(0), "Formular");
        EXPECT_EQ(sheet.page_title(1), "");  // not in the language file
    });
    open_editor_sheet(f.session);
    EXPECT_EQ(f.host.sheets_shown().at(0), "Komponist - [  ]");
}

TEST(EditorSheet, PagesAreCreatedWhenShownAndOkMarksTheDesignModified) {
    SheetFixture f;
    ASSERT_FALSE(f.session.document().modified);
    f.host.on_sheet([&](PropertySheet& sheet) {
        ASSERT_EQ(sheet.page_count(), 5u);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(sheet.page_title(i), f.text(static_cast<int>(i) + 3));
        }
        ASSERT_NE(sheet.page(0), nullptr);  // the sheet starts on the Form page
        EXPECT_EQ(sheet.page(0)->layout().name, "FORMDLG");
        for (std::size_t i = 1; i < 5; ++i) EXPECT_EQ(sheet.page(i), nullptr);
        sheet.show_page(3);
        ASSERT_NE(sheet.page(3), nullptr);
        EXPECT_EQ(sheet.page(3)->layout().name, "BARCODEDLG");
        EXPECT_EQ(sheet.page(1), nullptr);
        EXPECT_FALSE(f.session.document().modified);
        sheet.user_presses_ok();
    });
    open_editor_sheet(f.session);
    EXPECT_TRUE(f.session.document().modified);
    EXPECT_EQ(f.host.sheets_shown().size(), 1u);
}

TEST(EditorSheet, CancelLeavesTheDesignAndTheModifiedFlag) {
    SheetFixture f;
    const std::vector<Byte> before = design_file_bytes(f.session.document());
    for (const bool modified : {false, true}) {
        f.session.document().modified = modified;
        f.host.on_sheet([](PropertySheet& sheet) {
            for (std::size_t i = 0; i < sheet.page_count(); ++i) sheet.show_page(i);
            sheet.user_presses_cancel();
        });
        open_editor_sheet(f.session);
        EXPECT_EQ(f.session.document().modified, modified);
        EXPECT_EQ(design_file_bytes(f.session.document()), before);
    }
}

}  // namespace
}  // namespace tc::shell
