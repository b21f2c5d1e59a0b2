#include "ui/wx/widget_warm_up.h"

#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/panel.h>

#include "ui/wx/dialog_font.h"
#include "ui/wx/dialog_widgets.h"

namespace tc::ui::wx {

void warm_up_sheet_widgets(wxWindow& parent) {
    auto* dialog = new wxDialog(&parent, wxID_ANY, wxString());
    dialog->SetFont(dialog_font());
    auto* tabs = new wxNotebook(dialog, wxID_ANY);
    auto* page = new wxPanel(tabs);
    tabs->AddPage(page, "-");
    // Every kind of control, made as the dialogs make them (the kinds run from Label to
    // CustomArea).
    for (int kind = 0; kind <= static_cast<int>(ControlKind::CustomArea); ++kind) {
        Control control;
        control.kind = static_cast<ControlKind>(kind);
        control.text = "-";
        make_widget(control, *page, wxDefaultPosition, wxDefaultSize);
    }
    dialog->Destroy();
}

}  // namespace tc::ui::wx
