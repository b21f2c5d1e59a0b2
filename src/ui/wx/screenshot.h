#pragma once

#include <wx/region.h>
#include <wx/window.h>

#include <filesystem>

namespace tc::ui::wx {

// Saves the pixels of `window` as a PNG file; pixels outside `shape` (window coordinates), when
// given, are left transparent, as the screen shows a shaped window. False when nothing was saved.
// The PNG handler must be registered (wxImage::AddHandler).
//
// The window is read through its own device context rather than from the screen: a dialog may
// use a visual of another depth than the screen's root window, and the root window's image leaves
// such windows out.
bool save_screenshot(wxWindow& window, const std::filesystem::path& png,
                     const wxRegion& shape = wxRegion());

}  // namespace tc::ui::wx
