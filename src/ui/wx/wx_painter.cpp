#include "ui/wx/wx_painter.h"

#include <wx/brush.h>
#include <wx/dcclient.h>
#include <wx/font.h>
#include <wx/pen.h>

#include <vector>

#include "ui/wx/text_conversion.h"

namespace tc::ui::wx {
namespace {

wxColour colour_of(Color c) {
    return wxColour(c.r, c.g, c.b);
}

wxRect rect_of(Rect r) {
    return wxRect(r.x, r.y, r.width, r.height);
}

}  // namespace

void WxPainter::fill_with(Color c) {
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.SetBrush(wxBrush(colour_of(c)));
}

void WxPainter::fill_rect(Rect r, Color c) {
    fill_with(c);
    dc_.DrawRectangle(rect_of(r));
}

void WxPainter::frame_rect(Rect r, Color c) {
    dc_.SetPen(wxPen(colour_of(c)));
    dc_.SetBrush(*wxTRANSPARENT_BRUSH);
    dc_.DrawRectangle(rect_of(r));
}

void WxPainter::line(Point from, Point to, Color c) {
    dc_.SetPen(wxPen(colour_of(c)));
    dc_.DrawLine(from.x, from.y, to.x, to.y);
}

void WxPainter::fill_polygon(std::span<const Point> points, Color c) {
    std::vector<wxPoint> corners;
    corners.reserve(points.size());
    for (const Point p : points) corners.emplace_back(p.x, p.y);
    fill_with(c);
    dc_.DrawPolygon(static_cast<int>(corners.size()), corners.data(), 0, 0, wxWINDING_RULE);
}

void WxPainter::fill_ellipse(Rect r, Color c) {
    fill_with(c);
    dc_.DrawEllipse(rect_of(r));
}

void WxPainter::fill_rounded_rect(Rect r, int radius, Color c) {
    fill_with(c);
    dc_.DrawRoundedRectangle(rect_of(r), radius);
}

void WxPainter::text(Rect r, std::string_view text, Color c, TextAlign align, int size, bool bold) {
    const wxDCClipper clip(dc_, rect_of(r));
    wxFontInfo info(size);
    info.Family(wxFONTFAMILY_SWISS).Bold(bold);
    dc_.SetFont(wxFont(info));
    dc_.SetTextForeground(colour_of(c));
    dc_.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    int alignment = wxALIGN_CENTRE_VERTICAL;
    switch (align) {
        case TextAlign::Left:
            alignment |= wxALIGN_LEFT;
            break;
        case TextAlign::Centre:
            alignment |= wxALIGN_CENTRE_HORIZONTAL;
            break;
        case TextAlign::Right:
            alignment |= wxALIGN_RIGHT;
            break;
    }
    dc_.DrawLabel(to_display(text), rect_of(r), alignment);
}

}  // namespace tc::ui::wx
