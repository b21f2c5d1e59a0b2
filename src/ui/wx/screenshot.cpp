#include "ui/wx/screenshot.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace tc::ui::wx {

bool save_screenshot(wxWindow& window, const std::filesystem::path& png, const wxRegion& shape) {
    const wxSize size = window.GetSize();
    if (size.x <= 0 || size.y <= 0) return false;
    wxBitmap shot(size, 24);
    {
        wxWindowDC source(&window);
        wxMemoryDC memory(shot);
        if (!memory.Blit(0, 0, size.x, size.y, &source, 0, 0)) return false;
    }
    wxImage image = shot.ConvertToImage();
    if (!shape.IsEmpty()) {
        image.InitAlpha();
        for (int y = 0; y < size.y; ++y) {
            for (int x = 0; x < size.x; ++x) {
                image.SetAlpha(x, y,
                               shape.Contains(x, y) == wxInRegion ? wxIMAGE_ALPHA_OPAQUE
                                                                  : wxIMAGE_ALPHA_TRANSPARENT);
            }
        }
    }
    return image.SaveFile(wxString(png.string()), wxBITMAP_TYPE_PNG);
}

}  // namespace tc::ui::wx
