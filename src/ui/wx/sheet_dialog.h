#pragma once

#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/panel.h>

#include <memory>
#include <vector>

#include "ui/property_sheet.h"
#include "ui/wx/dialog_widgets.h"

namespace tc::ui::wx {

// The editor sheet as a real window: a tab for each page and OK and Cancel below. A page's
// widgets are built the first time its tab is shown, when the sheet creates the page.
class SheetDialog : public wxDialog {
  public:
    // Window names, so that a test driver can find the sheet and its tabs.
    static constexpr const char* kWindowName = "tc_editor_sheet";
    static constexpr const char* kTabsName = "tc_editor_sheet_tabs";

    // `texts` gives the pages' captions; `ok` and `cancel` are the captions of the two buttons.
    SheetDialog(wxWindow* parent, PropertySheet& sheet, const TextSource& texts, const wxString& ok,
                const wxString& cancel);
    ~SheetDialog() override;

    // Runs the created sheet until OK or Cancel; returns the sheet's result.
    int run();

    // The widgets of page `index`, null until the page is built. A test driver acts on the page
    // through them, so that the sheet copies what changed to the widgets as after a user's event.
    DialogWidgets* page_widgets(std::size_t index) const {
        return index < pages_.size() ? pages_[index].get() : nullptr;
    }

  private:
    void show_page(std::size_t index);
    void build_page(std::size_t index);
    void after_event();
    void end_if_ended();

    PropertySheet& sheet_;
    wxNotebook* tabs_ = nullptr;
    std::vector<wxPanel*> panels_;
    std::vector<std::unique_ptr<DialogWidgets>> pages_;
    bool ending_ = false;
};

}  // namespace tc::ui::wx
