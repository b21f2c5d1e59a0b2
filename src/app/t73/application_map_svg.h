#pragma once

#include <string>

#include "app/t73/design_check.h"
#include "app/t73/report_html.h"
#include "preview/application_map.h"

namespace tc::t73 {

// The map of the application as an SVG image: screens as boxes (linked to their sections of the
// report), Esc, Next and item links as arrows; screens that the start screen does not lead to and
// links to unused screens are drawn in red.
std::string application_map_svg(const preview::ApplicationMap& map);

// The map of a design's records.
preview::ApplicationMap design_map(const DesignRecords& design);

// The report's section with the map and its key.
void write_map_section(ReportPage& page, const ReportInput& input);

}  // namespace tc::t73
