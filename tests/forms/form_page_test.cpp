#include "forms/form_page.h"

#include <gtest/gtest.h>

#include <string>

#include "forms/form_page_test_support.h"
#include "resources/form_dialog_layouts.h"

namespace tc::test {
namespace {

using namespace page_ids;

constexpr int kLargeDataItem = 16;

// What choosing a data type does to the other controls of its row. A row starts as a "text" line
// with prompt "P", input source "keypad" and lengths 5 and 40; the Form has a lookup file or not.
TEST_F(FormPageTest, EachDataTypeEnablesAndSetsTheControlsOfItsRow) {
    enum Link { kOff, kOn, kOnWithLookup };
    struct Row {
        Byte type;
        bool prompt;
        bool source;
        int stored_source;  // 1 when the row keeps "keypad"
        bool lengths;       // off: shown as 0 and 160
        Byte stored_min, stored_max;
        Link link;
        bool more;
    };
    const Row rows[] = {
        {kTypeNil, false, false, 3, false, 0, 160, kOff, false},
        {kTypeText, true, true, 1, true, 5, 40, kOn, true},
        {kTypeInteger, true, true, 1, true, 5, 40, kOn, true},
        {kTypeReal, true, true, 1, true, 5, 40, kOn, true},
        {kTypeLetter, true, true, 1, true, 5, 40, kOn, true},
        {kTypeAuto, true, true, 1, true, 5, 40, kOn, true},
        {kTypeAlphameric, true, true, 1, true, 5, 40, kOn, true},
        {kTypeBoolean, true, true, 1, false, 1, 1, kOn, true},
        {kTypeLookup, true, false, 3, false, 0, 160, kOnWithLookup, true},
        {kTypeFixedData, true, false, 3, false, 0, 160, kOff, true},
        {kTypePrompt, true, false, 3, false, 0, 160, kOff, false},
        {kTypeCounter, true, false, 3, false, 0, 160, kOff, false},
        {kTypePassDown, true, false, 3, false, 0, 160, kOff, false},
        {kTypePause, true, false, 3, false, 0, 160, kOff, false},
        {kTypeExtension, false, false, 3, false, 0, 160, kOff, false},
        {kTypeImage, true, false, 3, false, 0, 160, kOnWithLookup, true},
        {kTypeLargeData, true, false, 0, true, 5, 40, kOn, true},
        {kTypeReadFrom2D, true, false, 1, true, 5, 40, kOn, true},
    };
    for (const Byte lookup_file : {Byte{0}, Byte{5}}) {  // none and the last
        for (const Row& r : rows) {
            SCOPED_TRACE(testing::Message()
                         << "type " << int{r.type} << " lookup " << int{lookup_file});
            reset_design_document(*document, *texts);
            use_2d_reader();
            FormRecord& stored = document->forms[0];
            stored.lookup_file = lookup_file;
            for (const std::size_t line : {0, 1}) {
                stored.data_type[line] = kTypeText;
                store_text(stored.prompt[line], "P");
                stored.input_source[line] = 1;
                stored.min_length[line] = 5;
                stored.max_length_low[line] = 40;
            }
            // "read from 2D" is offered once another row is "large data".
            if (r.type == kTypeReadFrom2D) stored.data_type[0] = kTypeLargeData;
            const int row = 1;
            run_page([&](ui::PropertySheet&, FormPage& page) {
                choose_type(page, row, r.type >= kTypeLargeData ? kLargeDataItem : r.type);
                const FormRecord& form = page.working_forms()[0];
                ASSERT_EQ(form.data_type[row], r.type);
                EXPECT_EQ(page.enabled(prompt_edit(row)), r.prompt);
                EXPECT_EQ(page.text(prompt_edit(row)), r.prompt ? "P" : "");
                EXPECT_EQ(page.enabled(input_source_list(row)), r.source);
                EXPECT_EQ(form.input_source[row], r.stored_source);
                EXPECT_EQ(page.enabled(min_length_edit(row)), r.lengths);
                EXPECT_EQ(page.enabled(max_length_edit(row)), r.lengths);
                EXPECT_EQ(page.text(min_length_edit(row)), r.lengths ? "5" : "0");
                EXPECT_EQ(page.text(max_length_edit(row)), r.lengths ? "40" : "160");
                EXPECT_EQ(form.min_length[row], r.stored_min);
                EXPECT_EQ(form.max_length_low[row], r.stored_max);
                EXPECT_EQ(page.enabled(link_list(row)),
                          r.link == kOn || (r.link == kOnWithLookup && lookup_file != 0));
                EXPECT_EQ(page.enabled(more_button(row)), r.more);
            });
        }
    }
}

TEST_F(FormPageTest, LengthEditsAreCorrectedInPlace) {
    use_2d_reader();
    run_page([&](ui::PropertySheet&, FormPage& page) {
        const FormRecord& form = page.working_forms()[0];
        choose_type(page, 0, kTypeText);
        page.user_types(max_length_edit(0), "500");
        EXPECT_EQ(page.text(max_length_edit(0)), "160");
        EXPECT_EQ(form.max_length_low[0], 160);
        EXPECT_EQ(form.max_length_high[0], 0);
        page.user_types(max_length_edit(0), "040");
        EXPECT_EQ(page.text(max_length_edit(0)), "40");
        EXPECT_EQ(form.max_length_low[0], 40);

        page.user_types(min_length_edit(0), "007");
        EXPECT_EQ(page.text(min_length_edit(0)), "7");
        page.user_types(min_length_edit(0), "08");
        EXPECT_EQ(page.text(min_length_edit(0)), "8");
        EXPECT_EQ(form.min_length[0], 8);
        page.user_types(min_length_edit(0), "");
        EXPECT_EQ(page.text(min_length_edit(0)), "0");
        EXPECT_EQ(form.min_length[0], 0);
        page.user_types(min_length_edit(0), "200");
        EXPECT_EQ(page.text(min_length_edit(0)), "40");  // never above the maximum
        EXPECT_EQ(form.min_length[0], 40);

        // "large data" lengths go up to 2048, stored as multiples of 160 and a remainder.
        choose_type(page, 1, kLargeDataItem);
        ASSERT_EQ(form.data_type[1], kTypeLargeData);
        page.user_types(max_length_edit(1), "500");
        EXPECT_EQ(page.text(max_length_edit(1)), "500");
        EXPECT_EQ(form.max_length_high[1], 500 / 160);
        EXPECT_EQ(form.max_length_low[1], 500 % 160);
        page.user_types(max_length_edit(1), "3000");
        EXPECT_EQ(page.text(max_length_edit(1)), "2048");
        EXPECT_EQ(form.max_length_high[1], 12);
        EXPECT_EQ(form.max_length_low[1], 128);

        page.user_types(prompt_edit(0), std::string(40, 'p'));
        EXPECT_EQ(slot_text(form.prompt[0]), std::string(30, 'p'));
    });
}

TEST_F(FormPageTest, InputSourceListFollowsTheRfidFlag) {
    document->forms[0].data_type[0] = kTypeText;
    document->forms[0].input_source[0] = 2;
    document->forms[0].data_type[1] = kTypeText;
    document->forms[0].input_source[1] = 0;
    document->forms[4].input_source[13] = 2;
    test::set_bytes(document->forms[4].data_type, {{0, kTypePrompt}, {1, kTypeText}});
    run_page([&](ui::PropertySheet&, FormPage& page) {
        EXPECT_EQ(page.items(input_source_list(0)),
                  (std::vector<std::string>{"reader", "keypad", "all"}));
        EXPECT_EQ(page.selection(input_source_list(0)), 2);  // a stored RFID shows as "all"
        page.user_chooses(input_source_list(0), 2);
        EXPECT_EQ(page.working_forms()[0].input_source[0], 3);
        page.user_chooses(input_source_list(0), 1);
        EXPECT_EQ(page.working_forms()[0].input_source[0], 1);
    });

    document->reader[reader::kRfidReader] = 1;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        EXPECT_EQ(page.items(input_source_list(0)),
                  (std::vector<std::string>{"reader", "keypad", "RFID", "all"}));
        EXPECT_EQ(page.selection(input_source_list(0)), 2);
        page.rfid_switched(false);
        EXPECT_EQ(page.working_forms()[0].input_source[0], 3);
        EXPECT_EQ(page.working_forms()[0].input_source[1], 0);
        EXPECT_EQ(page.working_forms()[4].input_source[13], 3);
        EXPECT_EQ(page.items(input_source_list(0)).size(), 3u);
        EXPECT_EQ(page.selection(input_source_list(0)), 2);
        EXPECT_EQ(page.selection(input_source_list(1)), 0);
        page.rfid_switched(true);
        EXPECT_EQ(page.items(input_source_list(0)).size(), 4u);
        EXPECT_EQ(page.selection(input_source_list(0)), 3);
        // A "prompt" line 1 has no input source, whatever line 2 is.
        page.user_chooses(kFormList, 4);
        EXPECT_FALSE(page.enabled(input_source_list(0)));
    });
}

TEST_F(FormPageTest, LinkColumnFollowsTheLookupFile) {
    FormRecord& stored = document->forms[0];
    test::set_bytes(stored.data_type, {{0, kTypeText}, {1, kTypeInteger}});
    stored.link[0] = 13;  // "set v 1"
    run_page([&](ui::PropertySheet&, FormPage& page) {
        EXPECT_EQ(page.text(kLinkHeading), "Variables");
        EXPECT_EQ(page.items(kLookupList).size(), 6u);  // "nil" and the five Lookups
        const std::vector<std::string>& variables = page.items(link_list(0));
        ASSERT_EQ(variables.size(), 37u);
        EXPECT_EQ(variables[0], "nil");
        EXPECT_EQ(variables[1], "get v 1");
        EXPECT_EQ(variables[13], "set v 1");
        EXPECT_EQ(variables[36], "get & set v 12");
        EXPECT_EQ(page.selection(link_list(0)), 13);

        page.user_chooses(kLookupList, 1);
        EXPECT_EQ(page.working_forms()[0].lookup_file, 1);
        EXPECT_EQ(page.text(kLinkHeading), "Lookup");
        // A text row offers the fields; a link beyond them folds onto field 1-12.
        const std::vector<std::string>& fields = page.items(link_list(0));
        ASSERT_EQ(fields.size(), 13u);
        EXPECT_EQ(fields[12], "field 12");
        EXPECT_EQ(page.working_forms()[0].link[0], 1);
        const std::vector<std::string>& signed_fields = page.items(link_list(1));
        ASSERT_EQ(signed_fields.size(), 37u);
        EXPECT_EQ(signed_fields[13], "-field 1");
        EXPECT_EQ(signed_fields[25], "+field 1");

        page.user_chooses(link_list(1), 25);
        EXPECT_EQ(page.working_forms()[0].link[1], 25);
        page.user_chooses(kLookupList, 0);
        EXPECT_EQ(page.text(kLinkHeading), "Variables");
    });

    stored.lookup_file = 2;
    test::set_bytes(stored.link, {{0, 30}, {2, 24}});
    stored.data_type[2] = kTypeText;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        EXPECT_EQ(page.working_forms()[0].link[0], 30 % 12);
        EXPECT_EQ(page.working_forms()[0].link[2], 12);  // 24 modulo 12 is 0, taken as 12
        EXPECT_EQ(page.selection(link_list(2)), 12);
    });
}

TEST_F(FormPageTest, LargeDataAndReadFrom2DKeepEachOtherCompany) {
    use_2d_reader();
    for (int line : {3, 5}) document->forms[0].data_type[line] = kTypeText;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        const FormRecord& form = page.working_forms()[0];
        // The lists offer the 2D types when they are opened.
        EXPECT_EQ(page.items(data_type_list(3)).size(), 16u);
        page.user_opens_dropdown(data_type_list(3));
        ASSERT_EQ(page.items(data_type_list(3)).size(), 17u);
        EXPECT_EQ(page.items(data_type_list(3))[16], "large data");
        page.user_chooses(data_type_list(3), kLargeDataItem);
        EXPECT_EQ(form.data_type[3], kTypeLargeData);
        EXPECT_EQ(form.input_source[3], 0);
        EXPECT_EQ(form.partial_on[3], 1);
        EXPECT_EQ(form.partial_start_low[3], 1);
        EXPECT_FALSE(page.enabled(input_source_list(3)));

        page.user_opens_dropdown(data_type_list(5));
        ASSERT_EQ(page.items(data_type_list(5)).size(), 17u);
        EXPECT_EQ(page.items(data_type_list(5))[16], "read from 2D");
        page.user_chooses(data_type_list(5), kLargeDataItem);
        EXPECT_EQ(form.data_type[5], kTypeReadFrom2D);
        EXPECT_EQ(form.input_source[5], 1);
        EXPECT_EQ(page.selection(data_type_list(5)), kLargeDataItem);

        page.user_types(max_length_edit(3), "1000");
        EXPECT_EQ(form.max_length_high[3], 6);
        // Reading part of a code, the long row keeps its link list when a lookup file is chosen.
        page.user_chooses(kLookupList, 1);
        EXPECT_TRUE(page.enabled(link_list(3)));
        page.user_chooses(kLookupList, 0);

        // Without a "large data" row no "read from 2D" row stays, nor a length above 160.
        choose_type(page, 3, kTypeText);
        test::expect_bytes(form.data_type, {{3, kTypeText}, {5, kTypeNil}});
        EXPECT_EQ(page.selection(data_type_list(5)), 0);
        EXPECT_EQ(page.text(max_length_edit(3)), "160");
        EXPECT_EQ(form.max_length_high[3], 0);
        EXPECT_EQ(form.max_length_low[3], 160);
        page.user_opens_dropdown(data_type_list(5));
        EXPECT_EQ(page.items(data_type_list(5))[16], "large data");
    });

    // Read whole, a code longer than a line has no link.
    document->forms[0].data_type[7] = kTypeLargeData;
    document->forms[0].link[7] = 5;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        page.user_chooses(kLookupList, 1);
        EXPECT_TRUE(page.enabled(link_list(7)));  // 160 fits a line
        page.user_types(max_length_edit(7), "500");
        EXPECT_EQ(page.working_forms()[0].link[7], 0);
        EXPECT_EQ(page.selection(link_list(7)), 0);
        EXPECT_FALSE(page.enabled(link_list(7)));
    });
}

TEST_F(FormPageTest, WithoutThe2DReaderTheTwoDTypesAreGone) {
    document->reader[reader::kReaderTypeBits] = reader::kType1D;
    document->forms[0].data_type[2] = kTypeLargeData;
    document->forms[0].prompt[2][0] = 'P';
    document->forms[0].fixed_length_on[2] = 1;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        const FormRecord& form = page.working_forms()[0];
        EXPECT_EQ(form.data_type[2], kTypeNil);
        EXPECT_EQ(form.fixed_length_on[2], 0);
        EXPECT_EQ(page.items(data_type_list(2)).size(), 16u);
        EXPECT_EQ(page.selection(data_type_list(2)), 0);
        page.user_opens_dropdown(data_type_list(4));
        EXPECT_EQ(page.items(data_type_list(4)).size(), 16u);
    });
    // The reader taken away while the page is open: a 2D type offered by a list goes.
    use_2d_reader();
    run_page([&](ui::PropertySheet&, FormPage& page) {
        page.user_opens_dropdown(data_type_list(4));
        document->reader_working[reader::kReaderTypeBits] = reader::kType1D;
        page.reader_switched();
        EXPECT_EQ(page.items(data_type_list(4)).size(), 16u);
    });
}

// Choosing a data type resets the line's properties when the new type cannot keep what the old
// one had.
TEST_F(FormPageTest, ChoosingATypeResetsThePropertiesItCannotKeep) {
    struct Change {
        Byte from, to;
        bool resets;
    };
    const Change changes[] = {
        {kTypeText, kTypeNil, true},          {kTypeText, kTypeInteger, false},
        {kTypeInteger, kTypePrompt, true},    {kTypeExtension, kTypeFixedData, true},
        {kTypeLookup, kTypePrompt, false},    {kTypeAlphameric, kTypeFixedData, false},
        {kTypeImage, kTypeCounter, false},    {kTypeLargeData, kTypePause, false},
        {kTypeReadFrom2D, kTypeImage, false}, {kTypePrompt, kTypeText, true},
        {kTypeLookup, kTypeText, true},       {kTypePause, kTypeLookup, true},
        {kTypeBoolean, kTypeLookup, false},   {kTypeAlphameric, kTypeText, false},
        {kTypeLargeData, kTypeText, false},   {kTypeImage, kTypeAuto, false},
        {kTypePause, kTypePause, false},  // the same type again keeps everything
        {kTypePrompt, kTypeImage, true},
    };
    const std::array switches = {&FormRecord::fixed_length_on, &FormRecord::initial_on,
                                 &FormRecord::prefix_on,       &FormRecord::suffix_on,
                                 &FormRecord::leading_code_on, &FormRecord::partial_on};
    for (const Change& c : changes) {
        SCOPED_TRACE(testing::Message() << int{c.from} << " to " << int{c.to});
        reset_design_document(*document, *texts);
        use_2d_reader();
        FormRecord& stored = document->forms[0];
        stored.data_type[1] = c.from;
        for (const auto on : switches) (stored.*on)[1] = 1;
        stored.check_digit[1] = 3;
        stored.partial_length[1] = 7;
        stored.partial_start_low[1] = stored.save_file_path[1] = stored.check_file_path[1] = 5;
        stored.input_mark[1] = '*';
        stored.auto_enter[1] = 2;
        if (c.from == kTypeReadFrom2D) stored.data_type[0] = kTypeLargeData;
        run_page([&](ui::PropertySheet&, FormPage& page) {
            choose_type(page, 1, c.to);
            const FormRecord& form = page.working_forms()[0];
            ASSERT_EQ(form.data_type[1], c.to);
            for (const auto on : switches) EXPECT_EQ((form.*on)[1], c.resets ? 0 : 1);
            EXPECT_EQ(form.check_digit[1], c.resets ? 0 : 3);
            EXPECT_EQ(form.partial_length[1], c.resets ? 20 : 7);
            EXPECT_EQ(form.partial_start_low[1], c.resets ? 0 : 5);
            EXPECT_FALSE(c.resets && (form.save_file_path[1] | form.check_file_path[1] |
                                      form.edit_file_path[1] | form.input_mark[1]) != 0);
            EXPECT_FALSE(c.resets && page.input_marks()[0][1]);  // the mark goes with a reset
            EXPECT_EQ(form.auto_enter[1], c.resets ? 1 : 2);
        });
    }
}

TEST_F(FormPageTest, FormListRecordModeAndResetActOnTheCurrentForm) {
    store_text(document->forms[1].prompt[0], "Name");
    document->forms[1].data_type[0] = kTypeText;
    document->forms[1].max_length_low[0] = 20;
    document->forms[1].esc_target = 22;
    run_page([&](ui::PropertySheet& sheet, FormPage& page) {
        EXPECT_EQ(page.items(kFormList)[0], "form  1");
        EXPECT_EQ(page.items(kEscList).size(), 31u);
        EXPECT_EQ(page.items(kEscList)[21], "menu  1");
        EXPECT_EQ(page.items(kKeyFieldList)[12], "line 12");
        page.user_chooses(kFormList, 1);
        EXPECT_EQ(page.current_form(), 1u);
        EXPECT_EQ(page.text(prompt_edit(0)), "Name");
        EXPECT_EQ(page.text(max_length_edit(0)), "20");
        EXPECT_EQ(page.selection(kEscList), 22);

        page.user_chooses(kRecordList, 1);
        EXPECT_FALSE(page.enabled(kKeyFieldList));
        EXPECT_FALSE(page.enabled(kAdvancedButton));
        page.user_chooses(kRecordList, 2);
        EXPECT_TRUE(page.enabled(kKeyFieldList));
        EXPECT_TRUE(page.enabled(kAdvancedButton));
        page.user_chooses(kKeyFieldList, 4);
        EXPECT_EQ(page.working_forms()[1].key_field, 4);

        page.user_clicks(kResetButton);
        FormRecord fresh = page.working_forms()[1];
        reset_form(fresh, 1, *texts);
        // Showing the reset Form sets the input source of its "nil" rows to "all".
        for (std::size_t line = 0; line < kShownLines; ++line) fresh.input_source[line] = 3;
        EXPECT_EQ(bytes_of(page.working_forms()[1]), bytes_of(fresh));
        EXPECT_EQ(page.text(prompt_edit(0)), "");
        sheet.user_presses_ok();
    });
    EXPECT_TRUE(document->modified);
}

TEST_F(FormPageTest, MoreOpensTheDialogOfTheRowsType) {
    document->forms[0].data_type[0] = kTypeText;
    document->forms[0].data_type[1] = kTypeLookup;
    document->forms[0].data_type[2] = kTypeImage;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        for (int row : {0, 1, 2}) page.user_clicks(more_button(row));
        EXPECT_EQ(page.current_line(), 2u);
    });
    EXPECT_EQ(host.dialogs_shown(),
              (std::vector<std::string>{"FORMPROPERTIESDLG", "LOOKUPPROPERTIESDLG",
                                        "IMAGEPROPERTIESDLG"}));
}

}  // namespace
}  // namespace tc::test
