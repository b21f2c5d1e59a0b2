#pragma once

#include <cstdint>
#include <vector>

#include "ui/painter.h"

namespace tc::preview {

// A painter that draws into an RGB image in memory, for pictures written without a display (the
// text in a small bitmap font, twice its size from 10 points on).
class RasterPainter : public ui::Painter {
  public:
    RasterPainter(int width, int height);

    void fill_rect(ui::Rect r, ui::Color c) override;
    void frame_rect(ui::Rect r, ui::Color c) override;
    void line(ui::Point from, ui::Point to, ui::Color c) override;
    void fill_polygon(std::span<const ui::Point> points, ui::Color c) override;
    void fill_ellipse(ui::Rect r, ui::Color c) override;
    void fill_rounded_rect(ui::Rect r, int radius, ui::Color c) override;
    void text(ui::Rect r, std::string_view text, ui::Color c, ui::TextAlign align, int size = 8,
              bool bold = false) override;

    int width() const { return width_; }
    int height() const { return height_; }
    // Three bytes a pixel, rows top to bottom.
    const std::vector<std::uint8_t>& rgb() const { return rgb_; }
    ui::Color pixel(int x, int y) const;

  private:
    void plot(int x, int y, ui::Color c, ui::Rect clip);

    int width_;
    int height_;
    std::vector<std::uint8_t> rgb_;
};

}  // namespace tc::preview
