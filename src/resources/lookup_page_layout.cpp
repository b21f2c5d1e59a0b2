#include "lookups/lookup_page.h"
#include "resources/menu_lookup_settings_layouts.h"
#include "resources/page_controls.h"

namespace tc::resources {
namespace {

using namespace page_controls;
using ui::Rect;

constexpr std::string_view kFieldNumbers[LookupPage::kShownFields] = {
    "#1", "#2", "#3", "#4", "#5", "#6", "#7", "#8", "#9", "#10", "#11", "#12"};

constexpr int kFirstRowTop = 236;
constexpr int kRowPitch = 20;

ui::DialogTemplate build_lookup_page() {
    using P = LookupPage;
    ui::DialogTemplate layout{"LOOKUPDLG", text(5), kPageWidth, kPageHeight, {}};
    layout.controls = {
        label(P::kIdLabel, text(281), Rect{16, 19, 40, 18}),
        drop_down(P::kLookupList, Rect{60, 16, 150, 24}),
        label(P::kFieldCountLabel, text(282), Rect{226, 19, 130, 18}),
        drop_down(P::kFieldCountList, Rect{360, 16, 76, 24}),
        button(P::kResetButton, text(292), Rect{536, 15, 88, 26}),

        group_box(P::kFieldPropertyGroup, text(283), Rect{16, 48, 236, 84}),
        radio(P::kFixedLengthRadio, text(284), Rect{28, 68, 212, 22}, true),
        radio(P::kDelimiterRadio, text(285), Rect{28, 98, 100, 22}),
        number_edit(P::kDelimiterEdit, Rect{130, 97, 44, 24}, 3),
        label(P::kAsciiLabel, literal("(ASCII)"), Rect{180, 100, 64, 18}),
        check_box(P::kAutoDeleteCheck, text(320), Rect{16, 138, 250, 22}),

        check_box(P::kExportRenameCheck, text(286), Rect{268, 50, 356, 22}),
        edit(P::kExportNameEdit, Rect{286, 76, 220, 24}, 20),
        label(P::kExtensionLabel, literal(".TXT"), Rect{512, 79, 60, 18}),
        check_box(P::kAutoExportCheck, text(313), Rect{268, 106, 356, 22}),
        label(P::kSaveModeLabel, text(314), Rect{286, 137, 84, 18}),
        radio(P::kOverwriteRadio, text(315), Rect{374, 134, 120, 22}, true),
        radio(P::kAppendRadio, text(316), Rect{498, 134, 120, 22}),

        label(P::kBadFormatLabel, text(287), Rect{16, 166, 300, 18}),
        drop_down(P::kBadFormatList, Rect{16, 184, 300, 24}),
        label(P::kNoMatchLabel, text(288), Rect{324, 166, 300, 18}),
        drop_down(P::kNoMatchList, Rect{324, 184, 300, 24}),

        label(P::kFieldLabel, text(289), Rect{16, 216, 48, 18}),
        label(P::kDataTypeLabel, text(295), Rect{68, 216, 120, 18}),
        label(P::kFieldNameLabel, text(290), Rect{196, 216, 272, 18}),
        label(P::kLengthLabel, literal("Length"), Rect{476, 216, 84, 18}),
        label(P::kKeyFieldLabel, text(291), Rect{564, 216, 64, 18}),
    };
    for (int field = 1; field <= P::kShownFields; ++field) {
        const int top = kFirstRowTop + (field - 1) * kRowPitch;
        layout.controls.push_back(label(P::field_number_label(field),
                                        literal(kFieldNumbers[field - 1]),
                                        Rect{24, top + 2, 40, 16}));
        layout.controls.push_back(drop_down(P::field_type_list(field), Rect{68, top, 120, 20}));
        layout.controls.push_back(edit(P::field_name_edit(field), Rect{196, top, 272, 20}, 50));
        layout.controls.push_back(
            number_edit(P::field_length_edit(field), Rect{476, top, 80, 20}, 4));
        layout.controls.push_back(
            radio(P::key_field_radio(field), literal(""), Rect{586, top, 20, 20}, field == 1));
    }
    return layout;
}

}  // namespace

const ui::DialogTemplate& lookup_page_layout() {
    static const ui::DialogTemplate layout = build_lookup_page();
    return layout;
}

}  // namespace tc::resources
