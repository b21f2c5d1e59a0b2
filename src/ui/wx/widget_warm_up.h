#pragma once

class wxWindow;

namespace tc::ui::wx {

// GTK sets up a kind of widget (its class, its theme styles) the first time one is made, which
// costs more than making a hundred more. The editor sheet is made of these kinds only: making
// one of each, hidden, while the program waits for its first command keeps that cost out of
// the first Edit.
void warm_up_sheet_widgets(wxWindow& parent);

}  // namespace tc::ui::wx
