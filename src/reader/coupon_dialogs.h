#pragma once

#include "reader/symbology_dialogs.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc {

// The coupon code dialogs of the 2D reader. They change the working copy of the reader settings
// and, through the context's page handle, the Barcode page's check boxes. Each returns 1 when it
// was confirmed, else 0.

// What the coupon code setting hands to the coupon code content: which coupon codes are read.
enum CouponSelection : int {
    kCouponNone = 0,
    kCouponUpcA = 1,
    kCouponEan13 = 2,
    kCouponBoth = 3,
};

// COUPON_CODE_NOTE: a note on the UPC-A transmit preamble, in form 1 (the coupon code setting
// will change it) or form 2 (changing it affects the coupon code setting). It changes nothing.
int run_coupon_note(ui::Host& host, const texts::ProgramTexts& texts, int form);

// COUPON_CODE_CONTENT: shows what Proceed switches on for `selection` and switches it on.
int run_coupon_content(SymbologyContext& context, int selection);

// COUPON_CODE_2D: the choice of the coupon codes, confirmed through the coupon code content.
// Everything it changed is undone when either of the two is cancelled.
int run_coupon_setting(SymbologyContext& context);

}  // namespace tc
