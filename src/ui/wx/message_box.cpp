#include "ui/wx/message_box.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <utility>
#include <vector>

#include "ui/host.h"
#include "ui/wx/client_room.h"

namespace tc::ui::wx {
namespace {

constexpr int kMessageWrapWidth = 420;  // DIP
// The window manager's title bar holds the title beside its buttons and frame.
constexpr int kTitleBarExtra = 120;  // DIP

std::vector<wxWindowID> buttons_of(unsigned style) {
    switch (style & kMbButtonMask) {
        case kMbOkCancel:
            return {wxID_OK, wxID_CANCEL};
        case kMbYesNoCancel:
            return {wxID_YES, wxID_NO, wxID_CANCEL};
        case kMbYesNo:
            return {wxID_YES, wxID_NO};
        default:
            return {wxID_OK};
    }
}

wxArtID icon_of(unsigned style) {
    switch (style & kMbIconMask) {
        case kMbIconHand:
            return wxART_ERROR;
        case kMbIconQuestion:
            return wxART_QUESTION;
        case kMbIconExclamation:
            return wxART_WARNING;
        case kMbIconAsterisk:
            return wxART_INFORMATION;
        default:
            return wxArtID();
    }
}

int result_of(int id) {
    switch (id) {
        case wxID_YES:
            return kIdYes;
        case wxID_NO:
            return kIdNo;
        case wxID_CANCEL:
            return kIdCancel;
        default:
            return kIdOk;
    }
}

}  // namespace

MessageBox::MessageBox(wxWindow* parent, const wxString& text, const wxString& title,
                       unsigned style)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE,
               kWindowName) {
    auto* body = new wxBoxSizer(wxHORIZONTAL);
    const wxArtID icon = icon_of(style);
    if (!icon.empty()) {
        const wxBitmap picture = wxArtProvider::GetBitmap(icon, wxART_MESSAGE_BOX);
        body->Add(new wxStaticBitmap(this, wxID_ANY, picture),
                  wxSizerFlags().Top().Border(wxRIGHT, FromDIP(12)));
    }
    auto* message = new wxStaticText(this, wxID_ANY, text);
    message->Wrap(FromDIP(kMessageWrapWidth));
    body->Add(message, wxSizerFlags(1).CentreVertical());

    // Without a Cancel button Esc means the only button of an OK box, and nothing otherwise.
    const std::vector<wxWindowID> ids = buttons_of(style);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    for (const wxWindowID id : ids) {
        auto* button = new wxButton(this, id);
        buttons->Add(button, wxSizerFlags().Border(wxLEFT, FromDIP(6)));
        button->Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) { EndModal(id); });
    }
    static_cast<wxButton*>(FindWindow(ids.front()))->SetDefault();
    FindWindow(ids.front())->SetFocus();
    const bool has_cancel = FindWindow(wxID_CANCEL) != nullptr;
    SetEscapeId(has_cancel ? wxID_CANCEL : ids.size() == 1 ? wxID_OK : wxID_NONE);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(body, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(14)));
    layout->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(12)));
    wxFont title_font = GetFont().Bold();
    int title_width = 0;
    GetTextExtent(title, &title_width, nullptr, nullptr, nullptr, &title_font);
    layout->SetMinSize(wxSize(title_width + FromDIP(kTitleBarExtra), -1));
    SetSizerAndFit(layout);
    keep_client_room(*this, [layout] { return layout->GetMinSize(); });
    Centre();
}

int MessageBox::run() {
    return result_of(ShowModal());
}

}  // namespace tc::ui::wx
