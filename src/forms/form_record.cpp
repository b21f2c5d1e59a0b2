#include "forms/form_record.h"
namespace tc {
// STUB
void reset_form(FormRecord&, int, const texts::ProgramTexts&) {}
}  // namespace tc
