#include "lookups/lookup_record.h"

#include <algorithm>
#include <numeric>

namespace tc {

// The layout is the design file's; every field sits at its file offset.
static_assert(offsetof(LookupRecord, field_count) == 0);
static_assert(offsetof(LookupRecord, key_field) == 1);
static_assert(offsetof(LookupRecord, record_length_low) == 2);
static_assert(offsetof(LookupRecord, record_length_high) == 3);
static_assert(offsetof(LookupRecord, export_rename) == 4);
static_assert(offsetof(LookupRecord, export_name) == 5);
static_assert(offsetof(LookupRecord, field_type) == 26);
static_assert(offsetof(LookupRecord, field_name) == 41);
static_assert(offsetof(LookupRecord, field_length_high) == 821);
static_assert(offsetof(LookupRecord, no_match_action) == 837);
static_assert(offsetof(LookupRecord, bad_format_action) == 838);
static_assert(offsetof(LookupRecord, auto_export) == 839);
static_assert(offsetof(LookupRecord, save_mode) == 840);
static_assert(offsetof(LookupRecord, reserved_841) == 841);
static_assert(offsetof(LookupRecord, reserved_851) == 851);

namespace {

constexpr std::size_t kExportNameLength = 20;

// Clears field `index` (counted from 0); its high length byte is kept.
void clear_field(LookupRecord& lookup, std::size_t index) {
    lookup.field_type[index] = 0;
    clear_slot(lookup.field_name[index]);
    lookup.field_length_low[index] = 0;
}

// Fields in use; a damaged file may claim more than the record holds.
std::size_t used_fields(const LookupRecord& lookup) {
    return std::min<std::size_t>(lookup.field_count, kLookupFields);
}

}  // namespace

void reset_lookup(LookupRecord& lookup, int position, const texts::ProgramTexts& texts) {
    lookup.field_count = 0;
    lookup.key_field = 0;
    lookup.record_length_low = 0;
    lookup.record_length_high = 0;
    lookup.export_rename = 1;
    // "1st lookup file" ... "5th lookup file"; a longer text from a language file is cut to 20.
    store_text(lookup.export_name, texts.load_program_text(kLookupExportNameText + position));
    for (std::size_t index = 0; index < kLookupFields; ++index) clear_field(lookup, index);
    lookup.delimiter = 0;
    lookup.no_match_action = 0;
    lookup.bad_format_action = 0;
    lookup.auto_export = 0;
    lookup.save_mode = 0;
    lookup.auto_delete = 1;
}

// The caller copies the Lookup field lengths into the Forms' lookup lines afterwards
// (copy_lookup_lengths).
void normalise_lookups(std::span<LookupRecord, kLookupCount> lookups) {
    for (LookupRecord& lookup : lookups) {
        const std::size_t used = used_fields(lookup);
        for (std::size_t index = used; index < kLookupFields; ++index) clear_field(lookup, index);

        if (lookup.export_rename == 1) {
            remove_trailing_spaces(lookup.export_name);
            cut_text(lookup.export_name, kExportNameLength);
        }

        // The unused fields were cleared above: they add nothing.
        const unsigned record_length =
            std::accumulate(lookup.field_length_low.begin(), lookup.field_length_low.end(), 0u);
        lookup.record_length_low = static_cast<Byte>(record_length % 256);
        lookup.record_length_high = static_cast<Byte>(record_length / 256);
    }
}

}  // namespace tc
