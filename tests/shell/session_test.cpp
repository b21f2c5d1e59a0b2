#include "shell/session.h"

#include <gtest/gtest.h>

#include <memory>

#include "document/test_files.h"
#include "texts/device_texts.h"
#include "ui/headless_host.h"
#include "ui/shown_text.h"

namespace tc::shell {
namespace {

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() {
        session_.open_editor_sheet = [this] { ++editor_opened_; };
    }

    // Saves a new design whose first prompt reads `marker`; `version` replaces the header's last
    // character.
    std::string make_design(const std::string& name, const std::string& marker,
                            char version = '0') {
        const texts::ProgramTexts texts;
        ui::HeadlessHost host;
        FileContext context{texts, host, nullptr};
        auto doc = std::make_unique<DesignDocument>();
        reset_design_document(*doc, texts);
        store_text(doc->forms[0].prompt[0], marker);
        const std::string path = folder_.file(name);
        EXPECT_TRUE(save_design_file(*doc, path, context));
        std::vector<Byte> bytes = test::read_bytes(path);
        bytes[14] = static_cast<Byte>(version);
        test::write_bytes(path, bytes);
        return path;
    }

    std::string first_prompt() const { return slot_text(session_.document().forms[0].prompt[0]); }
    std::string ini() const { return test::read_text(folder_.path() / "TC7350.ini"); }
    void write_ini(const std::string& text) {
        test::write_text(folder_.path() / "TC7350.ini", text);
    }

    test::TempFolder folder_;
    ui::HeadlessHost host_;
    Session session_{folder_.path(), host_};
    int editor_opened_ = 0;
};

TEST_F(SessionTest, StartUpWithoutIniGivesANewDesignWithBuiltInDeviceTexts) {
    session_.start_up();
    const DesignDocument& doc = session_.document();
    EXPECT_TRUE(doc.file_name.empty());
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(doc.reader[0], 1);
    EXPECT_EQ(slot_text(doc.device_texts.slot(3001)), "Show" + std::string(46, ' '));
    EXPECT_EQ(session_.preferences().last_file, "Unknow");
    EXPECT_TRUE(host_.messages().empty());
    EXPECT_EQ(editor_opened_, 0);
    EXPECT_TRUE(folder_.entries().empty());
}

TEST_F(SessionTest, AutoPreloadOpensTheLastFileOnlyWhenSet) {
    const std::string good = make_design("good.T73", "PRELOADED");
    write_ini(good + "\r1\r0\r0\r");
    session_.start_up();
    EXPECT_EQ(session_.document().file_name, good);
    EXPECT_EQ(first_prompt(), "PRELOADED");
    EXPECT_FALSE(session_.document().modified);
    EXPECT_EQ(session_.preferences().recent_files, std::vector<std::string>{good});
    EXPECT_EQ(ini(), good + "\r1\r0\r0\r" + good + "\r");
    EXPECT_TRUE(host_.messages().empty());
    EXPECT_EQ(editor_opened_, 0);

    for (const std::string& text : {good + "\r0\r0\r0\r", std::string("Unknow\r1\r0\r0\r")}) {
        write_ini(text);
        ui::HeadlessHost host;
        Session other(folder_.path(), host);
        other.start_up();
        EXPECT_TRUE(other.document().file_name.empty());
        EXPECT_EQ(slot_text(other.document().forms[0].prompt[0]), "");
        EXPECT_TRUE(host.messages().empty());
        EXPECT_EQ(ini(), text);
    }
}

TEST_F(SessionTest, AutoPreloadOfARejectedFileShowsTheMessageAndGoesOnWithANewDesign) {
    const std::string newer = make_design("newer.T73", "NEWER", '1');
    write_ini(newer + "\r1\r0\r0\r");
    session_.start_up();
    ASSERT_EQ(host_.messages().size(), 1u);
    EXPECT_EQ(host_.messages()[0].text, "The TC file version is newer than current program!");
    EXPECT_EQ(host_.messages()[0].title, "Error");
    EXPECT_EQ(first_prompt(), "");
    EXPECT_EQ(session_.document().reader[0], 1);
    // Not loaded, so a later Save must not go to that file.
    EXPECT_TRUE(session_.document().file_name.empty());
    EXPECT_EQ(ini(), newer + "\r1\r0\r0\r");
}

TEST_F(SessionTest, NewAsksOnlyWhenModifiedAndStopsOnCancel) {
    session_.start_up();
    DesignDocument& doc = session_.document();
    doc.file_name = "/designs/named.T73";
    store_text(doc.forms[0].prompt[0], "EDITED");
    session_.command_new();
    EXPECT_TRUE(host_.messages().empty());
    EXPECT_EQ(editor_opened_, 1);
    EXPECT_TRUE(doc.file_name.empty());
    EXPECT_EQ(first_prompt(), "");

    doc.file_name = "/designs/named.T73";
    store_text(doc.forms[0].prompt[0], "EDITED");
    doc.modified = true;
    host_.answer_next_message(ui::kIdCancel);
    session_.command_new();
    ASSERT_EQ(host_.messages().size(), 1u);
    EXPECT_EQ(host_.messages()[0].text, "Save current program ?");
    EXPECT_EQ(host_.messages()[0].style, ui::kMbYesNoCancel | ui::kMbIconQuestion);
    EXPECT_EQ(editor_opened_, 1);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.file_name, "/designs/named.T73");
    EXPECT_EQ(first_prompt(), "EDITED");

    host_.answer_next_message(ui::kIdNo);
    session_.command_new();
    EXPECT_EQ(editor_opened_, 2);
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(first_prompt(), "");
    EXPECT_TRUE(folder_.entries().empty());

    // Yes, then a cancelled Save As: the changes are gone and New goes on.
    store_text(doc.forms[0].prompt[0], "EDITED");
    doc.modified = true;
    host_.answer_next_message(ui::kIdYes);
    host_.answer_next_file_dialog(std::nullopt);
    session_.command_new();
    EXPECT_EQ(host_.file_dialogs().size(), 1u);
    EXPECT_EQ(editor_opened_, 3);
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(first_prompt(), "");
}

TEST_F(SessionTest, SaveClearsTheModifiedFlagOnlyWhenTheFileWasWritten) {
    session_.start_up();
    DesignDocument& doc = session_.document();
    doc.modified = true;
    host_.answer_next_file_dialog(std::nullopt);
    session_.command_save();
    EXPECT_EQ(host_.file_dialogs().size(), 1u);
    EXPECT_TRUE(host_.file_dialogs()[0].save);
    EXPECT_TRUE(doc.modified);

    const std::string path = folder_.file("saved.T73");
    host_.answer_next_file_dialog(path);
    session_.command_save_as();
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(doc.file_name, path);
    EXPECT_EQ(std::filesystem::file_size(path), kDesignFileSize);
    EXPECT_EQ(ini(), path + "\r0\r0\r0\r" + path + "\r");

    doc.modified = true;
    doc.file_name = folder_.file("missing/unsaved.T73");
    session_.command_save();
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(host_.file_dialogs().size(), 2u);

    doc.file_name = path;
    session_.command_save();
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(host_.file_dialogs().size(), 2u);
    // Only the save into the missing folder told the user why it failed.
    EXPECT_EQ(host_.messages().size(), 1u);
}

TEST_F(SessionTest, RecentFileOpensWithoutPromptOrResetAndNamesOnlyWhatWasOpened) {
    const std::string a = make_design("a.T73", "DESIGN A");
    const std::string b = make_design("b.T73", "DESIGN B");
    write_ini(a + "\r0\r0\r0\r" + a + "\r" + b + "\r");
    session_.start_up();
    ASSERT_EQ(session_.preferences().recent_files, (std::vector<std::string>{a, b}));
    DesignDocument& doc = session_.document();
    doc.modified = true;

    session_.command_recent_file(1);
    EXPECT_TRUE(host_.messages().empty());
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.file_name, b);
    EXPECT_EQ(first_prompt(), "DESIGN B");
    EXPECT_EQ(editor_opened_, 1);
    EXPECT_EQ(session_.preferences().recent_files, (std::vector<std::string>{b, a}));
    EXPECT_EQ(ini(), b + "\r0\r0\r0\r" + b + "\r" + a + "\r");

    session_.command_recent_file(2);
    EXPECT_EQ(editor_opened_, 1);

    // A file that is gone, then one of a newer version: the user is told, and the editor opens on
    // the previous design.
    std::filesystem::remove(a);
    session_.command_recent_file(1);
    EXPECT_EQ(editor_opened_, 2);
    EXPECT_EQ(doc.file_name, b);
    ASSERT_EQ(host_.messages().size(), 1u);
    EXPECT_EQ(host_.messages()[0].text,
              "Cannot open " + ui::shown_file_name(a) + ": No such file or directory");
    EXPECT_EQ(host_.messages()[0].title, "Error");
    make_design("a.T73", "DESIGN A", '9');
    session_.command_recent_file(1);
    EXPECT_EQ(editor_opened_, 3);
    EXPECT_EQ(host_.messages().size(), 2u);
    EXPECT_EQ(doc.file_name, b);
    EXPECT_EQ(first_prompt(), "DESIGN B");
    EXPECT_EQ(session_.preferences().recent_files, (std::vector<std::string>{b, a}));
}

TEST_F(SessionTest, OpenRereadsTheIniAndGivesTheDesignBackWhenNoFileIsOpened) {
    const std::string good = make_design("good.T73", "GOOD");
    const std::string newer = make_design("newer.T73", "NEWER", '1');
    session_.start_up();
    DesignDocument& doc = session_.document();

    // Re-reading the INI file takes its preferences but not its last file as the name.
    write_ini(good + "\r1\r0\rDeutsch\r" + good + "\r");
    doc.file_name = folder_.file("edited.T73");
    store_text(doc.forms[0].prompt[0], "EDITED");
    host_.answer_next_file_dialog(std::nullopt);
    session_.command_open();
    EXPECT_TRUE(host_.messages().empty());
    EXPECT_EQ(session_.preferences().language, "Deutsch");
    EXPECT_TRUE(session_.preferences().auto_preload);
    EXPECT_EQ(session_.preferences().recent_files, std::vector<std::string>{good});
    EXPECT_EQ(editor_opened_, 0);

    doc.modified = true;
    host_.answer_next_message(ui::kIdCancel);
    session_.command_open();
    EXPECT_EQ(host_.file_dialogs().size(), 1u);

    // A cancelled dialog, a rejected file, a file that vanished after the dialog and a folder:
    // each gives back the design as it was, with its name and its modified flag.
    const std::vector<std::pair<std::optional<std::string>, std::string>> failed_opens = {
        {std::nullopt, ""},
        {newer, "The TC file version is newer than current program!"},
        {folder_.file("vanished.T73"), "Cannot open " +
                                           ui::shown_file_name(folder_.file("vanished.T73")) +
                                           ": No such file or directory"},
        {folder_.path().string(),
         "Cannot open " + ui::shown_file_name(folder_.path().string()) + ": Is a directory"}};
    for (const auto& [chosen, message] : failed_opens) {
        SCOPED_TRACE(chosen.value_or("cancelled"));
        host_.clear_record();
        host_.answer_next_message(ui::kIdNo);
        host_.answer_next_file_dialog(chosen);
        session_.command_open();
        ASSERT_EQ(host_.messages().size(), message.empty() ? 1u : 2u);
        if (!message.empty()) {
            EXPECT_EQ(host_.messages()[1].text, message);
        }
        EXPECT_TRUE(doc.modified);
        EXPECT_EQ(doc.file_name, folder_.file("edited.T73"));
        EXPECT_EQ(first_prompt(), "EDITED");
        EXPECT_EQ(editor_opened_, 0);
    }

    host_.answer_next_message(ui::kIdNo);
    host_.answer_next_file_dialog(good);
    session_.command_open();
    EXPECT_EQ(doc.file_name, good);
    EXPECT_EQ(first_prompt(), "GOOD");
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(editor_opened_, 1);
    EXPECT_EQ(ini(), good + "\r1\r0\rDeutsch\r" + good + "\r");
}

// Paths are made from UTF-8 text with the standard library here, which Windows does not read as
// UTF-8: the Windows build checks such names through t73.exe (scripts/compare-t73-windows).
#ifndef _WIN32
TEST_F(SessionTest, NamesInAnyScriptAndLongPathsAreSavedOpenedAndRememberedWhole) {
    // German, Russian and Greek names, in a folder with a non-ASCII name, and a path of more than
    // 260 characters. File names are UTF-8 here.
    const std::filesystem::path folder = folder_.path() / "Entw\u00FCrfe \u0427\u0435\u0440\u043D";
    const std::filesystem::path deep =
        folder / std::string(100, 'a') / std::string(100, 'b') / std::string(100, 'c');
    std::filesystem::create_directories(deep);
    const std::string german = (folder / "Gr\u00F6\u00DFe Stra\u00DFe.T73").string();
    const std::string russian = (folder / "\u0421\u043A\u043B\u0430\u0434.T73").string();
    const std::string greek = (folder / "\u0391\u03C0\u03BF\u03B8\u03AE\u03BA\u03B7.T73").string();
    const std::string long_path = (deep / "Lager.T73").string();
    ASSERT_GT(long_path.size(), 300u);
    session_.start_up();
    DesignDocument& doc = session_.document();

    for (const std::string& name : {german, russian, greek, long_path}) {
        SCOPED_TRACE(name);
        store_text(doc.forms[0].prompt[0], "SAVED");
        doc.modified = true;
        host_.answer_next_file_dialog(name);
        session_.command_save_as();
        EXPECT_FALSE(doc.modified);
        EXPECT_EQ(std::filesystem::file_size(name), kDesignFileSize);

        store_text(doc.forms[0].prompt[0], "CHANGED");
        host_.answer_next_file_dialog(name);
        session_.command_open();
        EXPECT_EQ(first_prompt(), "SAVED");
        EXPECT_EQ(doc.file_name, name);
        // The Open dialog starts in the file's folder with its name.
        EXPECT_EQ(host_.file_dialogs().back().request.initial_folder,
                  std::filesystem::path(name).parent_path().string());
    }
    EXPECT_TRUE(host_.messages().empty());
    EXPECT_EQ(folder_.entries(),
              (std::vector<std::string>{"Entw\u00FCrfe \u0427\u0435\u0440\u043D", "TC7350.ini"}));

    // The INI file holds the German name in Windows-1252, as it always has, the others as their
    // own bytes behind a byte order mark, and the long path whole.
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(ini(), bom + long_path + "\r0\r0\r0\r" + bom + long_path + "\r" + bom + greek + "\r" +
                         bom + russian + "\r" + bom + german + "\r");
    std::filesystem::rename(folder, folder_.path() / "Entw\u00FCrfe");
    const std::string moved =
        (folder_.path() / "Entw\u00FCrfe" / "Gr\u00F6\u00DFe Stra\u00DFe.T73").string();
    session_.preferences().recent_files = {moved};
    session_.write_preferences();
    EXPECT_EQ(ini(), bom + long_path + "\r0\r0\r0\r" + folder_.path().string() +
                         "/Entw\xFCrfe/Gr\xF6\xDF"
                         "e Stra\xDF"
                         "e.T73\r");

    // Read back by the next run: the recent files are found under their names.
    ui::HeadlessHost host;
    Session next(folder_.path(), host);
    next.start_up();
    EXPECT_EQ(next.preferences().recent_files, std::vector<std::string>{moved});
    next.command_recent_file(0);
    EXPECT_EQ(next.document().file_name, moved);
    EXPECT_EQ(slot_text(next.document().forms[0].prompt[0]), "SAVED");
    EXPECT_TRUE(host.messages().empty());
}
#endif

}  // namespace
}  // namespace tc::shell
