#include "resources/form_page_layout.h"

#include <string_view>

#include "resources/page_controls.h"

namespace tc::resources {
namespace {

using namespace page_controls;
using namespace form_page_ids;
using ui::Rect;

constexpr std::string_view kRowNumbers[kRows] = {"#1", "#2", "#3", "#4",  "#5",  "#6",
                                                 "#7", "#8", "#9", "#10", "#11", "#12"};

// The Form-level lists stand in two columns of three, the buttons on the right.
constexpr int kTopRowPitch = 28;
constexpr int kLeftLabelX = 16;
constexpr int kLeftListX = 96;
constexpr int kRightLabelX = 256;
constexpr int kRightListX = 326;
constexpr int kListWidth = 150;
constexpr int kButtonX = 600;
constexpr int kButtonWidth = 104;

// The grid: one column per line field, twelve rows that all fit on the page at once.
struct GridColumn {
    int heading_id;
    int text_id;
    int x;
    int width;
};
constexpr GridColumn kLineColumn{kLineHeading, 110, 16, 32};
constexpr GridColumn kDataTypeColumn{kDataTypeHeading, 111, 52, 116};
constexpr GridColumn kPromptColumn{kPromptHeading, 112, 172, 112};
constexpr GridColumn kInputSourceColumn{kInputSourceHeading, 113, 288, 96};
constexpr GridColumn kMinLengthColumn{kMinLengthHeading, 114, 388, 60};
constexpr GridColumn kMaxLengthColumn{kMaxLengthHeading, 115, 452, 60};
constexpr GridColumn kLinkColumn{kLinkHeading, 116, 516, 132};
constexpr GridColumn kPropertiesColumn{kPropertiesHeading, 118, 652, 56};
constexpr GridColumn kColumns[] = {kLineColumn,        kDataTypeColumn,  kPromptColumn,
                                   kInputSourceColumn, kMinLengthColumn, kMaxLengthColumn,
                                   kLinkColumn,        kPropertiesColumn};

constexpr int kHeadingTop = 104;
constexpr int kFirstRowTop = 126;
constexpr int kRowPitch = 28;
constexpr int kRowHeight = 24;

Rect cell(const GridColumn& column, int top) {
    return Rect{column.x, top, column.width, kRowHeight};
}

ui::DialogTemplate build_form_page() {
    ui::DialogTemplate layout{"FORMDLG", text(3), kWidePageWidth, kPageHeight, {}};
    const auto top_row = [](int n) { return 12 + n * kTopRowPitch; };
    layout.controls = {
        label(kIdLabel, text(101), Rect{kLeftLabelX, top_row(0) + 3, 76, 18}),
        drop_down(kFormList, Rect{kLeftListX, top_row(0), kListWidth, 24}),
        label(kKeyFieldLabel, text(102), Rect{kLeftLabelX, top_row(1) + 3, 76, 18}),
        drop_down(kKeyFieldList, Rect{kLeftListX, top_row(1), kListWidth, 24}),
        label(kEscLabel, text(103), Rect{kLeftLabelX, top_row(2) + 3, 76, 18}),
        drop_down(kEscList, Rect{kLeftListX, top_row(2), kListWidth, 24}),
        label(kLookupLabel, text(105), Rect{kRightLabelX, top_row(0) + 3, 66, 18}),
        drop_down(kLookupList, Rect{kRightListX, top_row(0), kListWidth, 24}),
        label(kRecordLabel, text(106), Rect{kRightLabelX, top_row(1) + 3, 66, 18}),
        drop_down(kRecordList, Rect{kRightListX, top_row(1), kListWidth, 24}),
        label(kNextLabel, text(104), Rect{kRightLabelX, top_row(2) + 3, 66, 18}),
        drop_down(kNextList, Rect{kRightListX, top_row(2), kListWidth, 24}),
        button(kTimeStampButton, text(107), Rect{kButtonX, top_row(0) - 1, kButtonWidth, 26}),
        button(kAdvancedButton, text(108), Rect{kButtonX, top_row(1) - 1, kButtonWidth, 26}),
        button(kResetButton, text(109), Rect{kButtonX, top_row(2) - 1, kButtonWidth, 26}),
    };
    for (const GridColumn& column : kColumns) {
        layout.controls.push_back(label(column.heading_id, text(column.text_id),
                                        Rect{column.x, kHeadingTop, column.width, 18}));
    }
    for (int row = 0; row < kRows; ++row) {
        const int top = kFirstRowTop + row * kRowPitch;
        layout.controls.push_back(
            label(row_label(row), literal(kRowNumbers[row]),
                  Rect{kLineColumn.x + 4, top + 4, kLineColumn.width - 4, 18}));
        layout.controls.push_back(drop_down(data_type_list(row), cell(kDataTypeColumn, top)));
        layout.controls.push_back(edit(prompt_edit(row), cell(kPromptColumn, top), 30));
        layout.controls.push_back(drop_down(input_source_list(row), cell(kInputSourceColumn, top)));
        layout.controls.push_back(
            number_edit(min_length_edit(row), cell(kMinLengthColumn, top), 3));
        layout.controls.push_back(
            number_edit(max_length_edit(row), cell(kMaxLengthColumn, top), 4));
        layout.controls.push_back(drop_down(link_list(row), cell(kLinkColumn, top)));
        layout.controls.push_back(
            button(more_button(row), literal("more..."), cell(kPropertiesColumn, top)));
    }
    return layout;
}

}  // namespace

const ui::DialogTemplate& form_page_layout() {
    static const ui::DialogTemplate layout = build_form_page();
    return layout;
}

}  // namespace tc::resources
