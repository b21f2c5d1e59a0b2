#include "forms/form_page.h"
#include "reader/barcode_page.h"
#include "reader/barcode_slots.h"
#include "reader/coupon_dialogs.h"
#include "reader/image_capture_dialog.h"
#include "resources/barcode_page_layout.h"
#include "settings/settings_page.h"

namespace tc {
namespace {

using namespace resources::barcode_page_ids;

// The bytes of the 2D reader that its slots' click rules change at once.
constexpr std::size_t kUpcA = 191;
constexpr std::size_t kEan13 = 195;
constexpr std::size_t kUpcAPreamble = 202;
constexpr std::size_t kCouponCode = 208;
constexpr std::size_t kGs1128 = 211;
constexpr std::size_t kImageCapture = reader::kImageCapture;
constexpr Byte kCountryCodePreamble = 2;  // "System Character && Country Code"
constexpr Byte kSystemCharacterPreamble = 1;

constexpr std::string_view kImageCaptureDialog = "IMAGECAPTUREDLG_2D";
constexpr std::string_view kCouponDialog = "COUPON_CODE_2D";

// Coupon codes are read when UPC-A or EAN-13 is on, but not from UPC-A alone while its preamble
// carries the country code.
bool coupon_readable(bool upc_a, bool ean_13, Byte preamble) {
    return (upc_a || ean_13) && !(upc_a && preamble == kCountryCodePreamble && !ean_13);
}

}  // namespace

void BarcodePage::set_slot(int slot, bool on) {
    set_checked(slot_check(slot), on);
    enable_more(slot, on);
    // In 2D mode two slots follow others; following again changes nothing.
    if (mode_ == ReaderMode::TwoD) {
        follow_data_bar_2d();
        follow_ean13();
    }
}

bool BarcodePage::slot_checked(int slot) const {
    return checked(slot_check(slot));
}

void BarcodePage::enable_more(int slot, bool enabled) {
    enable(slot_more(slot), reader_enabled_ && enabled);
}

// Bookland EAN is read only with EAN-13.
void BarcodePage::follow_ean13() {
    const bool ean_13 = slot_checked(slots::kEan13);
    if (!ean_13) set_checked(slot_check(slots::kBookland), false);
    enable(slot_check(slots::kBookland), reader_enabled_ && ean_13);
}

// One dialog serves GS1 DataBar-14 and Limited.
void BarcodePage::follow_data_bar_2d() {
    enable_more(slots::kDataBar14_2D,
                slot_checked(slots::kDataBar14_2D) || slot_checked(slots::kDataBarLimited_2D));
}

void BarcodePage::slot_clicked(int slot) {
    if (mode_ == ReaderMode::TwoD) return two_d_slot_clicked(slot);
    const bool on = !slot_checked(slot);
    const bool data_bar = slot == slots::kDataBar14_1D || slot == slots::kDataBarExpanded_1D;
    if (mode_ != ReaderMode::Elr && data_bar) {
        // The 1D reader reads GS1 DataBar-14 and Expanded together.
        for (const int pair : {slots::kDataBar14_1D, slots::kDataBarExpanded_1D}) {
            set_checked(slot_check(pair), on);
            enable_more(pair, on);
        }
        return;
    }
    set_checked(slot_check(slot), on);
    enable_more(slot, on);
}

void BarcodePage::two_d_slot_clicked(int slot) {
    if (slot == slots::kCouponCode) return coupon_clicked();
    const bool on = !slot_checked(slot);
    set_checked(slot_check(slot), on);
    enable_more(slot, on);
    const bool upc_a = slot_checked(slots::kUpcA);
    const bool ean_13 = slot_checked(slots::kEan13);
    const bool coupon = slot_checked(slots::kCouponCode);
    switch (slot) {
        case slots::kUpcA:
            working_[kUpcA] = on;
            if (coupon && !upc_a && !ean_13) coupon_off();
            break;
        case slots::kEan13:
            working_[kEan13] = on;
            follow_ean13();
            if (coupon && !coupon_readable(upc_a, ean_13, working_[kUpcAPreamble])) coupon_off();
            break;
        case slots::kGs1128:
            working_[kGs1128] = on;
            if (coupon && !on) coupon_off();
            break;
        case slots::kDataBar14_2D:
        case slots::kDataBarLimited_2D:
            follow_data_bar_2d();
            break;
        case slots::kImageCapture:
            working_[kImageCapture] = on;
            tell_settings_page();
            break;
        default:
            break;
    }
}

void BarcodePage::coupon_off() {
    working_[kCouponCode] = 0;
    set_checked(slot_check(slots::kCouponCode), false);
    enable_more(slots::kCouponCode, false);
}

void BarcodePage::gs1_128_on() {
    working_[kGs1128] = 1;
    set_slot(slots::kGs1128, true);
}

// Coupon Code is switched on at once when the decoders it needs are on; otherwise the coupon code
// setting decides, and the box follows what the setting left in the working copy.
void BarcodePage::coupon_clicked() {
    if (slot_checked(slots::kCouponCode)) return coupon_off();
    const bool upc_a = slot_checked(slots::kUpcA);
    const bool ean_13 = slot_checked(slots::kEan13);
    if (slot_checked(slots::kGs1128) && coupon_readable(upc_a, ean_13, working_[kUpcAPreamble])) {
        working_[kCouponCode] = 1;
        set_slot(slots::kCouponCode, true);
        return;
    }
    const bool confirmed = open_dialog(kCouponDialog) == 1;
    if (!confirmed) set_checked(slot_check(slots::kCouponCode), false);
    if (coupon_readable(working_[kUpcA] != 0, working_[kEan13] != 0, working_[kUpcAPreamble])) {
        if (confirmed) {
            working_[kCouponCode] = 1;
            set_slot(slots::kCouponCode, true);
            if (working_[kUpcAPreamble] == kCountryCodePreamble) {
                working_[kUpcAPreamble] = kSystemCharacterPreamble;
            }
        } else {
            coupon_off();
        }
    }
    // Coupon codes need GS1-128 (switching it on again changes nothing).
    if (confirmed && working_[kCouponCode] == 1) gs1_128_on();
}

// UPCADLG_2D and EAN13DLG_2D_4507 check GS1-128 on the page themselves when Coupon Code is on.
void BarcodePage::more_clicked(int slot) {
    open_dialog(symbology_slots(mode_)[static_cast<std::size_t>(slot) - 1].dialog);
}

// Every parameter dialog of the page opens here.
int BarcodePage::open_dialog(std::string_view name) {
    if (name == kImageCaptureDialog) return run_image_capture_dialog(working_, texts_, host());
    SymbologyContext context{working_, texts_, host(), this,
                             [this](int form) { return run_coupon_note(host(), texts_, form); }};
    if (name == kCouponDialog) return run_coupon_setting(context);
    return run_symbology_dialog(name, context);
}

void BarcodePage::tell_form_page() {
    if (auto* form = sibling_page<FormPage>(kFormPageIndex)) {
        form->rfid_switched(checked(resources::barcode_page_ids::kRfidCheck));
    }
}

void BarcodePage::tell_form_page_reader() {
    if (auto* form = sibling_page<FormPage>(kFormPageIndex)) form->reader_switched();
}

void BarcodePage::tell_settings_page() {
    if (auto* settings = sibling_page<SettingsPage>(kSettingsPageIndex)) {
        settings->image_capture_switched();
    }
}

}  // namespace tc
