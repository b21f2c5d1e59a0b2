#include "shell/preferences_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "document/test_files.h"
#include "resources/shell_layouts.h"
#include "texts/device_texts.h"
#include "ui/headless_host.h"

namespace tc::shell {
namespace {

namespace ids = resources::preferences_ids;
using ui::Dialog;
using ui::HeadlessHost;

struct PreferencesFixture {
    test::TempFolder folder;
    HeadlessHost host;
    Session session{folder.path(), host};

    std::filesystem::path ini() const { return folder.path() / "TC7350.ini"; }
    void write_ini(const std::string& text) const { test::write_text(ini(), text); }
    std::string device_text(int id) { return slot_text(session.document().device_texts.slot(id)); }
    // `before` filled from the program texts as they are now.
    texts::DeviceTextTables filled(texts::DeviceTextTables before) {
        texts::fill_text_tables(session.texts(), before);
        return before;
    }
};

TEST(PreferencesDialog, OkWithNothingChangedRewritesTheIniFileAndRefillsTheDeviceTexts) {
    PreferencesFixture f;
    const std::string recent = f.folder.file("orders.T73");
    test::write_text(recent, "any");
    const std::string last = f.folder.file("last.T73");
    f.write_ini(last + "\ry\rn\r0\r" + recent + "\r" + f.folder.file("gone.T73") + "\r");
    f.session.start_up();
    f.session.document().file_name.clear();
    f.session.document().device_texts.bytes.fill(0xEE);
    const texts::DeviceTextTables before = f.session.document().device_texts;

    f.host.on_dialog("PREFERENCESDLG", [](Dialog& dialog) {
        EXPECT_TRUE(dialog.checked(ids::kAutoPreload));
        EXPECT_TRUE(dialog.checked(ids::kAlwaysOnTop));
        EXPECT_EQ(dialog.items(ids::kLanguageList), std::vector<std::string>{"Default <English>"});
        EXPECT_EQ(dialog.selection(ids::kLanguageList), 0);
        // Without language files there is nothing to choose.
        EXPECT_FALSE(dialog.enabled(ids::kLanguageLabel));
        EXPECT_FALSE(dialog.enabled(ids::kLanguageList));
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(run_preferences_dialog(f.session), ui::kIdOk);

    // The flags are written as digits and the missing recent file has left the list.
    EXPECT_EQ(test::read_text(f.ini()), last + "\r1\r1\r0\r" + recent + "\r");
    EXPECT_EQ(f.session.document().device_texts.bytes, f.filled(before).bytes);
    EXPECT_NE(f.session.document().device_texts.bytes, before.bytes);
    // Re-reading the INI file does not make the last file the current file name.
    EXPECT_EQ(f.session.document().file_name, "");
    EXPECT_EQ(f.session.preferences().recent_files, std::vector<std::string>{recent});
}

TEST(PreferencesDialog, ClicksToggleTheCopyAndCancelDropsIt) {
    PreferencesFixture f;
    const std::string ini_text = "last.T73\r0\r0\r0\r";
    f.write_ini(ini_text);
    f.session.start_up();

    f.host.on_dialog("PREFERENCESDLG", [](Dialog& dialog) {
        auto& preferences = dynamic_cast<PreferencesDialog&>(dialog);
        dialog.user_clicks(ids::kAutoPreload);
        EXPECT_TRUE(dialog.checked(ids::kAutoPreload));
        EXPECT_TRUE(preferences.copy().auto_preload);
        dialog.user_clicks(ids::kAutoPreload);
        EXPECT_FALSE(preferences.copy().auto_preload);
        dialog.user_clicks(ids::kAutoPreload);
        dialog.user_clicks(ids::kAlwaysOnTop);
        EXPECT_TRUE(preferences.copy().always_on_top);
        dialog.user_presses_cancel();
    });
    EXPECT_EQ(run_preferences_dialog(f.session), ui::kIdCancel);
    EXPECT_FALSE(f.session.preferences().auto_preload);
    EXPECT_FALSE(f.session.preferences().always_on_top);
    EXPECT_EQ(test::read_text(f.ini()), ini_text);

    f.host.on_dialog("PREFERENCESDLG", [](Dialog& dialog) {
        dialog.user_clicks(ids::kAlwaysOnTop);
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(run_preferences_dialog(f.session), ui::kIdOk);
    EXPECT_TRUE(f.session.preferences().always_on_top);
    EXPECT_FALSE(f.session.preferences().auto_preload);
    EXPECT_EQ(test::read_text(f.ini()), "last.T73\r0\r1\r0\r");
}

TEST(PreferencesDialog, ChoosingALanguageLoadsItAndRelabelsTheDialog) {
    PreferencesFixture f;
    test::write_text(f.folder.path() / "de.lng",
                     "Deutsch\r\n66=Einstellungen\r\n67=Letzte Datei laden\r\n68=Immer oben\r\n"
                     "69=Sprache :\r\n70=Gut\r\n71=Abbruch\r\n3001=Hallo\r\n");
    test::write_text(f.folder.path() / "fr.lng",
                     "Fran\xE7"
                     "ais\r\n3001=Bonjour\r\n");
    f.write_ini("last.T73\r0\r0\r0\r");
    f.session.start_up();
    ASSERT_FALSE(f.session.texts().language_active());

    f.host.on_dialog("PREFERENCESDLG", [](Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "TC7350 Preferences");
        EXPECT_EQ(dialog.items(ids::kLanguageList),
                  (std::vector<std::string>{"Default <English>", "Deutsch",
                                            "Fran\xE7"
                                            "ais"}));
        EXPECT_EQ(dialog.selection(ids::kLanguageList), 0);
        EXPECT_TRUE(dialog.enabled(ids::kLanguageList));
        dialog.user_chooses(ids::kLanguageList, 1);
        dialog.user_clicks(ui::kIdOk);
    });
    run_preferences_dialog(f.session);
    EXPECT_EQ(f.session.preferences().language, "Deutsch");
    EXPECT_EQ(test::read_text(f.ini()), "last.T73\r0\r0\rDeutsch\r");
    EXPECT_TRUE(f.session.texts().language_active());
    EXPECT_EQ(f.device_text(3001), "Hallo");

    const texts::DeviceTextTables before = f.session.document().device_texts;
    f.host.on_dialog("PREFERENCESDLG", [](Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Einstellungen");
        EXPECT_EQ(dialog.text(ids::kAutoPreload), "Letzte Datei laden");
        EXPECT_EQ(dialog.text(ui::kIdCancel), "Abbruch");
        EXPECT_EQ(dialog.selection(ids::kLanguageList), 1);
        dialog.user_chooses(ids::kLanguageList, 0);
        dialog.user_clicks(ui::kIdOk);
    });
    run_preferences_dialog(f.session);
    EXPECT_EQ(f.session.preferences().language, "0");
    EXPECT_EQ(test::read_text(f.ini()), "last.T73\r0\r0\r0\r");
    EXPECT_FALSE(f.session.texts().language_active());
    EXPECT_EQ(f.session.document().device_texts.bytes, f.filled(before).bytes);
    EXPECT_NE(f.device_text(3001), "Hallo");
}

TEST(PreferencesDialog, SelectsTheLastLanguageOfTheChosenNameOrTheDefault) {
    PreferencesFixture f;
    test::write_text(f.folder.path() / "a.lng", "Deutsch\r\n3001=Eins\r\n");
    test::write_text(f.folder.path() / "b.lng", "Deutsch\r\n3001=Zwei\r\n");
    test::write_text(f.folder.path() / "c.lng", "Dansk\r\n3001=En\r\n");
    f.write_ini("last.T73\r0\r0\rDeutsch\r");
    f.session.start_up();
    f.host.on_dialog("PREFERENCESDLG",
                     [](Dialog& dialog) { EXPECT_EQ(dialog.selection(ids::kLanguageList), 2); });
    run_preferences_dialog(f.session);

    f.write_ini("last.T73\r0\r0\rKlingon\r");
    f.host.on_dialog("PREFERENCESDLG", [](Dialog& dialog) {
        EXPECT_EQ(dialog.selection(ids::kLanguageList), 0);
        dialog.user_clicks(ui::kIdOk);
    });
    run_preferences_dialog(f.session);
    EXPECT_EQ(f.session.preferences().language, "0");
}

}  // namespace
}  // namespace tc::shell
