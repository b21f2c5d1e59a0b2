#include "forms/properties_dialog.h"

#include <gtest/gtest.h>

#include "forms/form_page_test_support.h"
#include "resources/form_dialog_layouts.h"
#include "resources/shell_layouts.h"

namespace tc::test {
namespace {

using namespace resources::properties_ids;

class PropertiesDialogTest : public FormPageTest {
  protected:
    // Opens the Properties dialog of line `line` (0-11) of Form 1 with the line's type, runs the
    // script on it and ends the sheet with OK.
    void open_line(std::size_t line, Byte type, const std::function<void(ui::Dialog&)>& script) {
        document->forms[0].data_type[line] = type;
        host.on_dialog("FORMPROPERTIESDLG", script);
        run_page([&](ui::PropertySheet& sheet, FormPage& page) {
            page.user_clicks(page_ids::more_button(static_cast<int>(line)));
            working = page.working_forms()[0];
            sheet.user_presses_ok();
        });
    }

    FormRecord working{};
};

TEST_F(PropertiesDialogTest, InitialValuesAreFilteredByType) {
    open_line(0, kTypeInteger, [](ui::Dialog& d) {
        EXPECT_EQ(d.text(kFormNumber), "1");
        EXPECT_EQ(d.text(kLineNumber), "1");
        EXPECT_FALSE(d.enabled(kInitialEdit));
        d.user_clicks(kInitialCheck);
        EXPECT_TRUE(d.enabled(kInitialEdit));
        d.user_types(kInitialEdit, "12a3");
        EXPECT_EQ(d.text(kInitialEdit), "123");
        d.user_presses_ok();
    });
    EXPECT_EQ(working.initial_on[0], 1);
    EXPECT_EQ(slot_text(working.initial_text[0]), "123");

    open_line(1, kTypeReal, [](ui::Dialog& d) {
        d.user_clicks(kInitialCheck);
        d.user_types(kInitialEdit, "1.5.2");
        EXPECT_EQ(d.text(kInitialEdit), "1.5.2");  // the edit keeps what was typed
        d.user_presses_ok();
    });
    EXPECT_EQ(slot_text(working.initial_text[1]), "152");
    open_line(1, kTypeReal, [](ui::Dialog& d) {
        d.user_types(kInitialEdit, "1.5");
        d.user_presses_ok();
    });
    EXPECT_EQ(slot_text(working.initial_text[1]), "1.5");

    open_line(2, kTypeBoolean, [](ui::Dialog& d) {
        d.user_clicks(kInitialCheck);
        d.user_types(kInitialEdit, "YN");
        EXPECT_EQ(d.text(kInitialEdit), "Y");  // one character
        d.user_presses_ok();
    });
    EXPECT_EQ(slot_text(working.initial_text[2]), "Y");
    open_line(2, kTypeBoolean, [](ui::Dialog& d) {
        d.user_types(kInitialEdit, "x");
        EXPECT_EQ(d.text(kInitialEdit), "");
        d.user_presses_ok();
    });
    EXPECT_EQ(slot_text(working.initial_text[2]), "");

    EXPECT_EQ(filter_initial_text(kTypeAlphameric, "ab1-c2"), "ab1");
    EXPECT_EQ(filter_initial_text(kTypeLetter, "ab1c"), "ab");
    EXPECT_EQ(filter_initial_text(kTypeAuto, "-1.5"), "1.5");
    EXPECT_EQ(filter_initial_text(kTypeText, "any #1"), "any #1");
}

TEST_F(PropertiesDialogTest, StartPositionIsLimitedByTheLine) {
    open_line(0, kTypeText, [](ui::Dialog& d) {
        d.user_clicks(kPartialCheck);
        EXPECT_TRUE(d.enabled(kStartEdit));
        d.user_types(kStartEdit, "300");
        EXPECT_EQ(d.text(kStartEdit), "160");
        d.user_types(kPartialLengthEdit, "0");
        d.user_presses_ok();
    });
    EXPECT_EQ(working.partial_on[0], 1);
    EXPECT_EQ(working.partial_start_low[0], 160);
    EXPECT_EQ(working.partial_start_high[0], 0);
    EXPECT_EQ(working.partial_length[0], 160);  // OK turns a length of 0 into 160

    // Row #1 as the "large data" line: the "read from 2D" line below must find it there.
    use_2d_reader();
    document->forms[0].data_type[0] = kTypeLargeData;
    store_split_length(1000, document->forms[0].max_length_high[0],
                       document->forms[0].max_length_low[0]);
    document->forms[0].partial_on[0] = 1;
    open_line(0, kTypeLargeData, [](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(kAutoEnterList));
        EXPECT_EQ(d.selection(kAutoEnterList), 1);
        d.user_types(kStartEdit, "300");
        EXPECT_EQ(d.text(kStartEdit), "300");
        EXPECT_FALSE(d.enabled(kFixedLengthEdit));
        d.user_clicks(kFixedLengthCheck);
        d.user_types(kFixedLengthEdit, "5000");
        EXPECT_EQ(d.text(kFixedLengthEdit), "2048");
        d.user_presses_ok();
    });
    EXPECT_EQ(working.partial_start_high[0], 1);
    EXPECT_EQ(working.partial_start_low[0], 140);
    EXPECT_EQ(split_length(working.fixed_length_high[0], working.fixed_length_low[0]), 2048);
    EXPECT_EQ(working.auto_enter[0], 1);

    // A "read from 2D" line reads within the Form's "large data" line.
    document->forms[0].partial_on[5] = 1;
    open_line(5, kTypeReadFrom2D, [](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(kPartialCheck));
        d.user_types(kStartEdit, "1200");
        EXPECT_EQ(d.text(kStartEdit), "1000");
        d.user_presses_ok();
    });
    EXPECT_EQ(split_length(working.partial_start_high[5], working.partial_start_low[5]), 1000);
    EXPECT_EQ(working.auto_enter[5], 0);
}

TEST_F(PropertiesDialogTest, CheckDigitAndLists) {
    open_line(0, kTypeReal, [](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(kCheckDigitList));
        EXPECT_TRUE(d.enabled(kDecimalList));
        d.user_clicks(kCheckDigitCheck);
        EXPECT_TRUE(d.enabled(kCheckDigitList));
        EXPECT_EQ(d.selection(kCheckDigitList), 0);
        EXPECT_EQ(d.items(kCheckDigitList)[0], "MOD 10  Double-Add-Double (next high)");
        d.user_chooses(kDecimalList, 2);
        d.user_clicks(kFixedLengthCheck);
        d.user_chooses(kAlignmentList, 3);
        d.user_presses_ok();
    });
    EXPECT_EQ(working.check_digit[0], 1);
    EXPECT_EQ(working.decimal_places[0], 2);
    EXPECT_EQ(working.alignment[0], 3);

    open_line(0, kTypeReal, [](ui::Dialog& d) {
        EXPECT_EQ(d.selection(kCheckDigitList), 0);
        d.user_chooses(kCheckDigitList, 7);
        d.user_chooses(kAutoEnterList, 2);
        d.user_presses_ok();
    });
    EXPECT_EQ(working.check_digit[0], 8);
    EXPECT_EQ(working.auto_enter[0], 2);

    open_line(0, kTypeText, [](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(kDecimalList));
        d.user_clicks(kCheckDigitCheck);
        d.user_presses_ok();
    });
    EXPECT_EQ(working.check_digit[0], 0);
}

TEST_F(PropertiesDialogTest, FixedDataAndMsqiLinesHaveNoBarcodeOptions) {
    document->forms[0].partial_on[0] = document->forms[0].leading_code_on[0] = 1;
    open_line(0, kTypeFixedData, [](ui::Dialog& d) {
        for (const int id : {kInitialCheck, kInputMarkCheck, kPartialCheck, kStartEdit,
                             kCheckDigitCheck, kLeadingCodeEdit})
            EXPECT_FALSE(d.enabled(id)) << id;
        EXPECT_TRUE(d.enabled(kPrefixCheck));
        d.user_presses_ok();
    });

    FormRecord& msqi_form = document->forms[0];
    msqi_form.msqi_enabled = 1;
    msqi_form.data_type[0] = kTypeText;
    msqi_form.prefix_on[1] = msqi_form.suffix_on[1] = 1;
    open_line(1, kTypeMsqi, [](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(kPrefixCheck));
        EXPECT_TRUE(d.checked(kPrefixCheck) && d.checked(kSuffixCheck));  // as stored
        EXPECT_FALSE(d.enabled(kPrefixField) || d.enabled(kSuffixField));
        EXPECT_FALSE(d.enabled(kAutoEnterList));
        EXPECT_TRUE(d.enabled(kInitialCheck));  // no link
        EXPECT_EQ(d.selection(kAutoEnterList), 2);
        d.user_presses_ok();
    });
    EXPECT_EQ(working.auto_enter[1], 2);
    open_line(0, kTypeText, [](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(kAutoEnterList));
        EXPECT_TRUE(d.enabled(kPartialCheck));
        d.user_presses_ok();
    });
    EXPECT_EQ(working.auto_enter[0], 1);
}

TEST_F(PropertiesDialogTest, PrefixPickedByKeysMarkAndOk) {
    document->forms[0].partial_length[0] = 0;
    open_line(0, kTypeText, [this](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(kPrefixField));
        d.user_clicks(kPrefixCheck);
        EXPECT_FALSE(d.takes_key(kPrefixField, ui::Key::Enter));  // Enter is the dialog's OK
        EXPECT_TRUE(d.takes_key(kPrefixField, ui::Key::AltDown));
        host.on_dialog("GRIDDLG", [&d](ui::Dialog& grid) {
            // While the picker runs, its field has the focus and shows itself open.
            EXPECT_TRUE(d.control(kPrefixField).open);
            EXPECT_EQ(d.focused(), kPrefixField);
            using enum ui::Key;
            // From SP: right to "@", down to "A", picked twice; left to "Ins" at the edge, where
            // Left and Up (NUL) find no cell; down past LF to "Right".
            for (const ui::Key key :
                 {Right, Right, Down, Space, Enter, Left, Left, Left, Left, Left, Up,
                  Enter, Down,  Down, Down,  Down,  Down, Down, Down, Down, Down, Space}) {
                grid.user_presses_key(resources::code_picker_ids::kGrid, key);
            }
            grid.user_presses_ok();
        });
        d.user_presses_key(kPrefixField, ui::Key::F4);
        EXPECT_FALSE(d.control(kPrefixField).open);
        EXPECT_EQ(d.text(kPrefixField), "A A Ins Right ");
        EXPECT_EQ(d.text(kInputMarkEdit), "");  // no mark yet
        EXPECT_FALSE(d.enabled(kInputMarkEdit));
        d.user_clicks(kInputMarkCheck);
        d.user_types(kInputMarkEdit, "*");
        EXPECT_EQ(d.text(kStartEdit), "1");  // a start position below 1 shows as 1
        EXPECT_EQ(d.text(kPartialLengthEdit), "160");
        d.user_clicks(kLeadingCodeCheck);
        d.user_types(kLeadingCodeEdit, "AB");
        d.user_chooses(kAutoEnterList, 0);
        d.user_presses_ok();
    });
    EXPECT_EQ(slot_text(working.leading_code[0]), "AB");
    EXPECT_EQ(working.auto_enter[0], 0);
    EXPECT_EQ(working.prefix_on[0], 1);
    EXPECT_EQ(slot_text(working.prefix[0]), "AA\x01\x0B");
    EXPECT_EQ(working.input_mark[0], '*');
    EXPECT_EQ(working.partial_start_low[0], 1);

    open_line(0, kTypeText, [](ui::Dialog& d) {
        EXPECT_TRUE(d.checked(kInputMarkCheck));
        EXPECT_EQ(d.text(kInputMarkEdit), "*");
        d.user_types(kInputMarkEdit, "#+");
        EXPECT_EQ(d.text(kInputMarkEdit), "#");
        d.user_clicks(kInputMarkCheck);  // no mark shown: OK drops it
        d.user_presses_ok();
    });
    EXPECT_EQ(working.input_mark[0], 0);
}

TEST_F(PropertiesDialogTest, CancelRestoresEveryByte) {
    FormRecord& stored = document->forms[0];
    stored.data_type[0] = kTypeText;
    stored.leading_code_on[0] = 1;
    store_text(stored.leading_code[0], "AB");
    std::vector<Byte> before;
    host.on_dialog("FORMPROPERTIESDLG", [](ui::Dialog& d) {
        EXPECT_TRUE(d.checked(kLeadingCodeCheck));
        EXPECT_EQ(d.text(kLeadingCodeEdit), "AB");
        d.user_clicks(kFixedLengthCheck);
        d.user_types(kFixedLengthEdit, "12");
        d.user_clicks(kInitialCheck);
        d.user_types(kInitialEdit, "Start");
        d.user_clicks(kLeadingCodeCheck);
        d.user_types(kLeadingCodeEdit, "XYZ");
        d.user_clicks(kCheckDigitCheck);
        d.user_chooses(kAutoEnterList, 0);
        d.user_presses_cancel();
    });
    run_page([&](ui::PropertySheet&, FormPage& page) {
        before = bytes_of(page.working_forms()[0]);
        page.user_clicks(page_ids::more_button(0));
        EXPECT_EQ(bytes_of(page.working_forms()[0]), before);
        EXPECT_FALSE(page.input_marks()[0][0]);
    });
}

TEST_F(PropertiesDialogTest, LargeDataLinkAfterOk) {
    use_2d_reader();
    FormRecord& stored = document->forms[0];
    stored.data_type[0] = kTypeLargeData;
    stored.partial_on[0] = 1;
    stored.link[0] = 4;
    store_split_length(500, stored.max_length_high[0], stored.max_length_low[0]);
    host.on_dialog("FORMPROPERTIESDLG", [](ui::Dialog& d) {
        d.user_clicks(kPartialCheck);
        d.user_presses_ok();
    });
    run_page([&](ui::PropertySheet&, FormPage& page) {
        EXPECT_TRUE(page.enabled(page_ids::link_list(0)));
        page.user_clicks(page_ids::more_button(0));
        EXPECT_EQ(page.working_forms()[0].partial_on[0], 0);
        EXPECT_EQ(page.working_forms()[0].link[0], 0);
        EXPECT_EQ(page.selection(page_ids::link_list(0)), 0);  // "nil"
        EXPECT_FALSE(page.enabled(page_ids::link_list(0)));
    });
}

}  // namespace
}  // namespace tc::test
