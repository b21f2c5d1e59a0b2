#include "reader/symbology_dialog.h"

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "lookups/number_edit.h"
#include "texts/message_box.h"
#include "ui/host.h"

namespace tc {
namespace {

using symbology::BindingKind;
using symbology::control_id;
using symbology::Effect;
using symbology::Part;

constexpr int kInvalidValueText = 2854;
constexpr int kMaxMinChoice = 1;
constexpr int kOneLength = 1;
constexpr int kTwoLengths = 2;
constexpr int kRange = 3;
constexpr int kNoteForPreamble = 2;

namespace bytes {
constexpr std::size_t kEan13 = 195;
constexpr std::size_t kUpcAPreamble = 202;
constexpr std::size_t kCouponCode = 208;
constexpr std::size_t kGs1128 = 211;
}  // namespace bytes
constexpr Byte kCountryCodePreamble = 2;
constexpr int kCouponCodeSlot = 23;

// The edit's text corrected to `minimum`..`maximum`, when it must change.
std::optional<std::string> corrected(const std::string& text, int minimum, int maximum) {
    const CheckedNumber checked = check_number(text, minimum, maximum);
    const std::string plain = std::to_string(std::max(checked.value, minimum));
    if (plain == text) return std::nullopt;
    return plain;
}

Byte to_byte(int value) {
    return static_cast<Byte>(std::clamp(value, 0, 255));
}

bool is_length(BindingKind kind) {
    return kind == BindingKind::FixedOrMaxMin || kind == BindingKind::AnyLengthRange;
}

}  // namespace

SymbologyDialog::SymbologyDialog(const symbology::Member& member, const ui::DialogTemplate& layout,
                                 SymbologyContext& context)
    : ui::Dialog(layout), member_(member), context_(context), working_(context.working) {}

bool SymbologyDialog::owns(int id) const {
    return id >= symbology::kFirstControlId && binding_index(id) < member_.bindings.size();
}

std::size_t SymbologyDialog::binding_index(int id) const {
    return static_cast<std::size_t>((id - symbology::kFirstControlId) / symbology::kIdsPerBinding);
}

void SymbologyDialog::on_created() {
    visible_ = false;
    relabel();
    backup_ = working_;
    for (std::size_t i = 0; i < member_.bindings.size(); ++i) load(i);
    apply_rules();
}

void SymbologyDialog::on_shown() {
    visible_ = true;
}

// While a language is active, the title and the captions come from the member's block of texts,
// one after the other; a text the language does not define leaves its caption as it is.
void SymbologyDialog::relabel() {
    const texts::ProgramTexts& texts = context_.texts;
    if (!texts.language_active() || member_.first_text == 0) return;
    int next = member_.first_text;
    const auto take = [&texts, &next] { return texts.language_entry(next++); };
    if (std::string title = take(); !title.empty()) set_title(std::move(title));
    std::vector<int> ids = symbology::captioned_controls(member_);
    if (member_.buttons_in_block) ids.insert(ids.end(), {ui::kIdOk, ui::kIdCancel});
    for (const int id : ids) {
        if (std::string caption = take(); !caption.empty()) set_text(id, std::move(caption));
    }
}

void SymbologyDialog::load(std::size_t index) {
    const symbology::Binding& b = binding(index);
    const int main = control_id(index, Part::kMain);
    const Byte value = working_[b.byte];
    std::vector<std::string> items;
    for (const int item : b.items) items.push_back(context_.texts.load_program_text(item));
    switch (b.kind) {
        case BindingKind::Check:
            set_checked(main, value != 0);
            break;
        case BindingKind::Radio:
            select_choice(index, value);
            break;
        case BindingKind::List:
            set_items(main, std::move(items));
            set_selection(main, list_position(b, value));
            break;
        case BindingKind::Number:
            show_number(main, value);
            break;
        case BindingKind::Character:
            set_text(main, value == 0 ? std::string{} : std::string(1, static_cast<char>(value)));
            break;
        case BindingKind::FixedOrMaxMin:
        case BindingKind::AnyLengthRange:
            if (b.kind == BindingKind::FixedOrMaxMin) {
                select_choice(index, value);
            } else {
                set_items(main, std::move(items));
                set_selection(main, value);  // a value past the modes selects none
            }
            show_number(control_id(index, Part::kFirstLengthEdit), working_[b.byte + 1]);
            show_number(control_id(index, Part::kSecondLengthEdit), working_[b.byte + 2]);
            break;
    }
}

void SymbologyDialog::apply_rules() {
    for (std::size_t i = 0; i < member_.bindings.size(); ++i) {
        apply_dependency(i);
        if (is_length(binding(i).kind)) update_length(i);
    }
}

void SymbologyDialog::apply_dependency(std::size_t index) {
    const symbology::Dependency& d = binding(index).dependency;
    if (d.master == 0) return;
    const int shown = position(symbology::binding_of(member_, d.master).value());
    // Bit i + 1 of the positions moved up by one is position i, so that a master showing no
    // position (-1) reads the 0 moved in.
    const bool on = (((d.positions << 1u) >> (shown + 1)) & 1u) != 0;
    const int main = control_id(index, Part::kMain);
    switch (d.effect) {
        case Effect::Enable:
            enable(main, on);
            if (has_control(control_id(index, Part::kLabel))) {
                enable(control_id(index, Part::kLabel), on);
            }
            break;
        case Effect::EnableAndClear:
            enable(main, on);
            if (!on) set_checked(main, false);
            break;
        case Effect::Follow:
            set_checked(main, on);
            break;
    }
}

// The length labels follow the mode; in 2D and ELR dialogs the mode also enables the edits.
void SymbologyDialog::update_length(std::size_t index) {
    const symbology::Binding& b = binding(index);
    const texts::ProgramTexts& texts = context_.texts;
    const int first_label = control_id(index, Part::kFirstLengthLabel);
    const int second_label = control_id(index, Part::kSecondLengthLabel);
    if (b.kind == BindingKind::FixedOrMaxMin) {
        const bool max_min = chosen_choice(index) == kMaxMinChoice;
        set_text(first_label,
                 texts.load_program_text(symbology::first_length_label(member_.family, max_min)));
        set_text(second_label,
                 texts.load_program_text(symbology::second_length_label(member_.family, max_min)));
        return;
    }
    const int mode = selection(control_id(index, Part::kMain));
    set_text(first_label, texts.load_program_text(
                              symbology::first_length_label(member_.family, mode == kRange)));
    set_text(second_label, texts.load_program_text(
                               symbology::second_length_label(member_.family, mode == kRange)));
    const bool first = mode >= kOneLength;
    const bool second = mode >= kTwoLengths;
    enable(first_label, first);
    enable(control_id(index, Part::kFirstLengthEdit), first);
    enable(second_label, second);
    enable(control_id(index, Part::kSecondLengthEdit), second);
}

// A length edit that the new mode enables starts at 1 when it holds no length.
void SymbologyDialog::choose_length_mode(std::size_t index, bool first_was_enabled,
                                         bool second_was_enabled) {
    const int mode = selection(control_id(index, Part::kMain));
    const int first = control_id(index, Part::kFirstLengthEdit);
    const int second = control_id(index, Part::kSecondLengthEdit);
    if ((member_.special & symbology::kAnyLengthFillsRange) != 0 && mode == 0) {
        show_number(first, 1);
        show_number(second, symbology::max_length(member_.family));
    }
    if (mode >= kOneLength && !first_was_enabled && number_in(first) <= 0) show_number(first, 1);
    if (mode >= kTwoLengths && !second_was_enabled && number_in(second) <= 0) {
        show_number(second, 1);
    }
}

int SymbologyDialog::position(std::size_t index) const {
    const int main = control_id(index, Part::kMain);
    switch (binding(index).kind) {
        case BindingKind::Check:
            return checked(main) ? 1 : 0;
        case BindingKind::Radio:
        case BindingKind::FixedOrMaxMin:
            return chosen_choice(index);
        default:
            return selection(main);
    }
}

int SymbologyDialog::chosen_choice(std::size_t index) const {
    const int count = static_cast<int>(binding(index).choices.size());
    for (int c = 0; c < count; ++c) {
        if (checked(control_id(index, Part::kFirstChoice + c))) return c;
    }
    return -1;
}

void SymbologyDialog::select_choice(std::size_t index, int choice) {
    const int count = static_cast<int>(binding(index).choices.size());
    for (int c = 0; c < count; ++c) {
        set_checked(control_id(index, Part::kFirstChoice + c), c == choice);
    }
}

// The item that shows `value`; a position past the items (no selection) when no item stores it.
int SymbologyDialog::list_position(const symbology::Binding& b, Byte value) const {
    if (b.values.empty()) return value;
    return static_cast<int>(std::find(b.values.begin(), b.values.end(), value) - b.values.begin());
}

void SymbologyDialog::show_number(int id, int value) {
    const std::string shown = std::to_string(value);
    if (text(id) != shown) set_text(id, shown);
}

int SymbologyDialog::number_in(int id) const {
    const CheckedNumber checked = check_number(text(id), -1, 255);
    return checked.number ? checked.value : -1;
}

void SymbologyDialog::on_command(int id) {
    if (!owns(id)) return;
    const std::size_t index = binding_index(id);
    const int part = (id - symbology::kFirstControlId) % symbology::kIdsPerBinding;
    if (part == Part::kMain && binding(index).kind == BindingKind::Check) {
        toggle(id);
    } else if (part >= Part::kFirstChoice) {
        select_choice(index, part - Part::kFirstChoice);
    }
    apply_rules();
}

void SymbologyDialog::on_edit_changed(int id) {
    if (!visible_ || !owns(id)) return;
    const std::size_t index = binding_index(id);
    const symbology::Binding& b = binding(index);
    std::optional<std::string> fixed;
    if (b.kind == BindingKind::Number) {
        fixed = corrected(text(id), b.minimum, b.maximum);
    } else if (is_length(b.kind)) {
        fixed = corrected(text(id), symbology::min_length(member_.family),
                          symbology::max_length(member_.family));
    }
    if (fixed) set_text(id, *fixed);
}

void SymbologyDialog::on_selection_changed(int id) {
    if (!owns(id)) return;
    const std::size_t index = binding_index(id);
    if (binding(index).kind == BindingKind::AnyLengthRange) {
        const bool first = enabled(control_id(index, Part::kFirstLengthEdit));
        const bool second = enabled(control_id(index, Part::kSecondLengthEdit));
        choose_length_mode(index, first, second);
    }
    apply_rules();
}

bool SymbologyDialog::on_ok() {
    if ((member_.special & symbology::kCouponNote) != 0 && !confirm_coupon_preamble()) return false;
    if (!validate()) return false;
    apply_rules();
    for (std::size_t i = 0; i < member_.bindings.size(); ++i) store(i);
    return true;
}

// The page's Coupon Code box goes back with the byte it shows.
void SymbologyDialog::on_cancel() {
    const bool coupon_changed = working_[bytes::kCouponCode] != backup_[bytes::kCouponCode];
    working_ = backup_;
    if (coupon_changed && context_.page != nullptr) {
        context_.page->set_slot(kCouponCodeSlot, working_[bytes::kCouponCode] != 0);
    }
}

// UPC-A: choosing "System Character & Country Code" while Coupon Code and GS1-128 are on needs the
// note confirmed; confirmed, it is stored at once and, without EAN-13, ends the coupon setting.
bool SymbologyDialog::confirm_coupon_preamble() {
    const auto index = symbology::binding_of(member_, bytes::kUpcAPreamble);
    if (!index) return true;
    const int list = control_id(*index, Part::kMain);
    const bool coupon = working_[bytes::kCouponCode] != 0 && working_[bytes::kGs1128] != 0;
    if (!coupon || selection(list) != kCountryCodePreamble ||
        working_[bytes::kUpcAPreamble] == kCountryCodePreamble) {
        return true;
    }
    const bool confirmed = context_.coupon_note && context_.coupon_note(kNoteForPreamble) == 1;
    if (!confirmed) {
        set_selection(list, list_position(binding(*index), working_[bytes::kUpcAPreamble]));
        return false;
    }
    working_[bytes::kUpcAPreamble] = kCountryCodePreamble;
    if (working_[bytes::kEan13] == 0) {
        working_[bytes::kCouponCode] = 0;
        if (context_.page != nullptr) context_.page->set_slot(kCouponCodeSlot, false);
    }
    return true;
}

// A required number and the lengths the mode uses must not be 0.
bool SymbologyDialog::validate() {
    for (std::size_t i = 0; i < member_.bindings.size(); ++i) {
        const symbology::Binding& b = binding(i);
        const int main = control_id(i, Part::kMain);
        if (b.kind == BindingKind::Number && b.required && number_in(main) <= 0) {
            return refuse(main);
        }
        if (b.kind != BindingKind::AnyLengthRange) continue;
        const int mode = selection(main);
        const int first = control_id(i, Part::kFirstLengthEdit);
        const int second = control_id(i, Part::kSecondLengthEdit);
        if (mode >= kOneLength && number_in(first) <= 0) return refuse(first);
        if (mode >= kTwoLengths && number_in(second) <= 0) return refuse(second);
    }
    return true;
}

bool SymbologyDialog::refuse(int id) {
    texts::text_message_box(context_.texts, host(), texts::kTitleWarning, kInvalidValueText,
                            texts::kWarningStyle);
    set_focus(id);
    return false;
}

void SymbologyDialog::store(std::size_t index) {
    const symbology::Binding& b = binding(index);
    const int main = control_id(index, Part::kMain);
    switch (b.kind) {
        case BindingKind::Check:
            working_[b.byte] = checked(main) ? 1 : 0;
            break;
        case BindingKind::Radio:
            if (chosen_choice(index) >= 0) working_[b.byte] = to_byte(chosen_choice(index));
            break;
        case BindingKind::List:
            if (const int s = selection(main); s >= 0) {
                working_[b.byte] = b.values.empty() ? to_byte(s) : b.values[s];
            }
            break;
        case BindingKind::Number: {
            const int n = number_in(main);
            working_[b.byte] = to_byte(n < 0 ? b.minimum : n);
            break;
        }
        case BindingKind::Character: {
            const std::string typed = text(main);
            working_[b.byte] = typed.empty() ? 0 : static_cast<Byte>(typed.front());
            break;
        }
        case BindingKind::FixedOrMaxMin:
        case BindingKind::AnyLengthRange:
            store_lengths(b, index);
            break;
    }
}

// 1D: Max / Min stores the larger length first (0 counts as 1), Fixed stores them as typed.
// 2D and ELR: Range stores the smaller length first; a length the mode does not use is 0.
void SymbologyDialog::store_lengths(const symbology::Binding& b, std::size_t index) {
    int first = std::max(number_in(control_id(index, Part::kFirstLengthEdit)), 0);
    int second = std::max(number_in(control_id(index, Part::kSecondLengthEdit)), 0);
    if (b.kind == BindingKind::FixedOrMaxMin) {
        const int mode = chosen_choice(index);
        if (mode < 0) return;
        if (mode == kMaxMinChoice) {
            first = std::max(first, 1);
            second = std::max(second, 1);
            std::tie(second, first) = std::minmax({first, second});
        }
        working_[b.byte] = to_byte(mode);
    } else {
        const int mode = selection(control_id(index, Part::kMain));
        if (mode < 0) return;
        if (mode < kTwoLengths) second = 0;
        if (mode < kOneLength) first = 0;
        if (mode == kRange) std::tie(first, second) = std::minmax({first, second});
        working_[b.byte] = to_byte(mode);
    }
    working_[b.byte + 1] = to_byte(first);
    working_[b.byte + 2] = to_byte(second);
}

}  // namespace tc
