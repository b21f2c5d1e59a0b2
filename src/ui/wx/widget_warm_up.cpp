#include "ui/wx/widget_warm_up.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/wx/dialog_font.h"

namespace tc::ui::wx {

void warm_up_sheet_widgets(wxWindow& parent) {
    auto* dialog = new wxDialog(&parent, wxID_ANY, wxString());
    dialog->SetFont(dialog_font());
    auto* tabs = new wxNotebook(dialog, wxID_ANY);
    auto* page = new wxPanel(tabs);
    tabs->AddPage(page, "-");
    new wxStaticText(page, wxID_ANY, "-");
    new wxTextCtrl(page, wxID_ANY);
    new wxCheckBox(page, wxID_ANY, "-");
    new wxRadioButton(page, wxID_ANY, "-");
    new wxChoice(page, wxID_ANY);
    new wxListBox(page, wxID_ANY);
    new wxButton(page, wxID_ANY, "-");
    new wxStaticBox(page, wxID_ANY, "-");
    dialog->Destroy();
}

}  // namespace tc::ui::wx
