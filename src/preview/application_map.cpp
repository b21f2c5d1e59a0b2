#include "preview/application_map.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <utility>

#include "preview/walkthrough.h"
#include "texts/text_slot.h"

namespace tc::preview {
namespace {

constexpr std::size_t kScreenCodes = 1 + kFormCount + kMenuCount;
constexpr int kNodeWidth = 150;
constexpr int kNodeHeight = 40;
constexpr int kColumnStep = 230;
constexpr int kRowStep = 70;
constexpr int kMargin = 20;
constexpr int kTopMargin = 50;  // room for the arches of screens that lead to themselves

struct Link {
    Byte to;
    LinkKind kind;
    std::string label;
};

bool is_form(Byte code) {
    return code >= 1 && code <= kFormCount;
}

bool is_menu(Byte code) {
    return code > kFormCount && code <= kFormCount + kMenuCount;
}

class MapBuilder {
  public:
    MapBuilder(std::span<const FormRecord, kFormCount> forms,
               std::span<const MenuRecord, kMenuCount> menus)
        : forms_(forms), menus_(menus) {}

    bool in_use(Byte code) const {
        if (is_form(code)) {
            return std::ranges::any_of(forms_[code - 1].data_type,
                                       [](Byte type) { return type != kTypeNil; });
        }
        if (is_menu(code)) {
            const MenuRecord& menu = menus_[code - kFormCount - 1];
            return std::ranges::any_of(menu.item_name,
                                       [](const auto& name) { return name[0] != 0; });
        }
        return code == 0;
    }

    std::vector<Link> links_of(Byte code, Byte start) const {
        if (code == 0) return {{start, LinkKind::Next, "Run"}};
        if (is_form(code)) {
            const FormRecord& form = forms_[code - 1];
            return {{form.esc_target, LinkKind::Esc, "Esc"},
                    {form.next_target, LinkKind::Next, "Next"}};
        }
        const MenuRecord& menu = menus_[code - kFormCount - 1];
        std::vector<Link> links{{menu.esc_target, LinkKind::Esc, "Esc"}};
        int number = 0;
        for (std::size_t item = 0; item < kMenuItems; ++item) {
            if (menu.item_name[item][0] == 0) continue;
            links.push_back({menu.item_target[item], LinkKind::Item,
                             std::to_string(++number) + ". " + slot_text(menu.item_name[item])});
        }
        return links;
    }

    std::string name(Byte code) const {
        if (code == 0) return "main";
        if (is_form(code)) return "Form " + std::to_string(code);
        return "Menu " + std::to_string(code - kFormCount);
    }

    std::string detail(Byte code) const {
        if (is_menu(code)) {
            const MenuRecord& menu = menus_[code - kFormCount - 1];
            return menu.caption_on != 0 ? slot_text(menu.caption) : std::string();
        }
        if (!is_form(code)) return {};
        for (const auto& prompt : forms_[code - 1].prompt) {
            if (prompt[0] != 0) return slot_text(prompt);
        }
        return {};
    }

  private:
    std::span<const FormRecord, kFormCount> forms_;
    std::span<const MenuRecord, kMenuCount> menus_;
};

struct Spot {
    double x;
    double y;
};

Spot centre(const ui::Rect& r) {
    return {r.x + r.width / 2.0, r.y + r.height / 2.0};
}

ui::Point point(Spot s) {
    return ui::Point{static_cast<int>(std::lround(s.x)), static_cast<int>(std::lround(s.y))};
}

// Where the line from the middle of `r` towards `to` leaves the box.
Spot border_towards(const ui::Rect& r, Spot to) {
    const Spot c = centre(r);
    const double dx = to.x - c.x;
    const double dy = to.y - c.y;
    const double sx = dx == 0 ? 1e9 : (r.width / 2.0) / std::abs(dx);
    const double sy = dy == 0 ? 1e9 : (r.height / 2.0) / std::abs(dy);
    const double s = std::min(sx, sy);
    return {c.x + dx * s, c.y + dy * s};
}

// The arrow head points along the curve's last direction, from the control point to the end.
void place_head(MapLink& link) {
    const double dx = link.end.x - link.control.x;
    const double dy = link.end.y - link.control.y;
    const double length = std::max(1.0, std::hypot(dx, dy));
    const Spot along{dx / length, dy / length};
    const Spot back{link.end.x - 8 * along.x, link.end.y - 8 * along.y};
    link.head = {link.end, point({back.x - 4 * along.y, back.y + 4 * along.x}),
                 point({back.x + 4 * along.y, back.y - 4 * along.x})};
}

// The curve of a link; the `repeat`th link between the same two screens bends further.
void place_link(MapLink& link, const ui::Rect& from, const ui::Rect& to, int repeat) {
    if (link.from == link.to) {
        // A screen that leads to itself: an arch over its right end.
        const int x = from.x + from.width - 34 - repeat * 14;
        link.start = {x, from.y};
        link.control = {x + 12, from.y - 40};
        link.end = {x + 24, from.y};
        link.label = {x + 26, from.y - 14};
        place_head(link);
        return;
    }
    // Links bend to their right, so that a link and its way back stay apart.
    const Spot a0 = centre(from);
    const Spot b0 = centre(to);
    const double dx = b0.x - a0.x;
    const double dy = b0.y - a0.y;
    const double length = std::max(1.0, std::hypot(dx, dy));
    const double bend = 22.0 + 16.0 * repeat;
    const Spot control{(a0.x + b0.x) / 2 - dy / length * bend,
                       (a0.y + b0.y) / 2 + dx / length * bend};
    const Spot a = border_towards(from, control);
    const Spot b = border_towards(to, control);
    link.start = point(a);
    link.control = point(control);
    link.end = point(b);
    link.label = point({(a.x + 2 * control.x + b.x) / 4, (a.y + 2 * control.y + b.y) / 4});
    place_head(link);
}

}  // namespace

std::string node_note(const MapNode& node) {
    std::string note = node.start ? "start" : "";
    if (!node.reachable) note = "not reached from the start";
    if (node.unused) note += std::string(note.empty() ? "" : "; ") + "unused";
    return note;
}

ApplicationMap application_map(std::span<const FormRecord, kFormCount> forms,
                               std::span<const MenuRecord, kMenuCount> menus,
                               const SystemSettingsRecord& system) {
    const MapBuilder builder(forms, menus);
    const Byte start = start_screen_code(system);
    const auto valid = [](Byte code) { return code < kScreenCodes; };

    // Steps from the start screen (main one step before it); -1 for screens not reached.
    std::array<int, kScreenCodes> depth;
    depth.fill(-1);
    std::deque<Byte> queue{start};
    depth[start] = 1;
    while (!queue.empty()) {
        const Byte code = queue.front();
        queue.pop_front();
        for (const Link& link : builder.links_of(code, start)) {
            if (!valid(link.to) || depth[link.to] >= 0) continue;
            depth[link.to] = link.to == 0 ? 0 : depth[code] + 1;
            queue.push_back(link.to);
        }
    }
    // The screens drawn: reached ones, main, and those in use; then what they link to.
    std::array<bool, kScreenCodes> drawn{};
    for (Byte code = 0; code < kScreenCodes; ++code) {
        drawn[code] = code == 0 || depth[code] >= 0 || builder.in_use(code);
    }
    for (Byte code = 0; code < kScreenCodes; ++code) {
        if (!drawn[code] || depth[code] >= 0) continue;
        for (const Link& link : builder.links_of(code, start)) {
            if (valid(link.to)) drawn[link.to] = true;
        }
    }

    ApplicationMap map;
    int last_column = 0;
    for (const int d : depth) last_column = std::max(last_column, d);
    std::map<int, int> rows_in_column;
    std::array<std::size_t, kScreenCodes> node_of{};
    for (Byte code = 0; code < kScreenCodes; ++code) {
        if (!drawn[code]) continue;
        const bool reachable = depth[code] >= 0 || code == 0;
        const int column = depth[code] >= 0 ? depth[code] : code == 0 ? 0 : last_column + 1;
        const int row = rows_in_column[column]++;
        node_of[code] = map.nodes.size();
        map.nodes.push_back({code, builder.name(code), builder.detail(code),
                             ui::Rect{kMargin + column * kColumnStep, kTopMargin + row * kRowStep,
                                      kNodeWidth, kNodeHeight},
                             code == start, reachable, code != 0 && !builder.in_use(code)});
        map.width = std::max(map.width, map.nodes.back().rect.x + kNodeWidth + kMargin);
        map.height = std::max(map.height, map.nodes.back().rect.y + kNodeHeight + kMargin);
    }
    std::map<std::pair<std::size_t, std::size_t>, int> repeats;
    for (const MapNode& node : map.nodes) {
        for (const Link& link : builder.links_of(node.code, start)) {
            if (!valid(link.to) || !drawn[link.to]) continue;
            MapLink& drawn_link = map.links.emplace_back(
                MapLink{node_of[node.code], node_of[link.to], link.kind, link.label,
                        link.to != 0 && !builder.in_use(link.to)});
            const int repeat = repeats[{drawn_link.from, drawn_link.to}]++;
            place_link(drawn_link, node.rect, map.nodes[drawn_link.to].rect, repeat);
        }
    }
    return map;
}

}  // namespace tc::preview
