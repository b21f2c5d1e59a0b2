#include "forms/derive_before_save.h"
namespace tc {
// STUB
void derive_before_save(const DerivationInput&) {}
void copy_lookup_lengths(std::span<FormRecord, kFormCount>, std::span<const LookupRecord, kLookupCount>) {}
void recheck_first_form(std::span<FormRecord, kFormCount>, std::span<const MenuRecord, kMenuCount>,
                        const SystemSettingsRecord&) {}
}  // namespace tc
