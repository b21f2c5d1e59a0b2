#include "ui/wx/sheet_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include <utility>

#include "ui/host.h"
#include "ui/wx/client_room.h"
#include "ui/wx/dialog_font.h"
#include "ui/wx/layout_scale.h"
#include "ui/wx/text_conversion.h"

#ifdef __WXGTK__
// From GTK, which the wxWidgets library is built on; its development files are not needed for it.
extern "C" void gtk_widget_realize(GtkWidget* widget);
#endif

namespace tc::ui::wx {

SheetLook sheet_look(const PropertySheet& sheet, const TextSource& texts, const wxString& ok,
                     const wxString& cancel) {
    SheetLook look{ok, cancel, {}, {}};
    for (std::size_t i = 0; i < sheet.page_count(); ++i) {
        look.captions.push_back(to_display(sheet.page_title(i)));
        const DialogTemplate* layout = sheet.page_layout(i);
        look.layouts.push_back(layout);
        if (layout == nullptr) continue;
        for (const ShownCaption& c : shown_captions(*layout, texts))
            look.captions.push_back(c.text);
    }
    return look;
}

SheetDialog::SheetDialog(wxWindow* parent, PropertySheet& sheet, const TextSource& texts,
                         SheetLook look)
    : wxDialog(parent, wxID_ANY, shown_text_to_display(sheet.caption()), wxDefaultPosition,
               wxDefaultSize, wxDEFAULT_DIALOG_STYLE, kWindowName),
      sheet_(&sheet),
      look_(std::move(look)) {
    SetFont(dialog_font());
    tabs_ = new wxNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, kTabsName);
    for (std::size_t i = 0; i < sheet.page_count(); ++i) {
        auto* panel = new wxPanel(tabs_);
        // Every page holds its room from the start: the sheet has its final size when first shown.
        if (const DialogTemplate* layout = sheet.page_layout(i)) {
            const LayoutScale scale = fit_layout_scale(shown_captions(*layout, texts), *panel);
            panel->SetMinSize(scale.size(layout->width, layout->height));
        }
        tabs_->AddPage(panel, to_display(sheet.page_title(i)));
        panels_.push_back(panel);
    }
    pages_.resize(sheet.page_count());
    tabs_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
        if (event.GetEventObject() != tabs_ || event.GetSelection() == wxNOT_FOUND) return;
        show_page(static_cast<std::size_t>(event.GetSelection()));
    });

    auto* buttons = new wxStdDialogButtonSizer();
    auto* ok = new wxButton(this, wxID_OK, look_.ok);
    auto* cancel = new wxButton(this, wxID_CANCEL, look_.cancel);
    ok->SetDefault();
    buttons->AddButton(ok);
    buttons->AddButton(cancel);
    buttons->Realize();
    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (sheet_ == nullptr) return;
        // What was just typed belongs to the pages that take over.
        for (auto& page : pages_) {
            if (page) page->deliver_pending();
        }
        sheet_->user_presses_ok();
        end_if_ended();
    });
    const auto cancel_sheet = [this] {
        if (sheet_ == nullptr) return;
        sheet_->user_presses_cancel();
        end_if_ended();
    };
    cancel->Bind(wxEVT_BUTTON, [cancel_sheet](wxCommandEvent&) { cancel_sheet(); });
    Bind(wxEVT_CLOSE_WINDOW, [cancel_sheet](wxCloseEvent&) { cancel_sheet(); });

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(tabs_, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(7)));
    layout->Add(buttons, wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(7)));
    SetSizer(layout);
    keep_client_room(*this, [this] { return GetSizer()->GetMinSize(); });
}

// The widgets go before the objects that handle their events (a widget losing the focus as it is
// destroyed still reports it).
SheetDialog::~SheetDialog() {
    DestroyChildren();
}

void SheetDialog::attach(PropertySheet& sheet) {
    sheet_ = &sheet;
    ending_ = false;
    SetTitle(shown_text_to_display(sheet.caption()));
    tabs_->ChangeSelection(sheet.current_page());
}

void SheetDialog::prepare() {
    if (sheet_->page_count() > 0) build_page(sheet_->current_page());
    after_event();
    Layout();
    Fit();
    Centre();
#ifdef __WXGTK__
    // A window that exists on the display is shown at once; one that does not is first made, and
    // then shown only after the window manager has told the size of its frame.
    gtk_widget_realize(GetHandle());
#endif
}

int SheetDialog::run() {
    prepare();
    if (!sheet_->ended()) ShowModal();
    const int result = sheet_->result();
    release();
    return result;
}

void SheetDialog::release() {
    detach_pages();
    sheet_ = nullptr;
}

void SheetDialog::detach_pages() {
    ending_ = true;
    for (auto& page : pages_) {
        if (page) page->detach();
    }
}

void SheetDialog::show_page(std::size_t index) {
    if (ending_) return;
    sheet_->show_page(index);
    build_page(index);
    after_event();
}

void SheetDialog::build_page(std::size_t index) {
    Page* page = sheet_->page(index);
    if (page == nullptr) return;
    if (pages_[index] && (pages_[index]->shows(*page) || pages_[index]->attach(*page))) return;
    wxPanel& panel = *panels_[index];
    // What an earlier sheet left that cannot serve this page (captions of another scale).
    panel.DestroyChildren();
    pages_[index] = std::make_unique<DialogWidgets>(*page, panel, [this] { after_event(); });
    // Captions set as the page was made may need more room than its layout's own.
    const DialogTemplate& layout = page->layout();
    const wxSize needed = pages_[index]->scale().size(layout.width, layout.height);
    if (panel.GetMinSize().x >= needed.x && panel.GetMinSize().y >= needed.y) return;
    panel.SetMinSize(needed);
    Layout();
    Fit();
}

void SheetDialog::after_event() {
    // A change on one page may concern another (the reader kind, the image capture switch).
    for (auto& page : pages_) {
        if (page) page->sync();
    }
    end_if_ended();
}

void SheetDialog::end_if_ended() {
    if (sheet_ == nullptr || !sheet_->ended() || ending_) return;
    detach_pages();
    if (IsModal()) EndModal(sheet_->result());
}

}  // namespace tc::ui::wx
