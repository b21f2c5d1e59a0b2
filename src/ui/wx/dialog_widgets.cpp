#include "ui/wx/dialog_widgets.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcbuffer.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#ifdef __WXGTK__
#include <glib-object.h>

// From GTK, which the wxWidgets library is built on; its development files are not needed for it.
extern "C" GtkWidget* gtk_bin_get_child(GtkWidget* bin);
extern "C" void gtk_cell_view_set_fit_model(GtkWidget* cell_view, gboolean fit_model);
#endif

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "ui/host.h"
#include "ui/wx/text_conversion.h"
#include "ui/wx/wx_painter.h"

namespace tc::ui::wx {
namespace {

// Standard buttons keep the wxWidgets identifiers so that Enter and Esc reach them.
wxWindowID widget_id(int id) {
    if (id == kIdOk) return wxID_OK;
    if (id == kIdCancel) return wxID_CANCEL;
    return wxID_ANY;
}

wxArrayString display_items(const std::vector<std::string>& items) {
    wxArrayString shown;
    shown.reserve(items.size());
    for (const std::string& item : items) shown.push_back(to_display(item));
    return shown;
}

bool same_items(const wxItemContainerImmutable& list, const wxArrayString& items) {
    if (list.GetCount() != items.size()) return false;
    for (unsigned i = 0; i < items.size(); ++i) {
        if (list.GetString(i) != items[i]) return false;
    }
    return true;
}

// The widgets of the dialogs that are open, the latest last.
std::vector<DialogWidgets*>& open_dialogs() {
    static std::vector<DialogWidgets*> open;
    return open;
}

// The keys that controls of the program's own may take, by key code and modifiers.
struct KeyOfCode {
    int code;
    int modifiers;
    Key key;
};
constexpr KeyOfCode kKeys[] = {
    {WXK_LEFT, wxMOD_NONE, Key::Left},
    {WXK_RIGHT, wxMOD_NONE, Key::Right},
    {WXK_UP, wxMOD_NONE, Key::Up},
    {WXK_DOWN, wxMOD_NONE, Key::Down},
    {WXK_SPACE, wxMOD_NONE, Key::Space},
    {WXK_RETURN, wxMOD_NONE, Key::Enter},
    {WXK_NUMPAD_ENTER, wxMOD_NONE, Key::Enter},
    {WXK_F4, wxMOD_NONE, Key::F4},
    {WXK_DOWN, wxMOD_ALT, Key::AltDown},
};

std::optional<Key> key_of(const wxKeyEvent& event) {
    for (const KeyOfCode& k : kKeys) {
        if (event.GetKeyCode() == k.code && event.GetModifiers() == k.modifiers) return k.key;
    }
    return std::nullopt;
}

#ifdef __WXGTK__
// GTK's drop-down list reports the opening of its list only as a change of a property.
void list_shown_changed(GObject* list, GParamSpec*, gpointer opened) {
    gboolean shown = FALSE;
    g_object_get(list, "popup-shown", &shown, nullptr);
    if (shown) (*static_cast<std::function<void()>*>(opened))();
}
#endif

}  // namespace

DialogWidgets::DialogWidgets(Dialog& dialog, wxWindow& parent, std::function<void()> after_event)
    : dialog_(&dialog),
      layout_(dialog.layout()),
      parent_(parent),
      after_event_(std::move(after_event)),
      scale_(fit_layout_scale(shown_captions(dialog), parent)) {
    // Group boxes first, so that they lie beneath the controls they frame.
    for (const Control& c : dialog.controls()) {
        if (c.kind == ControlKind::GroupBox) build(c);
    }
    for (const Control& c : dialog.controls()) {
        if (c.kind != ControlKind::GroupBox) build(c);
    }
    apply_radio_groups();
    open_dialogs().push_back(this);
}

DialogWidgets::~DialogWidgets() {
    std::erase(open_dialogs(), this);
}

void DialogWidgets::sync_open_dialogs() {
    for (DialogWidgets* widgets : open_dialogs()) widgets->sync();
}

bool DialogWidgets::attach(Dialog& dialog) {
    if (&dialog.layout() != &layout_) return false;
    const LayoutScale scale = fit_layout_scale(shown_captions(dialog), parent_);
    if (scale.x != scale_.x || scale.y != scale_.y) return false;
    dialog_ = &dialog;
    attached_ = true;
    typed_.clear();
    queued_.clear();
    for (const Control& c : dialog.controls()) apply(c, *widgets_.at(c.id));
    apply_radio_groups();
    if (wxWindow* focus = widget(dialog.focused())) focus->SetFocus();
    return true;
}

wxWindow* DialogWidgets::widget(int id) const {
    const auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

namespace {

// The native widget of control `c`, placed at `pos` in `parent`, before any state or event.
wxWindow* make_widget(const Control& c, wxWindow& parent, wxPoint pos, wxSize size) {
    const wxString caption = to_display(c.text);
    wxWindow* widget = nullptr;
    switch (c.kind) {
        case ControlKind::Label: {
            long style = wxST_NO_AUTORESIZE;
            if ((c.style & kStyleSunken) != 0) style |= wxBORDER_SUNKEN;
            widget = new wxStaticText(&parent, wxID_ANY, caption, pos, size, style);
            break;
        }
        case ControlKind::Edit:
        case ControlKind::CodeField: {
            long style = 0;
            if ((c.style & kStylePassword) != 0) style |= wxTE_PASSWORD;
            if ((c.style & kStyleReadOnly) != 0 || c.kind == ControlKind::CodeField) {
                style |= wxTE_READONLY;
            }
            auto* edit = new wxTextCtrl(&parent, wxID_ANY, wxString(), pos, size, style);
            edit->ChangeValue(caption);
            widget = edit;
            break;
        }
        case ControlKind::CheckBox:
            widget = new wxCheckBox(&parent, wxID_ANY, caption, pos, size);
            break;
        case ControlKind::RadioButton:
            widget = new wxRadioButton(&parent, wxID_ANY, caption, pos, size,
                                       (c.style & kStyleGroupStart) != 0 ? wxRB_GROUP : 0);
            break;
        case ControlKind::DropDownList:
            widget = new wxChoice(&parent, wxID_ANY, pos, size);
#ifdef __WXGTK__
            // GTK measures every item of a list each time a window is laid out, which made the
            // Form page's fifty lists hold up the sheet for a tenth of a second; the width comes
            // from the layout, so the list measures only the item it shows.
            if (GtkWidget* shown = gtk_bin_get_child(widget->GetHandle())) {
                gtk_cell_view_set_fit_model(shown, FALSE);
            }
#endif
            break;
        case ControlKind::ListBox:
            widget = new wxListBox(&parent, wxID_ANY, pos, size, wxArrayString(), wxLB_SINGLE);
            break;
        case ControlKind::Button: {
            auto* button = new wxButton(&parent, widget_id(c.id), caption, pos, size);
            if ((c.style & kStyleDefaultButton) != 0) button->SetDefault();
            widget = button;
            break;
        }
        case ControlKind::GroupBox:
            widget = new wxStaticBox(&parent, wxID_ANY, caption, pos, size);
            break;
        case ControlKind::CustomArea:
            widget = new wxPanel(&parent, wxID_ANY, pos, size, wxFULL_REPAINT_ON_RESIZE);
            widget->SetBackgroundStyle(wxBG_STYLE_PAINT);
            // An area that hears no keys is no Tab stop.
            widget->SetCanFocus((c.style & kStyleTakesKeys) != 0);
            break;
    }
    return widget;
}

}  // namespace

void DialogWidgets::build(const Control& c) {
    const wxSize size = scale_.size(c.rect.width, c.rect.height);
    wxWindow* widget = make_widget(c, parent_, scale_.point(c.rect.x, c.rect.y), size);
    if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) {
        // GTK draws a box or button smaller than its indicator wrongly (a bare key field radio).
        wxSize fitted = size;
        fitted.IncTo(widget->GetBestSize());
        widget->SetSize(fitted);
    }
    widgets_[c.id] = widget;
    apply(c, *widget);
    bind_events(c, *widget);
}

void DialogWidgets::bind_events(const Control& c, wxWindow& widget) {
    const int id = c.id;
    switch (c.kind) {
        case ControlKind::Edit:
            widget.Bind(wxEVT_TEXT, [this, id](wxCommandEvent&) { text_changed(id); });
            break;
        case ControlKind::CodeField:
            widget.Bind(wxEVT_LEFT_DOWN, [this, id](wxMouseEvent& event) {
                event.Skip();  // the field takes the focus as a plain edit does
                parent_.CallAfter(
                    [this, id] { forward([this, id] { dialog_->user_clicks(id); }); });
            });
            bind_keys(id, widget);
            break;
        case ControlKind::CheckBox:
            widget.Bind(wxEVT_CHECKBOX, [this, id](wxCommandEvent&) {
                forward([this, id] { dialog_->user_clicks(id); }, id);
            });
            break;
        case ControlKind::RadioButton:
            widget.Bind(wxEVT_RADIOBUTTON, [this, id](wxCommandEvent&) {
                forward([this, id] { dialog_->user_clicks(id); }, id);
            });
            break;
        case ControlKind::Button:
            widget.Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) {
                forward([this, id] { dialog_->user_clicks(id); });
            });
            break;
        case ControlKind::DropDownList: {
            std::function<void()>& opened = list_opened_[id];
            opened = [this, id] { forward([this, id] { dialog_->user_opens_dropdown(id); }); };
#ifdef __WXGTK__
            g_signal_connect(widget.GetHandle(), "notify::popup-shown",
                             G_CALLBACK(list_shown_changed), &opened);
#else
            // The native list is opened by the mouse or a key only once it has the focus.
            widget.Bind(wxEVT_SET_FOCUS, [&opened](wxFocusEvent& event) {
                event.Skip();
                opened();
            });
#endif
            widget.Bind(wxEVT_CHOICE, [this, id](wxCommandEvent& event) {
                const int index = event.GetSelection();
                forward([this, id, index] { dialog_->user_chooses(id, index); }, id);
            });
            break;
        }
        case ControlKind::ListBox:
            widget.Bind(wxEVT_LISTBOX, [this, id](wxCommandEvent& event) {
                const int index = event.GetSelection();
                forward([this, id, index] { dialog_->user_chooses(id, index); }, id);
            });
            break;
        case ControlKind::CustomArea:
            widget.Bind(wxEVT_PAINT,
                        [this, id, &widget](wxPaintEvent&) { paint_area(id, widget); });
            widget.Bind(wxEVT_LEFT_DOWN, [this, id, &widget](wxMouseEvent& event) {
                area_clicked(id, widget, event);
            });
            // The second click of a double click comes as the double click alone.
            widget.Bind(wxEVT_LEFT_DCLICK, [this, id, &widget](wxMouseEvent& event) {
                area_clicked(id, widget, event);
            });
            bind_keys(id, widget);
            break;
        case ControlKind::Label:
        case ControlKind::GroupBox:
            break;
    }
    if (c.kind == ControlKind::Edit || c.kind == ControlKind::CodeField ||
        c.kind == ControlKind::DropDownList || c.kind == ControlKind::ListBox) {
        widget.Bind(wxEVT_KILL_FOCUS, [this, id](wxFocusEvent& event) {
            event.Skip();
            forward([this, id] { dialog_->user_leaves(id); });
        });
    }
}

void DialogWidgets::area_clicked(int id, wxWindow& area, const wxMouseEvent& event) {
    if (!attached_) return;
    if ((dialog_->control(id).style & kStyleTakesKeys) != 0) area.SetFocus();
    const wxPoint at = event.GetPosition();
    const Point point{static_cast<int>(at.x / scale_.x), static_cast<int>(at.y / scale_.y)};
    forward([this, id, point] { dialog_->user_clicks_area(id, point); });
}

void DialogWidgets::bind_keys(int id, wxWindow& widget) {
    widget.Bind(wxEVT_KEY_DOWN, [this, id](wxKeyEvent& event) {
        const std::optional<Key> key = key_of(event);
        if (!key || !attached_ || !dialog_->takes_key(id, *key)) return event.Skip();
        forward([this, id, key] { dialog_->user_presses_key(id, *key); });
    });
}

void DialogWidgets::forward(std::function<void()> action, int forced) {
    if (!attached_ || dialog_->ended()) return;
    if (busy_ > 0) {
        queued_.emplace_back(std::move(action), forced);
        return;
    }
    deliver_typing();
    run(action, forced);
}

void DialogWidgets::text_changed(int id) {
    if (!attached_) return;
    typed_.insert(id);
    done_running();
}

void DialogWidgets::deliver_pending() {
    delivery_scheduled_ = false;
    if (busy_ > 0) return;  // done_running schedules it again
    deliver_typing();
    while (!queued_.empty() && busy_ == 0) {
        auto [action, forced] = std::move(queued_.front());
        queued_.pop_front();
        if (!attached_ || dialog_->ended()) return;
        run(action, forced);
    }
}

void DialogWidgets::deliver_typing() {
    while (!typed_.empty() && busy_ == 0 && attached_ && !dialog_->ended()) {
        const int id = *typed_.begin();
        typed_.erase(typed_.begin());
        const std::string text = from_display(static_cast<wxTextCtrl&>(*widget(id)).GetValue());
        run([this, id, &text] { dialog_->user_types(id, text); }, id);
    }
}

void DialogWidgets::run(const std::function<void()>& action, int forced) {
    ++busy_;
    action();
    --busy_;
    if (!attached_) return;
    sync(forced);
    after_event_();
    done_running();
}

// Whatever waits is handed over from the event loop, once nothing is running any more.
void DialogWidgets::done_running() {
    if (busy_ > 0 || delivery_scheduled_ || (typed_.empty() && queued_.empty())) return;
    delivery_scheduled_ = true;
    parent_.CallAfter([this] { deliver_pending(); });
}

void DialogWidgets::sync(int forced) {
    if (!attached_) return;
    ++busy_;
    bool radio_changed = false;
    wxWindow* focus = nullptr;
    for (const Control& c : dialog_->controls()) {
        const auto widget = widgets_.find(c.id);
        if (widget == widgets_.end()) continue;
        if (c.id != forced && synced_revision_[c.id] == c.revision) continue;
        apply(c, *widget->second);
        radio_changed = radio_changed || c.kind == ControlKind::RadioButton;
        // Giving a control the focus changes its revision.
        if (c.id == dialog_->focused()) focus = widget->second;
    }
    // A radio button can only be cleared by checking another one of its group.
    if (radio_changed) apply_radio_groups();
    if (focus != nullptr && wxWindow::FindFocus() != focus) focus->SetFocus();
    --busy_;
    done_running();
}

void DialogWidgets::apply(const Control& c, wxWindow& widget) {
    synced_revision_[c.id] = c.revision;
    apply_text(c, widget);
    apply_items(c, widget);
    if (c.kind == ControlKind::CheckBox) {
        auto& box = static_cast<wxCheckBox&>(widget);
        if (box.GetValue() != c.checked) box.SetValue(c.checked);
    }
    if (widget.IsEnabled() != c.enabled) widget.Enable(c.enabled);
    if (widget.IsShown() != c.visible) widget.Show(c.visible);
    if (c.kind == ControlKind::CodeField) show_open(c, widget);
    if (c.kind == ControlKind::CustomArea) widget.Refresh();
}

// A code field whose picker runs is a solid blue rectangle, its text blue on blue.
void DialogWidgets::show_open(const Control& c, wxWindow& widget) {
    if (c.open == (widget.GetBackgroundColour() == *wxBLUE)) return;
    const wxColour colour = c.open ? *wxBLUE : wxNullColour;
    widget.SetBackgroundColour(colour);
    widget.SetForegroundColour(colour);
    widget.Refresh();
}

void DialogWidgets::apply_text(const Control& c, wxWindow& widget) {
    const wxString text = to_display(c.text);
    switch (c.kind) {
        case ControlKind::Edit:
        case ControlKind::CodeField: {
            auto& edit = static_cast<wxTextCtrl&>(widget);
            if (edit.GetValue() == text) return;
            // ChangeValue does not report a change, so the dialog does not hear its own text back.
            const long caret = edit.GetInsertionPoint();
            edit.ChangeValue(text);
            edit.SetInsertionPoint(std::min<long>(caret, edit.GetLastPosition()));
            return;
        }
        case ControlKind::Label:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::Button:
        case ControlKind::GroupBox:
            if (widget.GetLabel() != text) widget.SetLabel(text);
            return;
        case ControlKind::DropDownList:
        case ControlKind::ListBox:
        case ControlKind::CustomArea:
            return;
    }
}

void DialogWidgets::apply_items(const Control& c, wxWindow& widget) {
    wxItemContainer* list = nullptr;
    if (c.kind == ControlKind::DropDownList) list = &static_cast<wxChoice&>(widget);
    if (c.kind == ControlKind::ListBox) list = &static_cast<wxListBox&>(widget);
    if (list == nullptr) return;
    const wxArrayString items = display_items(c.items);
    if (!same_items(*list, items)) list->Set(items);
    const int selection = c.selection < 0 ? wxNOT_FOUND : c.selection;
    if (list->GetSelection() != selection) list->SetSelection(selection);
}

void DialogWidgets::apply_radio_groups() {
    for (const Control& c : dialog_->controls()) {
        if (c.kind != ControlKind::RadioButton || !c.checked) continue;
        auto& radio = static_cast<wxRadioButton&>(*widgets_.at(c.id));
        if (!radio.GetValue()) radio.SetValue(true);
    }
}

void DialogWidgets::paint_area(int id, wxWindow& area) {
    wxAutoBufferedPaintDC dc(&area);
    dc.SetBackground(wxBrush(area.GetBackgroundColour()));
    dc.Clear();
    if (!attached_) return;
    dc.SetUserScale(scale_.x, scale_.y);
    const Control& c = dialog_->control(id);
    WxPainter painter(dc);
    dialog_->paint_area(id, painter, Rect{0, 0, c.rect.width, c.rect.height});
}

}  // namespace tc::ui::wx
