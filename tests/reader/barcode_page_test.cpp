#include "reader/barcode_page.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "forms/form_page.h"
#include "resources/barcode_page_layout.h"
#include "resources/reader_dialog_layouts.h"
#include "settings/settings_page.h"
#include "shell/sheet_test_support.h"

namespace tc {
namespace {

namespace ids = resources::barcode_page_ids;
using ids::slot_check;
using ids::slot_more;

// The enable bytes of the three symbology lists, slot 1 first.
constexpr std::array<std::size_t, 26> kOneDBytes{1,  6,  8,  10, 17, 24, 31, 33, 39,
                                                 42, 46, 47, 48, 50, 51, 53, 57, 58,
                                                 62, 64, 68, 72, 74, 75, 76, 83};
constexpr std::array<std::size_t, 23> kTwoDBytes{191, 192, 193, 194, 195, 196, 210, 211,
                                                 212, 213, 223, 244, 240, 233, 265, 266,
                                                 267, 250, 227, 300, 313, 320, 208};
constexpr std::array<std::size_t, 19> kElrBytes{101, 102, 103, 104, 105, 106, 120, 121, 122, 123,
                                                124, 133, 148, 144, 137, 161, 162, 163, 154};

constexpr std::size_t kBarcodePage = 3;

class BarcodePageTest : public test::SheetTest {
  protected:
    void run_sheet(const std::function<void(ui::PropertySheet&, BarcodePage&)>& script) {
        run_page<BarcodePage>(kBarcodePage, script);
    }
    void apply(const std::function<void(BarcodePage&)>& script) {
        apply_page<BarcodePage>(kBarcodePage, script);
    }
    ReaderSettingsRecord& reader() { return document().reader; }
};

// Gives every enable byte of a list a state of its own: on unless the slot is a multiple of 3.
template <std::size_t N>
void set_pattern(ReaderSettingsRecord& record, const std::array<std::size_t, N>& bytes) {
    for (std::size_t i = 0; i < N; ++i) record[bytes[i]] = (i + 1) % 3 != 0 ? 1 : 0;
}

TEST_F(BarcodePageTest, ANewDesignShowsTheOneDReaderAndAppliesUnchanged) {
    const ReaderSettingsRecord before = reader();
    apply([&](BarcodePage& page) {
        EXPECT_EQ(page.layout_mode(), ReaderMode::OneD);
        EXPECT_EQ(page.items(ids::kReaderList),
                  (std::vector<std::string>{"None", "1D Laser / CCD Reader", "2D Reader"}));
        EXPECT_EQ(page.selection(ids::kReaderList), 1);
        EXPECT_FALSE(page.checked(ids::kRfidCheck));
        EXPECT_FALSE(page.enabled(ids::kRfidMore));

        EXPECT_EQ(page.selection(ids::kGoodReadList), 2);
        EXPECT_EQ(page.text(ids::kLedEdit), "0");
        EXPECT_EQ(page.selection(ids::kFrequencyList), 0);
        EXPECT_EQ(page.text(ids::kBuzzerEdit), "0");

        EXPECT_EQ(page.items(ids::kScanModeList).at(3), "Laser");
        EXPECT_EQ(page.selection(ids::kScanModeList), 3);
        EXPECT_EQ(page.selection(ids::kReadRedundancyList), 0);
        EXPECT_EQ(page.text(ids::kTimeOutEdit), "3");
        EXPECT_TRUE(page.visible(ids::kNegativeCheck));
        EXPECT_TRUE(page.visible(ids::kGtinCheck));
        EXPECT_FALSE(page.visible(ids::kElrTimeOutEdit));
        EXPECT_FALSE(page.visible(ids::kAimDurationEdit));

        EXPECT_EQ(page.text(slot_check(26)), "ISBT 128");
        EXPECT_FALSE(page.visible(slot_check(27)));
        // "more..." only where the slot has a dialog, enabled while the box is checked.
        EXPECT_TRUE(page.visible(slot_more(1)));
        EXPECT_TRUE(page.enabled(slot_more(1)));
        EXPECT_TRUE(page.visible(slot_more(2)));
        EXPECT_FALSE(page.enabled(slot_more(2)));
        for (const int slot : {11, 12, 14, 15, 17, 18, 23, 24, 26, 27}) {
            EXPECT_FALSE(page.visible(slot_more(slot))) << slot;
        }
        EXPECT_TRUE(page.visible(slot_more(25)));
    });
    EXPECT_EQ(reader().bytes, before.bytes);
    EXPECT_TRUE(document().modified);
}

TEST_F(BarcodePageTest, EachListLoadsAndStoresItsOwnEnableBytes) {
    // 1D: every slot but the DataBar pair is clicked once and stores the opposite state.
    set_pattern(reader(), kOneDBytes);
    ReaderSettingsRecord expected = reader();
    apply([&](BarcodePage& page) {
        for (std::size_t i = 0; i < kOneDBytes.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            EXPECT_EQ(page.checked(slot_check(slot)), reader()[kOneDBytes[i]] != 0) << slot;
            if (slot == 20 || slot == 22) continue;
            page.user_clicks(slot_check(slot));
            expected[kOneDBytes[i]] ^= 1;
        }
    });
    EXPECT_EQ(reader().bytes, expected.bytes);

    // 2D: the slots without rules of their own.
    reader()[404] = 0x40;
    set_pattern(reader(), kTwoDBytes);
    expected = reader();
    expected[296] = 8;
    apply([&](BarcodePage& page) {
        ASSERT_EQ(page.layout_mode(), ReaderMode::TwoD);
        for (std::size_t i = 0; i < kTwoDBytes.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            EXPECT_EQ(page.checked(slot_check(slot)), reader()[kTwoDBytes[i]] != 0) << slot;
            if (slot == 1 || slot == 5 || slot == 6 || slot == 8 || slot >= 20) continue;
            page.user_clicks(slot_check(slot));
            expected[kTwoDBytes[i]] ^= 1;
        }
        EXPECT_EQ(page.text(slot_check(21)), "Matrix 25");
        EXPECT_EQ(page.text(slot_check(23)), "Coupon Code");
        EXPECT_FALSE(page.visible(slot_check(24)));
    });
    EXPECT_EQ(reader().bytes, expected.bytes);

    // ELR.
    reader()[404] = 0x02;
    set_pattern(reader(), kElrBytes);
    expected = reader();
    expected[404] = 0;
    apply([&](BarcodePage& page) {
        ASSERT_EQ(page.layout_mode(), ReaderMode::Elr);
        for (std::size_t i = 0; i < kElrBytes.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            EXPECT_EQ(page.checked(slot_check(slot)), reader()[kElrBytes[i]] != 0) << slot;
            if (slot == 5 || slot == 6) continue;
            page.user_clicks(slot_check(slot));
            expected[kElrBytes[i]] ^= 1;
        }
        EXPECT_EQ(page.text(slot_check(19)), "MSI");
        EXPECT_FALSE(page.visible(slot_check(20)));
    });
    EXPECT_EQ(reader().bytes, expected.bytes);
}

TEST_F(BarcodePageTest, OneDScanModeShowsAndStoresItsMapping) {
    struct Case {
        Byte stored;
        int shown;
        Byte applied;
    };
    // A value without an item of its own shows no item and is kept.
    for (const Case c : {Case{0, 0, 0}, Case{1, 1, 1}, Case{3, 2, 3}, Case{6, 3, 6}, Case{7, 4, 7},
                         Case{2, -1, 2}, Case{200, -1, 200}}) {
        reader()[78] = c.stored;
        apply([&](BarcodePage& page) { EXPECT_EQ(page.selection(ids::kScanModeList), c.shown); });
        EXPECT_EQ(reader()[78], c.applied) << int{c.stored};
    }
    const Byte stores[] = {0, 1, 3, 6, 7};
    for (int item = 0; item < 5; ++item) {
        apply([&](BarcodePage& page) { page.user_chooses(ids::kScanModeList, item); });
        EXPECT_EQ(reader()[78], stores[item]) << item;
    }
    apply([&](BarcodePage& page) {
        page.user_chooses(ids::kReadRedundancyList, 2);
        page.user_clicks(ids::kNegativeCheck);
        page.user_clicks(ids::kGtinCheck);
        page.user_chooses(ids::kGoodReadList, 0);
        page.user_chooses(ids::kFrequencyList, 9);
        page.user_types(ids::kLedEdit, "12");
        page.user_types(ids::kBuzzerEdit, "34");
    });
    test::expect_bytes(reader(),
                       {{80, 2}, {81, 1}, {82, 1}, {352, 0}, {385, 10}, {383, 12}, {384, 34}});
}

TEST_F(BarcodePageTest, NoneDisablesTheReaderControlsAndKeepsEveryReaderByte) {
    test::set_bytes(reader(), {{78, 1}, {79, 20}, {1, 0}, {289, 50}});
    ReaderSettingsRecord expected = reader();
    expected[404] = 0;
    apply([&](BarcodePage& page) {
        page.user_types(ids::kTimeOutEdit, "99");
        page.user_clicks(slot_check(2));
        page.user_chooses(ids::kReaderList, 0);
        EXPECT_EQ(page.layout_mode(), ReaderMode::None);
        for (const int id :
             {slot_check(1), slot_more(1), slot_check(26), ids::kNegativeCheck, ids::kGtinCheck,
              ids::kScanModeList, ids::kTimeOutEdit, ids::kGoodReadList, ids::kGoodReadLabel,
              ids::kLedEdit, ids::kFrequencyList, ids::kBuzzerEdit}) {
            EXPECT_FALSE(page.enabled(id)) << id;
        }
        for (const int id : {ids::kReaderList, ids::kRfidCheck, ids::kResetButton}) {
            EXPECT_TRUE(page.enabled(id)) << id;
        }
        // Without a reader the page shows the 1D list and the 1D scanning controls.
        EXPECT_EQ(page.text(slot_check(1)), "Code 39");
        EXPECT_TRUE(page.visible(ids::kScanModeList));

        // Back to the 1D reader: its own settings, as the working copy holds them.
        page.user_chooses(ids::kReaderList, 1);
        EXPECT_TRUE(page.enabled(slot_check(1)));
        EXPECT_EQ(page.selection(ids::kScanModeList), 1);
        EXPECT_EQ(page.text(ids::kTimeOutEdit), "20");
        EXPECT_FALSE(page.checked(slot_check(1)));
        EXPECT_FALSE(page.checked(slot_check(2)));
        page.user_chooses(ids::kReaderList, 0);
    });
    EXPECT_EQ(reader().bytes, expected.bytes);
    EXPECT_EQ(document().reader_states.mode(), ReaderMode::None);
}

TEST_F(BarcodePageTest, AnElrDesignShowsNoneWithTheElrListAndWritesNoReader) {
    // The ELR edits are written back as they stand, a time-out out of its range included.
    test::set_bytes(reader(), {{404, 0x02}, {165, 0}, {167, 7}});
    ReaderSettingsRecord expected = reader();
    expected[404] = 0;
    apply([&](BarcodePage& page) {
        EXPECT_EQ(page.selection(ids::kReaderList), 0);
        EXPECT_EQ(page.layout_mode(), ReaderMode::Elr);
        EXPECT_EQ(page.text(slot_check(1)), "UPC-A");
        EXPECT_EQ(page.text(slot_check(11)), "Trioptic 39");
        EXPECT_TRUE(page.enabled(slot_check(1)));
        EXPECT_TRUE(page.visible(ids::kElrTimeOutEdit));
        EXPECT_EQ(page.text(ids::kElrTimeOutEdit), "0");
        EXPECT_FALSE(page.visible(ids::kAimDurationEdit));
        EXPECT_FALSE(page.visible(ids::kScanModeList));
        EXPECT_FALSE(page.visible(ids::kNegativeCheck));
        EXPECT_FALSE(page.visible(ids::kGtinCheck));
        EXPECT_TRUE(page.visible(slot_more(15)));
        EXPECT_FALSE(page.visible(slot_more(5)));
    });
    EXPECT_EQ(reader().bytes, expected.bytes);

    // The ELR time-out is kept within 5-99 while typing; Bookland EAN follows EAN-13 on loading.
    test::set_bytes(reader(), {{404, 0x02}, {105, 0}, {106, 1}});
    apply([&](BarcodePage& page) {
        EXPECT_FALSE(page.checked(slot_check(6)));
        EXPECT_FALSE(page.enabled(slot_check(6)));
        page.user_types(ids::kElrTimeOutEdit, "3");
        EXPECT_EQ(page.text(ids::kElrTimeOutEdit), "5");
        page.user_clicks(slot_check(10));
    });
    test::expect_bytes(reader(), {{106, 0}, {165, 5}, {167, 7}, {123, 0}});
}

TEST_F(BarcodePageTest, OneDDataBar14AndExpandedMoveTogether) {
    apply([&](BarcodePage& page) {
        page.user_clicks(slot_check(22));
        EXPECT_TRUE(page.checked(slot_check(20)));
        EXPECT_TRUE(page.checked(slot_check(22)));
        EXPECT_TRUE(page.enabled(slot_more(20)));
        EXPECT_TRUE(page.enabled(slot_more(22)));
        EXPECT_FALSE(page.checked(slot_check(21)));
    });
    test::expect_bytes(reader(), {{64, 1}, {72, 1}, {68, 0}});

    apply([&](BarcodePage& page) {
        page.user_clicks(slot_check(20));
        EXPECT_FALSE(page.checked(slot_check(22)));
        EXPECT_FALSE(page.enabled(slot_more(20)));
        EXPECT_FALSE(page.enabled(slot_more(22)));
        // Matrix 25 is a plain slot in 1D mode.
        page.user_clicks(slot_check(6));
        EXPECT_TRUE(page.enabled(slot_check(6)));
        EXPECT_FALSE(page.enabled(slot_more(6)));
    });
    test::expect_bytes(reader(), {{64, 0}, {72, 0}, {24, 0}});
}

TEST_F(BarcodePageTest, TwoDModeForcesLaserAndWritesItsSettings) {
    test::set_bytes(
        reader(),
        {{404, 0x40}, {296, 7}, {290, 20}, {293, 1}, {297, 3}, {298, 2}, {265, 0}, {266, 1}});
    apply([&](BarcodePage& page) {
        EXPECT_EQ(document().reader_working[296], 8);
        EXPECT_EQ(page.selection(ids::kReaderList), 2);
        EXPECT_EQ(page.items(ids::kScanMode2DList).size(), 2u);
        EXPECT_EQ(page.selection(ids::kScanMode2DList), 1);
        for (const int id : {ids::kScanMode2DList, ids::kScanMode2DLabel, ids::kSameBarcodeEdit})
            EXPECT_FALSE(page.enabled(id)) << id;
        EXPECT_EQ(page.selection(ids::kAimingList), 1);
        EXPECT_EQ(page.selection(ids::kRedundancyLevelList), 2);
        EXPECT_EQ(page.items(ids::kRedundancyLevelList).front(), "Level 1");
        EXPECT_EQ(page.items(ids::kSecurityList).front(), "Level 0");
        EXPECT_EQ(page.items(ids::kCodeIdList).back(), "AIM code ID character");
        EXPECT_EQ(page.text(ids::kDecodeTimeOutEdit), "30");
        for (const int id : {ids::kPostalButton, ids::kCompositeButton, ids::kSymbologiesButton,
                             ids::kMacroPdfButton}) {
            EXPECT_TRUE(page.visible(id)) << id;
        }
        EXPECT_FALSE(page.visible(ids::kTimeOutEdit));
        EXPECT_FALSE(page.visible(ids::kNegativeCheck));
        // One dialog serves GS1 DataBar-14 and Limited; MSI has none on the page.
        EXPECT_TRUE(page.enabled(slot_more(15)));
        page.user_clicks(slot_check(16));
        EXPECT_FALSE(page.enabled(slot_more(15)));
        page.user_clicks(slot_check(15));
        EXPECT_TRUE(page.enabled(slot_more(15)));
        EXPECT_FALSE(page.visible(slot_more(18)));
        EXPECT_FALSE(page.visible(slot_more(6)));
        page.user_chooses(ids::kAimingList, 0);
        page.user_chooses(ids::kIlluminationList, 0);
        page.user_chooses(ids::kSecurityList, 3);
        page.user_chooses(ids::kCodeIdList, 1);
    });
    test::expect_bytes(
        reader(),
        {{296, 8}, {290, 6}, {293, 0}, {292, 0}, {297, 3}, {298, 3}, {295, 1}, {265, 1}, {266, 0}});

    apply([&](BarcodePage& page) { page.user_chooses(ids::kAimingList, 1); });
    EXPECT_EQ(reader()[293], 2);
}

TEST_F(BarcodePageTest, UncheckingEan13ClearsAndDisablesBookland) {
    reader()[404] = 0x40;
    run_sheet([&](ui::PropertySheet& sheet, BarcodePage& page) {
        EXPECT_TRUE(page.checked(slot_check(6)));
        page.user_clicks(slot_check(5));
        EXPECT_EQ(document().reader_working[195], 0);
        EXPECT_FALSE(page.checked(slot_check(6)));
        EXPECT_FALSE(page.enabled(slot_check(6)));
        EXPECT_FALSE(page.enabled(slot_more(5)));
        page.user_clicks(slot_check(5));
        EXPECT_EQ(document().reader_working[195], 1);
        EXPECT_TRUE(page.enabled(slot_check(6)));
        EXPECT_FALSE(page.checked(slot_check(6)));
        sheet.user_presses_ok();
    });
    test::expect_bytes(reader(), {{195, 1}, {196, 0}});

    // A design with EAN-13 off shows Bookland EAN off whatever its byte holds.
    test::set_bytes(reader(), {{195, 0}, {196, 1}});
    apply([&](BarcodePage& page) {
        EXPECT_FALSE(page.checked(slot_check(6)));
        EXPECT_FALSE(page.enabled(slot_check(6)));
    });
    EXPECT_EQ(reader()[196], 0);
}

TEST_F(BarcodePageTest, CouponCodeIsSwitchedOnAtOnceWhenItsDecodersAreOn) {
    reader()[404] = 0x40;
    reader()[195] = 0;  // UPC-A with the preamble "System Character" and GS1-128 are on
    run_sheet([&](ui::PropertySheet& sheet, BarcodePage& page) {
        EXPECT_FALSE(page.enabled(slot_more(23)));
        page.user_clicks(slot_check(23));
        EXPECT_TRUE(page.checked(slot_check(23)));
        EXPECT_TRUE(page.enabled(slot_more(23)));
        EXPECT_EQ(document().reader_working[208], 1);
        EXPECT_TRUE(host.dialogs_shown().empty());

        // A second click switches it off again.
        page.user_clicks(slot_check(23));
        EXPECT_EQ(document().reader_working[208], 0);
        sheet.user_presses_ok();
    });
    EXPECT_EQ(reader()[208], 0);
}

// Coupon Code goes off when a click leaves it without the decoders it needs.
TEST_F(BarcodePageTest, CouponCodeIsSwitchedOffWhenItsDecodersGo) {
    constexpr int kUpcA = 1, kEan13 = 5, kGs1128 = 8;
    struct Case {
        bool upc_a, ean_13;
        Byte preamble;
        bool gs1_128;
        int clicked;
        bool stays;
    };
    const Case cases[] = {
        {true, true, 1, true, kUpcA, true},    {true, false, 1, true, kUpcA, false},
        {false, true, 1, true, kUpcA, true},   {true, true, 2, true, kUpcA, true},
        {true, true, 1, true, kEan13, true},   {true, true, 2, true, kEan13, false},
        {false, true, 1, true, kEan13, false}, {true, false, 2, true, kEan13, true},
        {true, true, 1, true, kGs1128, false}, {true, true, 1, false, kGs1128, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.upc_a << c.ean_13 << int{c.preamble} << c.gs1_128
                                        << " slot " << c.clicked);
        reset_reader_settings(reader());
        test::set_bytes(reader(), {{404, 0x40},
                                   {191, c.upc_a},
                                   {195, c.ean_13},
                                   {202, c.preamble},
                                   {211, c.gs1_128},
                                   {208, 1}});
        apply([&](BarcodePage& page) {
            page.user_clicks(slot_check(c.clicked));
            EXPECT_EQ(page.checked(slot_check(23)), c.stays);
            EXPECT_EQ(page.enabled(slot_more(23)), c.stays);
        });
        EXPECT_EQ(reader()[208], c.stays ? 1 : 0);
    }
    EXPECT_TRUE(host.dialogs_shown().empty());
}

TEST_F(BarcodePageTest, CouponCodeOpensTheCouponSettingWhenItsDecodersAreMissing) {
    namespace coupon = resources::coupon_setting_ids;
    test::set_bytes(reader(), {{404, 0x40}, {195, 0}});
    reader()[202] = 2;  // UPC-A alone with the country code: no coupon codes without a change

    // Cancelled: the box stays off.
    host.on_dialog("COUPON_CODE_2D", [](ui::Dialog& d) { d.user_presses_cancel(); });
    apply([&](BarcodePage& page) {
        page.user_clicks(slot_check(23));
        EXPECT_FALSE(page.checked(slot_check(23)));
    });
    EXPECT_EQ(host.dialogs_shown(), std::vector<std::string>{"COUPON_CODE_2D"});
    test::expect_bytes(reader(), {{208, 0}, {202, 2}});

    // Proceeding without a coupon kind while UPC-A cannot read coupons switches nothing on.
    reader()[211] = 0;
    host.on_dialog("COUPON_CODE_2D", [](ui::Dialog& d) { d.user_presses_ok(); });
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) { d.user_presses_ok(); });
    apply([&](BarcodePage& page) { page.user_clicks(slot_check(23)); });
    test::expect_bytes(reader(), {{208, 0}, {211, 0}, {202, 2}});

    // UPC-A coupon codes: the note changes the preamble, Proceed switches Coupon Code on.
    host.on_dialog("COUPON_CODE_2D", [](ui::Dialog& d) {
        EXPECT_FALSE(d.checked(coupon::kUpcACheck));
        d.user_clicks(coupon::kUpcACheck);
        d.user_presses_ok();
    });
    host.on_dialog("COUPON_CODE_NOTE", [](ui::Dialog& d) { d.user_presses_ok(); });
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) { d.user_presses_ok(); });
    apply([&](BarcodePage& page) {
        page.user_clicks(slot_check(23));
        EXPECT_TRUE(page.checked(slot_check(23)));
        EXPECT_TRUE(page.enabled(slot_more(23)));
        EXPECT_TRUE(page.checked(slot_check(1)));
        EXPECT_FALSE(page.checked(slot_check(5)));
    });
    test::expect_bytes(reader(), {{208, 1}, {202, 1}, {191, 1}, {195, 0}, {211, 1}});

    // GS1-128 off, and no coupon kind chosen: as UPC-A can read coupons, the page still switches
    // Coupon Code on after the setting, and GS1-128 with it; a preamble of 0 stays.
    test::set_bytes(reader(), {{208, 0}, {211, 0}, {202, 0}});
    host.on_dialog("COUPON_CODE_2D", [](ui::Dialog& d) {
        EXPECT_TRUE(d.checked(coupon::kUpcACheck));
        d.user_clicks(coupon::kUpcACheck);
        d.user_presses_ok();
    });
    host.on_dialog("COUPON_CODE_CONTENT", [](ui::Dialog& d) { d.user_presses_ok(); });
    apply([&](BarcodePage& page) {
        EXPECT_FALSE(page.checked(slot_check(8)));
        page.user_clicks(slot_check(23));
        EXPECT_TRUE(page.checked(slot_check(8)));
        EXPECT_TRUE(page.enabled(slot_more(8)));
    });
    test::expect_bytes(reader(), {{208, 1}, {211, 1}, {202, 0}});
}

TEST_F(BarcodePageTest, TimeOutsAreCheckedOnLeavingAndTheOtherEditsWhileTyping) {
    apply([&](BarcodePage& page) {
        page.user_types(ids::kTimeOutEdit, "300");
        EXPECT_EQ(page.text(ids::kTimeOutEdit), "300");
        page.user_leaves(ids::kTimeOutEdit);
        EXPECT_EQ(page.text(ids::kTimeOutEdit), "255");
        page.user_types(ids::kTimeOutEdit, "07");
        page.user_leaves(ids::kTimeOutEdit);
        EXPECT_EQ(page.text(ids::kTimeOutEdit), "7");

        page.user_types(ids::kLedEdit, "300");
        EXPECT_EQ(page.text(ids::kLedEdit), "255");
        page.user_types(ids::kLedEdit, "007");
        EXPECT_EQ(page.text(ids::kLedEdit), "7");
        page.user_types(ids::kBuzzerEdit, "");
        EXPECT_EQ(page.text(ids::kBuzzerEdit), "0");
    });
    test::expect_bytes(reader(), {{79, 7}, {383, 7}, {384, 0}});

    // A time-out the user has not left yet is clamped when the page applies.
    apply([&](BarcodePage& page) { page.user_types(ids::kTimeOutEdit, "999"); });
    EXPECT_EQ(reader()[79], 255);

    reader()[404] = 0x40;
    apply([&](BarcodePage& page) {
        page.user_types(ids::kDecodeTimeOutEdit, "3");
        EXPECT_EQ(page.text(ids::kDecodeTimeOutEdit), "3");
        page.user_leaves(ids::kDecodeTimeOutEdit);
        EXPECT_EQ(page.text(ids::kDecodeTimeOutEdit), "5");
    });
    EXPECT_EQ(reader()[289], 5);
    apply([&](BarcodePage& page) { page.user_types(ids::kDecodeTimeOutEdit, "2"); });
    EXPECT_EQ(reader()[289], 5);
}

TEST_F(BarcodePageTest, ResetChangesTheWorkingCopyOnlyUntilApply) {
    test::set_bytes(reader(), {{404, 0x40}, {736, 1}, {352, 5}, {213, 0}});
    reader()[100] = 0x5A;  // reserved: the reset leaves it alone
    const ReaderSettingsRecord before = reader();
    ReaderSettingsRecord expected = before;
    reset_reader_settings(expected);

    run_sheet([&](ui::PropertySheet&, BarcodePage& page) {
        EXPECT_TRUE(page.checked(ids::kRfidCheck));
        page.user_clicks(ids::kResetButton);
        EXPECT_EQ(page.layout_mode(), ReaderMode::OneD);
        EXPECT_EQ(page.selection(ids::kReaderList), 1);
        EXPECT_FALSE(page.checked(ids::kRfidCheck));
        EXPECT_FALSE(page.enabled(ids::kRfidMore));
        EXPECT_FALSE(document().rfid);
        EXPECT_EQ(page.selection(ids::kGoodReadList), 2);
        EXPECT_EQ(page.text(slot_check(1)), "Code 39");
        EXPECT_EQ(document().reader_working.bytes, expected.bytes);
        EXPECT_EQ(reader().bytes, before.bytes);
    });
    EXPECT_EQ(reader().bytes, before.bytes);
    EXPECT_FALSE(document().modified);

    apply([&](BarcodePage& page) { page.user_clicks(ids::kResetButton); });
    EXPECT_EQ(reader().bytes, expected.bytes);
}

TEST_F(BarcodePageTest, TheReaderChoiceReloadsThePageWithoutTouchingReaderBytes) {
    reader()[736] = 0x06;  // no RFID reader: bit 0 is clear
    test::set_bytes(reader(), {{79, 9}, {289, 44}, {213, 0}});
    ReaderSettingsRecord expected = reader();
    test::set_bytes(expected, {{404, 0x40}, {736, 1}, {296, 8}, {290, 6}});
    apply([&](BarcodePage& page) {
        EXPECT_FALSE(page.checked(ids::kRfidCheck));
        page.user_chooses(ids::kReaderList, 2);
        EXPECT_EQ(page.layout_mode(), ReaderMode::TwoD);
        EXPECT_EQ(document().reader_working[404], 0x40);
        EXPECT_EQ(page.text(slot_check(1)), "UPC-A");
        EXPECT_EQ(page.text(ids::kDecodeTimeOutEdit), "44");
        EXPECT_FALSE(page.checked(slot_check(10)));
        page.user_chooses(ids::kReaderList, 1);
        EXPECT_EQ(page.text(ids::kTimeOutEdit), "9");
        page.user_clicks(ids::kRfidCheck);
        page.user_chooses(ids::kReaderList, 2);
        EXPECT_EQ(document().reader_working[736], 0x07);
    });
    EXPECT_EQ(reader().bytes, expected.bytes);
    EXPECT_EQ(document().reader_states.mode(), ReaderMode::TwoD);
}

TEST_F(BarcodePageTest, TheRfidReaderIsToldToTheFormPage) {
    reader()[736] = 1;
    document().rfid = true;
    document().forms[0].data_type[0] = kTypeText;
    document().forms[0].input_source[0] = 2;  // RFID
    run_sheet([&](ui::PropertySheet& sheet, BarcodePage& page) {
        const auto& form_page = dynamic_cast<FormPage&>(*sheet.page(0));
        EXPECT_TRUE(page.checked(ids::kRfidCheck));
        EXPECT_TRUE(page.enabled(ids::kRfidMore));

        // Reset switches the RFID reader off and tells the Form page, whose "RFID" lines become
        // "all".
        page.user_clicks(ids::kResetButton);
        EXPECT_FALSE(document().rfid);
        EXPECT_FALSE(page.checked(ids::kRfidCheck));
        EXPECT_EQ(form_page.working_forms()[0].input_source[0], 3);

        page.user_clicks(ids::kRfidCheck);
        EXPECT_TRUE(document().rfid);
        EXPECT_TRUE(page.enabled(ids::kRfidMore));
        EXPECT_EQ(document().reader_working[736], 0);  // written when the page applies
        page.user_clicks(ids::kRfidCheck);
        EXPECT_FALSE(document().rfid);
        EXPECT_FALSE(page.enabled(ids::kRfidMore));
        EXPECT_EQ(form_page.working_forms()[0].input_source[0], 3);
    });

    apply([&](BarcodePage& page) { page.user_clicks(ids::kRfidCheck); });
    EXPECT_EQ(reader()[736], 0);
    apply([&](BarcodePage& page) { page.user_clicks(ids::kRfidCheck); });
    EXPECT_EQ(reader()[736], 1);
}

// A page shown on its own, outside the sheet, has no other page to tell.
TEST_F(BarcodePageTest, APageOutsideTheSheetTellsNobody) {
    reader()[404] = 0x40;
    BarcodePage page(document(), texts());
    page.create(host, [this](int id) { return texts().load_program_text(id); });
    page.user_clicks(ids::kRfidCheck);
    page.user_clicks(slot_check(20));
    EXPECT_TRUE(document().rfid);
    EXPECT_EQ(document().reader_working[300], 1);
}

TEST_F(BarcodePageTest, ImageCaptureIsToldToTheSettingsPage) {
    test::set_bytes(reader(), {{404, 0x40}, {300, 0}});
    run_sheet([&](ui::PropertySheet& sheet, BarcodePage&) {
        sheet.show_page(4);
        auto& settings = dynamic_cast<SettingsPage&>(*sheet.page(4));
        EXPECT_FALSE(settings.enabled(SettingsPage::kImageCaptureCheck));
        sheet.show_page(3);
        auto& page = dynamic_cast<BarcodePage&>(*sheet.page(3));
        page.user_clicks(slot_check(20));
        EXPECT_EQ(document().reader_working[300], 1);
        EXPECT_TRUE(settings.enabled(SettingsPage::kImageCaptureCheck));
        page.user_clicks(slot_check(20));
        EXPECT_EQ(document().reader_working[300], 0);
        EXPECT_FALSE(settings.enabled(SettingsPage::kImageCaptureCheck));
    });
}

TEST_F(BarcodePageTest, MoreButtonsOpenTheirDialogs) {
    run_sheet([&](ui::PropertySheet&, BarcodePage& page) {
        page.user_clicks(slot_more(1));
        page.user_clicks(slot_more(25));
        page.user_clicks(ids::kRfidMore);  // disabled without an RFID reader
        page.user_clicks(ids::kRfidCheck);
        page.user_clicks(ids::kRfidMore);
        page.user_chooses(ids::kReaderList, 2);
        page.user_clicks(slot_more(1));
        page.user_clicks(slot_more(20));  // Image Capture is off: its button is disabled
        page.user_clicks(slot_check(20));
        page.user_clicks(slot_more(20));
        page.user_clicks(slot_more(21));
        page.user_clicks(ids::kPostalButton);
        page.user_clicks(ids::kCompositeButton);
        page.user_clicks(ids::kSymbologiesButton);
        page.user_clicks(ids::kMacroPdfButton);
    });
    EXPECT_EQ(
        host.dialogs_shown(),
        (std::vector<std::string>{"CODE39DLG_1D", "EAN128DLG_1D", "RFIDPARAMDLG", "UPCADLG_2D",
                                  "IMAGECAPTUREDLG_2D", "MATRIX25_2D_4507", "POSTALDLG_2D",
                                  "COMPOSITEDLG_2D", "SYMBOLOGIESDLG_2D", "MACROPDFDLG_2D"}));
}

}  // namespace
}  // namespace tc
