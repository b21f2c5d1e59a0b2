#include "reader/reader_settings_record.h"
#include "settings/system_settings_record.h"
namespace tc {
// STUB
ReaderMode ReaderStates::mode() const { return ReaderMode::None; }
ReaderStates derive_reader_states(const ReaderSettingsRecord&) { return {}; }
void reset_reader_settings(ReaderSettingsRecord&) {}
void normalise_reader_before_save(ReaderSettingsRecord&, SystemSettingsRecord&) {}
}  // namespace tc
