#include "forms/derive_before_save.h"

#include <algorithm>
#include <cstddef>

#include "forms/record_fields.h"
#include "texts/text_slot.h"

namespace tc {
namespace {

// What a Form does with the record it collects.
constexpr Byte kRecordSave = 0;
constexpr Byte kRecordSaveAndUpdate = 2;
constexpr Byte kRecordPassDown = 3;

// What the reader settings' extra-length switch adds to a line's fixed length, prefix and suffix.
constexpr unsigned kSwitchedExtraLength = 2;

// A "lookup" line with link n reads its length from bytes 805 + n (low) and 820 + n (high) of the
// Lookup record, so links 1-15 meet the field lengths. Any other link, as a stored byte, is read
// at the same offsets; even link 255 stays inside the record.
constexpr std::size_t kLookupLengthLowBase = 805;
constexpr std::size_t kLookupLengthHighBase = 820;
static_assert(offsetof(LookupRecord, field_length_low) == kLookupLengthLowBase + 1);
static_assert(offsetof(LookupRecord, field_length_high) == kLookupLengthHighBase + 1);
static_assert(kLookupLengthHighBase + 255 < sizeof(LookupRecord));

Byte lookup_byte(const LookupRecord& lookup, std::size_t offset) {
    // The record is plain bytes: read through a byte pointer, as its object representation.
    return reinterpret_cast<const Byte*>(&lookup)[offset];
}

// The Lookup a Form reads, if any. A lookup_file above the five Lookups can only come from a
// damaged file and counts as none.
const LookupRecord* form_lookup(const FormRecord& form,
                                std::span<const LookupRecord, kLookupCount> lookups) {
    if (form.lookup_file == 0 || form.lookup_file > kLookupCount) return nullptr;
    return &lookups[form.lookup_file - 1];
}

bool is_form_target(Byte target) {
    return target >= 1 && target <= kFormCount;
}

bool saves_menu_data(const MenuRecord& menu) {
    return menu.save_caption == 1 || menu.save_selected_item == 1;
}

bool accepts_handover(const FormRecord& form) {
    return form.record_mode == kRecordSave || form.record_mode == kRecordSaveAndUpdate ||
           form.record_mode == kRecordPassDown;
}

// The last Menu item (in Menu and item order) that leads to a Form decides whether the Form's
// record starts with the data handed over by the Menu.
void mark_menu_handovers(std::span<FormRecord, kFormCount> forms,
                         std::span<const MenuRecord, kMenuCount> menus) {
    for (const MenuRecord& menu : menus) {
        for (const Byte target : menu.item_target) {
            if (!is_form_target(target)) continue;
            FormRecord& form = forms[target - 1];
            form.handover_field = saves_menu_data(menu) && accepts_handover(form) ? 1 : 0;
        }
    }
}

void hand_over_to_next_form(std::span<FormRecord, kFormCount> forms, const FormRecord& form) {
    if (!is_form_target(form.next_target)) return;
    FormRecord& next = forms[form.next_target - 1];
    if (accepts_handover(next)) next.handover_field = 1;
}

// Computed from the line itself, so that saving again leaves the same byte.
Byte saved_extra_length(const FormRecord& form, std::size_t line) {
    unsigned length = kSwitchedExtraLength;
    if (form.fixed_length_on[line] == 1) length += form.fixed_length_low[line];
    if (form.prefix_on[line] == 1) length += slot_text_length(form.prefix[line]);
    if (form.suffix_on[line] == 1) length += slot_text_length(form.suffix[line]);
    return static_cast<Byte>(length);
}

void refresh_extra_lengths(FormRecord& form) {
    for (std::size_t line = 0; line < kFormLines; ++line) {
        form.extra_length[line] = saved_extra_length(form, line);
    }
}

struct RecordFigures {
    unsigned count = 0;
    unsigned length = 0;
    unsigned key_position = 0;
};

RecordFigures count_record_fields(const FormRecord& form) {
    RecordFigures figures;
    for (const RecordField& field : saved_record_fields(form)) {
        ++figures.count;
        figures.length += field.length;
        if (field.up_to_key) ++figures.key_position;
    }
    return figures;
}

void store_figures(FormRecord& form, const RecordFigures& figures) {
    form.field_count = static_cast<Byte>(figures.count);
    form.key_position = static_cast<Byte>(figures.key_position);
    form.record_length_low = static_cast<Byte>(figures.length % 256);
    form.record_length_high = static_cast<Byte>(figures.length / 256);
}

// Every Form that hands its data down sets the next Form's flag before any Form is counted, so
// that the figures of a next Form earlier in the order include the handed-over field as well: the
// file never holds figures that its own flags contradict.
void derive_record_figures(std::span<FormRecord, kFormCount> forms,
                           const ReaderSettingsRecord& reader) {
    for (const FormRecord& form : forms) {
        if (form.record_mode == kRecordPassDown) hand_over_to_next_form(forms, form);
    }
    const bool refreshes_extra_lengths = reader[reader::kExtraLengthSwitch] == 1;
    for (FormRecord& form : forms) {
        RecordFigures figures;
        if (form.record_mode != kRecordPassDown && saves_counted_record(form)) {
            if (refreshes_extra_lengths) refresh_extra_lengths(form);
            figures = count_record_fields(form);
        }
        store_figures(form, figures);
    }
}

// An MSQI Form shows the key field of its Lookup on line 1.
void link_msqi_key_fields(std::span<FormRecord, kFormCount> forms,
                          std::span<const LookupRecord, kLookupCount> lookups) {
    for (FormRecord& form : forms) {
        if (form.msqi_enabled == 0) continue;
        const LookupRecord* lookup = form_lookup(form, lookups);
        if (lookup == nullptr || lookup->field_count == 0) continue;
        form.link[0] = static_cast<Byte>(lookup->key_field + 1);
    }
}

}  // namespace

void copy_lookup_lengths(std::span<FormRecord, kFormCount> forms,
                         std::span<const LookupRecord, kLookupCount> lookups) {
    for (FormRecord& form : forms) {
        const LookupRecord* lookup = form_lookup(form, lookups);
        if (lookup == nullptr) continue;
        for (std::size_t line = 0; line < kFormLines; ++line) {
            if (form.data_type[line] != kTypeLookup) continue;
            const Byte link = form.link[line];
            form.max_length_low[line] = lookup_byte(*lookup, kLookupLengthLowBase + link);
            form.max_length_high[line] = lookup_byte(*lookup, kLookupLengthHighBase + link);
        }
    }
}

void recheck_first_form(std::span<FormRecord, kFormCount> forms,
                        std::span<const MenuRecord, kMenuCount> menus,
                        const SystemSettingsRecord& system) {
    FormRecord& first = forms[0];
    if (first.handover_field != 1 || system.start_screen != 0) return;
    const bool led_to_with_data = std::ranges::any_of(menus, [](const MenuRecord& menu) {
        return saves_menu_data(menu) &&
               std::ranges::find(menu.item_target, Byte{1}) != menu.item_target.end();
    });
    first.handover_field = led_to_with_data ? 1 : 0;
}

// The MSQI links come first, so that line 1 takes the length of the key field it shows in the same
// save, and saving the saved design again changes nothing.
void derive_before_save(const DerivationInput& design) {
    link_msqi_key_fields(design.forms, design.lookups);
    copy_lookup_lengths(design.forms, design.lookups);
    mark_menu_handovers(design.forms, design.menus);
    recheck_first_form(design.forms, design.menus, design.system);
    derive_record_figures(design.forms, design.reader);
    normalise_reader_before_save(design.reader, design.system);
}

}  // namespace tc
