#pragma once

#include <wx/dialog.h>

#include <memory>

#include "ui/dialog.h"
#include "ui/wx/dialog_widgets.h"

namespace tc::ui::wx {

// A real dialog window for one created ui::Dialog, laid out from its template.
class ModalDialog : public wxDialog {
  public:
    ModalDialog(wxWindow* parent, Dialog& dialog);
    ~ModalDialog() override;

    // Tells the dialog it is shown, then runs it until it ends; returns its result.
    int run();

  private:
    void after_event();

    Dialog& dialog_;
    std::unique_ptr<DialogWidgets> widgets_;
};

}  // namespace tc::ui::wx
