#include "ui/wx/modal_dialog.h"

#include "ui/host.h"
#include "ui/wx/client_room.h"
#include "ui/wx/dialog_font.h"
#include "ui/wx/text_conversion.h"

namespace tc::ui::wx {

ModalDialog::ModalDialog(wxWindow* parent, Dialog& dialog)
    : wxDialog(parent, wxID_ANY, to_display(dialog.title()), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE,
               wxString::FromAscii(dialog.layout().name.data(), dialog.layout().name.size())),
      dialog_(dialog) {
    SetFont(dialog_font());
    widgets_ = std::make_unique<DialogWidgets>(dialog_, *this, [this] { after_event(); });
    const wxSize room = widgets_->scale().size(dialog.layout().width, dialog.layout().height);
    SetClientSize(room);
    keep_client_room(*this, [room] { return room; });
    // Esc and the close box are the Cancel command, also for a dialog without a Cancel button.
    const auto cancel = [this] { widgets_->forward([this] { dialog_.user_clicks(kIdCancel); }); };
    Bind(wxEVT_CLOSE_WINDOW, [cancel](wxCloseEvent&) { cancel(); });
    Bind(wxEVT_CHAR_HOOK, [cancel](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) return cancel();
        event.Skip();
    });
    Centre();
}

// The widgets go before the objects that handle their events (a widget losing the focus as it is
// destroyed still reports it).
ModalDialog::~ModalDialog() {
    DestroyChildren();
}

int ModalDialog::run() {
    dialog_.shown();
    widgets_->sync();
    after_event();
    if (!dialog_.ended()) ShowModal();
    widgets_->detach();
    return dialog_.result();
}

void ModalDialog::after_event() {
    const wxString title = to_display(dialog_.title());
    if (GetTitle() != title) SetTitle(title);
    if (!dialog_.ended()) return;
    widgets_->detach();
    if (IsModal()) EndModal(dialog_.result());
}

}  // namespace tc::ui::wx
