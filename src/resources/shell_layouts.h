#pragma once

#include <string_view>

#include "ui/dialog_template.h"

namespace tc::resources {

// Control identifiers of the Preferences dialog (PREFERENCESDLG).
namespace preferences_ids {
inline constexpr int kAutoPreload = 1001;
inline constexpr int kAlwaysOnTop = 1002;
inline constexpr int kLanguageLabel = 1003;
inline constexpr int kLanguageList = 1004;
}  // namespace preferences_ids

// Control identifiers of the About box (ABOUTBOX).
namespace about_ids {
inline constexpr int kIcon = 1101;
inline constexpr int kFirstLine = 1102;
inline constexpr int kSecondLine = 1103;
}  // namespace about_ids

// Control identifiers of the code picker (GRIDDLG).
namespace code_picker_ids {
inline constexpr int kGrid = 1201;
inline constexpr int kResultLabel = 1202;
inline constexpr int kResultBox = 1203;
inline constexpr int kClear = 1204;
}  // namespace code_picker_ids

const ui::DialogTemplate& preferences_dialog_layout();
const ui::DialogTemplate& about_box_layout();
const ui::DialogTemplate& code_picker_layout();

}  // namespace tc::resources
