#include "shell/application_map_dialog.h"

#include <algorithm>

#include "preview/map_painting.h"
#include "ui/host.h"

namespace tc::shell {
namespace {

constexpr int kTextMapTitle = 2512;
constexpr int kMapArea = 100;
constexpr int kMostWidth = 1000;
constexpr int kMostHeight = 640;
constexpr int kButtonRow = 44;

// The dialog fits the map up to a size that fits a screen; a larger map is cut at its right and
// bottom edges.
ui::DialogTemplate layout_for(const preview::ApplicationMap& map) {
    const int width = std::clamp(map.width, 320, kMostWidth);
    const int height = std::clamp(map.height, 120, kMostHeight);
    return ui::DialogTemplate{
        "MAPDLG",
        ui::Caption{kTextMapTitle},
        width,
        height + kButtonRow,
        {
            {kMapArea, ui::ControlKind::CustomArea, ui::Caption{}, ui::Rect{0, 0, width, height}},
            {ui::kIdOk, ui::ControlKind::Button, ui::Caption{-1, "OK"},
             ui::Rect{width - 92, height + 10, 80, 24}, 0, ui::kStyleDefaultButton},
        },
    };
}

}  // namespace

ApplicationMapDialog::ApplicationMapDialog(preview::ApplicationMap map)
    : MapDialogLayout{layout_for(map)},
      ui::Dialog(MapDialogLayout::map_layout),
      map_(std::move(map)) {}

void ApplicationMapDialog::paint_area(int id, ui::Painter& painter, ui::Rect area) const {
    if (id != kMapArea) return;
    painter.fill_rect(area, ui::Color{255, 255, 255});
    preview::paint_application_map(painter, map_, ui::Point{area.x, area.y});
}

}  // namespace tc::shell
