#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/coupon_dialogs.h"
#include "reader/image_capture_dialog.h"
#include "reader/reader_settings_record.h"
#include "reader/rfid_dialog.h"
#include "reader/symbology_test_support.h"
#include "resources/reader_dialog_layouts.h"
#include "resources/shell_layouts.h"

namespace tc {
namespace {

// The fixture of the symbology dialogs, with the coupon note of the program.
class ReaderDialogsTest : public ::testing::Test, protected symbology_test::SymbologyFixture {
  protected:
    ReaderDialogsTest() {
        context.coupon_note = [this](int form) { return run_coupon_note(host, *texts, form); };
    }
};

// ---- RFIDPARAMDLG ----

namespace rfid = resources::rfid_ids;

TEST_F(ReaderDialogsTest, RfidStartingPositionStoresMinusOneAs255) {
    test::set_bytes(working, {{322, 1}, {328, 0}});
    bool modified = false;
    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "RFID Reader Setting");
        EXPECT_EQ(d.text(rfid::kStartEdit), "0");
        EXPECT_EQ(d.text(rfid::kLengthEdit), "10");
        d.user_types(rfid::kStartEdit, "-");
        EXPECT_EQ(d.text(rfid::kStartEdit), "-");
        d.user_types(rfid::kStartEdit, "300");
        EXPECT_EQ(d.text(rfid::kStartEdit), "-1");
        d.user_types(rfid::kStartEdit, "05");
        EXPECT_EQ(d.text(rfid::kStartEdit), "5");
        d.user_types(rfid::kStartEdit, "x");
        EXPECT_EQ(d.text(rfid::kStartEdit), "-1");
        d.user_types(rfid::kStartEdit, "-5");
        EXPECT_EQ(d.text(rfid::kStartEdit), "-1");
        d.user_types(rfid::kLengthEdit, "300");
        EXPECT_EQ(d.text(rfid::kLengthEdit), "255");
        d.user_presses_ok();
    });
    EXPECT_EQ(run_rfid_dialog(working, *texts, host, modified), 1);
    test::expect_bytes(working, {{328, 255}, {329, 255}});
    EXPECT_TRUE(modified);

    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        EXPECT_EQ(d.text(rfid::kStartEdit), "-1");
        d.user_types(rfid::kStartEdit, "254");
        EXPECT_EQ(d.text(rfid::kStartEdit), "254");
        d.user_presses_ok();
    });
    run_rfid_dialog(working, *texts, host, modified);
    EXPECT_EQ(working[328], 254);

    // A lone minus sign, left alone while typing, is no number: it is stored as 0.
    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        d.user_types(rfid::kStartEdit, "-");
        d.user_presses_ok();
    });
    run_rfid_dialog(working, *texts, host, modified);
    EXPECT_EQ(working[328], 0);
}

TEST_F(ReaderDialogsTest, RfidUidOffStoresNoUserData) {
    test::set_bytes(working, {{321, 1}, {322, 1}});
    bool modified = false;
    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        EXPECT_TRUE(d.checked(rfid::kUserDataCheck));
        EXPECT_TRUE(d.enabled(rfid::kStartEdit));
        d.user_clicks(rfid::kUidCheck);
        EXPECT_FALSE(d.checked(rfid::kUserDataCheck));
        EXPECT_FALSE(d.enabled(rfid::kUserDataCheck));
        for (const int id : {rfid::kStartEdit, rfid::kLengthEdit, rfid::kDelimiterField}) {
            EXPECT_FALSE(d.enabled(id)) << id;
        }
        d.user_presses_ok();
    });
    run_rfid_dialog(working, *texts, host, modified);
    test::expect_bytes(working, {{321, 0}, {322, 0}});

    // User data without the UID is shown off.
    working[322] = 1;
    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        EXPECT_FALSE(d.checked(rfid::kUserDataCheck));
        EXPECT_FALSE(d.enabled(rfid::kUserDataCheck));
        d.user_clicks(rfid::kUidCheck);
        d.user_clicks(rfid::kUserDataCheck);
        EXPECT_TRUE(d.enabled(rfid::kLengthEdit));
        d.user_presses_ok();
    });
    run_rfid_dialog(working, *texts, host, modified);
    test::expect_bytes(working, {{321, 1}, {322, 1}});
}

// The point of a code's cell in the code picker's grid, in the grid's own coordinates.
ui::Point grid_point(int code) {
    const ui::Rect grid =
        resources::code_picker_layout().controls.front().rect;  // the grid comes first
    const int cell_width = grid.width / 17;
    const int cell_height = grid.height / 17;
    return {(code / 16 + 1) * cell_width + cell_width / 2,
            (code % 16 + 1) * cell_height + cell_height / 2};
}

TEST_F(ReaderDialogsTest, RfidDelimiterStoresThePickedCodeItself) {
    ASSERT_EQ(resources::code_picker_layout().controls.front().id,
              resources::code_picker_ids::kGrid);
    test::set_bytes(working, {{322, 1}, {325, 0x77}});
    bool modified = false;
    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        EXPECT_EQ(d.text(rfid::kDelimiterField), ", ");
        d.user_clicks(rfid::kDelimiterField);
        EXPECT_EQ(d.text(rfid::kDelimiterField), "SP ");
        d.user_presses_ok();
    });
    host.on_dialog("GRIDDLG", [](ui::Dialog& d) {
        d.user_clicks(resources::code_picker_ids::kClear);
        d.user_clicks_area(resources::code_picker_ids::kGrid, grid_point(0x20));
        d.user_presses_ok();
    });
    run_rfid_dialog(working, *texts, host, modified);
    test::expect_bytes(working, {{324, 0x20}, {325, 0}, {323, 1}});

    // An emptied field: no delimiter.
    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        EXPECT_EQ(d.text(rfid::kDelimiterField), "SP ");
        d.user_clicks(rfid::kDelimiterField);
        EXPECT_EQ(d.text(rfid::kDelimiterField), "");
        d.user_presses_ok();
    });
    host.on_dialog("GRIDDLG", [](ui::Dialog& d) {
        d.user_clicks(resources::code_picker_ids::kClear);
        d.user_presses_ok();
    });
    run_rfid_dialog(working, *texts, host, modified);
    test::expect_bytes(working, {{324, 0}, {323, 0}});
}

TEST_F(ReaderDialogsTest, RfidCancelKeepsTheWorkingCopyAndTheModifiedFlag) {
    working[322] = 1;
    const ReaderSettingsRecord before = working;
    bool modified = false;
    host.on_dialog("RFIDPARAMDLG", [](ui::Dialog& d) {
        d.user_clicks(rfid::kDelimiterField);
        d.user_types(rfid::kStartEdit, "7");
        d.user_clicks(rfid::kUidCheck);
        d.user_presses_cancel();
    });
    host.on_dialog("GRIDDLG", [](ui::Dialog& d) {
        d.user_clicks(resources::code_picker_ids::kClear);
        d.user_clicks_area(resources::code_picker_ids::kGrid, grid_point('A'));
        d.user_presses_ok();
    });
    EXPECT_EQ(run_rfid_dialog(working, *texts, host, modified), 0);
    EXPECT_EQ(working.bytes, before.bytes);
    EXPECT_FALSE(modified);
}

// ---- IMAGECAPTUREDLG_2D ----

namespace image = resources::image_capture_ids;

TEST_F(ReaderDialogsTest, ImageCaptureListsStoreTheirMappingsAtOnce) {
    test::set_bytes(working, {{305, 10}, {307, 3}, {311, 3}});
    host.on_dialog("IMAGECAPTUREDLG_2D", [this](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "2D Image Capture Parameters");
        EXPECT_EQ(d.items(image::kExposureList).front(), " 5 ms");
        EXPECT_EQ(d.selection(image::kExposureList), 1);
        EXPECT_EQ(d.selection(image::kResolutionList), 2);
        EXPECT_EQ(d.selection(image::kFormatList), 1);
        EXPECT_TRUE(d.enabled(image::kBitsList));
        EXPECT_FALSE(d.enabled(image::kOptimizedCheck));

        d.user_chooses(image::kFormatList, 0);
        EXPECT_EQ(working[311], 1);
        EXPECT_TRUE(d.enabled(image::kOptimizedCheck));
        EXPECT_FALSE(d.enabled(image::kBitsList));
        EXPECT_FALSE(d.enabled(image::kBitsLabel));
        d.user_chooses(image::kFormatList, 1);
        EXPECT_EQ(working[311], 3);
        for (const int id : {image::kOptimizedCheck, image::kQualityEdit, image::kQualityLabel,
                             image::kSizeEdit, image::kSizeLabel}) {
            EXPECT_FALSE(d.enabled(id)) << id;
        }
        d.user_chooses(image::kResolutionList, 1);
        EXPECT_EQ(working[307], 1);
        d.user_chooses(image::kResolutionList, 2);
        EXPECT_EQ(working[307], 3);
        d.user_chooses(image::kBitsList, 0);
        EXPECT_EQ(working[312], 0);
        d.user_clicks(image::kAutoexposureCheck);
        d.user_chooses(image::kExposureList, 5);
        EXPECT_EQ(working[305], 30);
        d.user_chooses(image::kExposureList, 0);
        EXPECT_EQ(working[305], 5);
        d.user_presses_ok();
    });
    EXPECT_EQ(run_image_capture_dialog(working, *texts, host), 1);
    test::expect_bytes(working, {{311, 3}, {307, 3}, {305, 5}, {302, 0}});

    // A format other than Bmp shows Jpeg.
    working[311] = 7;
    host.on_dialog("IMAGECAPTUREDLG_2D", [](ui::Dialog& d) {
        EXPECT_EQ(d.selection(image::kFormatList), 0);
        EXPECT_EQ(d.selection(image::kExposureList), 0);
    });
    run_image_capture_dialog(working, *texts, host);
}

TEST_F(ReaderDialogsTest, ImageCaptureEnablingFollowsTheBoxes) {
    host.on_dialog("IMAGECAPTUREDLG_2D", [this](ui::Dialog& d) {
        // Defaults: autoexposure on, Jpeg optimised for quality, no automatic file names.
        EXPECT_FALSE(d.enabled(image::kExposureList));
        EXPECT_FALSE(d.enabled(image::kExposureLabel));
        EXPECT_FALSE(d.visible(image::kGainEdit));
        d.user_clicks(image::kAutoexposureCheck);
        EXPECT_EQ(working[302], 0);
        EXPECT_TRUE(d.enabled(image::kExposureList));

        EXPECT_TRUE(d.enabled(image::kQualityEdit));
        EXPECT_FALSE(d.enabled(image::kSizeEdit));
        d.user_clicks(image::kOptimizedCheck);
        EXPECT_EQ(working[308], 0);
        EXPECT_FALSE(d.enabled(image::kQualityEdit));
        EXPECT_TRUE(d.enabled(image::kSizeEdit));

        for (const int id :
             {image::kFileTitleEdit, image::kFileTitleLabel, image::kNamingRuleCheck}) {
            EXPECT_FALSE(d.enabled(id)) << id;
        }
        d.user_clicks(image::kAutoNameCheck);
        EXPECT_EQ(working[466], 1);
        EXPECT_TRUE(d.enabled(image::kFileTitleEdit));
        d.user_clicks(image::kNamingRuleCheck);
        EXPECT_EQ(working[735], 1);
        d.user_clicks(image::kIlluminationCheck);
        EXPECT_EQ(working[303], 0);
        d.user_clicks(image::kAimPatternCheck);
        EXPECT_EQ(working[306], 0);
        d.user_presses_ok();
    });
    run_image_capture_dialog(working, *texts, host);
}

TEST_F(ReaderDialogsTest, ImageCaptureEditsAreKeptWithinTheirLimits) {
    test::set_bytes(working, {{308, 0}, {466, 1}, {734, 0x66}});
    host.on_dialog("IMAGECAPTUREDLG_2D", [this](ui::Dialog& d) {
        EXPECT_EQ(d.text(image::kStoreEdit), "\\DiskOnChip");
        d.user_types(image::kSizeEdit, "2");
        EXPECT_EQ(d.text(image::kSizeEdit), "5");
        EXPECT_EQ(working[310], 5);
        d.user_types(image::kSizeEdit, "300");
        EXPECT_EQ(d.text(image::kSizeEdit), "150");
        EXPECT_EQ(working[310], 150);
        d.user_clicks(image::kOptimizedCheck);
        d.user_types(image::kQualityEdit, "0");
        EXPECT_EQ(working[309], 5);
        d.user_types(image::kFileTitleEdit, "ABCDEFG");
        EXPECT_EQ(d.text(image::kFileTitleEdit), "ABCDE");
        d.user_types(image::kStoreEdit, "\\Store");
        d.user_presses_ok();
    });
    run_image_capture_dialog(working, *texts, host);
    EXPECT_EQ(slot_text(std::span<const Byte>(working.bytes).subspan(729, 6)), "ABCDE");
    EXPECT_EQ(working[734], 0);
    EXPECT_EQ(slot_text(std::span<const Byte>(working.bytes).subspan(467, 261)), "\\Store");
    EXPECT_EQ(working[467 + 6], 0);
    EXPECT_EQ(working[467 + 7], 'C');  // the rest of the old text stays behind the zero
}

TEST_F(ReaderDialogsTest, ImageCaptureCancelPutsTheWorkingCopyBack) {
    const ReaderSettingsRecord before = working;
    host.on_dialog("IMAGECAPTUREDLG_2D", [](ui::Dialog& d) {
        d.user_clicks(image::kAutoexposureCheck);
        d.user_chooses(image::kExposureList, 4);
        d.user_chooses(image::kFormatList, 1);
        d.user_types(image::kStoreEdit, "\\Other");
        d.user_clicks(image::kAutoNameCheck);
        d.user_types(image::kFileTitleEdit, "XY");
        d.user_presses_cancel();
    });
    EXPECT_EQ(run_image_capture_dialog(working, *texts, host), 0);
    EXPECT_EQ(working.bytes, before.bytes);
}

// ---- COUPON_CODE_NOTE, COUPON_CODE_2D, COUPON_CODE_CONTENT ----

namespace setting = resources::coupon_setting_ids;
namespace content = resources::coupon_content_ids;
namespace note = resources::coupon_note_ids;

TEST_F(ReaderDialogsTest, TheCouponNoteShowsTheTextsOfItsForm) {
    host.on_dialog("COUPON_CODE_NOTE", [](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "Coupon Code Setting");
        EXPECT_EQ(d.text(note::kFirstLine), "NOTE:");
        EXPECT_EQ(d.text(note::kSecondLine),
                  "The transmit preamble parameter of UPC-A will be changed from \"System "
                  "Character && Country Code\" to \"System Character\"");
        d.user_presses_ok();
    });
    EXPECT_EQ(run_coupon_note(host, *texts, 1), 1);
    host.on_dialog("COUPON_CODE_NOTE", [](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "Transmit Preamble Parameters");
        EXPECT_EQ(d.text(note::kSecondLine).substr(0, 14), "To change from");
        d.user_presses_cancel();
    });
    EXPECT_EQ(run_coupon_note(host, *texts, 2), 0);
}

TEST_F(ReaderDialogsTest, TheCouponSettingChangesThePreambleAndUndoesItOnCancel) {
    test::set_bytes(working, {{191, 1}, {202, 2}, {195, 0}});
    const ReaderSettingsRecord before = working;

    // The note is declined: the box goes off again.
    host.on_dialog("COUPON_CODE_2D", [this](ui::Dialog& d) {
        EXPECT_FALSE(d.checked(setting::kUpcACheck));
        EXPECT_FALSE(d.checked(setting::kEan13Check));
        d.user_clicks(setting::kUpcACheck);
        EXPECT_FALSE(d.checked(setting::kUpcACheck));
        EXPECT_EQ(working[202], 2);
        d.user_presses_cancel();
    });
    host.on_dialog("COUPON_CODE_NOTE", [](ui::Dialog& d) { d.user_presses_cancel(); });
    EXPECT_EQ(run_coupon_setting(context), 0);

    // Confirmed, the preamble changes at once; cancelling the content puts it back.
    host.on_dialog("COUPON_CODE_2D", [this](ui::Dialog& d) {
        d.user_clicks(setting::kUpcACheck);
        EXPECT_TRUE(d.checked(setting::kUpcACheck));
        EXPECT_EQ(working[202], 1);
        d.user_presses_ok();
    });
    host.on_dialog("COUPON_CODE_NOTE", [](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "Coupon Code Setting");
        d.user_presses_ok();
    });
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) {
        EXPECT_TRUE(d.visible(content::kUpcACouponMark));
        EXPECT_FALSE(d.visible(content::kEan13CouponMark));
        d.user_presses_cancel();
    });
    EXPECT_EQ(run_coupon_setting(context), 0);
    EXPECT_EQ(working.bytes, before.bytes);
    EXPECT_EQ(host.dialogs_shown(),
              (std::vector<std::string>{"COUPON_CODE_2D", "COUPON_CODE_NOTE", "COUPON_CODE_2D",
                                        "COUPON_CODE_NOTE", "COUPON_CODE_CONTENT"}));

    // Both coupon codes, proceeded.
    host.on_dialog("COUPON_CODE_2D", [](ui::Dialog& d) {
        d.user_clicks(setting::kEan13Check);
        d.user_clicks(setting::kUpcACheck);
        d.user_presses_ok();
    });
    host.on_dialog("COUPON_CODE_NOTE", [](ui::Dialog& d) { d.user_presses_ok(); });
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) {
        EXPECT_TRUE(d.visible(content::kUpcACouponMark));
        EXPECT_TRUE(d.visible(content::kEan13CouponMark));
        d.user_presses_ok();
    });
    EXPECT_EQ(run_coupon_setting(context), 1);
    test::expect_bytes(working, {{191, 1}, {195, 1}, {202, 1}, {208, 1}});
}

TEST_F(ReaderDialogsTest, CouponContentSwitchesTheDecodersOfTheChosenCodes) {
    struct Case {
        int selection;
        Byte upc_a_before, ean_13_before;
        Byte upc_a_after, ean_13_after, coupon_after;
    };
    for (const Case c : {Case{kCouponUpcA, 0, 1, 1, 0, 1}, Case{kCouponEan13, 1, 0, 0, 1, 1},
                         Case{kCouponBoth, 0, 0, 1, 1, 1}, Case{kCouponNone, 1, 0, 1, 0, 0}}) {
        reset_reader_settings(working);
        page = symbology_test::FakePage{};
        page.slots[8] = true;
        test::set_bytes(
            working, {{191, c.upc_a_before}, {195, c.ean_13_before}, {202, 2}, {208, 1}, {211, 0}});
        host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) { d.user_presses_ok(); });
        EXPECT_EQ(run_coupon_content(context, c.selection), 1);
        const std::string which = "selection " + std::to_string(c.selection);
        EXPECT_EQ(working[191], c.upc_a_after) << which;
        EXPECT_EQ(working[195], c.ean_13_after) << which;
        EXPECT_EQ(working[208], c.coupon_after) << which;
        EXPECT_EQ(page.slots[1], c.upc_a_after != 0) << which;
        EXPECT_EQ(page.slots[5], c.ean_13_after != 0) << which;
        EXPECT_EQ(page.slots[23], c.coupon_after != 0) << which;
        // UPC-A coupons need the preamble without the country code; GS1-128 comes with them.
        const bool upc_a_coupons = c.selection == kCouponUpcA || c.selection == kCouponBoth;
        EXPECT_EQ(working[202], upc_a_coupons ? 1 : 2) << which;
        EXPECT_EQ(working[211], c.coupon_after) << which;
    }

    // GS1-128 off on the page only is switched on too.
    reset_reader_settings(working);
    page = symbology_test::FakePage{};
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) { d.user_presses_ok(); });
    run_coupon_content(context, kCouponEan13);
    EXPECT_TRUE(page.slots[8]);

    // Cancel changes nothing.
    const ReaderSettingsRecord before = working;
    page = symbology_test::FakePage{};
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) { d.user_presses_cancel(); });
    EXPECT_EQ(run_coupon_content(context, kCouponBoth), 0);
    EXPECT_EQ(working.bytes, before.bytes);
    EXPECT_TRUE(page.calls.empty());
}

TEST_F(ReaderDialogsTest, CouponContentMarksWhatProceedSwitchesOn) {
    test::set_bytes(working, {{191, 1}, {202, 0}, {195, 0}, {211, 1}});
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "Coupon Code Content");
        EXPECT_EQ(d.text(content::kUpcALine), "UPC-A -> No Preamble");
        EXPECT_FALSE(d.visible(content::kUpcACouponMark));
        EXPECT_FALSE(d.visible(content::kEan13CouponMark));
        EXPECT_TRUE(d.visible(content::kUpcAMark));
        EXPECT_FALSE(d.visible(content::kEan13Mark));
        EXPECT_TRUE(d.visible(content::kGs1128Mark));
    });
    run_coupon_content(context, kCouponNone);

    test::set_bytes(working, {{202, 2}, {211, 0}});
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) {
        EXPECT_EQ(d.text(content::kUpcALine), "UPC-A -> System Character && Country Code");
        EXPECT_FALSE(d.visible(content::kUpcAMark));
        EXPECT_FALSE(d.visible(content::kGs1128Mark));
    });
    run_coupon_content(context, kCouponNone);

    working[202] = 1;
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) {
        EXPECT_EQ(d.text(content::kUpcALine), "UPC-A -> System Character");
        EXPECT_FALSE(d.visible(content::kUpcACouponMark));
        EXPECT_TRUE(d.visible(content::kEan13CouponMark));
        EXPECT_FALSE(d.visible(content::kUpcAMark));
        EXPECT_TRUE(d.visible(content::kEan13Mark));
        EXPECT_TRUE(d.visible(content::kGs1128Mark));
    });
    run_coupon_content(context, kCouponEan13);
}

}  // namespace
}  // namespace tc
