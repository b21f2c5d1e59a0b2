#pragma once

#include <wx/dc.h>

#include "ui/painter.h"

namespace tc::ui::wx {

// Draws the model's pictures and custom areas on a wxWidgets device context, in the DC's
// logical coordinates (the caller sets a user scale for high-DPI screens).
class WxPainter : public Painter {
  public:
    explicit WxPainter(wxDC& dc) : dc_(dc) {}

    void fill_rect(Rect r, Color c) override;
    void frame_rect(Rect r, Color c) override;
    void line(Point from, Point to, Color c) override;
    void fill_polygon(std::span<const Point> points, Color c) override;
    void fill_ellipse(Rect r, Color c) override;
    void fill_rounded_rect(Rect r, int radius, Color c) override;
    void text(Rect r, std::string_view text, Color c, TextAlign align, int size,
              bool bold) override;

  private:
    void fill_with(Color c);

    wxDC& dc_;
};

}  // namespace tc::ui::wx
