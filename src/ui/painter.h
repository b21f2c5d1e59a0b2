#pragma once

#include <span>
#include <string_view>

#include "ui/geometry.h"

namespace tc::ui {

enum class TextAlign { Left, Centre, Right };

// Drawing primitives for custom-drawn areas and pictures. The wxWidgets host draws them on a
// device context; tests record them.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void fill_rect(Rect r, Color c) = 0;
    virtual void frame_rect(Rect r, Color c) = 0;
    virtual void line(Point from, Point to, Color c) = 0;
    virtual void fill_polygon(std::span<const Point> points, Color c) = 0;
    virtual void fill_ellipse(Rect r, Color c) = 0;
    virtual void fill_rounded_rect(Rect r, int radius, Color c) = 0;
    // Draws one line of Windows-1252 text inside `r`, vertically centred. `size` is in points.
    virtual void text(Rect r, std::string_view text, Color c, TextAlign align, int size = 8,
                      bool bold = false) = 0;
};

}  // namespace tc::ui
