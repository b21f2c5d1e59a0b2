#include "lookups/lookup_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/headless_host.h"

namespace tc {
namespace {

using P = LookupPage;

// The page the sheet starts on, standing in for the Form page, which reads the working copy.
class FirstPage : public ui::Page {
  public:
    FirstPage() : ui::Page(layout()) {}
    static const ui::DialogTemplate& layout() {
        static const ui::DialogTemplate first{"FORMDLG", {}, 640, 480, {}};
        return first;
    }
};

std::vector<Byte> bytes_of(const LookupRecord& lookup) {
    std::vector<Byte> bytes(sizeof lookup);
    std::memcpy(bytes.data(), &lookup, sizeof lookup);
    return bytes;
}

class LookupPageTest : public ::testing::Test {
  protected:
    LookupPageTest() {
        reset_design_document(*document, *texts);
        document->lookups_working = document->lookups;
        host.set_caption_source([this](int id) { return texts->load_program_text(id); });
    }

    // Runs an editor sheet of two pages, the second the Lookup page, which the script is given
    // after the user has switched to it.
    int run_sheet(const std::function<void(ui::PropertySheet&, LookupPage&)>& script) {
        ui::PropertySheet sheet(
            "Terminal Composer",
            {{"Form", [] { return std::make_unique<FirstPage>(); }},
             {"Lookup", [this] { return std::make_unique<LookupPage>(*document, *texts); }}});
        host.on_sheet([&](ui::PropertySheet& s) {
            s.show_page(1);
            script(s, dynamic_cast<LookupPage&>(*s.page(1)));
        });
        return host.run_sheet(sheet);
    }

    std::unique_ptr<DesignDocument> document = std::make_unique<DesignDocument>();
    std::unique_ptr<texts::ProgramTexts> texts = std::make_unique<texts::ProgramTexts>();
    ui::HeadlessHost host;
};

TEST_F(LookupPageTest, ShowsTheListsAndTheStoredLookup) {
    LookupRecord& second = document->lookups[1];
    second.field_count = 2;
    second.key_field = 1;
    second.delimiter = 59;
    second.no_match_action = 4;
    second.bad_format_action = 2;
    second.field_type[1] = 5;
    store_text(second.field_name[0], "Item");
    second.field_length_low[0] = 10;
    // A stored length above 160 is shown, and stored, as 160.
    second.field_length_low[1] = 10;
    second.field_length_high[1] = 1;

    run_sheet([&](ui::PropertySheet& sheet, LookupPage& page) {
        EXPECT_EQ(page.text(P::kIdLabel), "ID :");
        EXPECT_EQ(page.text(P::kAutoDeleteCheck), "Enable automatic data deletion");
        EXPECT_EQ(page.items(P::kLookupList),
                  (std::vector<std::string>{"1st lookup file", "2nd lookup file", "3rd lookup file",
                                            "4th lookup file", "5th lookup file"}));
        const std::vector<std::string>& counts = page.items(P::kFieldCountList);
        ASSERT_EQ(counts.size(), 13u);
        EXPECT_EQ(counts[0], " 0");
        EXPECT_EQ(counts[12], " 12");
        EXPECT_EQ(page.items(P::kNoMatchList).size(), 6u);
        EXPECT_EQ(page.items(P::kNoMatchList)[3], "Show warning message & Insert");
        EXPECT_EQ(page.items(P::kBadFormatList),
                  (std::vector<std::string>{"Stop the import process",
                                            "Truncate / reformat the record", "Skip the record"}));
        EXPECT_EQ(
            page.items(P::field_type_list(12)),
            (std::vector<std::string>{"text", "integer", "real", "letter", "boolean", "image"}));

        // Lookup 1 of a new design.
        EXPECT_TRUE(page.checked(P::kFixedLengthRadio));
        EXPECT_FALSE(page.enabled(P::kDelimiterEdit));
        EXPECT_EQ(page.text(P::kLengthLabel), "Length");
        EXPECT_EQ(page.text(P::kExportNameEdit), "1st lookup file");
        EXPECT_TRUE(page.enabled(P::kExportNameEdit));
        EXPECT_FALSE(page.enabled(P::field_name_edit(1)));
        EXPECT_TRUE(page.checked(P::key_field_radio(1)));
        EXPECT_FALSE(page.enabled(P::kOverwriteRadio));
        EXPECT_TRUE(page.checked(P::kOverwriteRadio));
        EXPECT_TRUE(page.checked(P::kAutoDeleteCheck));

        page.user_chooses(P::kLookupList, 1);
        EXPECT_EQ(page.current_lookup(), 1u);
        EXPECT_EQ(page.selection(P::kFieldCountList), 2);
        EXPECT_TRUE(page.checked(P::kDelimiterRadio));
        EXPECT_FALSE(page.checked(P::kFixedLengthRadio));
        EXPECT_TRUE(page.enabled(P::kDelimiterEdit));
        EXPECT_EQ(page.text(P::kDelimiterEdit), "59");
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
        for (const int field : {1, 2}) {
            EXPECT_TRUE(page.enabled(P::field_type_list(field)));
            EXPECT_TRUE(page.enabled(P::field_name_edit(field)));
            EXPECT_TRUE(page.enabled(P::field_length_edit(field)));
            EXPECT_TRUE(page.enabled(P::key_field_radio(field)));
        }
        EXPECT_FALSE(page.enabled(P::field_length_edit(3)));
        EXPECT_FALSE(page.enabled(P::key_field_radio(3)));
        EXPECT_TRUE(host.messages().empty());
        sheet.user_presses_cancel();
    });
}

TEST_F(LookupPageTest, DelimiterEditIsCorrectedAndRefusesCarriageReturn) {
    run_sheet([&](ui::PropertySheet& sheet, LookupPage& page) {
        page.user_clicks(P::kDelimiterRadio);
        EXPECT_TRUE(page.enabled(P::kDelimiterEdit));
        EXPECT_EQ(page.text(P::kLengthLabel), "Max length");

        page.user_types(P::kDelimiterEdit, "065");
        EXPECT_EQ(page.text(P::kDelimiterEdit), "65");
        EXPECT_EQ(page.page_copy()[0].delimiter, 65);

        page.user_types(P::kDelimiterEdit, "13");
        ASSERT_EQ(host.messages().size(), 1u);
        EXPECT_EQ(host.messages()[0].text, "Invalid value!");
        EXPECT_EQ(host.messages()[0].title, "Warning");
        EXPECT_EQ(host.messages()[0].style, 48u);
        EXPECT_EQ(page.text(P::kDelimiterEdit), "65");
        EXPECT_EQ(page.page_copy()[0].delimiter, 65);

        page.user_types(P::kDelimiterEdit, "999");
        EXPECT_EQ(page.text(P::kDelimiterEdit), "255");
        EXPECT_EQ(page.page_copy()[0].delimiter, 255);
        page.user_types(P::kDelimiterEdit, "");
        EXPECT_EQ(page.text(P::kDelimiterEdit), "0");
        EXPECT_EQ(page.page_copy()[0].delimiter, 0);
        page.user_types(P::kDelimiterEdit, "9");
        EXPECT_EQ(host.messages().size(), 1u);

        page.user_clicks(P::kFixedLengthRadio);
        EXPECT_TRUE(page.checked(P::kFixedLengthRadio));
        EXPECT_FALSE(page.checked(P::kDelimiterRadio));
        EXPECT_EQ(page.text(P::kDelimiterEdit), "0");
        EXPECT_FALSE(page.enabled(P::kDelimiterEdit));
        EXPECT_EQ(page.text(P::kLengthLabel), "Length");
        EXPECT_EQ(page.page_copy()[0].delimiter, 0);

        // "Delimiter " with the edit at 0 stays a fixed-length Lookup.
        page.user_clicks(P::kDelimiterRadio);
        EXPECT_EQ(page.page_copy()[0].delimiter, 0);
        page.user_chooses(P::kLookupList, 3);
        page.user_chooses(P::kLookupList, 0);
        EXPECT_TRUE(page.checked(P::kFixedLengthRadio));
        EXPECT_FALSE(page.enabled(P::kDelimiterEdit));
        sheet.user_presses_ok();
    });
    EXPECT_EQ(document->lookups[0].delimiter, 0);
}

TEST_F(LookupPageTest, LengthsAreClampedAndTheKeyFieldFollowsTheCount) {
    run_sheet([&](ui::PropertySheet& sheet, LookupPage& page) {
        page.user_chooses(P::kFieldCountList, 12);
        EXPECT_TRUE(page.enabled(P::field_length_edit(12)));
        page.user_types(P::field_length_edit(1), "999");
        EXPECT_EQ(page.text(P::field_length_edit(1)), "160");
        EXPECT_EQ(page.page_copy()[0].field_length_low[0], 160);
        page.user_types(P::field_length_edit(2), "0042");
        EXPECT_EQ(page.text(P::field_length_edit(2)), "42");
        EXPECT_EQ(page.page_copy()[0].field_length_low[1], 42);
        page.user_types(P::field_length_edit(3), "");
        EXPECT_EQ(page.text(P::field_length_edit(3)), "0");

        page.user_clicks(P::key_field_radio(10));
        EXPECT_EQ(page.page_copy()[0].key_field, 9);
        EXPECT_TRUE(page.checked(P::key_field_radio(10)));
        EXPECT_FALSE(page.checked(P::key_field_radio(1)));

        page.user_chooses(P::kFieldCountList, 5);
        EXPECT_EQ(page.page_copy()[0].field_count, 5);
        EXPECT_EQ(page.page_copy()[0].key_field, 0);
        EXPECT_TRUE(page.checked(P::key_field_radio(1)));
        EXPECT_FALSE(page.checked(P::key_field_radio(10)));
        EXPECT_TRUE(page.enabled(P::field_name_edit(5)));
        EXPECT_FALSE(page.enabled(P::field_name_edit(6)));
        EXPECT_FALSE(page.enabled(P::field_type_list(6)));

        // A key below the new count stays; raising the count never moves it.
        page.user_clicks(P::key_field_radio(3));
        page.user_chooses(P::kFieldCountList, 4);
        EXPECT_EQ(page.page_copy()[0].key_field, 2);
        page.user_chooses(P::kFieldCountList, 12);
        EXPECT_EQ(page.page_copy()[0].key_field, 2);
        EXPECT_TRUE(page.checked(P::key_field_radio(3)));
        sheet.user_presses_cancel();
    });
}

TEST_F(LookupPageTest, TheWorkingCopyFollowsThePageWhenTheUserLeavesIt) {
    document->lookups_working[0].field_count = 7;  // left by an earlier sheet
    run_sheet([&](ui::PropertySheet& sheet, LookupPage& page) {
        // Creating the page refreshes the working copy from the stored records.
        EXPECT_EQ(document->lookups_working[0].field_count, 0);
        page.user_chooses(P::kFieldCountList, 4);
        page.user_clicks(P::key_field_radio(3));
        EXPECT_EQ(document->lookups_working[0].field_count, 0);

        sheet.show_page(0);
        EXPECT_EQ(document->lookups_working[0].field_count, 4);
        EXPECT_EQ(document->lookups_working[0].key_field, 2);
        EXPECT_EQ(document->lookups[0].field_count, 0);

        sheet.show_page(1);
        page.user_chooses(P::kFieldCountList, 6);
        sheet.user_presses_cancel();
    });
    // Cancel keeps what the page held when it was last left.
    EXPECT_EQ(document->lookups_working[0].field_count, 4);
    EXPECT_EQ(document->lookups[0].field_count, 0);
    EXPECT_FALSE(document->modified);

    run_sheet([&](ui::PropertySheet& sheet, LookupPage&) {
        EXPECT_EQ(document->lookups_working[0].field_count, 0);
        sheet.user_presses_cancel();
    });
}

TEST_F(LookupPageTest, ConfirmingStoresNormalisesAndCopiesTheLengthsIntoTheForms) {
    LookupRecord& first = document->lookups[0];
    first.field_count = 8;
    for (std::size_t field = 0; field < 8; ++field) {
        store_text(first.field_name[field], "F");
        first.field_length_low[field] = 9;
    }
    FormRecord& form = document->forms[3];
    form.lookup_file = 1;
    form.data_type[5] = kTypeLookup;
    form.link[5] = 2;  // field 2

    run_sheet([&](ui::PropertySheet& sheet, LookupPage& page) {
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
        EXPECT_TRUE(page.checked(P::kAppendRadio));
        EXPECT_FALSE(page.checked(P::kOverwriteRadio));
        page.user_clicks(P::kAutoDeleteCheck);
        page.user_chooses(P::kNoMatchList, 5);
        page.user_chooses(P::kBadFormatList, 1);
        sheet.user_presses_ok();
    });

    const std::vector<Byte> bytes = bytes_of(document->lookups[0]);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[2], 24);  // 100 + 160 + 20 = 280 = 1 x 256 + 24
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 10), "Stock");
    EXPECT_EQ(bytes[10], 0);  // the trailing spaces are gone
    EXPECT_EQ(bytes[26], 1);  // field_type of field 1
    EXPECT_EQ(slot_text(document->lookups[0].field_name[0]), "Code");
    // Fields beyond the count are cleared.
    for (std::size_t field = 3; field < kLookupFields; ++field) {
        EXPECT_EQ(document->lookups[0].field_length_low[field], 0) << field;
        EXPECT_EQ(document->lookups[0].field_name[field][0], 0) << field;
    }
    EXPECT_EQ(bytes[837], 5);  // no_match_action
    EXPECT_EQ(bytes[838], 1);  // bad_format_action
    EXPECT_EQ(bytes[839], 1);  // auto_export
    EXPECT_EQ(bytes[840], 1);  // save_mode
    EXPECT_EQ(bytes[850], 0);  // auto_delete
    // The working copy holds the page copy as it stood, before the normalisation.
    EXPECT_EQ(slot_text(document->lookups_working[0].export_name), "Stock   ");
    EXPECT_EQ(document->lookups_working[0].field_count, 3);
    EXPECT_EQ(form.max_length_low[5], 160);
    EXPECT_EQ(form.max_length_high[5], 0);
    EXPECT_TRUE(document->modified);
}

TEST_F(LookupPageTest, ResetAndTheExportNameBox) {
    LookupRecord& third = document->lookups[2];
    third.field_count = 2;
    third.delimiter = 9;
    third.auto_delete = 0;
    store_text(third.export_name, "Prices");
    const std::vector<Byte> stored = bytes_of(third);

    run_sheet([&](ui::PropertySheet& sheet, LookupPage& page) {
        page.user_chooses(P::kLookupList, 2);
        page.user_clicks(P::kExportRenameCheck);
        EXPECT_FALSE(page.enabled(P::kExportNameEdit));
        EXPECT_EQ(page.page_copy()[2].export_rename, 0);
        page.user_types(P::kExportNameEdit, "ignored");
        EXPECT_EQ(page.text(P::kExportNameEdit), "Prices");

        page.user_clicks(P::kResetButton);
        const LookupRecord& reset = page.page_copy()[2];
        EXPECT_EQ(reset.field_count, 0);
        EXPECT_EQ(reset.delimiter, 0);
        EXPECT_EQ(reset.export_rename, 1);
        EXPECT_EQ(reset.auto_delete, 1);
        EXPECT_EQ(slot_text(reset.export_name), "3rd lookup file");
        EXPECT_TRUE(page.checked(P::kFixedLengthRadio));
        EXPECT_TRUE(page.enabled(P::kExportNameEdit));
        EXPECT_EQ(page.text(P::kExportNameEdit), "3rd lookup file");
        EXPECT_EQ(page.selection(P::kFieldCountList), 0);
        sheet.user_presses_cancel();
    });
    EXPECT_EQ(bytes_of(document->lookups[2]), stored);
}

TEST_F(LookupPageTest, LanguageTextsRelabelTheStaticControlsAndTheLengthColumn) {
    texts->read_language_entries("Deutsch\r\n281=Kennung :\r\n293=Laenge\r\n294=Max. Laenge\r\n");
    texts->set_language_active(true);
    document->lookups[1].delimiter = 44;
    run_sheet([&](ui::PropertySheet& sheet, LookupPage& page) {
        EXPECT_EQ(page.text(P::kIdLabel), "Kennung :");
        EXPECT_EQ(page.text(P::kFieldCountLabel), "");
        EXPECT_EQ(page.text(P::kOverwriteRadio), "");
        EXPECT_EQ(page.text(P::kAsciiLabel), "(ASCII)");
        EXPECT_EQ(page.text(P::kLengthLabel), "Laenge");
        page.user_chooses(P::kLookupList, 1);
        EXPECT_EQ(page.text(P::kLengthLabel), "Max. Laenge");
        sheet.user_presses_cancel();
    });
}

}  // namespace
}  // namespace tc
