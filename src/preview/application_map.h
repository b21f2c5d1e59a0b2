#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "forms/form_record.h"
#include "menus/menu_record.h"
#include "settings/system_settings_record.h"
#include "ui/geometry.h"

namespace tc::preview {

// The map of a designed application: its screens and the links between them, laid out in
// columns by how many steps each screen is from the start screen.
struct MapNode {
    Byte code;           // screen code: 0 main, 1-20 Form, 21-30 Menu
    std::string name;    // "main", "Form 3", "Menu 1"
    std::string detail;  // the Menu's caption, the Form's first prompt
    ui::Rect rect;
    bool start = false;
    bool reachable = true;  // from the start screen by its links
    bool unused = false;    // a Form with only "nil" lines, or a Menu without items
};

enum class LinkKind { Esc, Next, Item };

// A link is drawn as a quadratic curve from `start` through the pull of `control` to `end`, with
// the arrow head `head` there; `label` is where its text stands.
struct MapLink {
    std::size_t from;  // node indexes
    std::size_t to;
    LinkKind kind;
    std::string text;        // "Esc", "Next", "Run", or the item's number and name
    bool to_unused = false;  // leads to an unused screen
    ui::Point start{};
    ui::Point control{};
    ui::Point end{};
    ui::Point label{};
    std::array<ui::Point, 3> head{};
};

// The note under a screen's name: "start", "not reached from the start", "unused".
std::string node_note(const MapNode& node);

struct ApplicationMap {
    std::vector<MapNode> nodes;
    std::vector<MapLink> links;
    int width = 0;
    int height = 0;
};

// Draws main, the start screen and every screen that is in use (a Form with a line that is not
// "nil", a Menu with a named item) or that a drawn screen links to. main runs the start screen.
ApplicationMap application_map(std::span<const FormRecord, kFormCount> forms,
                               std::span<const MenuRecord, kMenuCount> menus,
                               const SystemSettingsRecord& system);

}  // namespace tc::preview
