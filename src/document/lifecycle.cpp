#include "document/lifecycle.h"
namespace tc {
// STUB
int save_prompt(DesignDocument&, FileContext&) { return 0; }
bool save_or_save_as(DesignDocument&, FileContext&) { return false; }
bool save_as(DesignDocument&, FileContext&) { return false; }
bool open_dialog(DesignDocument&, FileContext&) { return false; }
}  // namespace tc
