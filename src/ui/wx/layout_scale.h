#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>
#include <wx/window.h>

#include <vector>

#include "ui/dialog.h"
#include "ui/dialog_template.h"

namespace tc::ui::wx {

// Layouts are drawn in pixels for the dialog font at 96 DPI. A LayoutScale places them with the
// font actually used: both directions grow with the font's character size, as dialog units do,
// and the horizontal one further until every caption fits its control (a longer translation).
struct LayoutScale {
    double x = 1.0;
    double y = 1.0;

    wxPoint point(int left, int top) const;
    wxSize size(int width, int height) const;
    wxRect rect(const Rect& r) const { return {point(r.x, r.y), size(r.width, r.height)}; }
};

// A control as the fit sees it: its kind, its place in the layout and its caption as shown.
struct ShownCaption {
    ControlKind kind = ControlKind::Label;
    Rect rect{};
    wxString text;
};

std::vector<ShownCaption> shown_captions(const Dialog& dialog);
std::vector<ShownCaption> shown_captions(const DialogTemplate& layout, const TextSource& texts);

// The scale for `captions` in `window` (whose font the controls take), in window pixels.
LayoutScale fit_layout_scale(const std::vector<ShownCaption>& captions, const wxWindow& window);

// The width a caption needs in a control of `kind` (its text, mnemonics stripped, plus the box or
// frame the toolkit draws beside it); 0 for controls without a caption.
int caption_width(ControlKind kind, const wxString& text, const wxWindow& window);

}  // namespace tc::ui::wx
