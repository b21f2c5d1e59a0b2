#pragma once

#include "preview/application_map.h"
#include "ui/dialog.h"
#include "ui/dialog_template.h"

namespace tc::shell {

// The dialog's layout depends on the map's size; it is held here, ahead of the dialog that reads
// it.
struct MapDialogLayout {
    ui::DialogTemplate map_layout;
};

// Shows the map of the application: its screens and their Esc, Next and item links.
class ApplicationMapDialog : private MapDialogLayout, public ui::Dialog {
  public:
    explicit ApplicationMapDialog(preview::ApplicationMap map);
    void paint_area(int id, ui::Painter& painter, ui::Rect area) const override;

  private:
    preview::ApplicationMap map_;
};

}  // namespace tc::shell
