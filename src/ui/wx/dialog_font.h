#pragma once

#include <wx/font.h>

namespace tc::ui::wx {

// The font of dialogs and pages: the layouts are made for a small sans-serif font at 96 DPI.
wxFont dialog_font();

}  // namespace tc::ui::wx
