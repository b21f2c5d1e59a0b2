#include <gtest/gtest.h>

#include "forms/form_page_test_support.h"
#include "resources/form_dialog_layouts.h"

namespace tc::test {
namespace {

namespace lookup_ids = resources::lookup_properties_ids;
namespace image_ids = resources::image_properties_ids;

class LineDialogsTest : public FormPageTest {
  protected:
    // Opens the dialog of line `line` of Form 1, runs the script on it, then `after` on the page.
    void open_line(
        std::size_t line, Byte type, const char* dialog,
        const std::function<void(ui::Dialog&)>& script,
        const std::function<void(FormPage&)>& after = [](FormPage&) {}) {
        document->forms[0].data_type[line] = type;
        host.on_dialog(dialog, script);
        run_page([&](ui::PropertySheet& sheet, FormPage& page) {
            before_dialog = page.working_forms()[0];
            page.user_clicks(page_ids::more_button(static_cast<int>(line)));
            working = page.working_forms()[0];
            after(page);
            sheet.user_presses_ok();
        });
    }

    FormRecord before_dialog{};
    FormRecord working{};
};

TEST_F(LineDialogsTest, LookupPropertiesHangOnSaveFieldData) {
    document->forms[0].input_mark[2] = '*';
    open_line(2, kTypeLookup, "LOOKUPPROPERTIESDLG", [](ui::Dialog& d) {
        using namespace lookup_ids;
        EXPECT_EQ(d.text(kLineNumber), "3");
        EXPECT_FALSE(d.enabled(kFixedLengthCheck));
        d.user_clicks(kSaveFieldCheck);
        EXPECT_TRUE(d.enabled(kFixedLengthCheck));
        EXPECT_FALSE(d.enabled(kFixedLengthEdit));
        d.user_clicks(kFixedLengthCheck);
        d.user_types(kFixedLengthEdit, "300");
        EXPECT_EQ(d.text(kFixedLengthEdit), "160");
        d.user_chooses(kAlignmentList, 2);
        for (const int check : {kPrefixCheck, kSuffixCheck}) d.user_clicks(check);
        EXPECT_TRUE(d.enabled(kPrefixField));
        // Clearing "Save field data" keeps the flags but locks their fields.
        d.user_clicks(kSaveFieldCheck);
        EXPECT_TRUE(d.checked(kFixedLengthCheck));
        EXPECT_FALSE(d.enabled(kFixedLengthEdit));
        EXPECT_FALSE(d.enabled(kPrefixField) || d.enabled(kSuffixField));
        d.user_presses_ok();
    });
    EXPECT_EQ(working.initial_on[2], 0);
    EXPECT_EQ(working.fixed_length_on[2], 1);
    EXPECT_EQ(working.fixed_length_low[2], 160);
    EXPECT_EQ(working.alignment[2], 2);
    EXPECT_EQ(working.prefix_on[2], 1);
    EXPECT_EQ(working.input_mark[2], 0);  // OK always drops the mark

    open_line(2, kTypeLookup, "LOOKUPPROPERTIESDLG", [](ui::Dialog& d) {
        d.user_clicks(lookup_ids::kSaveFieldCheck);
        d.user_clicks(lookup_ids::kSuffixCheck);
        d.user_presses_cancel();
    });
    EXPECT_EQ(bytes_of(working), bytes_of(before_dialog));
}

TEST_F(LineDialogsTest, ImagePathChecksAreCoupled) {
    document->forms[0].input_mark[4] = '*';  // kept from a file
    open_line(
        4, kTypeImage, "IMAGEPROPERTIESDLG",
        [](ui::Dialog& d) {
            using namespace image_ids;
            EXPECT_EQ(d.text(kInputMarkEdit), "*");
            EXPECT_TRUE(d.enabled(kSavePathCheck));
            EXPECT_FALSE(d.enabled(kCheckPathCheck));
            EXPECT_FALSE(d.enabled(kFixedLengthCheck));
            d.user_clicks(kEditPathCheck);
            EXPECT_TRUE(d.checked(kSavePathCheck));
            EXPECT_FALSE(d.enabled(kSavePathCheck));
            EXPECT_TRUE(d.enabled(kCheckPathCheck));
            d.user_clicks(kCheckPathCheck);
            d.user_clicks(kFixedLengthCheck);
            d.user_types(kFixedLengthEdit, "300");
            EXPECT_EQ(d.text(kFixedLengthEdit), "255");
            d.user_chooses(kAlignmentList, 2);
            d.user_clicks(kInitialPathCheck);
            d.user_types(kInitialPathEdit, "\\Storage Card\\Photos");
            if (!d.checked(kInputMarkCheck)) d.user_clicks(kInputMarkCheck);
            d.user_types(kInputMarkEdit, "?");
            d.user_presses_ok();
        },
        [](FormPage& page) {
            EXPECT_TRUE(page.enabled(page_ids::min_length_edit(4)));
            EXPECT_TRUE(page.enabled(page_ids::max_length_edit(4)));
            EXPECT_TRUE(page.input_marks()[0][4]);
        });
    EXPECT_TRUE(working.edit_file_path[4] == 1 && working.save_file_path[4] == 1 &&
                working.check_file_path[4] == 1);
    EXPECT_TRUE(working.fixed_length_low[4] == 255 && working.alignment[4] == 2);
    EXPECT_EQ(slot_text(working.initial_text[4]), "\\Storage Card\\Photos");
    EXPECT_EQ(working.input_mark[4], '?');

    open_line(
        4, kTypeImage, "IMAGEPROPERTIESDLG",
        [](ui::Dialog& d) {
            using namespace image_ids;
            EXPECT_TRUE(d.checked(kInputMarkCheck) && d.checked(kCheckPathCheck));  // as stored
            d.user_clicks(kEditPathCheck);
            EXPECT_FALSE(d.checked(kSavePathCheck));
            EXPECT_TRUE(d.enabled(kSavePathCheck));
            EXPECT_FALSE(d.enabled(kFixedLengthEdit));
            EXPECT_FALSE(d.enabled(kInitialPathEdit));
            d.user_clicks(kSavePathCheck);
            EXPECT_TRUE(d.enabled(kFixedLengthEdit));
            d.user_presses_ok();
        },
        [](FormPage& page) { EXPECT_FALSE(page.enabled(page_ids::max_length_edit(4))); });
    EXPECT_TRUE(working.edit_file_path[4] == 0 && working.save_file_path[4] == 1);
}

TEST_F(LineDialogsTest, ImageCancelRestoresTheRecordAndTheMarkState) {
    std::vector<Byte> before;
    host.on_dialog("IMAGEPROPERTIESDLG", [](ui::Dialog& d) {
        d.user_clicks(image_ids::kEditPathCheck);
        d.user_clicks(image_ids::kInputMarkCheck);
        d.user_types(image_ids::kInputMarkEdit, "!");
        d.user_presses_cancel();
    });
    document->forms[0].data_type[0] = kTypeImage;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        before = bytes_of(page.working_forms()[0]);
        page.user_clicks(page_ids::more_button(0));
        EXPECT_EQ(bytes_of(page.working_forms()[0]), before);
        EXPECT_FALSE(page.input_marks()[0][0]);
        EXPECT_FALSE(page.enabled(page_ids::max_length_edit(0)));
    });
}

}  // namespace
}  // namespace tc::test
