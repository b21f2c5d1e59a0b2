#pragma once

#include <span>

#include "forms/form_record.h"
#include "lookups/lookup_record.h"
#include "menus/menu_record.h"
#include "reader/reader_settings_record.h"
#include "settings/system_settings_record.h"

namespace tc {

// The stored records that the derivation reads and writes (not the pages' working copies).
struct DerivationInput {
    std::span<FormRecord, kFormCount> forms;
    std::span<const MenuRecord, kMenuCount> menus;
    std::span<const LookupRecord, kLookupCount> lookups;
    ReaderSettingsRecord& reader;
    SystemSettingsRecord& system;
};

// Recomputes every derived value of the design before it is saved, in the fixed order: MSQI links,
// lookup lengths, handed-over data, Form 1 re-check, record figures, reader and system bytes.
void derive_before_save(const DerivationInput& design);

// Copies each Lookup field's length into the "lookup" lines that show it.
void copy_lookup_lengths(std::span<FormRecord, kFormCount> forms,
                         std::span<const LookupRecord, kLookupCount> lookups);

// Recomputes Form 1's handover flag when the program starts from Form 1.
void recheck_first_form(std::span<FormRecord, kFormCount> forms,
                        std::span<const MenuRecord, kMenuCount> menus,
                        const SystemSettingsRecord& system);

}  // namespace tc
