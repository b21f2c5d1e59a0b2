#pragma once

#include <functional>
#include <string_view>

#include "reader/reader_settings_record.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc {

// What a parameter dialog reaches on the Barcode page while the page is open. The calls change the
// page's controls only; the dialog writes the working copy's bytes itself.
struct BarcodePageHandle {
    virtual ~BarcodePageHandle() = default;

    // Checks or unchecks the check box of a symbology slot (1-27) of the page's current mode and
    // enables its "more..." button while it is checked. The page's own dependent rules follow
    // (in 2D mode: Bookland EAN, slot 6, is enabled while EAN-13, slot 5, is checked and unchecked
    // while it is not).
    virtual void set_slot(int slot, bool checked) = 0;
};

// Everything a symbology parameter dialog works with.
struct SymbologyContext {
    ReaderSettingsRecord& working;  // the working copy of the reader settings record
    const texts::ProgramTexts& texts;
    ui::Host& host;
    BarcodePageHandle* page = nullptr;  // the open Barcode page, when there is one
    // Runs the coupon code note (COUPON_CODE_NOTE) in form 1 or 2; returns 1 when the user
    // confirmed it. UPCADLG_2D opens it in form 2; without it the note counts as not confirmed.
    std::function<int(int form)> coupon_note;
};

// Whether `template_name` names one of the 49 symbology parameter dialogs (CODE39DLG_1D,
// UPCADLG_2D, MATRIX25_2D_4507, INTERLEAVE25DLG_1D_ELR, ...).
bool is_symbology_dialog(std::string_view template_name);

// Opens the symbology parameter dialog named `template_name` modally on the context's host.
// Returns 1 when it was confirmed with OK, 0 when it was cancelled or the name is not a member.
// OK leaves the dialog's changes in the working copy; Cancel leaves the working copy byte for byte
// as it was before the dialog opened. After UPCADLG_2D and EAN13DLG_2D_4507 close (either way),
// when Coupon Code (byte 208) is on, GS1-128 is switched on: byte 211 = 1 and, through the page
// handle, slot 8 checked. UPCADLG_2D may also switch Coupon Code off (byte 208 = 0, slot 23).
int run_symbology_dialog(std::string_view template_name, SymbologyContext& context);

}  // namespace tc
