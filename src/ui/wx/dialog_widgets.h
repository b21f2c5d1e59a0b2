#pragma once

#include <wx/window.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "ui/dialog.h"
#include "ui/wx/layout_scale.h"

namespace tc::ui::wx {

// The widgets of one dialog or page, built from its controls inside a parent window. Widget events
// become the user_* calls of the dialog; afterwards `after_event` lets the owner copy every
// changed control back (sync) and end the dialog when it asked for it.
//
// The widgets are the view: the dialog decides. A check box or radio button that the user clicks
// is set back to the dialog's state, and an edit shows the text the dialog kept of what was typed.
class DialogWidgets {
  public:
    DialogWidgets(Dialog& dialog, wxWindow& parent, std::function<void()> after_event);
    ~DialogWidgets();
    DialogWidgets(const DialogWidgets&) = delete;
    DialogWidgets& operator=(const DialogWidgets&) = delete;

    // Copies the controls whose revision changed since they were last copied; `forced` is copied
    // whatever its revision (a widget the user just changed on his own).
    void sync(int forced = 0);

    // Runs a user action on the dialog, then syncs and calls after_event. What was typed before
    // reaches the dialog first. An action that arrives while another is being handled (focus
    // moving to a nested dialog, a widget hidden during a sync) waits until that one is done, so
    // that the dialog never sees one event inside another.
    void forward(std::function<void()> action, int forced = 0);

    // Hands what is waiting (typing, queued actions) to the dialog now, when nothing is running.
    void deliver_pending();

    // Copies what every open dialog changed to its widgets: a window that opens over them (a
    // dialog, a message box) runs its own event loop before the event that opened it is done.
    static void sync_open_dialogs();

    // Stops forwarding events and lets go of the dialog (it has ended; its widgets are torn down
    // or wait, hidden, for another dialog of the same layout).
    void detach() {
        attached_ = false;
        dialog_ = nullptr;
    }

    // Makes these widgets the view of `dialog`, a dialog of the same layout as the one they were
    // built for, and shows its state. False, and nothing changed, when its captions need another
    // scale (another language): the widgets cannot serve it.
    bool attach(Dialog& dialog);
    bool shows(const Dialog& dialog) const { return attached_ && dialog_ == &dialog; }

    // The dialog shown; only while attached.
    Dialog& dialog() { return *dialog_; }
    // The widget of control `id`, null when there is none.
    wxWindow* widget(int id) const;
    // Where the layout's pixels are placed in the parent window.
    const LayoutScale& scale() const { return scale_; }

  private:
    void build(const Control& c);
    void bind_events(const Control& c, wxWindow& widget);
    void bind_keys(int id, wxWindow& widget);
    void area_clicked(int id, wxWindow& area, const wxMouseEvent& event);
    void apply(const Control& c, wxWindow& widget);
    void apply_text(const Control& c, wxWindow& widget);
    void apply_items(const Control& c, wxWindow& widget);
    void apply_radio_groups();
    void show_open(const Control& c, wxWindow& widget);

    void paint_area(int id, wxWindow& area);

    void text_changed(int id);
    void deliver_typing();
    void run(const std::function<void()>& action, int forced);
    void done_running();

    Dialog* dialog_;
    const DialogTemplate& layout_;
    wxWindow& parent_;
    std::function<void()> after_event_;
    LayoutScale scale_;
    std::map<int, wxWindow*> widgets_;
    std::map<int, std::uint64_t> synced_revision_;
    // What the opening of each drop-down list runs; the toolkit holds on to it.
    std::map<int, std::function<void()>> list_opened_;
    bool attached_ = true;
    int busy_ = 0;
    // Edits whose text changed since the dialog was told. The toolkit reports a replaced
    // selection as two changes (removed, then inserted); the dialog hears of the result once.
    std::set<int> typed_;
    std::deque<std::pair<std::function<void()>, int>> queued_;
    bool delivery_scheduled_ = false;
};

}  // namespace tc::ui::wx
