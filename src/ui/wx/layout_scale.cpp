#include "ui/wx/layout_scale.h"

#include <wx/menuitem.h>

#include <algorithm>
#include <cmath>
#include <string_view>

#include "ui/wx/text_conversion.h"

namespace tc::ui::wx {
namespace {

// The character cell that the layouts were drawn for: the dialog font at 96 DPI (its average
// letter, as dialog units measure it, rounded up so that this size itself scales by 1).
constexpr double kDesignCharWidth = 6.7;
constexpr double kDesignCharHeight = 13.0;
constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// A translation may make a dialog this much wider at most; beyond it captions are cut.
constexpr double kWidestFit = 1.8;
// Room beside a caption (DIP): the tick box or radio circle, the button's and frame's padding.
constexpr int kIndicatorRoom = 26;
constexpr int kButtonRoom = 14;
constexpr int kFrameRoom = 18;

int widest_line_width(const wxString& text, const wxWindow& window) {
    int widest = 0;
    for (const wxString& line : wxSplit(text, '\n', '\0')) {
        int width = 0;
        window.GetTextExtent(wxStripMenuCodes(line, wxStrip_Mnemonics), &width, nullptr);
        widest = std::max(widest, width);
    }
    return widest;
}

}  // namespace

wxPoint LayoutScale::point(int left, int top) const {
    return {static_cast<int>(std::lround(left * x)), static_cast<int>(std::lround(top * y))};
}

wxSize LayoutScale::size(int width, int height) const {
    return {static_cast<int>(std::lround(width * x)), static_cast<int>(std::lround(height * y))};
}

std::vector<ShownCaption> shown_captions(const Dialog& dialog) {
    std::vector<ShownCaption> captions;
    for (const Control& c : dialog.controls())
        captions.push_back({c.kind, c.rect, to_display(c.text)});
    return captions;
}

std::vector<ShownCaption> shown_captions(const DialogTemplate& layout, const TextSource& texts) {
    std::vector<ShownCaption> captions;
    for (const ControlTemplate& c : layout.controls) {
        const std::string text =
            c.caption.text_id < 0 ? std::string(c.caption.literal) : texts(c.caption.text_id);
        captions.push_back({c.kind, c.rect, to_display(text)});
    }
    return captions;
}

int caption_width(ControlKind kind, const wxString& text, const wxWindow& window) {
    if (text.empty()) return 0;
    const int width = widest_line_width(text, window);
    switch (kind) {
        case ControlKind::Label:
            return width;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return width + window.FromDIP(kIndicatorRoom);
        case ControlKind::Button:
            return width + window.FromDIP(kButtonRoom);
        case ControlKind::GroupBox:
            return width + window.FromDIP(kFrameRoom);
        default:
            return 0;
    }
}

LayoutScale fit_layout_scale(const std::vector<ShownCaption>& captions, const wxWindow& window) {
    // Pixels per layout unit: the toolkit's own DPI scaling times the font's growth.
    const double dip = window.FromDIP(1000) / 1000.0;
    LayoutScale scale;
    int alphabet_width = 0;
    window.GetTextExtent(wxString::FromAscii(kAlphabet.data(), kAlphabet.size()), &alphabet_width,
                         nullptr);
    const double char_width = static_cast<double>(alphabet_width) / kAlphabet.size();
    scale.x = std::max(dip, char_width / kDesignCharWidth);
    scale.y = std::max(dip, window.GetCharHeight() / kDesignCharHeight);
    const double widest = scale.x * kWidestFit;
    for (const ShownCaption& c : captions) {
        if (c.rect.width <= 0) continue;
        const int needed = caption_width(c.kind, c.text, window);
        scale.x = std::max(scale.x, std::min(widest, static_cast<double>(needed) / c.rect.width));
    }
    return scale;
}

}  // namespace tc::ui::wx
