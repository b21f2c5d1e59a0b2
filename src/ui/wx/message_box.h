#pragma once

#include <wx/dialog.h>

namespace tc::ui::wx {

// The style bits that host.h leaves out: the other button sets and icons.
inline constexpr unsigned kMbOkCancel = 0x01;
inline constexpr unsigned kMbYesNo = 0x04;
inline constexpr unsigned kMbIconHand = 0x10;
inline constexpr unsigned kMbIconAsterisk = 0x40;
inline constexpr unsigned kMbIconMask = 0xF0;

// A message box drawn by the program rather than by the toolkit, whose own box shows no icon: the
// icon the style asks for, the message, the buttons, and wide enough for its whole title.
class MessageBox : public wxDialog {
  public:
    static constexpr const char* kWindowName = "tc_message_box";

    // `style` holds the platform's message box bits (buttons and icon, as host.h names them).
    MessageBox(wxWindow* parent, const wxString& text, const wxString& title, unsigned style);

    // Runs the box; returns the button that closed it as kIdOk, kIdCancel, kIdYes or kIdNo.
    int run();
};

}  // namespace tc::ui::wx
