#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/painter.h"

namespace tc::test {

// A painter that keeps every drawing call, with the rectangle it covers.
class RecordingPainter : public ui::Painter {
  public:
    enum class Kind { FillRect, FrameRect, Line, Polygon, Ellipse, RoundedRect, Text };
    struct Call {
        Kind kind;
        ui::Rect rect;  // lines and polygons: their bounding box
        ui::Color color;
        std::string text;
        std::vector<ui::Point> points;
    };

    void fill_rect(ui::Rect r, ui::Color c) override { record(Kind::FillRect, r, c); }
    void frame_rect(ui::Rect r, ui::Color c) override { record(Kind::FrameRect, r, c); }
    void line(ui::Point from, ui::Point to, ui::Color c) override {
        const ui::Point points[] = {from, to};
        record(Kind::Line, bounds(points), c, {}, {from, to});
    }
    void fill_polygon(std::span<const ui::Point> points, ui::Color c) override {
        record(Kind::Polygon, bounds(points), c, {}, {points.begin(), points.end()});
    }
    void fill_ellipse(ui::Rect r, ui::Color c) override { record(Kind::Ellipse, r, c); }
    void fill_rounded_rect(ui::Rect r, int, ui::Color c) override {
        record(Kind::RoundedRect, r, c);
    }
    void text(ui::Rect r, std::string_view text, ui::Color c, ui::TextAlign, int, bool) override {
        record(Kind::Text, r, c, std::string(text));
    }

    std::vector<Call> calls;

  private:
    void record(Kind kind, ui::Rect r, ui::Color c, std::string text = {},
                std::vector<ui::Point> points = {}) {
        calls.push_back(Call{kind, r, c, std::move(text), std::move(points)});
    }

    static ui::Rect bounds(std::span<const ui::Point> points) {
        int left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
        for (const ui::Point p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        return ui::Rect{left, top, right - left, bottom - top};
    }
};

}  // namespace tc::test
