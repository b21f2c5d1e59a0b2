#include "lookups/lookup_record.h"
namespace tc {
// STUB
void reset_lookup(LookupRecord&, int, const texts::ProgramTexts&) {}
void normalise_lookups(std::span<LookupRecord, kLookupCount>) {}
}  // namespace tc
