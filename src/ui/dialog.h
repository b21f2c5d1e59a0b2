#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/dialog_template.h"
#include "ui/key.h"
#include "ui/painter.h"

namespace tc::ui {

class Host;

// Resolves a program text identifier to its text (the dialogs' captions).
using TextSource = std::function<std::string(int id)>;

// A dialog or a page of the editor sheet: a set of controls addressed by id, and the reactions of
// the dialog's own class to events. Semantics the rules depend on:
// - setting an edit's text from code notifies on_edit_changed exactly as typing does (handlers
//   that rewrite their own edit must only do so when the text differs);
// - setting a list's selection from code does not notify; a user's choice does;
// - a text limit and digits-only restrict typing only, not text set from code;
// - check boxes and radio buttons are not toggled automatically: a click is a command, and the
//   dialog's handler sets the state.
class Dialog {
  public:
    explicit Dialog(const DialogTemplate& layout);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogTemplate& layout() const { return layout_; }

    // Called by a host: builds the controls from the layout with their captions, then on_created.
    void create(Host& host, const TextSource& texts);
    bool created() const { return host_ != nullptr; }

    // --- what a user does (hosts and test drivers call these) ---
    void user_types(int id, std::string_view text);  // replaces the edit's text as typed
    // Buttons, check boxes, radio buttons and code fields; kIdOk and kIdCancel end the dialog.
    void user_clicks(int id);
    void user_presses_key(int id, Key key);  // with control `id` focused, when it takes the key
    void user_opens_dropdown(int id);
    void user_chooses(int id, int index);  // list choice: selection set, then notified
    void user_leaves(int id);              // focus lost
    void user_clicks_area(int id, Point p);
    void user_presses_ok();
    void user_presses_cancel();
    void shown();  // the dialog or page became visible

    // --- state ---
    bool ended() const { return ended_; }
    int result() const { return result_; }
    const std::string& title() const { return title_; }
    const std::vector<Control>& controls() const { return controls_; }
    const Control& control(int id) const;
    bool has_control(int id) const;

    std::string text(int id) const { return control(id).text; }
    bool checked(int id) const { return control(id).checked; }
    bool enabled(int id) const { return control(id).enabled; }
    bool visible(int id) const { return control(id).visible; }
    int selection(int id) const { return control(id).selection; }
    const std::vector<std::string>& items(int id) const { return control(id).items; }
    int focused() const { return focused_; }  // the control the dialog gave the focus, 0 for none
    // Whether control `id` reacts to `key` itself; the toolkit handles the keys it does not take.
    bool takes_key(int id, Key key) const;

    // Custom areas are drawn by the dialog.
    virtual void paint_area(int id, Painter& painter, Rect area) const;

  protected:
    virtual void on_created() {}
    virtual void on_shown() {}
    virtual void on_command(int /*id*/) {}
    virtual void on_edit_changed(int /*id*/) {}
    virtual void on_selection_changed(int /*id*/) {}
    virtual void on_dropdown_opened(int /*id*/) {}
    virtual void on_focus_lost(int /*id*/) {}
    virtual void on_area_clicked(int /*id*/, Point /*p*/) {}
    virtual void on_area_key(int /*id*/, Key /*key*/) {}
    // Return false to keep the dialog open.
    virtual bool on_ok() { return true; }
    virtual void on_cancel() {}

    // --- for the dialog's own code ---
    Host& host();
    void set_title(std::string title);
    void set_text(int id, std::string text);  // an edit notifies on_edit_changed
    void set_checked(int id, bool checked);
    void toggle(int id) { set_checked(id, !checked(id)); }
    void enable(int id, bool enabled);
    void show(int id, bool visible);
    void set_items(int id, std::vector<std::string> items);
    void set_selection(int id, int index);  // does not notify
    void set_text_limit(int id, std::size_t limit);
    void set_digits_only(int id, bool digits_only);
    void invalidate(int id);  // a custom area must be redrawn
    void set_focus(int id);   // moves the keyboard focus to a control
    void end_dialog(int result);

  private:
    Control& mutable_control(int id);
    // The command of a code field, run while the field is focused and painted as open.
    void open_code_field(int id);

    const DialogTemplate& layout_;
    Host* host_ = nullptr;
    std::string title_;
    std::vector<Control> controls_;
    std::map<int, std::size_t> index_;
    bool ended_ = false;
    int result_ = 0;
    int focused_ = 0;
};

}  // namespace tc::ui
