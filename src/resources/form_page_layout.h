#pragma once

#include "ui/dialog_template.h"

namespace tc::resources {

// Control identifiers of the Form page (FORMDLG). Grid rows are numbered from 0 (row 0 shows
// line 1).
namespace form_page_ids {
inline constexpr int kIdLabel = 1001;
inline constexpr int kFormList = 1002;
inline constexpr int kKeyFieldLabel = 1003;
inline constexpr int kKeyFieldList = 1004;
inline constexpr int kEscLabel = 1005;
inline constexpr int kEscList = 1006;
inline constexpr int kNextLabel = 1007;
inline constexpr int kNextList = 1008;
inline constexpr int kLookupLabel = 1009;
inline constexpr int kLookupList = 1010;
inline constexpr int kRecordLabel = 1011;
inline constexpr int kRecordList = 1012;
inline constexpr int kTimeStampButton = 1013;
inline constexpr int kAdvancedButton = 1014;
inline constexpr int kResetButton = 1015;

inline constexpr int kLineHeading = 1021;
inline constexpr int kDataTypeHeading = 1022;
inline constexpr int kPromptHeading = 1023;
inline constexpr int kInputSourceHeading = 1024;
inline constexpr int kMinLengthHeading = 1025;
inline constexpr int kMaxLengthHeading = 1026;
inline constexpr int kLinkHeading = 1027;
inline constexpr int kPropertiesHeading = 1028;

inline constexpr int kRows = 12;
constexpr int row_label(int row) {
    return 1100 + row;
}
constexpr int data_type_list(int row) {
    return 1120 + row;
}
constexpr int prompt_edit(int row) {
    return 1140 + row;
}
constexpr int input_source_list(int row) {
    return 1160 + row;
}
constexpr int min_length_edit(int row) {
    return 1180 + row;
}
constexpr int max_length_edit(int row) {
    return 1200 + row;
}
constexpr int link_list(int row) {
    return 1220 + row;
}
constexpr int more_button(int row) {
    return 1240 + row;
}
}  // namespace form_page_ids

const ui::DialogTemplate& form_page_layout();

}  // namespace tc::resources
