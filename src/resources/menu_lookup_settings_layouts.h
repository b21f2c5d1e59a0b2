#pragma once

#include "ui/dialog_template.h"

namespace tc::resources {

// The layouts of the Menu, Lookup and Settings pages of the editor sheet (MENUDLG, LOOKUPDLG,
// SETTINGSDLG); their control identifiers are declared with the pages.
const ui::DialogTemplate& menu_page_layout();
const ui::DialogTemplate& lookup_page_layout();
const ui::DialogTemplate& settings_page_layout();

}  // namespace tc::resources
