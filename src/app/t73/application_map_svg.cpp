#include "app/t73/application_map_svg.h"

#include <utility>

#include "app/t73/html_text.h"

namespace tc::t73 {
namespace {

using preview::LinkKind;
using preview::MapLink;
using preview::MapNode;

constexpr std::string_view kMapStyle = R"(
svg.map { font: 12px "DejaVu Sans", Arial, sans-serif; }
.map .node rect { fill: #eef4f9; stroke: #2f6f9f; stroke-width: 1.5; }
.map .node.start rect { stroke-width: 4; }
.map .node.unused rect { fill: #f3f5f7; stroke: #9aa3ab; }
.map .node.unreachable rect { stroke: #c0392b; stroke-dasharray: 6 3; }
.map .node .name { font-weight: bold; }
.map .node .detail, .map .node .note { font-size: 10px; fill: #5b6670; }
.map .node.unreachable .note { fill: #c0392b; }
.map .link { fill: none; stroke-width: 1.5; }
.map .link.esc { stroke: #7a848c; stroke-dasharray: 5 3; }
.map .link.next { stroke: #2f6f9f; }
.map .link.item { stroke: #2e8b57; }
.map .link.to-unused { stroke: #c0392b; }
.map .head { stroke: none; fill: #1d2329; }
.map .head.to-unused { fill: #c0392b; }
.map .label { font-size: 10px; fill: #1d2329; paint-order: stroke; stroke: #ffffff;
  stroke-width: 3px; stroke-linejoin: round; }
)";

constexpr std::size_t kLabelLength = 14;

std::string n(int value) {
    return std::to_string(value);
}

std::string kind_class(LinkKind kind) {
    switch (kind) {
        case LinkKind::Esc:
            return "esc";
        case LinkKind::Next:
            return "next";
        case LinkKind::Item:
            break;
    }
    return "item";
}

std::string screen_id(Byte code) {
    if (code == 0) return "main";
    if (code <= kFormCount) return "form-" + std::to_string(code);
    return "menu-" + std::to_string(code - kFormCount);
}

std::string node_svg(const MapNode& node) {
    std::string classes = "node";
    if (node.start) classes += " start";
    if (!node.reachable) classes += " unreachable";
    if (node.unused) classes += " unused";
    const ui::Rect& r = node.rect;
    const std::string note = preview::node_note(node);
    std::string svg = "<g class=\"" + classes + "\" data-screen=\"" + screen_id(node.code) + "\">";
    if (node.code != 0) svg += "<a href=\"#" + screen_id(node.code) + "\">";
    svg += "<rect x=\"" + n(r.x) + "\" y=\"" + n(r.y) + "\" width=\"" + n(r.width) +
           "\" height=\"" + n(r.height) + "\" rx=\"6\"/>";
    svg += "<text class=\"name\" x=\"" + n(r.x + 8) + "\" y=\"" + n(r.y + 15) + "\">" +
           escape_html(node.name) + "</text>";
    const std::string detail =
        node.detail.size() > 22 ? node.detail.substr(0, 21) + "\x85" : node.detail;
    svg += "<text class=\"detail\" x=\"" + n(r.x + 8) + "\" y=\"" + n(r.y + 27) + "\">" +
           html_from_cp1252(detail) + "</text>";
    svg += "<text class=\"note\" x=\"" + n(r.x + 8) + "\" y=\"" + n(r.y + 37) + "\">" +
           escape_html(note) + "</text>";
    if (node.code != 0) svg += "</a>";
    return svg + "</g>\n";
}

std::string point(ui::Point p) {
    return n(p.x) + " " + n(p.y);
}

std::string link_svg(const MapLink& link, const MapNode& from, const MapNode& to) {
    std::string classes = "link " + kind_class(link.kind);
    if (link.to_unused) classes += " to-unused";
    std::string svg = "<path class=\"" + classes + "\" data-from=\"" + screen_id(from.code) +
                      "\" data-to=\"" + screen_id(to.code) + "\" d=\"M" + point(link.start) + " Q" +
                      point(link.control) + " " + point(link.end) + "\"/>";
    svg += "<polygon class=\"head " + classes.substr(5) + "\" points=\"" + point(link.head[0]) +
           " " + point(link.head[1]) + " " + point(link.head[2]) + "\"/>";
    // Long item names are cut on the arrow, so that a busy map stays readable; the whole link is
    // the label's tooltip.
    const bool cut = link.text.size() > kLabelLength;
    svg += "<text class=\"label\" x=\"" + n(link.label.x) + "\" y=\"" + n(link.label.y) +
           "\"><title>" + html_from_cp1252(from.name + " to " + to.name + ": " + link.text) +
           "</title>" + html_from_cp1252(cut ? link.text.substr(0, kLabelLength - 1) : link.text) +
           (cut ? "&#8230;" : "") + "</text>\n";
    return svg;
}

}  // namespace

std::string application_map_svg(const preview::ApplicationMap& map) {
    std::string svg = "<svg class=\"map\" width=\"" + n(map.width) + "\" height=\"" +
                      n(map.height) + "\" viewBox=\"0 0 " + n(map.width) + " " + n(map.height) +
                      "\">\n";
    svg += "<style>" + std::string(kMapStyle) + "</style>\n";
    // Screens are drawn over the links, so that a busy map never hides a screen's name.
    for (const MapLink& link : map.links) {
        svg += link_svg(link, map.nodes[link.from], map.nodes[link.to]);
    }
    for (const MapNode& node : map.nodes) svg += node_svg(node);
    return svg + "</svg>\n";
}

preview::ApplicationMap design_map(const DesignRecords& design) {
    return preview::application_map(design.forms, design.menus, design.system);
}

void write_map_section(ReportPage& page, const ReportInput& input) {
    page.heading(2, "map", "Map of the application");
    page.paragraph(
        "Each box is a screen (main is the terminal&#8217;s own main screen, whose Run starts the "
        "start screen, drawn with a thick border); arrows are the Next links (blue), the Menu "
        "items (green) and the Esc links (grey, dashed). Red marks what needs a look: a dashed "
        "red box is a screen that the start screen does not lead to, a red arrow leads to an "
        "unused screen (a Form whose lines are all nil, a Menu without items).",
        "muted");
    page.raw("<div class=\"map-frame\">\n" + application_map_svg(design_map(input.design)) +
             "</div>\n");
}

}  // namespace tc::t73
