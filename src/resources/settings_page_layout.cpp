#include "resources/menu_lookup_settings_layouts.h"
#include "resources/page_controls.h"
#include "settings/settings_page.h"

namespace tc::resources {
namespace {

using namespace page_controls;
using ui::Rect;

// The security check boxes in two columns: the terminal's menus on the left, its settings and
// image capture on the right.
struct SecurityBox {
    int index;  // into security_flags
    int text_id;
    int column;
    int row;
};
constexpr SecurityBox kSecurityBoxes[] = {
    {0, 1178, 0, 0}, {1, 1179, 0, 1},  {2, 1180, 0, 2},  {3, 1181, 0, 3},
    {4, 1182, 0, 4}, {5, 1183, 0, 5},  {6, 1184, 1, 0},  {7, 1185, 1, 1},
    {8, 1186, 1, 2}, {10, 1188, 1, 3}, {11, 1191, 1, 4},
};
constexpr int kSecurityTop = 56;
constexpr int kSecurityPitch = 23;

ui::DialogTemplate build_settings_page() {
    using P = SettingsPage;
    ui::DialogTemplate layout{"SETTINGSDLG", text(7), kWidePageWidth, kPageHeight, {}};
    layout.controls = {
        label(P::kStartLabel, text(1162), Rect{16, 15, 200, 18}),
        drop_down(P::kStartList, Rect{220, 12, 150, 24}),

        group_box(P::kDelimiterGroup, text(1163), Rect{16, 40, 368, 98}),
        label(P::kDelimiterCountLabel, text(1164), Rect{28, 61, 190, 18}),
        drop_down(P::kDelimiterCountList, Rect{222, 58, 72, 24}),
        label(P::kAsciiLabel, text(1165), Rect{28, 89, 90, 18}),
        number_edit(P::ascii_edit(1), Rect{122, 86, 48, 22}, 3),
        number_edit(P::ascii_edit(2), Rect{176, 86, 48, 22}, 3),
        label(P::kTextLabel, text(1166), Rect{28, 113, 90, 18}),
        edit(P::text_edit(1), Rect{122, 110, 48, 22}, 1),
        edit(P::text_edit(2), Rect{176, 110, 48, 22}, 1),
        button(P::kResetButton, text(1161), Rect{284, 96, 88, 26}),

        group_box(P::kSystemGroup, text(1167), Rect{16, 144, 368, 308}),
        label(P::kPreloadLabel, text(1168), Rect{28, 167, 214, 18}),
        drop_down(P::kPreloadList, Rect{246, 164, 128, 24}),
        check_box(P::kAutoRunCheck, text(1190), Rect{44, 192, 330, 20}),
        label(P::kDeletionLabel, text(1169), Rect{28, 221, 214, 18}),
        drop_down(P::kDeletionList, Rect{246, 218, 128, 24}),
        label(P::kEntryLabel, text(1170), Rect{28, 251, 214, 18}),
        drop_down(P::kEntryList, Rect{246, 248, 128, 24}),
        radio(P::kStayRadio, text(1171), Rect{44, 276, 330, 20}, true),
        number_edit(P::kDisplayTimeEdit, Rect{62, 298, 36, 22}, 2),
        label(P::kDisplayTimeLabel, text(1173), Rect{104, 301, 270, 18}),
        radio(P::kPressEnterRadio, text(1172), Rect{44, 324, 330, 20}),
        label(P::kVibratorLabel, text(1189), Rect{28, 355, 214, 18}),
        drop_down(P::kVibratorList, Rect{246, 352, 128, 24}),
        label(P::kExportStoreLabel, text(1201), Rect{28, 388, 346, 18}),
        edit(P::kExportStoreEdit, Rect{28, 408, 346, 22}, 260),

        group_box(P::kSecurityGroup, text(1176), Rect{396, 6, 308, 194}),
        label(P::kPasswordLabel, text(1177), Rect{408, 29, 156, 18}),
        edit(P::kPasswordEdit, Rect{566, 26, 128, 22}, 10),

        group_box(P::kCameraGroup, text(1192), Rect{396, 206, 308, 246}),
        label(P::kResolutionLabel, text(1193), Rect{408, 229, 124, 18}),
        drop_down(P::kResolutionList, Rect{536, 226, 158, 24}),
        label(P::kFlashLabel, text(1194), Rect{408, 255, 124, 18}),
        drop_down(P::kFlashList, Rect{536, 252, 158, 24}),
        label(P::kColorLabel, text(1195), Rect{408, 281, 124, 18}),
        drop_down(P::kColorList, Rect{536, 278, 158, 24}),
        label(P::kFormatLabel, text(1196), Rect{408, 307, 124, 18}),
        drop_down(P::kFormatList, Rect{536, 304, 158, 24}),
        label(P::kImageStoreLabel, text(1197), Rect{408, 334, 286, 18}),
        edit(P::kImageStoreEdit, Rect{408, 352, 286, 22}, 260),
        check_box(P::kAutoFileNameCheck, text(1199), Rect{408, 380, 138, 20}),
        label(P::kFileTitleLabel, text(1200), Rect{550, 382, 70, 18}),
        edit(P::kFileTitleEdit, Rect{622, 379, 72, 22}, 5),
        check_box(P::kNamingRuleCheck, text(1202), Rect{424, 404, 270, 20}),
        check_box(P::kTimeStampCheck, text(1204), Rect{408, 428, 286, 20}),

        // The longest caption gets the whole width of the page.
        check_box(P::kDeleteDatabaseCheck, text(1203), Rect{16, 456, 688, 20}),
    };
    for (const SecurityBox& box : kSecurityBoxes) {
        layout.controls.push_back(check_box(
            P::security_check(box.index), text(box.text_id),
            Rect{408 + box.column * 144, kSecurityTop + box.row * kSecurityPitch, 142, 20}));
    }
    layout.controls.push_back(check_box(P::kImageCaptureCheck, text(1198),
                                        Rect{552, kSecurityTop + 5 * kSecurityPitch, 142, 20}));
    return layout;
}

}  // namespace

const ui::DialogTemplate& settings_page_layout() {
    static const ui::DialogTemplate layout = build_settings_page();
    return layout;
}

}  // namespace tc::resources
