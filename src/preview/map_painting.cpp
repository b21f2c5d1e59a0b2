#include "preview/map_painting.h"

#include <array>
#include <cmath>

namespace tc::preview {
namespace {

constexpr ui::Color kBox{0xEE, 0xF4, 0xF9};
constexpr ui::Color kUnusedBox{0xF3, 0xF5, 0xF7};
constexpr ui::Color kFrame{0x2F, 0x6F, 0x9F};
constexpr ui::Color kGrey{0x7A, 0x84, 0x8C};
constexpr ui::Color kGreen{0x2E, 0x8B, 0x57};
constexpr ui::Color kRed{0xC0, 0x39, 0x2B};
constexpr ui::Color kText{0x1D, 0x23, 0x29};
constexpr int kCurveSteps = 16;

ui::Point moved(ui::Point p, ui::Point origin) {
    return ui::Point{p.x + origin.x, p.y + origin.y};
}

ui::Color link_colour(const MapLink& link) {
    if (link.to_unused) return kRed;
    switch (link.kind) {
        case LinkKind::Esc:
            return kGrey;
        case LinkKind::Next:
            return kFrame;
        case LinkKind::Item:
            break;
    }
    return kGreen;
}

void paint_link(ui::Painter& painter, const MapLink& link, ui::Point origin) {
    const ui::Point a = moved(link.start, origin);
    const ui::Point c = moved(link.control, origin);
    const ui::Point b = moved(link.end, origin);
    const ui::Color colour = link_colour(link);
    ui::Point last = a;
    for (int step = 1; step <= kCurveSteps; ++step) {
        const double t = static_cast<double>(step) / kCurveSteps;
        const double u = 1 - t;
        const ui::Point p{
            static_cast<int>(std::lround(u * u * a.x + 2 * u * t * c.x + t * t * b.x)),
            static_cast<int>(std::lround(u * u * a.y + 2 * u * t * c.y + t * t * b.y))};
        painter.line(last, p, colour);
        last = p;
    }
    std::array<ui::Point, 3> head = link.head;
    for (ui::Point& p : head) p = moved(p, origin);
    painter.fill_polygon(head, colour);
    const ui::Point label = moved(link.label, origin);
    painter.text(ui::Rect{label.x, label.y - 12, 120, 14}, link.text, kText, ui::TextAlign::Left,
                 7);
}

void paint_node(ui::Painter& painter, const MapNode& node, ui::Point origin) {
    const ui::Rect r{node.rect.x + origin.x, node.rect.y + origin.y, node.rect.width,
                     node.rect.height};
    painter.fill_rounded_rect(r, 6, node.unused ? kUnusedBox : kBox);
    const ui::Color frame = !node.reachable ? kRed : node.unused ? kGrey : kFrame;
    painter.frame_rect(r, frame);
    if (node.start)
        painter.frame_rect(ui::Rect{r.x + 1, r.y + 1, r.width - 2, r.height - 2}, frame);
    painter.text(ui::Rect{r.x + 8, r.y + 2, r.width - 12, 14}, node.name, kText,
                 ui::TextAlign::Left, 8, true);
    painter.text(ui::Rect{r.x + 8, r.y + 15, r.width - 12, 12}, node.detail, kGrey,
                 ui::TextAlign::Left, 7);
    painter.text(ui::Rect{r.x + 8, r.y + 26, r.width - 12, 12}, node_note(node),
                 node.reachable ? kGrey : kRed, ui::TextAlign::Left, 7);
}

}  // namespace

void paint_application_map(ui::Painter& painter, const ApplicationMap& map, ui::Point origin) {
    // Screens over the links, so that a busy map never hides a screen's name.
    for (const MapLink& link : map.links) paint_link(painter, link, origin);
    for (const MapNode& node : map.nodes) paint_node(painter, node, origin);
}

}  // namespace tc::preview
