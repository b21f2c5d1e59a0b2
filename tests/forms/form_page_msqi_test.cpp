#include <gtest/gtest.h>

#include "forms/form_page_test_support.h"
#include "resources/form_dialog_layouts.h"

namespace tc::test {
namespace {

using namespace page_ids;
namespace advanced = resources::advanced_ids;

class MsqiLayoutTest : public FormPageTest {
  protected:
    MsqiLayoutTest() {
        FormRecord& form = document->forms[2];
        test::set_bytes(form.data_type,
                        {{0, kTypeInteger}, {1, kTypeText}, {3, kTypeLookup}, {4, kTypeText}});
        store_text(form.prompt[4], "Qty");
        form.record_mode = 2;
        form.key_field = 3;
        form.next_target = 5;
    }

    // Shows Form 3 and switches its MSQI function through the Advanced dialog, confirmed or not.
    void switch_msqi(FormPage& page, bool confirm) {
        host.on_dialog("ADVANCEDLG", [confirm](ui::Dialog& d) {
            d.user_clicks(advanced::kMsqiCheck);
            confirm ? d.user_presses_ok() : d.user_presses_cancel();
        });
        page.user_clicks(kAdvancedButton);
    }
};

TEST_F(MsqiLayoutTest, SwitchingMsqiOnWithoutALookupFile) {
    run_page([&](ui::PropertySheet&, FormPage& page) {
        page.user_chooses(kFormList, 2);
        switch_msqi(page, true);
        const FormRecord& form = page.working_forms()[2];
        EXPECT_EQ(form.msqi_enabled, 1);
        EXPECT_EQ(form.data_type[0], kTypeText);
        EXPECT_EQ(page.selection(data_type_list(0)), kTypeText);
        EXPECT_EQ(form.data_type[1], kTypeMsqi);
        ASSERT_EQ(page.items(data_type_list(1)).size(), 17u);
        EXPECT_EQ(page.items(data_type_list(1))[16], "MSQI");
        EXPECT_EQ(page.selection(data_type_list(1)), 16);
        EXPECT_EQ(form.initial_on[1], 1);
        EXPECT_EQ(slot_text(form.initial_text[1]), "0");
        EXPECT_EQ(form.next_target, 3);
        EXPECT_EQ(page.selection(kNextList), 3);
        EXPECT_EQ(form.record_mode, 0);
        EXPECT_EQ(form.key_field, 0);
        for (const int id : {kNextList, kRecordList, kKeyFieldList}) EXPECT_FALSE(page.enabled(id));
        for (int row : {0, 1}) {
            EXPECT_EQ(form.input_source[row], 3);
            EXPECT_FALSE(page.enabled(data_type_list(row)));
            EXPECT_FALSE(page.enabled(input_source_list(row)));
            EXPECT_TRUE(page.enabled(prompt_edit(row)));
            EXPECT_TRUE(page.enabled(more_button(row)));
        }
        // Without a lookup file rows 3-12 are emptied and locked.
        for (int row = 2; row < kRows; ++row) {
            EXPECT_EQ(page.items(data_type_list(row)).size(), 2u);
            EXPECT_EQ(form.data_type[row], kTypeNil);
            EXPECT_EQ(page.selection(data_type_list(row)), 0);
            EXPECT_FALSE(page.enabled(data_type_list(row)));
        }
        EXPECT_EQ(slot_text(form.prompt[4]), "");

        // Off again: the MSQI line goes, the lists are whole again.
        switch_msqi(page, true);
        EXPECT_EQ(form.msqi_enabled, 0);
        EXPECT_EQ(form.data_type[1], kTypeNil);
        EXPECT_EQ(page.selection(data_type_list(1)), 0);
        EXPECT_EQ(page.items(data_type_list(1)).size(), 16u);
        EXPECT_EQ(page.items(data_type_list(5)).size(), 16u);
        EXPECT_TRUE(page.enabled(data_type_list(5)));
        EXPECT_TRUE(page.enabled(kNextList));
        EXPECT_FALSE(page.enabled(prompt_edit(1)));
    });
}

TEST_F(MsqiLayoutTest, SwitchingMsqiOnWithALookupFile) {
    document->forms[2].lookup_file = 2;
    document->lookups[1].field_count = 4;
    document->lookups[1].key_field = 2;
    run_page([&](ui::PropertySheet&, FormPage& page) {
        page.user_chooses(kFormList, 2);
        switch_msqi(page, true);
        const FormRecord& form = page.working_forms()[2];
        EXPECT_EQ(form.link[0], 2 + 1);  // the Lookup's key field
        EXPECT_FALSE(page.enabled(link_list(0)));
        EXPECT_TRUE(page.enabled(link_list(1)));
        EXPECT_EQ(form.data_type[3], kTypeLookup);
        EXPECT_EQ(page.selection(data_type_list(3)), 1);
        EXPECT_TRUE(page.enabled(link_list(3)));
        EXPECT_EQ(form.data_type[4], kTypeNil);
        EXPECT_EQ(page.selection(data_type_list(4)), 0);
        EXPECT_FALSE(page.enabled(link_list(4)));
        EXPECT_TRUE(page.enabled(data_type_list(4)));
        // Choosing "lookup" on an emptied row stores the "lookup" type, "nil" the "nil" type.
        choose_type(page, 6, 0);
        EXPECT_EQ(form.data_type[6], kTypeNil);
        choose_type(page, 6, 1);
        EXPECT_EQ(form.data_type[6], kTypeLookup);
        EXPECT_TRUE(page.enabled(link_list(6)));

        // Another Form shows its own layout, and this one comes back as it was left.
        page.user_chooses(kFormList, 0);
        EXPECT_EQ(page.items(data_type_list(6)).size(), 16u);
        EXPECT_TRUE(page.enabled(data_type_list(0)));
        EXPECT_TRUE(page.enabled(kRecordList));
        page.user_chooses(kFormList, 2);
        EXPECT_EQ(page.items(data_type_list(6)).size(), 2u);
        EXPECT_EQ(page.selection(data_type_list(6)), 1);
        EXPECT_EQ(page.selection(data_type_list(1)), 16);
        // Off again, the first row links to the Lookup again.
        switch_msqi(page, true);
        EXPECT_TRUE(page.enabled(link_list(0)));
        EXPECT_EQ(page.selection(link_list(0)), 3);
    });
}

TEST_F(MsqiLayoutTest, CancelLeavesMsqiOffAndTheLayoutAlone) {
    run_page([&](ui::PropertySheet&, FormPage& page) {
        page.user_chooses(kFormList, 2);
        const std::vector<Byte> before = bytes_of(page.working_forms()[2]);
        switch_msqi(page, false);
        EXPECT_EQ(page.working_forms()[2].msqi_enabled, 0);
        EXPECT_EQ(bytes_of(page.working_forms()[2]), before);
        EXPECT_EQ(page.items(data_type_list(1)).size(), 16u);
        EXPECT_EQ(page.selection(data_type_list(0)), kTypeInteger);
        EXPECT_TRUE(page.enabled(kNextList));
        EXPECT_TRUE(page.enabled(data_type_list(4)));
        EXPECT_EQ(page.text(prompt_edit(4)), "Qty");
    });
}

}  // namespace
}  // namespace tc::test
