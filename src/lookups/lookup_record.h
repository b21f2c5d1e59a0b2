#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "texts/program_texts.h"
#include "texts/text_slot.h"

namespace tc {

inline constexpr std::size_t kLookupCount = 5;
inline constexpr std::size_t kLookupFields = 15;

// One Lookup as it stands in memory and in the design file (1324 bytes, no padding).
struct LookupRecord {
    Byte field_count;
    Byte key_field;
    Byte record_length_low;
    Byte record_length_high;
    Byte export_rename;
    std::array<Byte, 21> export_name;
    std::array<Byte, kLookupFields> field_type;
    std::array<std::array<Byte, 51>, kLookupFields> field_name;
    std::array<Byte, kLookupFields> field_length_low;
    std::array<Byte, kLookupFields> field_length_high;
    Byte delimiter;
    Byte no_match_action;
    Byte bad_format_action;
    Byte auto_export;
    Byte save_mode;
    std::array<Byte, 9> reserved_841;
    Byte auto_delete;
    std::array<Byte, 473> reserved_851;
};
static_assert(sizeof(LookupRecord) == 1324);
static_assert(offsetof(LookupRecord, field_length_low) == 806);
static_assert(offsetof(LookupRecord, delimiter) == 836);
static_assert(offsetof(LookupRecord, auto_delete) == 850);

inline constexpr int kLookupExportNameText = 1321;

// New-design values for Lookup `position` (0-4); field_length_high, bytes 841-849 and 851-1323
// are not touched.
void reset_lookup(LookupRecord& lookup, int position, const texts::ProgramTexts& texts);

// The normalisation applied to the stored records when the Lookup page is confirmed (without the
// final copy of the lengths into the Forms, which the caller runs).
void normalise_lookups(std::span<LookupRecord, kLookupCount> lookups);

}  // namespace tc
