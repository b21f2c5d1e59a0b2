#include "ui/wx/dialog_font.h"

namespace tc::ui::wx {

wxFont dialog_font() {
    return wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS));
}

}  // namespace tc::ui::wx
