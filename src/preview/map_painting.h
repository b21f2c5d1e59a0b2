#pragma once

#include "preview/application_map.h"
#include "ui/painter.h"

namespace tc::preview {

// Draws the map with its top left corner at `origin`, in the colours of its SVG form.
void paint_application_map(ui::Painter& painter, const ApplicationMap& map, ui::Point origin);

}  // namespace tc::preview
