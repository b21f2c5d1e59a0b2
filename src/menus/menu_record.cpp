#include "menus/menu_record.h"
namespace tc {
// STUB
void reset_menu(MenuRecord&, int) {}
void count_menu_items(MenuRecord&) {}
}  // namespace tc
