#include "reader/symbology_dialogs.h"

#include "reader/symbology_dialog.h"
#include "reader/symbology_members.h"
#include "resources/symbology_layouts.h"

namespace tc {
namespace {

constexpr std::size_t kCouponCode = 208;
constexpr std::size_t kGs1128 = 211;
constexpr int kGs1128Slot = 8;

}  // namespace

bool is_symbology_dialog(std::string_view template_name) {
    return symbology::find_member(template_name) != nullptr;
}

int run_symbology_dialog(std::string_view template_name, SymbologyContext& context) {
    const symbology::Member* member = symbology::find_member(template_name);
    if (member == nullptr) return 0;
    SymbologyDialog dialog(*member, resources::symbology_layout(*member), context);
    const int result = context.host.run_modal(dialog) == ui::kIdOk ? 1 : 0;
    if ((member->special & symbology::kCouponNeedsGs1) != 0 && context.working[kCouponCode] == 1) {
        context.working[kGs1128] = 1;
        if (context.page != nullptr) context.page->set_slot(kGs1128Slot, true);
    }
    return result;
}

}  // namespace tc
