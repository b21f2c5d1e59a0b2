#include "settings/system_settings_record.h"
namespace tc {
// STUB
void reset_system_settings(SystemSettingsRecord&, const texts::ProgramTexts&) {}
}  // namespace tc
