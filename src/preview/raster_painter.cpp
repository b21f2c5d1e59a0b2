#include "preview/raster_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "preview/bitmap_font.h"

namespace tc::preview {
namespace {

// Whether the middle of pixel (x, y) lies inside the ellipse that fills `r`.
bool in_ellipse(ui::Rect r, double x, double y) {
    const double rx = r.width / 2.0;
    const double ry = r.height / 2.0;
    const double dx = (x - (r.x + rx)) / rx;
    const double dy = (y - (r.y + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace

RasterPainter::RasterPainter(int width, int height)
    : width_(width), height_(height), rgb_(static_cast<std::size_t>(width * height) * 3, 255) {}

ui::Color RasterPainter::pixel(int x, int y) const {
    const auto at = static_cast<std::size_t>(y * width_ + x) * 3;
    return ui::Color{rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

void RasterPainter::plot(int x, int y, ui::Color c, ui::Rect clip) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !clip.contains(ui::Point{x, y})) return;
    const auto at = static_cast<std::size_t>(y * width_ + x) * 3;
    rgb_[at] = c.r;
    rgb_[at + 1] = c.g;
    rgb_[at + 2] = c.b;
}

void RasterPainter::fill_rect(ui::Rect r, ui::Color c) {
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) plot(x, y, c, r);
    }
}

void RasterPainter::frame_rect(ui::Rect r, ui::Color c) {
    if (r.width <= 0 || r.height <= 0) return;
    const int right = r.x + r.width - 1;
    const int bottom = r.y + r.height - 1;
    line({r.x, r.y}, {right, r.y}, c);
    line({r.x, bottom}, {right, bottom}, c);
    line({r.x, r.y}, {r.x, bottom}, c);
    line({right, r.y}, {right, bottom}, c);
}

void RasterPainter::line(ui::Point from, ui::Point to, ui::Color c) {
    const ui::Rect all{0, 0, width_, height_};
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int step_x = from.x < to.x ? 1 : -1;
    const int step_y = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (ui::Point p = from;;) {
        plot(p.x, p.y, c, all);
        if (p == to) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += step_x;
        }
        if (twice <= dx) {
            error += dx;
            p.y += step_y;
        }
    }
}

void RasterPainter::fill_polygon(std::span<const ui::Point> points, ui::Color c) {
    if (points.size() < 3) return;
    const ui::Rect all{0, 0, width_, height_};
    const auto [low, high] = std::ranges::minmax(points, {}, &ui::Point::y);
    std::vector<double> crossings;
    for (int y = low.y; y <= high.y; ++y) {
        // Where the row's middle crosses the edges; filled between pairs (even-odd rule).
        const double middle = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const ui::Point a = points[i];
            const ui::Point b = points[(i + 1) % points.size()];
            if ((a.y <= middle) == (b.y <= middle)) continue;
            crossings.push_back(a.x + (middle - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::ranges::sort(crossings);
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int first = static_cast<int>(std::ceil(crossings[i] - 0.5));
            const int last = static_cast<int>(std::floor(crossings[i + 1] - 0.5));
            for (int x = first; x <= last; ++x) plot(x, y, c, all);
        }
    }
}

void RasterPainter::fill_ellipse(ui::Rect r, ui::Color c) {
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            if (in_ellipse(r, x + 0.5, y + 0.5)) plot(x, y, c, r);
        }
    }
}

void RasterPainter::fill_rounded_rect(ui::Rect r, int radius, ui::Color c) {
    const int corner = std::min({radius, r.width / 2, r.height / 2});
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            // Inside a corner square the pixel must lie within the corner's circle.
            const int cx = x < r.x + corner              ? r.x + corner
                           : x >= r.x + r.width - corner ? r.x + r.width - corner
                                                         : x;
            const int cy = y < r.y + corner               ? r.y + corner
                           : y >= r.y + r.height - corner ? r.y + r.height - corner
                                                          : y;
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            if ((cx == x || cy == y) || dx * dx + dy * dy <= corner * corner) plot(x, y, c, r);
        }
    }
}

void RasterPainter::text(ui::Rect r, std::string_view text, ui::Color c, ui::TextAlign align,
                         int size, bool bold) {
    const int scale = size >= 10 ? 2 : 1;
    const int advance = (kGlyphWidth + 1) * scale;
    const int width = static_cast<int>(text.size()) * advance - scale;
    int x = r.x;
    if (align == ui::TextAlign::Centre) x = r.x + (r.width - width) / 2;
    if (align == ui::TextAlign::Right) x = r.x + r.width - width;
    const int top = r.y + (r.height - kGlyphHeight * scale) / 2;
    for (const char ch : text) {
        const Glyph& rows = glyph(ch);
        for (int row = 0; row < kGlyphHeight * scale; ++row) {
            for (int column = 0; column < kGlyphWidth * scale; ++column) {
                if ((rows[row / scale] >> (kGlyphWidth - 1 - column / scale) & 1) == 0) continue;
                plot(x + column, top + row, c, r);
                if (bold) plot(x + column + 1, top + row, c, r);
            }
        }
        x += advance;
    }
}

}  // namespace tc::preview
