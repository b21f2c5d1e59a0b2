#include "resources/form_dialog_layouts.h"

#include "resources/page_controls.h"
#include "ui/host.h"

namespace tc::resources {
namespace {

using namespace page_controls;
using ui::Rect;

constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;

ui::ControlTemplate code_field(int id, Rect rect) {
    return {id, ui::ControlKind::CodeField, ui::Caption{}, rect};
}

// OK and Cancel at the bottom right of a dialog `width` wide, with their caption texts.
void add_ok_cancel(ui::DialogTemplate& layout, int top, int ok_text, int cancel_text) {
    const int cancel_x = layout.width - 16 - kButtonWidth;
    layout.controls.push_back({ui::kIdOk, ui::ControlKind::Button, text(ok_text),
                               Rect{cancel_x - 8 - kButtonWidth, top, kButtonWidth, kButtonHeight},
                               0, ui::kStyleDefaultButton});
    layout.controls.push_back(
        button(ui::kIdCancel, text(cancel_text), Rect{cancel_x, top, kButtonWidth, kButtonHeight}));
}

// "Form #" and "Line #" with their numbers, set when the dialog opens.
void add_form_and_line(ui::DialogTemplate& layout, int first_id, int first_text) {
    layout.controls.push_back(label(first_id, text(first_text), Rect{16, 14, 56, 18}));
    layout.controls.push_back(label(first_id + 1, literal(""), Rect{76, 14, 32, 18}));
    layout.controls.push_back(label(first_id + 2, text(first_text + 1), Rect{120, 14, 56, 18}));
    layout.controls.push_back(label(first_id + 3, literal(""), Rect{180, 14, 32, 18}));
}

ui::DialogTemplate build_properties_dialog() {
    using namespace properties_ids;
    ui::DialogTemplate layout{"FORMPROPERTIESDLG", text(191), 520, 432, {}};
    add_form_and_line(layout, kFormLabel, 192);
    const int left = 16;
    const int field = 196;
    layout.controls.insert(layout.controls.end(),
                           {
                               check_box(kFixedLengthCheck, text(194), Rect{left, 42, 176, 22}),
                               number_edit(kFixedLengthEdit, Rect{field, 41, 56, 24}, 3),
                               drop_down(kAlignmentList, Rect{258, 41, 246, 24}),
                               check_box(kInitialCheck, text(196), Rect{left, 72, 176, 22}),
                               edit(kInitialEdit, Rect{field, 71, 308, 24}, 10),
                               check_box(kPrefixCheck, text(197), Rect{left, 102, 176, 22}),
                               code_field(kPrefixField, Rect{field, 101, 308, 24}),
                               check_box(kSuffixCheck, text(198), Rect{left, 132, 176, 22}),
                               code_field(kSuffixField, Rect{field, 131, 308, 24}),
                               check_box(kInputMarkCheck, text(199), Rect{left, 162, 176, 22}),
                               edit(kInputMarkEdit, Rect{field, 161, 32, 24}, 1),
                               label(kDecimalLabel, text(200), Rect{248, 165, 110, 18}),
                               drop_down(kDecimalList, Rect{362, 161, 142, 24}),

                               group_box(kBarcodeGroup, literal(""), Rect{8, 194, 504, 184}),
                               check_box(kPartialCheck, text(202), Rect{20, 212, 260, 22}),
                               label(kStartLabel, text(203), Rect{40, 243, 116, 18}),
                               number_edit(kStartEdit, Rect{160, 240, 56, 24}, 4),
                               label(kPartialLengthLabel, text(204), Rect{240, 243, 116, 18}),
                               number_edit(kPartialLengthEdit, Rect{360, 240, 56, 24}, 3),
                               check_box(kLeadingCodeCheck, text(205), Rect{20, 272, 172, 22}),
                               edit(kLeadingCodeEdit, Rect{196, 271, 150, 24}, 10),
                               check_box(kCheckDigitCheck, text(206), Rect{20, 302, 200, 22}),
                               drop_down(kCheckDigitList, Rect{224, 301, 280, 24}),
                               label(kAutoEnterLabel, text(207), Rect{20, 339, 110, 18}),
                               drop_down(kAutoEnterList, Rect{134, 335, 150, 24}),
                           });
    add_ok_cancel(layout, 392, 208, 209);
    return layout;
}

ui::DialogTemplate build_lookup_properties_dialog() {
    using namespace lookup_properties_ids;
    ui::DialogTemplate layout{"LOOKUPPROPERTIESDLG", text(221), 540, 214, {}};
    add_form_and_line(layout, kFormLabel, 222);
    layout.controls.insert(layout.controls.end(),
                           {
                               check_box(kSaveFieldCheck, text(224), Rect{16, 42, 240, 22}),
                               check_box(kFixedLengthCheck, text(225), Rect{32, 72, 160, 22}),
                               number_edit(kFixedLengthEdit, Rect{196, 71, 56, 24}, 4),
                               drop_down(kAlignmentList, Rect{258, 71, 266, 24}),
                               check_box(kPrefixCheck, text(227), Rect{32, 102, 160, 22}),
                               code_field(kPrefixField, Rect{196, 101, 328, 24}),
                               check_box(kSuffixCheck, text(228), Rect{32, 132, 160, 22}),
                               code_field(kSuffixField, Rect{196, 131, 328, 24}),
                           });
    add_ok_cancel(layout, 174, 229, 230);
    return layout;
}

ui::DialogTemplate build_image_properties_dialog() {
    using namespace image_properties_ids;
    ui::DialogTemplate layout{"IMAGEPROPERTIESDLG", text(301), 540, 244, {}};
    add_form_and_line(layout, kFormLabel, 302);
    layout.controls.insert(layout.controls.end(),
                           {
                               check_box(kEditPathCheck, text(304), Rect{16, 42, 200, 22}),
                               check_box(kSavePathCheck, text(305), Rect{240, 42, 200, 22}),
                               check_box(kCheckPathCheck, text(306), Rect{32, 72, 200, 22}),
                               check_box(kFixedLengthCheck, text(307), Rect{32, 102, 160, 22}),
                               number_edit(kFixedLengthEdit, Rect{196, 101, 48, 24}, 3),
                               drop_down(kAlignmentList, Rect{250, 101, 274, 24}),
                               check_box(kInitialPathCheck, text(309), Rect{32, 132, 160, 22}),
                               edit(kInitialPathEdit, Rect{196, 131, 328, 24}, 160),
                               check_box(kInputMarkCheck, text(310), Rect{32, 162, 160, 22}),
                               edit(kInputMarkEdit, Rect{196, 161, 32, 24}, 1),
                           });
    add_ok_cancel(layout, 204, 311, 312);
    return layout;
}

ui::DialogTemplate build_time_stamp_dialog() {
    using namespace time_stamp_ids;
    ui::DialogTemplate layout{"TIMESTAMPDLG", text(141), 500, 350, {}};
    layout.controls = {
        label(kPositionLabel, text(142), Rect{16, 17, 140, 18}),
        drop_down(kPositionList, Rect{160, 14, 324, 24}),
        check_box(kSplitCheck, text(143), Rect{16, 46, 468, 22}),

        group_box(kDateGroup, text(144), Rect{8, 76, 484, 118}),
        check_box(kYearCheck, text(145), Rect{20, 98, 80, 22}),
        drop_down(kYearDigitsList, Rect{104, 97, 160, 24}),
        check_box(kMonthCheck, text(146), Rect{20, 128, 80, 22}),
        check_box(kDayCheck, text(147), Rect{104, 128, 80, 22}),
        check_box(kDateSeparatorCheck, text(148), Rect{20, 158, 92, 22}),
        edit(kDateSeparatorEdit, Rect{116, 157, 28, 24}, 1),
        label(kDateStyleLabel, text(149), Rect{200, 161, 92, 18}),
        drop_down(kDateStyleList, Rect{296, 157, 184, 24}),

        group_box(kTimeGroup, text(150), Rect{8, 202, 484, 92}),
        check_box(kHourCheck, text(151), Rect{20, 224, 80, 22}),
        check_box(kMinuteCheck, text(152), Rect{104, 224, 80, 22}),
        check_box(kSecondCheck, text(153), Rect{188, 224, 80, 22}),
        check_box(kTimeSeparatorCheck, text(154), Rect{20, 256, 92, 22}),
        edit(kTimeSeparatorEdit, Rect{116, 255, 28, 24}, 1),
    };
    add_ok_cancel(layout, 308, 155, 156);
    return layout;
}

ui::DialogTemplate build_advanced_dialog() {
    using namespace advanced_ids;
    ui::DialogTemplate layout{"ADVANCEDLG", text(171), 460, 264, {}};
    layout.controls = {
        check_box(kReadOnceCheck, text(172), Rect{16, 16, 428, 22}),
        check_box(kExportRenameCheck, text(173), Rect{16, 44, 428, 22}),
        edit(kExportNameEdit, Rect{36, 70, 200, 24}, 20),
        label(kExtensionLabel, text(174), Rect{242, 73, 60, 18}),
        check_box(kAutoExportCheck, text(175), Rect{16, 102, 428, 22}),
        label(kSaveModeLabel, text(314), Rect{36, 131, 90, 18}),
        radio(kOverwriteRadio, text(315), Rect{130, 128, 110, 22}, true),
        radio(kAppendRadio, text(316), Rect{246, 128, 110, 22}),
        check_box(kAutoDeleteCheck, text(320), Rect{16, 160, 428, 22}),
        check_box(kMsqiCheck, text(317), Rect{16, 188, 428, 22}),
    };
    add_ok_cancel(layout, 224, 318, 319);
    return layout;
}

}  // namespace

const ui::DialogTemplate& properties_dialog_layout() {
    static const ui::DialogTemplate layout = build_properties_dialog();
    return layout;
}

const ui::DialogTemplate& lookup_properties_dialog_layout() {
    static const ui::DialogTemplate layout = build_lookup_properties_dialog();
    return layout;
}

const ui::DialogTemplate& image_properties_dialog_layout() {
    static const ui::DialogTemplate layout = build_image_properties_dialog();
    return layout;
}

const ui::DialogTemplate& time_stamp_dialog_layout() {
    static const ui::DialogTemplate layout = build_time_stamp_dialog();
    return layout;
}

const ui::DialogTemplate& advanced_dialog_layout() {
    static const ui::DialogTemplate layout = build_advanced_dialog();
    return layout;
}

}  // namespace tc::resources
