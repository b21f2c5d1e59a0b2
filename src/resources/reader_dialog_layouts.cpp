#include "resources/reader_dialog_layouts.h"

#include "resources/page_controls.h"
#include "ui/host.h"

namespace tc::resources {
namespace {

using namespace page_controls;
using ui::Rect;

constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
// A mark in front of a line of the coupon code content: a bullet of the single-byte code page.
constexpr std::string_view kMark = "\x95";

// OK (with `ok` as its caption) and Cancel at the bottom right of the dialog.
void add_ok_cancel(ui::DialogTemplate& layout, int top, std::string_view ok = "OK") {
    const int cancel_x = layout.width - 16 - kButtonWidth;
    layout.controls.push_back({ui::kIdOk, ui::ControlKind::Button, literal(ok),
                               Rect{cancel_x - 8 - kButtonWidth, top, kButtonWidth, kButtonHeight},
                               0, ui::kStyleDefaultButton});
    layout.controls.push_back(
        button(ui::kIdCancel, literal("Cancel"), Rect{cancel_x, top, kButtonWidth, kButtonHeight}));
}

ui::ControlTemplate hidden(ui::ControlTemplate control) {
    control.style |= ui::kStyleHidden;
    return control;
}

// A line of the coupon code content with its hidden mark in front.
void add_marked_line(ui::DialogTemplate& layout, int mark_id, int line_id, ui::Caption caption,
                     int top) {
    layout.controls.push_back(hidden(label(mark_id, literal(kMark), Rect{28, top, 14, 18})));
    layout.controls.push_back(label(line_id, caption, Rect{46, top, 290, 18}));
}

ui::DialogTemplate build_coupon_setting() {
    using namespace coupon_setting_ids;
    ui::DialogTemplate layout{"COUPON_CODE_2D", literal("Coupon Code Setting"), 300, 150, {}};
    layout.controls = {
        group_box(kGroup, literal("Coupon Code"), Rect{12, 10, 276, 80}),
        check_box(kUpcACheck, literal("UPC-A Coupon Code"), Rect{28, 32, 240, 20}),
        check_box(kEan13Check, literal("EAN-13 Coupon Code"), Rect{28, 58, 240, 20}),
    };
    add_ok_cancel(layout, 108);
    return layout;
}

ui::DialogTemplate build_coupon_content() {
    using namespace coupon_content_ids;
    ui::DialogTemplate layout{"COUPON_CODE_CONTENT", literal("Coupon Code Content"), 360, 250, {}};
    layout.controls = {
        group_box(kCouponGroup, literal("Coupon Code"), Rect{12, 10, 336, 72}),
        group_box(kDecodingGroup, literal("New Decoding Setting"), Rect{12, 90, 336, 100}),
    };
    add_marked_line(layout, kUpcACouponMark, kUpcACouponLine, literal("UPC-A Coupon Code"), 32);
    add_marked_line(layout, kEan13CouponMark, kEan13CouponLine, literal("EAN-13 Coupon Code"), 56);
    add_marked_line(layout, kUpcAMark, kUpcALine, text(580), 112);
    add_marked_line(layout, kEan13Mark, kEan13Line, literal("EAN-13"), 136);
    add_marked_line(layout, kGs1128Mark, kGs1128Line, literal("GS1-128"), 160);
    add_ok_cancel(layout, 206, "Proceed");
    return layout;
}

ui::DialogTemplate build_coupon_note() {
    using namespace coupon_note_ids;
    // Title and lines are set for the form the note is opened in.
    ui::DialogTemplate layout{"COUPON_CODE_NOTE", ui::Caption{}, 420, 160, {}};
    layout.controls = {
        label(kFirstLine, literal(""), Rect{16, 16, 388, 18}),
        label(kSecondLine, literal(""), Rect{16, 40, 388, 64}),
    };
    add_ok_cancel(layout, 118);
    return layout;
}

ui::DialogTemplate build_rfid_dialog() {
    using namespace rfid_ids;
    ui::DialogTemplate layout{"RFIDPARAMDLG", literal("RFID Reader Setting"), 340, 220, {}};
    layout.controls = {
        check_box(kUidCheck, literal("Decode RFID UID"), Rect{16, 14, 300, 20}),
        check_box(kUserDataCheck, literal("Decode RFID User Data"), Rect{32, 40, 284, 20}),
        label(kStartLabel, literal("Starting Position :"), Rect{32, 73, 130, 18}),
        edit(kStartEdit, Rect{168, 70, 48, 22}, 3),
        label(kLengthLabel, literal("Reading Length :"), Rect{32, 101, 130, 18}),
        number_edit(kLengthEdit, Rect{168, 98, 48, 22}, 3),
        label(kLengthUnit, literal("byte(s)"), Rect{222, 101, 80, 18}),
        label(kDelimiterLabel, literal("Field Delimiter :"), Rect{32, 129, 130, 18}),
        {kDelimiterField, ui::ControlKind::CodeField, ui::Caption{}, Rect{168, 126, 90, 22}},
    };
    add_ok_cancel(layout, 170);
    return layout;
}

ui::DialogTemplate build_image_capture() {
    using namespace image_capture_ids;
    ui::DialogTemplate layout{
        "IMAGECAPTUREDLG_2D", literal("2D Image Capture Parameters"), 440, 404, {}};
    layout.controls = {
        check_box(kIlluminationCheck, literal("Image Capture Illumination"), Rect{16, 14, 300, 20}),
        check_box(kAutoexposureCheck, literal("Image Capture Autoexposure"), Rect{16, 38, 300, 20}),
        label(kExposureLabel, literal("Exposure Time :"), Rect{32, 67, 110, 18}),
        drop_down(kExposureList, Rect{146, 64, 90, 24}),
        hidden(label(kGainLabel, literal("Select Gain (79~127) :"), Rect{250, 67, 130, 18})),
        hidden(number_edit(kGainEdit, Rect{384, 64, 40, 22}, 3)),
        check_box(kAimPatternCheck, literal("Snapshot Mode Aim Pattern"), Rect{16, 92, 300, 20}),
        label(kResolutionLabel, literal("Image Resolution :"), Rect{16, 121, 140, 18}),
        drop_down(kResolutionList, Rect{160, 118, 120, 24}),
        label(kFormatLabel, literal("Image Format :"), Rect{16, 149, 140, 18}),
        drop_down(kFormatList, Rect{160, 146, 120, 24}),
        check_box(kOptimizedCheck, literal("Optimized for Jpeg Quality"), Rect{32, 174, 300, 20}),
        label(kQualityLabel, literal("Jpeg Quality (5~100) :"), Rect{48, 203, 160, 18}),
        number_edit(kQualityEdit, Rect{212, 200, 48, 22}, 3),
        label(kSizeLabel, literal("Jpeg Size (5~150 KB) :"), Rect{48, 229, 160, 18}),
        number_edit(kSizeEdit, Rect{212, 226, 48, 22}, 3),
        label(kBitsLabel, literal("Bits Per Pixel for Bmp :"), Rect{32, 255, 176, 18}),
        drop_down(kBitsList, Rect{212, 252, 60, 24}),
        label(kStoreLabel, literal("Default Image Store :"), Rect{16, 285, 140, 18}),
        edit(kStoreEdit, Rect{160, 282, 264, 22}, 260),
        check_box(kAutoNameCheck, literal("Auto Image File Name"), Rect{16, 310, 170, 20}),
        label(kFileTitleLabel, literal("File Title :"), Rect{190, 313, 70, 18}),
        edit(kFileTitleEdit, Rect{262, 310, 60, 22}, 5),
        check_box(kNamingRuleCheck, literal("Using default naming rule"), Rect{32, 336, 300, 20}),
    };
    add_ok_cancel(layout, 366);
    return layout;
}

}  // namespace

const ui::DialogTemplate& coupon_setting_layout() {
    static const ui::DialogTemplate layout = build_coupon_setting();
    return layout;
}

const ui::DialogTemplate& coupon_content_layout() {
    static const ui::DialogTemplate layout = build_coupon_content();
    return layout;
}

const ui::DialogTemplate& coupon_note_layout() {
    static const ui::DialogTemplate layout = build_coupon_note();
    return layout;
}

const ui::DialogTemplate& rfid_dialog_layout() {
    static const ui::DialogTemplate layout = build_rfid_dialog();
    return layout;
}

const ui::DialogTemplate& image_capture_layout() {
    static const ui::DialogTemplate layout = build_image_capture();
    return layout;
}

}  // namespace tc::resources
