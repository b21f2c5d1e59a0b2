#include "forms/apply_form_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "shell/record_bytes.h"

namespace tc {
namespace {

// A new design and a working copy of its Forms, as the Form page holds them.
class ApplyFormPageTest : public ::testing::Test {
  protected:
    ApplyFormPageTest() {
        reset_design_document(*document, texts);
        document->reader_working[reader::kReaderTypeBits] = reader::kType2D;
        working = document->forms;
    }

    void apply() { apply_form_page(*document, working, marks); }
    FormRecord& line_form() { return working[0]; }
    const FormRecord& applied() const { return document->forms[0]; }

    texts::ProgramTexts texts;
    std::unique_ptr<DesignDocument> document = std::make_unique<DesignDocument>();
    std::array<FormRecord, kFormCount> working{};
    InputMarkStates marks{};
};

// A "nil" line and an "extension" line with every property set, and a "nil" line 15, which the
// page does not show: each per-line byte as applying leaves it (-1: kept), every text emptied.
TEST_F(ApplyFormPageTest, UnusedLinesAreReset) {
    constexpr int kKept = -1;
    struct Reset {
        PerLine<kFormLines> FormRecord::*field;
        int nil, extension;
    };
    const Reset resets[] = {
        {&FormRecord::link, 0, 0},
        {&FormRecord::input_source, 3, 3},
        {&FormRecord::min_length, 0, 0},
        {&FormRecord::max_length_low, 160, kKept},
        {&FormRecord::max_length_high, 0, 0},
        {&FormRecord::extra_length, 0, 0},
        {&FormRecord::fixed_length_on, 0, 0},
        {&FormRecord::alignment, 0, 0},
        {&FormRecord::fixed_length_low, 0, 0},
        {&FormRecord::initial_on, 0, 0},
        {&FormRecord::prefix_on, 0, 0},
        {&FormRecord::suffix_on, 0, 0},
        {&FormRecord::input_mark, 0, 0},
        {&FormRecord::decimal_places, 0, 0},
        {&FormRecord::partial_on, 0, 0},
        {&FormRecord::partial_start_low, 0, 0},
        {&FormRecord::partial_start_high, 0, 0},
        {&FormRecord::partial_length, 20, 20},
        {&FormRecord::leading_code_on, 0, 0},
        {&FormRecord::check_digit, 0, 0},
        {&FormRecord::auto_enter, 1, 1},
        {&FormRecord::edit_file_path, 0, 0},
        {&FormRecord::save_file_path, 0, 0},
        {&FormRecord::check_file_path, 0, 0},
    };
    FormRecord& form = line_form();
    form.data_type[1] = kTypeExtension;
    for (const std::size_t line : {0u, 1u, 14u}) {
        for (const Reset& r : resets) (form.*r.field)[line] = 9;
        for (auto* text :
             {&form.prompt[line][0], &form.initial_text[line][0], &form.prefix[line][0],
              &form.suffix[line][0], &form.leading_code[line][0]}) {
            std::copy_n("text", 5, text);
        }
    }
    form.max_length_high[1] = 0;
    // A prompt takes no barcode: its partial reading goes as well.
    form.data_type[2] = kTypePrompt;
    form.partial_start_high[2] = form.partial_start_low[2] = 5;
    apply();
    EXPECT_EQ(split_length(applied().partial_start_high[2], applied().partial_start_low[2]), 0);
    for (const Reset& r : resets) {
        SCOPED_TRACE(testing::Message()
                     << "field at " << &(applied().*r.field)[0] - &applied().esc_target);
        EXPECT_EQ((applied().*r.field)[0], r.nil == kKept ? 9 : r.nil);
        EXPECT_EQ((applied().*r.field)[1], r.extension == kKept ? 9 : r.extension);
        // Beyond the page only the reset runs, which leaves the decimal places and check digit.
        const bool reset_keeps =
            r.field == &FormRecord::decimal_places || r.field == &FormRecord::check_digit;
        EXPECT_EQ((applied().*r.field)[14], r.nil == kKept || reset_keeps ? 9 : r.nil);
    }
    for (const std::size_t line : {0u, 1u, 14u}) {
        EXPECT_TRUE(std::all_of(applied().prompt[line].begin(), applied().prompt[line].end(),
                                [](Byte b) { return b == 0; }));
        for (const Byte* text : {&applied().initial_text[line][0], &applied().prefix[line][0],
                                 &applied().suffix[line][0], &applied().leading_code[line][0]}) {
            EXPECT_EQ(*text, 0);
        }
    }
    EXPECT_EQ(applied().data_type[1], kTypeExtension);
    EXPECT_TRUE(document->modified);
}

TEST_F(ApplyFormPageTest, PropertiesFollowTheDataType) {
    FormRecord& form = line_form();
    form.lookup_file = 1;
    const auto give_properties = [&form](std::size_t line, Byte type) {
        form.data_type[line] = type;
        form.fixed_length_on[line] = 1;
        form.fixed_length_low[line] = 6;
        form.prefix_on[line] = 1;
        store_text(form.prefix[line], "AB");
        form.suffix_on[line] = 1;
        store_text(form.suffix[line], "\r");
        form.initial_on[line] = 1;
        store_text(form.initial_text[line], "init");
        form.link[line] = 3;
        form.partial_on[line] = form.leading_code_on[line] = form.alignment[line] = 1;
        form.check_digit[line] = form.decimal_places[line] = form.auto_enter[line] = 2;
    };
    give_properties(0, kTypeFixedData);
    give_properties(1, kTypePrompt);
    give_properties(2, kTypeLookup);
    form.initial_on[2] = 0;  // "Save field data" off
    marks[0][1] = true;
    apply();
    const FormRecord& done = applied();
    // "fixed data" keeps its properties but not its link.
    EXPECT_EQ(done.fixed_length_low[0], 6);
    EXPECT_EQ(slot_text(done.prefix[0]), "AB");
    EXPECT_EQ(done.suffix_on[0], 1);
    EXPECT_EQ(done.link[0], 0);
    EXPECT_EQ(done.extra_length[0], 6 + 2 + 1);
    // "prompt" loses them and its link.
    EXPECT_EQ(
        done.fixed_length_on[1] | done.fixed_length_low[1] | done.prefix_on[1] | done.suffix_on[1],
        0);
    EXPECT_EQ(slot_text(done.prefix[1]), "");
    EXPECT_TRUE(std::all_of(done.initial_text[1].begin(), done.initial_text[1].end(),
                            [](Byte b) { return b == 0; }));
    EXPECT_EQ(done.link[1], 0);
    EXPECT_EQ(done.extra_length[1], 0);
    EXPECT_FALSE(marks[0][1]);
    // "lookup" without "Save field data" loses its lengths, prefix, suffix and barcode options.
    for (const auto field :
         {&FormRecord::fixed_length_on, &FormRecord::prefix_on, &FormRecord::suffix_on,
          &FormRecord::partial_on, &FormRecord::alignment, &FormRecord::leading_code_on,
          &FormRecord::check_digit, &FormRecord::decimal_places}) {
        EXPECT_EQ((done.*field)[2], 0);
    }
    EXPECT_EQ(done.auto_enter[2], 1);
    EXPECT_EQ(done.link[2], 3);
    // Step 1 works on the working copies, which then match the document up to normalisation.
    EXPECT_TRUE(working[0].fixed_length_on[2] == 0 && working[0].link[0] == 3);
}

TEST_F(ApplyFormPageTest, LastInputLineIsTheLastLineTakingInput) {
    FormRecord& form = line_form();
    for (std::size_t line = 0; line < 3; ++line) form.data_type[line] = kTypeText;
    test::set_bytes(form.data_type, {{3, kTypeCounter}, {4, kTypePause}});
    apply();
    EXPECT_EQ(applied().last_input_line, 5);
    working[0].data_type[4] = kTypeCounter;
    apply();
    EXPECT_EQ(applied().last_input_line, 3);
    working[0] = document->forms[0];
    for (std::size_t line = 0; line < kFormLines; ++line) working[0].data_type[line] = kTypeNil;
    working[0].data_type[6] = kTypeImage;
    apply();
    EXPECT_EQ(applied().last_input_line, 0);
    working[0].edit_file_path[6] = 1;
    apply();
    EXPECT_EQ(applied().last_input_line, 7);
}

TEST_F(ApplyFormPageTest, ImageLinesKeepWhatTheirFilePathNeeds) {
    FormRecord& form = line_form();
    for (std::size_t line : {0u, 1u, 2u}) {
        form.data_type[line] = kTypeImage;
        form.fixed_length_on[line] = 1;
        form.fixed_length_low[line] = 200;
        form.alignment[line] = 1;
        form.input_mark[line] = 1;
        form.check_file_path[line] = 1;
        form.min_length[line] = 10;
        form.max_length_low[line] = 50;
        form.initial_on[line] = 1;
        store_text(form.initial_text[line], "\\Images");
        form.input_source[line] = 0;
    }
    form.edit_file_path[0] = 1;
    test::set_bytes(form.save_file_path, {{0, 1}, {1, 1}});
    apply();
    const FormRecord& done = applied();
    EXPECT_EQ(done.input_source[0], 1);
    EXPECT_EQ(done.max_length_low[0], 50);
    EXPECT_EQ(done.min_length[0], 10);
    EXPECT_EQ(slot_text(done.initial_text[0]), "\\Images");
    EXPECT_EQ(done.input_mark[0], 1);
    EXPECT_EQ(done.check_file_path[0], 1);
    // "Save file path" alone keeps the fixed length but not the edit's lengths and path.
    EXPECT_EQ(done.fixed_length_low[1], 200);
    EXPECT_EQ(done.max_length_low[1], 160);
    EXPECT_EQ(done.min_length[1], 0);
    EXPECT_EQ(done.initial_on[1], 0);
    EXPECT_EQ(slot_text(done.initial_text[1]), "");
    EXPECT_EQ(done.extra_length[1], 200);
    EXPECT_EQ(done.alignment[1], 1);
    EXPECT_EQ(done.input_mark[1], 0);
    EXPECT_EQ(done.check_file_path[1], 0);
    // Neither: no fixed length either.
    EXPECT_EQ(done.fixed_length_on[2], 0);
    EXPECT_EQ(done.fixed_length_low[2], 0);
    EXPECT_EQ(done.extra_length[2], 0);
    EXPECT_EQ(done.alignment[2], 0);
}

TEST_F(ApplyFormPageTest, TwoDLinesNeedThe2DReader) {
    FormRecord& form = line_form();
    form.data_type[0] = kTypeLargeData;
    store_split_length(1000, form.max_length_high[0], form.max_length_low[0]);
    form.partial_start_high[0] = 7;  // start 1120, beyond the line
    form.input_source[0] = 1;
    form.auto_enter[0] = 2;
    form.data_type[1] = kTypeReadFrom2D;
    form.partial_start_high[1] = 9;
    form.auto_enter[1] = 1;
    form.data_type[2] = kTypeLargeData;  // starting at its last character, as the dialog stores
    form.max_length_low[2] = form.partial_start_low[2] = 160;
    apply();
    const FormRecord& done = applied();
    test::expect_bytes(done.input_source, {{0, 0}, {1, 1}});
    test::expect_bytes(done.auto_enter, {{0, 1}, {1, 0}});
    EXPECT_EQ(split_length(done.partial_start_high[0], done.partial_start_low[0]), 1000);
    EXPECT_EQ(done.partial_on[1], 1);
    test::expect_bytes(done.partial_start_high, {{1, 1000 / 160}, {2, 0}});
    test::expect_bytes(done.partial_start_low, {{1, 1000 % 160}, {2, 160}});

    document->reader_working[reader::kReaderTypeBits] = reader::kType1D;
    store_text(working[0].prompt[0], "Data");
    apply();
    test::expect_bytes(applied().data_type, {{0, kTypeNil}, {1, kTypeNil}});
    EXPECT_EQ(slot_text(applied().prompt[0]), "");
    EXPECT_EQ(applied().max_length_low[0], 160);
    EXPECT_EQ(applied().max_length_high[0], 0);
    EXPECT_EQ(applied().last_input_line, 0);
}

TEST_F(ApplyFormPageTest, LengthsAreClipped) {
    FormRecord& form = line_form();
    form.data_type[0] = kTypeText;
    form.min_length[0] = 200;
    form.max_length_low[0] = 150;
    form.data_type[1] = kTypeLargeData;
    form.min_length[1] = 200;
    store_split_length(1000, form.max_length_high[1], form.max_length_low[1]);
    form.data_type[2] = kTypeLargeData;
    form.max_length_high[2] = 13;
    form.max_length_low[2] = 100;
    apply();
    test::expect_bytes(applied().min_length, {{0, 150}, {1, 160}});
    EXPECT_EQ(split_length(applied().max_length_high[2], applied().max_length_low[2]), 2048);
}

TEST_F(ApplyFormPageTest, FormFieldsAreDerived) {
    FormRecord& first = working[0];
    store_text(first.export_name, "Stock   ");
    first.key_field = 2;
    first.handover_field = 1;
    FormRecord& second = working[1];
    second.record_mode = 3;
    second.key_field = 4;
    std::fill(second.export_name.begin(), second.export_name.end(), Byte{'x'});  // no end mark
    FormRecord& third = working[2];
    third.export_rename = 0;
    store_text(third.export_name, "Kept  ");
    apply();
    EXPECT_EQ(slot_text(document->forms[0].export_name), "Stock");
    EXPECT_EQ(document->forms[0].export_name[5], 0);
    EXPECT_EQ(document->forms[0].no_key_field, 0);
    EXPECT_EQ(document->forms[0].key_field, 2);
    EXPECT_EQ(document->forms[0].handover_field, 0);
    EXPECT_EQ(slot_text(document->forms[1].export_name), std::string(20, 'x'));
    EXPECT_EQ(document->forms[1].no_key_field, 0);
    EXPECT_EQ(document->forms[1].key_field, 0);
    EXPECT_EQ(slot_text(document->forms[2].export_name), "Kept  ");
    EXPECT_EQ(document->forms[3].no_key_field, 1);
}

TEST_F(ApplyFormPageTest, LookupLinesTakeTheirFieldLength) {
    FormRecord& form = line_form();
    form.lookup_file = 2;
    form.data_type[0] = kTypeLookup;
    form.link[0] = 3;
    document->lookups[1].field_length_low[3 - 1] = 30;
    document->lookups[1].field_length_high[3 - 1] = 0;
    apply();
    EXPECT_EQ(applied().max_length_low[0], 30);
}

}  // namespace
}  // namespace tc
