#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "texts/text_slot.h"
#include "ui/dialog_template.h"

// The 49 symbology parameter dialogs as data: each member names its template, its title and the
// controls it binds to bytes of the reader settings record. One generic dialog runs them all.
namespace tc::symbology {

// The reader kind a member serves; it sets the bounds and labels of the length settings.
enum class Family { OneD, TwoD, Elr };

enum class BindingKind {
    Check,           // check box, byte 0/1
    Radio,           // radio group, byte = index of the chosen button
    List,            // drop-down list, byte = the value of the chosen item
    Number,          // numeric edit, byte = the number
    Character,       // one-character edit, byte = the character, 0 when empty
    FixedOrMaxMin,   // 1D length setting: mode 0 Fixed / 1 Max-Min, then two lengths
    AnyLengthRange,  // 2D and ELR length setting: Any / One / Two Lengths / Range, two lengths
};

// How a control depends on another control of the same member (its master).
enum class Effect {
    Enable,          // enabled (with its label) while the master is on; the value is kept
    EnableAndClear,  // a check box enabled while the master is on, unchecked while it is off
    Follow,          // a check box checked exactly while the master is on
};

// The master is "on" while it shows one of the positions in `positions` (bit i = position i; a
// check box shows position 1 when checked).
struct Dependency {
    std::size_t master = 0;  // byte of the master control; 0 for none
    unsigned positions = 0;
    Effect effect = Effect::Enable;
};

// One control bound to one byte (length settings: the mode byte, the two lengths follow it).
struct Binding {
    BindingKind kind = BindingKind::Check;
    std::size_t byte = 0;
    ui::Caption caption{};               // check box text, label, or group caption
    std::vector<ui::Caption> choices{};  // radio buttons
    std::vector<int> items{};            // list items as program texts
    std::vector<Byte> values{};          // value stored per list position; empty: the position
    int minimum = 0;                     // numeric edit bounds
    int maximum = 0;
    int digits = 0;         // most characters the user can type
    bool required = false;  // OK refuses an edit that holds 0 ("Invalid value!")
    Dependency dependency{};
};

// Rules that are a member's own.
enum Special : unsigned {
    kNoSpecial = 0,
    kCouponNote = 1u << 0,           // UPC-A: the coupon code note guards preamble 2
    kCouponNeedsGs1 = 1u << 1,       // after closing: Coupon Code on switches GS1-128 on
    kAnyLengthFillsRange = 1u << 2,  // Matrix 25: choosing Any Length shows 1 and 55
};

struct Member {
    std::string_view name;  // the dialog template's name
    Family family = Family::OneD;
    ui::Caption title{};
    std::vector<Binding> bindings;
    ui::Caption ok{-1, "OK"};
    ui::Caption cancel{-1, "Cancel"};
    unsigned special = kNoSpecial;
    // The member's block of program texts that a language relabels it from: the title, the
    // captions in the order of captioned_controls, then OK and Cancel when the block holds them.
    int first_text = 0;
    bool buttons_in_block = false;
};

// The member's controls that carry a caption of its own, in the order of its bindings: check boxes,
// radio groups followed by their buttons, and the labels of lists and edits.
std::vector<int> captioned_controls(const Member& member);

// The 49 members: 17 of the 1D reader, 20 of the 2D reader, 12 of the ELR reader.
std::span<const Member> members();

// The member with that template name, if any.
const Member* find_member(std::string_view name);

// Index of the binding of `byte` (a length setting by its mode byte), if the member has one.
std::optional<std::size_t> binding_of(const Member& member, std::size_t byte);

// Control identifiers: each binding owns a block of identifiers, one per part.
enum Part : int {
    kMain = 0,   // the check box, list, edit or group box; the mode list of a length
    kLabel = 1,  // the label in front of a list or edit, "Select Length :"
    kFirstLengthLabel = 2,
    kFirstLengthEdit = 3,
    kSecondLengthLabel = 4,
    kSecondLengthEdit = 5,
    kFirstChoice = 10,  // radio buttons, one identifier each
};

inline constexpr int kFirstControlId = 1100;
inline constexpr int kIdsPerBinding = 20;

constexpr int control_id(std::size_t binding, int part) {
    return kFirstControlId + static_cast<int>(binding) * kIdsPerBinding + part;
}

// The bounds of a length edit of the family.
int min_length(Family family);
int max_length(Family family);

// The captions of the two length labels: for Max / Min (1D) or Range (2D, ELR) and otherwise.
int first_length_label(Family family, bool max_min_or_range);
int second_length_label(Family family, bool max_min_or_range);

// The items of the 2D and ELR length list ("Any Length" ... "Range") and of the 1D length group.
inline constexpr int kAnyLengthText = 2041;
inline constexpr int kLengthModeCount = 4;

}  // namespace tc::symbology
