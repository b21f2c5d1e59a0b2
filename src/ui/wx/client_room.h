#pragma once

#include <wx/toplevel.h>

#include <functional>

namespace tc::ui::wx {

// Gives the window the client size `room` tells, now and whenever it ends up with less. A window
// manager tells the size of its frame only after a window appears; until then wxWidgets guesses
// it (no frame at all for the first framed window of a process, since the main window has none)
// and, when the real frame arrives, keeps the outer size and takes the frame from the inside,
// which would cut off the bottom of a page or dialog.
void keep_client_room(wxTopLevelWindow& window, std::function<wxSize()> room);

}  // namespace tc::ui::wx
