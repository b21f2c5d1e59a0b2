#include "settings/settings_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/barcode_page.h"
#include "resources/barcode_page_layout.h"
#include "shell/sheet_test_support.h"

namespace tc::test {
namespace {

using P = SettingsPage;
constexpr std::size_t kBarcodePage = 3;
constexpr std::size_t kSettingsPage = 4;
constexpr std::size_t kAutoPreloadFlag = 6;
constexpr std::size_t kCameraPropertiesFlag = 11;

class SettingsPageTest : public SheetTest {
  protected:
    void run(const std::function<void(ui::PropertySheet&, SettingsPage&)>& script) {
        run_page<SettingsPage>(kSettingsPage, script);
    }
};

TEST_F(SettingsPageTest, ShowsTheListsAndANewDesignsSettings) {
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        EXPECT_EQ(page.text(P::kImageCaptureCheck), "2D Image Capture");
        EXPECT_EQ(page.items(P::kStartList), (std::vector<std::string>{"form 1", "menu 1"}));
        EXPECT_EQ(page.items(P::kDelimiterCountList),
                  (std::vector<std::string>{"nil", " 1 ", " 2 "}));
        EXPECT_EQ(page.items(P::kVibratorList).at(9), "9 Sec.");
        EXPECT_EQ(page.items(P::kResolutionList).at(1), "1600 * 1200");
        // A new design: one delimiter, the comma.
        EXPECT_EQ(page.delimiter_count(), 1);
        EXPECT_EQ(page.selection(P::kDelimiterCountList), 1);
        EXPECT_EQ(page.text(P::ascii_edit(1)), "44");
        EXPECT_EQ(page.text(P::text_edit(1)), ",");
        EXPECT_EQ(page.text(P::ascii_edit(2)), "0");
        EXPECT_EQ(page.text(P::text_edit(2)), "");
        EXPECT_TRUE(page.enabled(P::ascii_edit(1)));
        EXPECT_FALSE(page.enabled(P::text_edit(2)));
        EXPECT_EQ(page.selection(P::kDeletionList), 1);
        EXPECT_EQ(page.selection(P::kEntryList), 1);
        EXPECT_TRUE(page.checked(P::kStayRadio));
        EXPECT_EQ(page.text(P::kDisplayTimeEdit), "6");
        EXPECT_TRUE(page.enabled(P::kDisplayTimeEdit));
        EXPECT_FALSE(page.enabled(P::kAutoRunCheck));
        EXPECT_EQ(page.selection(P::kColorList), 1);
        EXPECT_FALSE(page.enabled(P::kFileTitleEdit) || page.enabled(P::kImageCaptureCheck));
        EXPECT_TRUE(host.messages().empty());
        sheet.user_presses_cancel();
    });
}

TEST_F(SettingsPageTest, DelimiterEditsMirrorEachOther) {
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        page.user_types(P::ascii_edit(1), "59");
        EXPECT_EQ(page.text(P::text_edit(1)), ";");
        EXPECT_EQ(page.page_copy().data_delimiter_1, 59);

        page.user_types(P::text_edit(1), "#");
        EXPECT_EQ(page.text(P::ascii_edit(1)), "35");
        EXPECT_EQ(page.page_copy().data_delimiter_1, 35);

        page.user_types(P::ascii_edit(1), "13");
        ASSERT_EQ(host.messages().size(), 1u);
        EXPECT_EQ(host.messages()[0].text, "Invalid value!");
        EXPECT_EQ(host.messages()[0].title, "Warning");
        EXPECT_EQ(host.messages()[0].style, 48u);
        EXPECT_EQ(page.text(P::ascii_edit(1)), "35");
        EXPECT_EQ(page.text(P::text_edit(1)), "#");
        EXPECT_EQ(page.page_copy().data_delimiter_1, 35);

        page.user_types(P::ascii_edit(1), "065");
        EXPECT_EQ(page.text(P::ascii_edit(1)), "65");
        EXPECT_EQ(page.text(P::text_edit(1)), "A");
        page.user_types(P::ascii_edit(1), "300");
        EXPECT_EQ(page.text(P::ascii_edit(1)), "255");
        EXPECT_EQ(page.text(P::text_edit(1)), "\xFF");
        // A counted delimiter is never 0: emptying its edit is refused like 13.
        page.user_types(P::text_edit(1), "");
        EXPECT_EQ(page.text(P::ascii_edit(1)), "255");
        EXPECT_EQ(page.page_copy().data_delimiter_1, 255);

        page.user_chooses(P::kDelimiterCountList, 2);
        EXPECT_TRUE(page.enabled(P::ascii_edit(2)) && page.enabled(P::text_edit(2)));
        page.user_types(P::text_edit(2), "\t");
        EXPECT_EQ(page.text(P::ascii_edit(2)), "9");
        EXPECT_EQ(page.page_copy().data_delimiter_2, 9);
        EXPECT_EQ(host.messages().size(), 2u);
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().system.data_delimiter_1, 255);
    EXPECT_EQ(document().system.data_delimiter_2, 9);
}

TEST_F(SettingsPageTest, TheDelimiterCountDecidesWhatIsStored) {
    document().system.data_delimiter_1 = 44;
    document().system.data_delimiter_2 = 59;
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        EXPECT_EQ(page.selection(P::kDelimiterCountList), 2);
        page.user_chooses(P::kDelimiterCountList, 0);
        EXPECT_FALSE(page.enabled(P::ascii_edit(1)) || page.enabled(P::ascii_edit(2)));
        EXPECT_EQ(page.text(P::ascii_edit(1)), "0");  // shows what confirming stores
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().system.data_delimiter_1, 0);
    EXPECT_EQ(document().system.data_delimiter_2, 0);

    document().system.data_delimiter_1 = 44;
    document().system.data_delimiter_2 = 59;
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        page.user_chooses(P::kDelimiterCountList, 1);
        EXPECT_TRUE(page.enabled(P::ascii_edit(1)));
        EXPECT_FALSE(page.enabled(P::ascii_edit(2)));
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().system.data_delimiter_1, 44);
    EXPECT_EQ(document().system.data_delimiter_2, 0);
}

TEST_F(SettingsPageTest, PasswordTakesAsciiLettersAndDigitsOnly) {
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        page.user_types(P::kPasswordEdit, "1");
        page.user_types(P::kPasswordEdit, "12");
        page.user_types(P::kPasswordEdit, "12-");
        ASSERT_EQ(host.messages().size(), 1u);
        EXPECT_EQ(host.messages()[0].text, "Invalid character!!!");
        EXPECT_EQ(host.messages()[0].title, "Warning");
        EXPECT_EQ(host.messages()[0].style, 48u);
        EXPECT_EQ(page.text(P::kPasswordEdit), "12");
        EXPECT_EQ(slot_text(page.page_copy().password), "12");

        page.user_types(P::kPasswordEdit, "09azAZbXy8");
        EXPECT_EQ(slot_text(page.page_copy().password), "09azAZbXy8");
        page.user_types(P::kPasswordEdit, "12ab\xE9");
        EXPECT_EQ(host.messages().size(), 2u);
        EXPECT_EQ(slot_text(page.page_copy().password), "09azAZbXy8");
        sheet.user_presses_ok();
    });
    EXPECT_EQ(slot_text(document().system.password), "09azAZbXy8");

    // Eleven characters without their zero (a damaged file) are too long.
    host.clear_record();
    document().system.password.fill('a');
    run([&](ui::PropertySheet& sheet, SettingsPage&) {
        ASSERT_FALSE(host.messages().empty());
        EXPECT_EQ(host.messages()[0].text, "Password is too long!!!");
        sheet.user_presses_cancel();
    });
}

TEST_F(SettingsPageTest, DisplayTimeAndEntryOptions) {
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        page.user_types(P::kDisplayTimeEdit, "");
        EXPECT_EQ(page.text(P::kDisplayTimeEdit), "1");
        EXPECT_EQ(page.page_copy().entry_display_time, 1);
        page.user_types(P::kDisplayTimeEdit, "07");
        EXPECT_EQ(page.text(P::kDisplayTimeEdit), "7");
        EXPECT_EQ(page.page_copy().entry_display_time, 7);

        page.user_clicks(P::kPressEnterRadio);
        EXPECT_TRUE(page.checked(P::kPressEnterRadio));
        EXPECT_FALSE(page.checked(P::kStayRadio));
        EXPECT_EQ(page.text(P::kDisplayTimeEdit), "0");
        EXPECT_FALSE(page.enabled(P::kDisplayTimeEdit) || page.enabled(P::kDisplayTimeLabel));
        EXPECT_EQ(page.page_copy().entry_display_time, 0);

        page.user_clicks(P::kStayRadio);
        EXPECT_EQ(page.text(P::kDisplayTimeEdit), "1");
        EXPECT_TRUE(page.enabled(P::kDisplayTimeEdit) && page.enabled(P::kDisplayTimeLabel));
        EXPECT_EQ(page.page_copy().entry_display_time, 1);

        page.user_chooses(P::kEntryList, 0);
        for (const int id : {P::kStayRadio, P::kPressEnterRadio, P::kDisplayTimeEdit})
            EXPECT_FALSE(page.enabled(id)) << id;
        page.user_chooses(P::kEntryList, 2);
        EXPECT_TRUE(page.enabled(P::kPressEnterRadio) && page.enabled(P::kDisplayTimeEdit));
        EXPECT_EQ(page.page_copy().entry_option, 2);

        // 0 typed while "Stay on the LCD" is selected becomes 1: 0 means "Press Enter".
        page.user_types(P::kDisplayTimeEdit, "0");
        EXPECT_TRUE(page.checked(P::kStayRadio));
        EXPECT_EQ(page.page_copy().entry_display_time, 1);

        page.user_chooses(P::kPreloadList, 1);
        EXPECT_TRUE(page.enabled(P::kAutoRunCheck));
        page.user_clicks(P::kAutoRunCheck);
        EXPECT_EQ(page.page_copy().auto_run, 0);  // read when the sheet is confirmed
        page.user_chooses(P::kVibratorList, 3);
        page.user_chooses(P::kStartList, 1);
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().system.entry_display_time, 1);
    EXPECT_EQ(document().system.entry_option, 2);
    EXPECT_EQ(document().system.preload_last_file, 1);
    EXPECT_EQ(document().system.auto_run, 1);
    EXPECT_EQ(document().system.vibrator_duration, 3);
    EXPECT_EQ(document().system.start_screen, 1);
}

TEST_F(SettingsPageTest, SecurityBoxesAreReadWhenTheSheetIsConfirmed) {
    document().system.security_flags[P::kWarningBeepFlag] = 1;
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        page.user_clicks(P::security_check(kAutoPreloadFlag));
        page.user_clicks(P::security_check(kCameraPropertiesFlag));
        page.user_clicks(P::security_check(0));
        page.user_clicks(P::security_check(P::kSettingsFlag));
        for (const int index : {6, 7, 8, 10, 11}) {
            EXPECT_FALSE(page.enabled(P::security_check(index))) << index;
        }
        EXPECT_TRUE(page.enabled(P::security_check(4)));
        EXPECT_TRUE(page.checked(P::security_check(kAutoPreloadFlag)));
        EXPECT_TRUE(page.checked(P::security_check(kCameraPropertiesFlag)));
        EXPECT_EQ(page.page_copy().security_flags[kAutoPreloadFlag], 0);
        EXPECT_EQ(page.page_copy().security_flags[P::kSettingsFlag], 0);
        sheet.user_presses_ok();
    });
    const std::vector<Byte> bytes = bytes_of(document().system);
    const std::vector<Byte> expected_flags{1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(std::vector<Byte>(bytes.begin() + 23, bytes.begin() + 35), expected_flags);

    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        EXPECT_FALSE(page.enabled(P::security_check(kAutoPreloadFlag)));
        page.user_clicks(P::security_check(P::kSettingsFlag));
        EXPECT_TRUE(page.enabled(P::security_check(kAutoPreloadFlag)));
        EXPECT_TRUE(page.checked(P::security_check(kAutoPreloadFlag)));
        sheet.user_presses_cancel();
    });
}

TEST_F(SettingsPageTest, ImageCaptureBoxFollowsTheBarcodePage) {
    document().reader[reader::kReaderTypeBits] = reader::kType2D;
    document().reader[reader::kImageCapture] = 1;
    document().system.security_image_capture = 1;
    document().reader_working = document().reader;  // as a design opened with these settings
    const int capture_slot = resources::barcode_page_ids::slot_check(20);

    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        EXPECT_TRUE(page.checked(P::kImageCaptureCheck));
        EXPECT_TRUE(page.enabled(P::kImageCaptureCheck));
        sheet.show_page(kBarcodePage);
        auto& barcode = dynamic_cast<BarcodePage&>(*sheet.page(kBarcodePage));
        barcode.user_clicks(capture_slot);
        sheet.show_page(kSettingsPage);
        EXPECT_FALSE(page.checked(P::kImageCaptureCheck));
        EXPECT_FALSE(page.enabled(P::kImageCaptureCheck));
        EXPECT_EQ(page.page_copy().security_image_capture, 0);
        barcode.user_clicks(capture_slot);
        EXPECT_TRUE(page.enabled(P::kImageCaptureCheck));
        EXPECT_FALSE(page.checked(P::kImageCaptureCheck));
        page.user_clicks(P::kImageCaptureCheck);
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().system.security_image_capture, 1);

    // Another reader disables the box and drops the guard, as saving would.
    document().reader[reader::kReaderTypeBits] = reader::kType1D;
    document().reader_working = document().reader;
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        EXPECT_FALSE(page.checked(P::kImageCaptureCheck));
        EXPECT_FALSE(page.enabled(P::kImageCaptureCheck));
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().system.security_image_capture, 0);
}

TEST_F(SettingsPageTest, CameraAndStoreSettings) {
    std::copy_n("PICTUR", 6, document().system.file_title.begin());  // damaged: no zero
    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        EXPECT_EQ(page.text(P::kFileTitleEdit), "PICTU");
        page.user_clicks(P::kAutoFileNameCheck);
        EXPECT_TRUE(page.enabled(P::kFileTitleEdit) && page.enabled(P::kFileTitleLabel));
        EXPECT_TRUE(page.enabled(P::kNamingRuleCheck));
        page.user_types(P::kFileTitleEdit, "PICTURE");
        EXPECT_EQ(page.text(P::kFileTitleEdit), "PICTU");
        page.user_clicks(P::kNamingRuleCheck);
        page.user_clicks(P::kTimeStampCheck);
        page.user_clicks(P::kDeleteDatabaseCheck);
        page.user_types(P::kExportStoreEdit, "\\Storage Card");
        page.user_types(P::kImageStoreEdit, "\\My Pictures");
        page.user_chooses(P::kResolutionList, 1);
        page.user_chooses(P::kFlashList, 2);
        page.user_chooses(P::kColorList, 5);
        page.user_chooses(P::kFormatList, 1);
        sheet.user_presses_ok();
    });
    const SystemSettingsRecord& stored = document().system;
    EXPECT_EQ(slot_text(stored.file_title), "PICTU");
    EXPECT_EQ(slot_text(stored.export_store), "\\Storage Card");
    EXPECT_EQ(slot_text(stored.image_store), "\\My Pictures");
    const std::vector<Byte> bytes = bytes_of(stored);
    // The camera lists, then the check boxes "Auto file name", "Using default naming rule",
    // "6. Always delete all database..." and "Print time stamp on the image".
    test::expect_bytes(
        bytes, {{365, 1}, {366, 2}, {367, 5}, {368, 1}, {630, 1}, {638, 1}, {639, 1}, {640, 1}});
    EXPECT_EQ(bytes[9], 9);  // warning_beep has no control and keeps its value
    EXPECT_TRUE(document().modified);
}

TEST_F(SettingsPageTest, ResetRefillsTheDeviceTextsAtOnceAndResetsOnlyThePageCopy) {
    use_language("3001=Zeigen\r\n3541=\\Speicher\r\n");
    document().device_texts.bytes.fill(0xAA);
    SystemSettingsRecord& stored = document().system;
    stored.start_screen = 1;
    stored.data_delimiter_1 = 59;
    store_text(stored.password, "abc");
    stored.security_flags[2] = 1;
    const std::vector<Byte> before = bytes_of(stored);

    run([&](ui::PropertySheet& sheet, SettingsPage& page) {
        page.user_clicks(P::kResetButton);
        EXPECT_EQ(slot_text(document().device_texts.slot(3001)), "Zeigen");
        EXPECT_EQ(slot_text(document().device_texts.slot(3541)), "\\Speicher");
        const SystemSettingsRecord& reset = page.page_copy();
        EXPECT_EQ(reset.start_screen, 0);
        EXPECT_EQ(reset.data_delimiter_1, 44);
        EXPECT_EQ(reset.password[0], 0);
        EXPECT_EQ(slot_text(reset.export_store), "\\Speicher");
        EXPECT_EQ(page.text(P::ascii_edit(1)), "44");
        EXPECT_EQ(page.text(P::text_edit(1)), ",");
        EXPECT_EQ(page.text(P::kPasswordEdit), "");
        EXPECT_FALSE(page.checked(P::security_check(2)));
        // The language defines no labels: the labelled boxes are left without one.
        EXPECT_EQ(page.text(P::security_check(0)) + page.text(P::security_check(1)), "");
        EXPECT_EQ(page.selection(P::kStartList), 0);
        sheet.user_presses_cancel();
    });
    // Cancel puts the whole document back, the device texts included.
    EXPECT_EQ(bytes_of(document().system), before);
    EXPECT_EQ(document().device_texts.slot(3001)[0], 0xAA);
    EXPECT_FALSE(document().modified);
}

}  // namespace
}  // namespace tc::test
