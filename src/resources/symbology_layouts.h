#pragma once

#include "ui/dialog_template.h"

namespace tc::symbology {
struct Member;
}

namespace tc::resources {

// The layout of a symbology parameter dialog, built from the member's controls: one row per check
// box, a label above each list, a label in front of each edit, a box around each radio group and
// OK and Cancel at the bottom. Control identifiers are those of symbology::control_id.
const ui::DialogTemplate& symbology_layout(const symbology::Member& member);

}  // namespace tc::resources
