#include "resources/barcode_page_layout.h"

#include "resources/page_controls.h"

namespace tc::resources {
namespace {

using namespace page_controls;
using namespace barcode_page_ids;
using ui::Rect;

// The settings group has three columns of a label and its control, five rows high. The good-read
// column is shown in every mode; the scanning controls of the three modes share the other two
// columns and are shown one mode at a time. The 2D reader has the most controls: its lists are
// narrower, so that its third column fits, and its two widest rows ("Same Barcode Time-out:" and
// "Transmit Code ID :") take row 4, which no other control uses.
constexpr int kRowTop[] = {102, 128, 154, 180, 206};
constexpr int kLabelDrop = 3;  // a label sits a little lower than the control beside it

struct Column {
    int label_x;
    int label_width;
    int control_x;
    int control_width;
};
constexpr Column kGoodReadColumn{16, 142, 160, 98};
constexpr Column kScanColumn{264, 120, 386, 120};
constexpr Column kScan2DColumn{264, 120, 386, 96};
constexpr Column kCodeIdColumn{264, 120, 386, 180};
constexpr Column kMoreScanColumn{490, 110, 602, 96};
constexpr int kEditWidth = 36;
constexpr int kUnitGap = 4;
constexpr int kUnitWidth = 56;
// The 1D reader's two check boxes stand right of its lists, which are wider than the 2D lists.
constexpr int kCheckX = 516;
constexpr int kCheckWidth = 188;

ui::ControlTemplate row_label(int id, ui::Caption caption, const Column& column, int row) {
    return label(id, caption,
                 Rect{column.label_x, kRowTop[row] + kLabelDrop, column.label_width, 18});
}
ui::ControlTemplate row_list(int id, const Column& column, int row) {
    return drop_down(id, Rect{column.control_x, kRowTop[row], column.control_width, 24});
}
ui::ControlTemplate row_edit(int id, const Column& column, int row, int digits) {
    return number_edit(id, Rect{column.control_x, kRowTop[row], kEditWidth, 22}, digits);
}
ui::ControlTemplate row_unit(int id, ui::Caption caption, const Column& column, int row) {
    const int x = column.control_x + kEditWidth + kUnitGap;
    return label(id, caption, Rect{x, kRowTop[row] + kLabelDrop, kUnitWidth, 18});
}
ui::ControlTemplate row_check(int id, ui::Caption caption, int row) {
    return check_box(id, caption, Rect{kCheckX, kRowTop[row], kCheckWidth, 20});
}

// The symbology slots: three columns of nine, numbered down the columns.
constexpr int kSlotsPerColumn = 9;
constexpr int kSlotColumnWidth = 232;
constexpr int kSlotTop = 260;
constexpr int kSlotPitch = 23;

ui::DialogTemplate build_barcode_page() {
    ui::DialogTemplate layout{"BARCODEDLG", text(6), kWidePageWidth, kPageHeight, {}};
    layout.controls = {
        group_box(kReaderGroup, text(321), Rect{8, 4, 412, 76}),
        label(kReaderLabel, text(322), Rect{20, 27, 110, 18}),
        drop_down(kReaderList, Rect{134, 23, 186, 24}),
        button(kResetButton, text(325), Rect{328, 22, 84, 26}),
        check_box(kRfidCheck, text(323), Rect{20, 54, 110, 20}),
        button(kRfidMore, text(324), Rect{134, 52, 64, 24}),

        button(kPostalButton, text(552), Rect{430, 12, 136, 26}),
        button(kCompositeButton, text(553), Rect{574, 12, 136, 26}),
        button(kSymbologiesButton, text(554), Rect{430, 46, 136, 26}),
        button(kMacroPdfButton, text(555), Rect{574, 46, 136, 26}),

        group_box(kSettingsGroup, text(326), Rect{8, 84, 704, 152}),
        row_label(kGoodReadLabel, text(327), kGoodReadColumn, 0),
        row_list(kGoodReadList, kGoodReadColumn, 0),
        row_label(kLedLabel, text(330), kGoodReadColumn, 1),
        row_edit(kLedEdit, kGoodReadColumn, 1, 3),
        row_unit(kLedUnit, text(331), kGoodReadColumn, 1),
        row_label(kFrequencyLabel, text(332), kGoodReadColumn, 2),
        row_list(kFrequencyList, kGoodReadColumn, 2),
        row_label(kBuzzerLabel, text(333), kGoodReadColumn, 3),
        row_edit(kBuzzerEdit, kGoodReadColumn, 3, 3),
        row_unit(kBuzzerUnit, text(334), kGoodReadColumn, 3),

        row_label(kScanModeLabel, text(351), kScanColumn, 0),
        row_list(kScanModeList, kScanColumn, 0),
        row_label(kReadRedundancyLabel, text(352), kScanColumn, 1),
        row_list(kReadRedundancyList, kScanColumn, 1),
        row_label(kTimeOutLabel, text(353), kScanColumn, 2),
        row_edit(kTimeOutEdit, kScanColumn, 2, 3),
        row_unit(kTimeOutUnit, text(354), kScanColumn, 2),
        row_check(kNegativeCheck, text(355), 0),
        row_check(kGtinCheck, text(356), 1),

        row_label(kIlluminationLabel, text(511), kScan2DColumn, 0),
        row_list(kIlluminationList, kScan2DColumn, 0),
        row_label(kAimingLabel, text(512), kScan2DColumn, 1),
        row_list(kAimingList, kScan2DColumn, 1),
        row_label(kDecodeTimeOutLabel, text(513), kScan2DColumn, 2),
        row_edit(kDecodeTimeOutEdit, kScan2DColumn, 2, 2),
        row_unit(kDecodeTimeOutUnit, text(514), kScan2DColumn, 2),
        row_label(kScanMode2DLabel, text(515), kScan2DColumn, 3),
        row_list(kScanMode2DList, kScan2DColumn, 3),
        row_label(kSameBarcodeLabel, literal("Same Barcode Time-out:"), kGoodReadColumn, 4),
        row_edit(kSameBarcodeEdit, kGoodReadColumn, 4, 2),
        row_unit(kSameBarcodeUnit, literal("x 0.1 sec"), kGoodReadColumn, 4),
        row_label(kCodeIdLabel, literal("Transmit Code ID :"), kCodeIdColumn, 4),
        row_list(kCodeIdList, kCodeIdColumn, 4),
        row_label(kRedundancyLevelLabel, literal("Redundancy level :"), kMoreScanColumn, 0),
        row_list(kRedundancyLevelList, kMoreScanColumn, 0),
        row_label(kSecurityLabel, text(520), kMoreScanColumn, 1),
        row_list(kSecurityList, kMoreScanColumn, 1),

        row_label(kElrTimeOutLabel, text(433), kScanColumn, 0),
        row_edit(kElrTimeOutEdit, kScanColumn, 0, 2),
        row_unit(kElrTimeOutUnit, text(434), kScanColumn, 0),
        row_label(kAimDurationLabel, text(431), kScanColumn, 1),
        row_edit(kAimDurationEdit, kScanColumn, 1, 2),
        row_unit(kAimDurationUnit, text(432), kScanColumn, 1),

        group_box(kSlotGroup, text(328), Rect{8, 240, 704, 236}),
    };
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int x = 16 + (slot - 1) / kSlotsPerColumn * kSlotColumnWidth;
        const int y = kSlotTop + (slot - 1) % kSlotsPerColumn * kSlotPitch;
        layout.controls.push_back(check_box(slot_check(slot), literal(""), Rect{x, y, 162, 20}));
        layout.controls.push_back(button(slot_more(slot), text(324), Rect{x + 166, y - 1, 58, 22}));
    }
    return layout;
}

}  // namespace

const ui::DialogTemplate& barcode_page_layout() {
    static const ui::DialogTemplate layout = build_barcode_page();
    return layout;
}

}  // namespace tc::resources
