#include "lookups/lookup_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookups/number_edit.h"
#include "shell/sheet_test_support.h"

namespace tc::test {
namespace {

using P = LookupPage;
constexpr std::size_t kLookupPage = 2;

class LookupPageTest : public SheetTest {
  protected:
    void run(const std::function<void(ui::PropertySheet&, LookupPage&)>& script) {
        run_page<LookupPage>(kLookupPage, script);
    }
};

TEST_F(LookupPageTest, ShowsTheListsAndTheStoredLookup) {
    LookupRecord& second = document().lookups[1];
    second.field_count = 2;
    second.key_field = 1;
    second.delimiter = 59;
    second.no_match_action = 4;
    second.bad_format_action = 2;
    second.export_rename = 1;
    store_text(second.export_name, "Stock  ");
    second.field_type[1] = 5;
    store_text(second.field_name[0], "Item");
    second.field_length_low[0] = 10;
    // A stored length above 160 is shown, and stored, as 160.
    second.field_length_low[1] = 10;
    second.field_length_high[1] = 1;
    document().lookups[3].field_count = 12;
    document().lookups[3].key_field = 11;  // the last field is the key

    run([&](ui::PropertySheet& sheet, LookupPage& page) {
        EXPECT_EQ(page.items(P::kLookupList).at(4), "5th lookup file");
        EXPECT_EQ(page.items(P::kFieldCountList).at(12), " 12");
        EXPECT_EQ(page.items(P::kNoMatchList).at(3), "Show warning message & Insert");
        EXPECT_EQ(page.items(P::kBadFormatList).at(2), "Skip the record");
        EXPECT_EQ(page.items(P::field_type_list(12)).at(5), "image");
        // Lookup 1 of a new design.
        EXPECT_TRUE(page.checked(P::kFixedLengthRadio));
        EXPECT_FALSE(page.enabled(P::kDelimiterEdit));
        EXPECT_EQ(page.text(P::kLengthLabel), "Length");
        EXPECT_EQ(page.text(P::kExportNameEdit), "1st lookup file");
        EXPECT_FALSE(page.enabled(P::field_name_edit(1)));
        EXPECT_TRUE(page.checked(P::key_field_radio(1)));
        EXPECT_FALSE(page.enabled(P::kOverwriteRadio));
        EXPECT_TRUE(page.checked(P::kOverwriteRadio));
        EXPECT_TRUE(page.checked(P::kAutoDeleteCheck));

        page.user_chooses(P::kLookupList, 1);
        EXPECT_EQ(page.selection(P::kFieldCountList), 2);
        EXPECT_TRUE(page.checked(P::kDelimiterRadio));
        EXPECT_FALSE(page.checked(P::kFixedLengthRadio));
        EXPECT_EQ(page.text(P::kDelimiterEdit), "59");
        EXPECT_EQ(page.text(P::kExportNameEdit), "Stock");  // a renamed export loses end spaces
        EXPECT_EQ(page.text(P::kLengthLabel), "Max length");
        EXPECT_EQ(page.selection(P::kNoMatchList), 4);
        EXPECT_EQ(page.selection(P::kBadFormatList), 2);
        EXPECT_EQ(page.text(P::field_name_edit(1)), "Item");
        EXPECT_EQ(page.selection(P::field_type_list(2)), 5);
        EXPECT_EQ(page.text(P::field_length_edit(1)), "10");
        EXPECT_EQ(page.text(P::field_length_edit(2)), "160");
        EXPECT_EQ(page.page_copy()[1].field_length_low[1], 160);
        EXPECT_EQ(page.page_copy()[1].field_length_high[1], 0);
        EXPECT_TRUE(page.checked(P::key_field_radio(2)));
        EXPECT_FALSE(page.checked(P::key_field_radio(1)));
        for (const int id : {P::field_type_list(2), P::field_name_edit(2), P::field_length_edit(2),
                             P::key_field_radio(2)}) {
            EXPECT_TRUE(page.enabled(id)) << id;
        }
        EXPECT_FALSE(page.enabled(P::field_length_edit(3)));
        EXPECT_FALSE(page.enabled(P::key_field_radio(3)));
        page.user_chooses(P::kLookupList, 3);
        EXPECT_TRUE(page.checked(P::key_field_radio(12)));
        EXPECT_TRUE(host.messages().empty());
        sheet.user_presses_cancel();
    });
}

TEST_F(LookupPageTest, DelimiterEditIsCorrectedAndRefusesCarriageReturn) {
    run([&](ui::PropertySheet& sheet, LookupPage& page) {
        page.user_clicks(P::kDelimiterRadio);
        EXPECT_TRUE(page.enabled(P::kDelimiterEdit));
        page.user_types(P::kDelimiterEdit, "065");
        EXPECT_EQ(page.text(P::kDelimiterEdit), "65");
        page.user_types(P::kDelimiterEdit, "13");
        ASSERT_EQ(host.messages().size(), 1u);
        EXPECT_EQ(host.messages()[0].text, "Invalid value!");
        EXPECT_EQ(host.messages()[0].title, "Warning");
        EXPECT_EQ(host.messages()[0].style, 48u);
        EXPECT_EQ(page.text(P::kDelimiterEdit), "65");
        EXPECT_EQ(page.page_copy()[0].delimiter, 65);
        page.user_types(P::kDelimiterEdit, "999");
        EXPECT_EQ(page.page_copy()[0].delimiter, 255);
        // A delimited Lookup has no delimiter 0: refused like 13.
        page.user_types(P::kDelimiterEdit, "");
        EXPECT_EQ(page.text(P::kDelimiterEdit), "255");
        page.user_types(P::kDelimiterEdit, "9");
        EXPECT_EQ(host.messages().size(), 2u);

        page.user_clicks(P::kFixedLengthRadio);
        EXPECT_FALSE(page.checked(P::kDelimiterRadio));
        EXPECT_EQ(page.text(P::kDelimiterEdit), "0");
        EXPECT_FALSE(page.enabled(P::kDelimiterEdit));
        EXPECT_EQ(page.text(P::kLengthLabel), "Length");
        EXPECT_EQ(page.page_copy()[0].delimiter, 0);
        // "Delimiter " with the edit at 0 starts from the comma.
        page.user_clicks(P::kDelimiterRadio);
        EXPECT_EQ(page.text(P::kDelimiterEdit), "44");
        page.user_chooses(P::kLookupList, 3);
        page.user_chooses(P::kLookupList, 0);
        EXPECT_TRUE(page.checked(P::kDelimiterRadio));
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document().lookups[0].delimiter, 44);
}

TEST_F(LookupPageTest, LengthsAreClampedAndTheKeyFieldFollowsTheCount) {
    run([&](ui::PropertySheet& sheet, LookupPage& page) {
        page.user_chooses(P::kFieldCountList, 12);
        page.user_types(P::field_length_edit(1), "999");
        EXPECT_EQ(page.text(P::field_length_edit(1)), "160");
        EXPECT_EQ(page.page_copy()[0].field_length_low[0], 160);
        page.user_types(P::field_length_edit(2), "0042");
        EXPECT_EQ(page.text(P::field_length_edit(2)), "42");
        page.user_types(P::field_length_edit(3), "");
        EXPECT_EQ(page.text(P::field_length_edit(3)), "0");

        // A key field at or beyond the new count goes back to field 1; one below it stays, and
        // raising the count never moves it.
        page.user_clicks(P::key_field_radio(6));
        EXPECT_EQ(page.page_copy()[0].key_field, 5);
        EXPECT_FALSE(page.checked(P::key_field_radio(1)));
        page.user_chooses(P::kFieldCountList, 5);
        EXPECT_TRUE(page.page_copy()[0].field_count == 5 && page.page_copy()[0].key_field == 0);
        EXPECT_TRUE(page.checked(P::key_field_radio(1)) && !page.checked(P::key_field_radio(6)));
        EXPECT_TRUE(page.enabled(P::field_name_edit(5)));
        EXPECT_FALSE(page.enabled(P::field_name_edit(6)) || page.enabled(P::field_type_list(6)));
        page.user_clicks(P::key_field_radio(4));
        page.user_chooses(P::kFieldCountList, 4);
        EXPECT_EQ(page.page_copy()[0].key_field, 3);
        page.user_chooses(P::kFieldCountList, 3);
        EXPECT_EQ(page.page_copy()[0].key_field, 0);
        page.user_clicks(P::key_field_radio(3));
        page.user_chooses(P::kFieldCountList, 12);
        EXPECT_EQ(page.page_copy()[0].key_field, 2);
        sheet.user_presses_cancel();
    });
}

// The wx host lets any character into a numeric edit: text with a letter is no number.
TEST(NumberEdit, TextThatIsNotANumberGivesTheEmptyValueAndShowsIt) {
    for (const char* text : {"", "4x", "x4", "-1", " 4"}) {
        const CheckedNumber checked = check_number(text, 0, 160);
        EXPECT_FALSE(checked.number) << text;
        EXPECT_EQ(checked.value, 0) << text;
        EXPECT_EQ(checked.shown, "0") << text;
    }
}

TEST_F(LookupPageTest, TheWorkingCopyFollowsThePageWhenTheUserLeavesIt) {
    document().lookups_working[0].field_count = 7;  // left by an earlier sheet
    run([&](ui::PropertySheet& sheet, LookupPage& page) {
        // Creating the page refreshes the working copy from the stored records.
        EXPECT_EQ(document().lookups_working[0].field_count, 0);
        page.user_chooses(P::kFieldCountList, 4);
        page.user_clicks(P::key_field_radio(3));
        EXPECT_EQ(document().lookups_working[0].field_count, 0);
        sheet.show_page(0);
        EXPECT_EQ(document().lookups_working[0].field_count, 4);
        EXPECT_EQ(document().lookups_working[0].key_field, 2);
        sheet.show_page(kLookupPage);
        page.user_chooses(P::kFieldCountList, 6);
        sheet.user_presses_cancel();
    });
    EXPECT_EQ(document().lookups[0].field_count, 0);
    EXPECT_FALSE(document().modified);
    // The next sheet starts from the stored records again.
    run([&](ui::PropertySheet& sheet, LookupPage&) {
        EXPECT_EQ(document().lookups_working[0].field_count, 0);
        sheet.user_presses_cancel();
    });
}

TEST_F(LookupPageTest, ConfirmingStoresNormalisesAndCopiesTheLengthsIntoTheForms) {
    LookupRecord& first = document().lookups[0];
    first.field_count = 8;
    for (std::size_t field = 0; field < 8; ++field) {
        store_text(first.field_name[field], "F");
        first.field_length_low[field] = 9;
    }
    FormRecord& form = document().forms[3];
    form.lookup_file = 1;
    form.data_type[5] = kTypeLookup;
    form.link[5] = 2;  // field 2

    run([&](ui::PropertySheet& sheet, LookupPage& page) {
        page.user_chooses(P::kFieldCountList, 3);
        page.user_types(P::field_length_edit(1), "100");
        page.user_types(P::field_length_edit(2), "160");
        page.user_types(P::field_length_edit(3), "20");
        page.user_types(P::field_name_edit(1), "Code");
        page.user_chooses(P::field_type_list(1), 1);
        page.user_types(P::kExportNameEdit, "Stock   ");
        page.user_clicks(P::kAutoExportCheck);
        EXPECT_TRUE(page.enabled(P::kAppendRadio));
        page.user_clicks(P::kAppendRadio);
        EXPECT_FALSE(page.checked(P::kOverwriteRadio));
        page.user_clicks(P::kAutoDeleteCheck);
        page.user_chooses(P::kNoMatchList, 5);
        page.user_chooses(P::kBadFormatList, 1);
        sheet.user_presses_ok();
    });

    const std::vector<Byte> bytes = bytes_of(document().lookups[0]);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[2], 24);  // 100 + 160 + 20 = 280 = 1 x 256 + 24
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 11), std::string("Stock\0", 6));
    EXPECT_EQ(bytes[26], 1);  // field_type of field 1
    EXPECT_EQ(slot_text(document().lookups[0].field_name[0]), "Code");
    for (std::size_t field = 3; field < kLookupFields; ++field) {
        EXPECT_EQ(document().lookups[0].field_length_low[field], 0) << field;
        EXPECT_EQ(document().lookups[0].field_name[field][0], 0) << field;
    }
    const std::vector<Byte> options(bytes.begin() + 837, bytes.begin() + 841);
    EXPECT_EQ(options, (std::vector<Byte>{5, 1, 1, 1}));
    EXPECT_EQ(bytes[850], 0);  // auto_delete
    // The working copy holds the page copy as it stood, before the normalisation.
    EXPECT_EQ(slot_text(document().lookups_working[0].export_name), "Stock   ");
    EXPECT_EQ(form.max_length_low[5], 160);
    EXPECT_EQ(form.max_length_high[5], 0);
    EXPECT_TRUE(document().modified);
}

TEST_F(LookupPageTest, ResetAndTheExportNameBox) {
    LookupRecord& third = document().lookups[2];
    third.field_count = 2;
    third.delimiter = 9;
    third.auto_delete = 0;
    store_text(third.export_name, "Prices");
    const std::vector<Byte> stored = bytes_of(third);

    run([&](ui::PropertySheet& sheet, LookupPage& page) {
        page.user_chooses(P::kLookupList, 2);
        page.user_clicks(P::kExportRenameCheck);
        EXPECT_FALSE(page.enabled(P::kExportNameEdit));
        EXPECT_EQ(page.page_copy()[2].export_rename, 0);
        page.user_types(P::kExportNameEdit, "ignored");
        EXPECT_EQ(page.text(P::kExportNameEdit), "Prices");

        page.user_clicks(P::kResetButton);
        LookupRecord expected = page.page_copy()[2];
        reset_lookup(expected, 2, texts());
        EXPECT_EQ(bytes_of(page.page_copy()[2]), bytes_of(expected));
        EXPECT_EQ(page.page_copy()[2].auto_delete, 1);
        EXPECT_TRUE(page.checked(P::kFixedLengthRadio));
        EXPECT_TRUE(page.enabled(P::kExportNameEdit));
        EXPECT_EQ(page.text(P::kExportNameEdit), "3rd lookup file");
        EXPECT_EQ(page.selection(P::kFieldCountList), 0);
        sheet.user_presses_cancel();
    });
    EXPECT_EQ(bytes_of(document().lookups[2]), stored);
}

}  // namespace
}  // namespace tc::test
