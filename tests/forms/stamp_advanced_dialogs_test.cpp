#include <gtest/gtest.h>

#include "forms/form_page_test_support.h"
#include "forms/stamp_patterns.h"
#include "resources/form_dialog_layouts.h"

namespace tc::test {
namespace {

namespace stamp_ids = resources::time_stamp_ids;
namespace advanced_ids = resources::advanced_ids;

TEST(StampPatterns, FollowTheStyleThePartsAndTheSeparator) {
    texts::ProgramTexts texts;
    FormRecord form{};
    reset_form(form, 0, texts);
    // New-design values: style 0, four-digit year, all parts on, separators "/" and ":".
    EXPECT_EQ(date_pattern(form), "YYYY/MM/DD");
    EXPECT_EQ(time_pattern(form), "HH:MM:SS");
    form.date_separator_on = 0;
    EXPECT_EQ(date_pattern(form), "YYYYMMDD");
    form.date_separator_on = 1;
    form.date_style = 2;
    form.year_digits = 1;
    EXPECT_EQ(date_pattern(form), "DD/MM/YY");
    form.date_month = 0;
    EXPECT_EQ(date_pattern(form), "DD/YY");
    form.date_day = 0;
    EXPECT_EQ(date_pattern(form), "YY");
    form.date_style = 1;
    form.date_month = 1;
    form.date_day = 1;
    EXPECT_EQ(date_pattern(form), "MM/DD/YY");
    form.time_hour = 0;
    EXPECT_EQ(time_pattern(form), "MM:SS");
    form.time_minute = 0;
    EXPECT_EQ(time_pattern(form), "SS");
    form.time_hour = 1;
    form.time_separator_on = 0;
    EXPECT_EQ(time_pattern(form), "HHSS");
    form.date_style = 3;  // no style (a damaged file): the first
    EXPECT_EQ(date_pattern(form), "YY/MM/DD");
}

TEST_F(FormPageTest, TimeStampDialogShowsThePatternsLive) {
    host.on_dialog("TIMESTAMPDLG", [](ui::Dialog& d) {
        using namespace stamp_ids;
        EXPECT_EQ(d.title(), "Date & Time Stamp settings");
        EXPECT_EQ(d.text(kDateGroup), "Date Format : YYYY/MM/DD");
        EXPECT_EQ(d.text(kTimeGroup), "Time Format : HH:MM:SS");
        d.user_chooses(kDateStyleList, 2);
        d.user_chooses(kYearDigitsList, 1);
        EXPECT_EQ(d.text(kDateGroup), "Date Format : DD/MM/YY");
        d.user_chooses(kDateStyleList, 0);
        EXPECT_EQ(d.text(kDateGroup), "Date Format : YY/MM/DD");
        d.user_chooses(kDateStyleList, 2);
        d.user_clicks(kMonthCheck);
        EXPECT_EQ(d.text(kDateGroup), "Date Format : DD/YY");
        d.user_clicks(kDayCheck);
        EXPECT_EQ(d.text(kDateGroup), "Date Format : YY");
        d.user_clicks(kDayCheck);
        d.user_types(kDateSeparatorEdit, "-.");
        EXPECT_EQ(d.text(kDateSeparatorEdit), "-");
        EXPECT_EQ(d.text(kDateGroup), "Date Format : DD-YY");
        d.user_clicks(kHourCheck);
        EXPECT_EQ(d.text(kTimeGroup), "Time Format : MM:SS");
        d.user_types(kTimeSeparatorEdit, "");
        EXPECT_EQ(d.text(kTimeGroup), "Time Format : MMSS");
        d.user_chooses(kPositionList, 2);
        d.user_clicks(kSplitCheck);
        d.user_presses_ok();
    });
    run_page([&](ui::PropertySheet&, FormPage& page) {
        page.user_clicks(page_ids::kTimeStampButton);
        const FormRecord& form = page.working_forms()[0];
        EXPECT_EQ(form.date_style, 2);
        EXPECT_EQ(form.year_digits, 1);
        EXPECT_TRUE(form.date_month == 0 && form.date_day == 1);  // the day: off, then on again
        EXPECT_EQ(slot_text(form.date_separator), "-");
        EXPECT_EQ(form.time_hour, 0);
        EXPECT_EQ(form.time_separator[0], 0);
        EXPECT_EQ(form.stamp_position, 2);
        EXPECT_EQ(form.stamp_split, 0);
    });

    // A separator slot without its end mark (from a damaged file) shows and keeps one character.
    document->forms[0].time_separator = {'.', '-'};
    host.on_dialog("TIMESTAMPDLG", [](ui::Dialog& d) {
        EXPECT_EQ(d.text(stamp_ids::kTimeSeparatorEdit), ".");
        EXPECT_EQ(d.text(stamp_ids::kTimeGroup), "Time Format : HH.MM.SS");
        d.user_presses_ok();
    });
    run_page([&](ui::PropertySheet&, FormPage& page) {
        page.user_clicks(page_ids::kTimeStampButton);
        EXPECT_EQ(page.working_forms()[0].time_separator[0], '.');
        EXPECT_EQ(page.working_forms()[0].time_separator[1], 0);
    });

    host.on_dialog("TIMESTAMPDLG", [](ui::Dialog& d) {
        d.user_clicks(stamp_ids::kYearCheck);
        d.user_chooses(stamp_ids::kPositionList, 1);
        d.user_presses_cancel();
    });
    run_page([&](ui::PropertySheet&, FormPage& page) {
        const std::vector<Byte> before = bytes_of(page.working_forms()[0]);
        page.user_clicks(page_ids::kTimeStampButton);
        EXPECT_EQ(bytes_of(page.working_forms()[0]), before);
    });
}

TEST_F(FormPageTest, AdvancedDialogEditsExportAndDeletion) {
    host.on_dialog("ADVANCEDLG", [](ui::Dialog& d) {
        using namespace advanced_ids;
        EXPECT_EQ(d.title(), "Form #4");
        EXPECT_TRUE(d.checked(kExportRenameCheck));
        EXPECT_EQ(d.text(kExportNameEdit), "Form 04");
        EXPECT_FALSE(d.enabled(kOverwriteRadio));
        d.user_types(kExportNameEdit, "Inventory of the north store");
        d.user_clicks(kAutoExportCheck);
        EXPECT_TRUE(d.enabled(kSaveModeLabel));
        EXPECT_TRUE(d.checked(kOverwriteRadio));
        d.user_clicks(kAppendRadio);
        EXPECT_TRUE(d.checked(kAppendRadio));
        EXPECT_FALSE(d.checked(kOverwriteRadio));
        d.user_clicks(kReadOnceCheck);
        d.user_clicks(kAutoDeleteCheck);
        d.user_clicks(kExportRenameCheck);
        EXPECT_FALSE(d.enabled(kExportNameEdit));
        d.user_presses_ok();
    });
    run_page([&](ui::PropertySheet& sheet, FormPage& page) {
        page.user_chooses(page_ids::kFormList, 3);
        page.user_clicks(page_ids::kAdvancedButton);
        const FormRecord& form = page.working_forms()[3];
        EXPECT_EQ(slot_text(form.export_name), "Inventory of the nor");
        EXPECT_EQ(form.auto_export, 1);
        EXPECT_EQ(form.save_mode, 1);
        EXPECT_EQ(form.read_once, 1);
        EXPECT_EQ(form.auto_delete, 0);
        EXPECT_EQ(form.export_rename, 0);
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document->forms[3].save_mode, 1);

    texts->read_language_entries("Deutsch\r\n171=Formular \r\n317=MSQI an\r\n");
    texts->set_language_active(true);
    host.on_dialog("ADVANCEDLG", [](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "Formular 1");
        EXPECT_EQ(d.text(advanced_ids::kMsqiCheck), "MSQI an");
        d.user_presses_cancel();
    });
    run_page(
        [&](ui::PropertySheet&, FormPage& page) { page.user_clicks(page_ids::kAdvancedButton); });
    EXPECT_EQ(host.dialogs_shown().size(), 2u);
}

}  // namespace
}  // namespace tc::test
