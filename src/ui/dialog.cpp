#include "ui/dialog.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "ui/host.h"

namespace tc::ui {

Dialog::Dialog(const DialogTemplate& layout) : layout_(layout) {}

Dialog::~Dialog() = default;

void Dialog::create(Host& host, const TextSource& texts) {
    host_ = &host;
    const auto caption_of = [&](const Caption& c) {
        if (c.text_id < 0) return std::string(c.literal);
        return texts ? texts(c.text_id) : std::string{};
    };
    title_ = caption_of(layout_.title);
    controls_.clear();
    index_.clear();
    for (const ControlTemplate& t : layout_.controls) {
        Control c;
        c.id = t.id;
        c.kind = t.kind;
        c.rect = t.rect;
        c.style = t.style;
        c.text = caption_of(t.caption);
        c.enabled = (t.style & kStyleDisabled) == 0;
        c.visible = (t.style & kStyleHidden) == 0;
        c.text_limit = static_cast<std::size_t>(t.text_limit);
        c.digits_only = (t.style & kStyleDigitsOnly) != 0;
        index_[t.id] = controls_.size();
        controls_.push_back(std::move(c));
    }
    ended_ = false;
    result_ = 0;
    focused_ = 0;
    on_created();
}

bool Dialog::has_control(int id) const {
    return index_.contains(id);
}

const Control& Dialog::control(int id) const {
    const auto it = index_.find(id);
    if (it == index_.end()) {
        throw std::out_of_range("dialog " + std::string(layout_.name) + " has no control " +
                                std::to_string(id));
    }
    return controls_[it->second];
}

Control& Dialog::mutable_control(int id) {
    return const_cast<Control&>(control(id));
}

Host& Dialog::host() {
    if (host_ == nullptr) throw std::logic_error("dialog used before it was created");
    return *host_;
}

void Dialog::user_types(int id, std::string_view typed) {
    const Control& c = control(id);
    if (!c.enabled || !c.visible) return;
    std::string text;
    for (const char ch : typed) {
        if (c.digits_only && !std::isdigit(static_cast<unsigned char>(ch))) continue;
        if (c.text_limit != 0 && text.size() >= c.text_limit) break;
        text.push_back(ch);
    }
    set_text(id, std::move(text));
}

void Dialog::user_clicks(int id) {
    if (id == kIdOk && !has_control(id)) return user_presses_ok();
    if (id == kIdCancel && !has_control(id)) return user_presses_cancel();
    const Control& c = control(id);
    if (!c.enabled || !c.visible) return;
    if (id == kIdOk) return user_presses_ok();
    if (id == kIdCancel) return user_presses_cancel();
    if (c.kind == ControlKind::CodeField) return open_code_field(id);
    on_command(id);
}

bool Dialog::takes_key(int id, Key key) const {
    const Control& c = control(id);
    if (c.kind == ControlKind::CodeField) {
        return key == Key::F4 || key == Key::AltDown || key == Key::Space;
    }
    return c.kind == ControlKind::CustomArea && (c.style & kStyleTakesKeys) != 0 &&
           key != Key::F4 && key != Key::AltDown;
}

void Dialog::user_presses_key(int id, Key key) {
    const Control& c = control(id);
    if (!c.enabled || !c.visible || !takes_key(id, key)) return;
    if (c.kind == ControlKind::CodeField) return open_code_field(id);
    on_area_key(id, key);
}

void Dialog::open_code_field(int id) {
    const auto mark = [this, id](bool open) {
        Control& field = mutable_control(id);
        field.open = open;
        ++field.revision;
    };
    set_focus(id);
    mark(true);
    on_command(id);
    mark(false);
}

void Dialog::user_opens_dropdown(int id) {
    const Control& c = control(id);
    if (!c.enabled || !c.visible) return;
    on_dropdown_opened(id);
}

void Dialog::user_chooses(int id, int index) {
    const Control& c = control(id);
    if (!c.enabled || !c.visible) return;
    if (index < 0 || index >= static_cast<int>(c.items.size())) return;
    set_selection(id, index);
    on_selection_changed(id);
}

void Dialog::user_leaves(int id) {
    if (control(id).enabled) on_focus_lost(id);
}

void Dialog::user_clicks_area(int id, Point p) {
    const Control& c = control(id);
    if (!c.enabled || !c.visible) return;
    on_area_clicked(id, p);
}

void Dialog::user_presses_ok() {
    if (ended_) return;
    if (on_ok()) end_dialog(kIdOk);
}

void Dialog::user_presses_cancel() {
    if (ended_) return;
    on_cancel();
    end_dialog(kIdCancel);
}

void Dialog::shown() {
    on_shown();
}

void Dialog::paint_area(int, Painter&, Rect) const {}

void Dialog::set_title(std::string title) {
    title_ = std::move(title);
}

void Dialog::set_text(int id, std::string text) {
    Control& c = mutable_control(id);
    c.text = std::move(text);
    ++c.revision;
    if (c.kind == ControlKind::Edit || c.kind == ControlKind::CodeField) on_edit_changed(id);
}

void Dialog::set_checked(int id, bool checked) {
    Control& c = mutable_control(id);
    if (c.checked == checked) return;
    c.checked = checked;
    ++c.revision;
}

void Dialog::enable(int id, bool enabled) {
    Control& c = mutable_control(id);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    ++c.revision;
}

void Dialog::show(int id, bool visible) {
    Control& c = mutable_control(id);
    if (c.visible == visible) return;
    c.visible = visible;
    ++c.revision;
}

void Dialog::set_items(int id, std::vector<std::string> items) {
    Control& c = mutable_control(id);
    c.items = std::move(items);
    c.selection = -1;
    ++c.revision;
}

void Dialog::set_selection(int id, int index) {
    Control& c = mutable_control(id);
    if (index < -1 || index >= static_cast<int>(c.items.size())) index = -1;
    c.selection = index;
    ++c.revision;
}

void Dialog::set_text_limit(int id, std::size_t limit) {
    Control& c = mutable_control(id);
    c.text_limit = limit;
    ++c.revision;
}

void Dialog::set_digits_only(int id, bool digits_only) {
    Control& c = mutable_control(id);
    c.digits_only = digits_only;
    ++c.revision;
}

void Dialog::invalidate(int id) {
    ++mutable_control(id).revision;
}

void Dialog::set_focus(int id) {
    ++mutable_control(id).revision;
    focused_ = id;
}

void Dialog::end_dialog(int result) {
    ended_ = true;
    result_ = result;
}

}  // namespace tc::ui
