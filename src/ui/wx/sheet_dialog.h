#pragma once

#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/panel.h>

#include <memory>
#include <vector>

#include "ui/property_sheet.h"
#include "ui/wx/dialog_widgets.h"

namespace tc::ui::wx {

// What a sheet window shows whatever the design: its pages' layouts and every caption in the
// language of the moment. A window serves any sheet of the same look.
struct SheetLook {
    wxString ok;
    wxString cancel;
    std::vector<const DialogTemplate*> layouts;
    std::vector<wxString> captions;  // the page titles and the captions of their layouts

    bool operator==(const SheetLook&) const = default;
};

// `texts` gives the pages' captions; `ok` and `cancel` are the captions of the two buttons.
SheetLook sheet_look(const PropertySheet& sheet, const TextSource& texts, const wxString& ok,
                     const wxString& cancel);

// The editor sheet as a real window: a tab for each page and OK and Cancel below. A page's
// widgets are built the first time its tab is shown, when the sheet creates the page. A window
// may be built ahead for a sheet made for the purpose and, never shown, run a later sheet of the
// same look: the widgets built are then attached to that sheet's pages.
class SheetDialog : public wxDialog {
  public:
    // Window names, so that a test driver can find the sheet and its tabs.
    static constexpr const char* kWindowName = "tc_editor_sheet";
    static constexpr const char* kTabsName = "tc_editor_sheet_tabs";

    // For the created `sheet`; `texts` gives the pages' captions.
    SheetDialog(wxWindow* parent, PropertySheet& sheet, const TextSource& texts, SheetLook look);
    ~SheetDialog() override;

    const SheetLook& look() const { return look_; }

    // Takes over another created sheet of the same look (the window has not been shown).
    void attach(PropertySheet& sheet);
    // Builds the sheet's current page and sizes the window, without showing it.
    void prepare();
    // Runs the sheet until OK or Cancel and lets go of it; returns the sheet's result.
    int run();
    // Lets go of the sheet: nothing reaches it any more.
    void release();

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
    // Nothing reaches the pages any more: the sheet has ended or is let go.
    void detach_pages();

    PropertySheet* sheet_;
    SheetLook look_;
    wxNotebook* tabs_ = nullptr;
    std::vector<wxPanel*> panels_;
    std::vector<std::unique_ptr<DialogWidgets>> pages_;
    bool ending_ = false;
};

}  // namespace tc::ui::wx
