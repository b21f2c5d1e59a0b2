#include "shell/main_window.h"

#include <gtest/gtest.h>

#include "document/test_files.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::shell {
namespace {

using ui::HeadlessHost;

class RecordingWindow : public WindowListener {
  public:
    void put_in_place(const WindowPlacement& placement) override {
        placements.push_back(placement);
    }
    void destroy() override { ++destroyed; }

    std::vector<WindowPlacement> placements;
    int destroyed = 0;
};

struct MainWindowFixture {
    test::TempFolder folder;
    HeadlessHost host;
    Session session{folder.path(), host};
    RecordingWindow window;
    MainWindow main{session, window};

    void write_ini(const std::string& text) const {
        test::write_text(folder.path() / "TC7350.ini", text);
    }
    std::string existing_file(const std::string& name) const {
        test::write_text(folder.file(name), "x");
        return folder.file(name);
    }
    std::size_t things_shown() const {
        return host.dialogs_shown().size() + host.sheets_shown().size() + host.messages().size() +
               host.file_dialogs().size() + host.popups_shown().size();
    }
};

std::vector<std::string> texts_of(const ui::Menu& menu) {
    std::vector<std::string> texts;
    for (const ui::MenuItem& item : menu) texts.push_back(item.separator ? "-" : item.text);
    return texts;
}

std::vector<int> commands_of(const ui::Menu& menu) {
    std::vector<int> commands;
    for (const ui::MenuItem& item : menu) commands.push_back(item.separator ? 0 : item.command);
    return commands;
}

const WindowPlacement kInPlace{false, {300, 50, 260, 482}};
const WindowPlacement kInPlaceOnTop{true, {300, 50, 260, 482}};

TEST(MainWindow, PopupMenuItemsRecentFilesAndLanguage) {
    texts::ProgramTexts texts;
    const ui::Menu plain = build_popup_menu(texts, {});
    EXPECT_EQ(texts_of(plain),
              (std::vector<std::string>{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S",
                                        "Save &As...", "-", "&Edit\tCtrl+E", "Pre&view\tCtrl+P",
                                        "Application &map...", "&Preferences...", "-", "A&bout...",
                                        "E&xit\tAlt+F4"}));

    // The commands of the items, recent files among them, are checked as the window builds them.
    const std::string long_path = "C:\\Designs\\Warehouse\\2024\\Receiving and Picking.T73";
    const ui::Menu with_recent = build_popup_menu(texts, {"C:\\a.T73", long_path});
    ASSERT_EQ(with_recent.size(), 15u);
    EXPECT_EQ(with_recent[10].text, recent_file_menu_text(0, "C:\\a.T73"));
    EXPECT_EQ(with_recent[11].text, recent_file_menu_text(1, long_path));
}

TEST(MainWindow, CreationStartsTheSessionPutsTheWindowInPlaceAndBuildsTheMenu) {
    MainWindowFixture f;
    const std::string a = f.existing_file("a.T73");
    const std::string b = f.existing_file("b.T73");
    f.write_ini("Unknow\r0\r1\r0\r" + a + "\r" + b + "\r");
    f.main.create();
    EXPECT_EQ(f.window.placements, std::vector<WindowPlacement>{kInPlaceOnTop});
    EXPECT_EQ(commands_of(f.main.popup_menu()),
              (std::vector<int>{31, 32, 33, 34, 0, 35, 39, 40, 36, 0, 50, 51, 0, 37, 38}));
    EXPECT_EQ(f.main.popup_menu()[10].text, recent_file_menu_text(0, a));
    EXPECT_EQ(f.things_shown(), 0u);
}

TEST(MainWindow, UnknownCommandsAndRecentItemsBeyondTheListDoNothing) {
    MainWindowFixture f;
    f.write_ini("Unknow\r0\r0\r0\r" + f.existing_file("a.T73") + "\r");
    f.main.create();
    for (const int command : {0, 30, 41, 42, 45, 49, 51, 53, 54, 59, 60, 100, 0xFFFF, 0x10027}) {
        f.main.execute(command);
    }
    EXPECT_EQ(f.things_shown(), 0u);
    EXPECT_EQ(f.window.placements.size(), 1u);
    EXPECT_EQ(f.window.destroyed, 0);

    // Only the low 16 bits count: this is Edit.
    f.main.execute(0x10000 | kCommandEdit);
    EXPECT_EQ(f.host.sheets_shown().size(), 1u);
    // Recent file 1 opens the editor sheet whether or not the file could be opened.
    f.main.execute(50);
    EXPECT_EQ(f.host.sheets_shown().size(), 2u);
}

TEST(MainWindow, PreferencesPutTheWindowInPlaceWhateverTheResultAndRebuildTheMenu) {
    MainWindowFixture f;
    test::write_text(f.folder.path() / "de.lng", "Deutsch\r\n31=&Neu\tStrg+N\r\n");
    f.write_ini("Unknow\r0\r0\r0\r");
    f.main.create();
    ASSERT_EQ(f.window.placements.size(), 1u);

    f.host.on_dialog("PREFERENCESDLG", [](ui::Dialog& dialog) { dialog.user_presses_cancel(); });
    f.main.execute(kCommandPreferences);
    EXPECT_EQ(f.window.placements, (std::vector<WindowPlacement>{kInPlace, kInPlace}));
    EXPECT_EQ(f.main.popup_menu()[0].text, "&New\tCtrl+N");

    // Always on top and the language take effect with OK.
    f.host.on_dialog("PREFERENCESDLG", [](ui::Dialog& dialog) {
        dialog.user_clicks(1002);
        dialog.user_chooses(1004, 1);
        dialog.user_clicks(ui::kIdOk);
    });
    f.main.execute(kCommandPreferences);
    EXPECT_EQ(f.window.placements.back(), kInPlaceOnTop);
    EXPECT_EQ(f.main.popup_menu()[0].text, "&Neu\tStrg+N");
    EXPECT_EQ(f.host.dialogs_shown(),
              (std::vector<std::string>{"PREFERENCESDLG", "PREFERENCESDLG"}));
}

TEST(MainWindow, OpenPutsTheWindowInPlaceAndShowsTheRecentFilesAsReRead) {
    MainWindowFixture f;
    const std::string a = f.existing_file("a.T73");
    const std::string b = f.existing_file("b.T73");
    f.write_ini("Unknow\r0\r0\r0\r" + a + "\r" + b + "\r");
    f.main.create();
    std::filesystem::remove(a);
    f.main.execute(kCommandOpen);  // the Open dialog is cancelled
    EXPECT_EQ(f.host.file_dialogs().size(), 1u);
    EXPECT_EQ(f.window.placements, (std::vector<WindowPlacement>{kInPlace, kInPlace}));
    ASSERT_EQ(f.main.popup_menu().size(), 14u);
    EXPECT_EQ(f.main.popup_menu()[10].text, recent_file_menu_text(0, b));

    // Cancel at the save prompt stops before the reset: the window stays where it is.
    f.session.document().modified = true;
    f.host.answer_next_message(ui::kIdCancel);
    f.main.execute(kCommandOpen);
    EXPECT_EQ(f.window.placements.size(), 2u);
}

TEST(MainWindow, ExitAsksTheSavePromptAndDestroysTheWindowUnlessCancelled) {
    MainWindowFixture f;
    f.main.create();
    f.session.document().modified = true;
    f.host.answer_next_message(ui::kIdCancel);
    f.main.execute(kCommandExit);
    EXPECT_EQ(f.window.destroyed, 0);
    EXPECT_FALSE(f.main.popup_menu().empty());

    f.host.answer_next_message(ui::kIdNo);
    f.main.request_close();
    EXPECT_EQ(f.window.destroyed, 1);
    EXPECT_TRUE(f.main.popup_menu().empty());
    EXPECT_EQ(f.host.messages().size(), 2u);
    EXPECT_TRUE(f.host.file_dialogs().empty());  // No: nothing is saved

    MainWindowFixture clean;
    clean.main.create();
    clean.main.execute(kCommandExit);
    EXPECT_EQ(clean.window.destroyed, 1);
    EXPECT_TRUE(clean.host.messages().empty());
}

TEST(MainWindow, PopupMenuRunsTheChosenCommand) {
    MainWindowFixture f;
    f.main.create();
    f.main.show_popup_menu({488, 367});
    ASSERT_EQ(f.host.popups_shown().size(), 1u);
    EXPECT_EQ(texts_of(f.host.popups_shown()[0]), texts_of(f.main.popup_menu()));
    EXPECT_TRUE(f.host.dialogs_shown().empty());

    f.host.answer_next_popup(kCommandAbout);
    f.main.show_popup_menu({488, 367});
    EXPECT_EQ(f.host.dialogs_shown(), std::vector<std::string>{"ABOUTBOX"});

    f.host.answer_next_popup(kCommandEdit);
    f.main.show_popup_menu({10, 10});
    EXPECT_EQ(f.host.sheets_shown().size(), 1u);
}

}  // namespace
}  // namespace tc::shell
