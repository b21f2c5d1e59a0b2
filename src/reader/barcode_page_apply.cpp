#include "reader/barcode_page.h"
#include "reader/barcode_page_values.h"
#include "reader/barcode_slots.h"
#include "reader/number_text.h"
#include "resources/barcode_page_layout.h"

namespace tc {
namespace {

using namespace resources::barcode_page_ids;
using namespace barcode_values;

constexpr int kByteMaximum = 255;

}  // namespace

// The reader group first, then good read and buzzer, then the settings of the mode the page is
// laid out for (none without a reader), and the working copy becomes the saved record.
void BarcodePage::take_over() {
    working_[kReaderTypeBits] = reader_bits(selection(kReaderList));
    working_[kRfidReader] = checked(kRfidCheck) ? kRfidFitted : 0;
    document_.reader_states = derive_reader_states(working_);

    store_item(working_, kGoodRead, selection(kGoodReadList));
    working_[kLedDuration] = edit_byte(kLedEdit, 0, kByteMaximum);
    store_item(working_, kBuzzerFrequency, selection(kFrequencyList), 1);
    working_[kBuzzerDuration] = edit_byte(kBuzzerEdit, 0, kByteMaximum);

    switch (mode_) {
        case ReaderMode::OneD:
            apply_one_d();
            break;
        case ReaderMode::TwoD:
            apply_two_d();
            break;
        case ReaderMode::Elr:
            apply_elr();
            break;
        case ReaderMode::None:
            break;
    }

    document_.reader = working_;
    document_.modified = true;
}

void BarcodePage::apply_one_d() {
    const int scan_mode = selection(kScanModeList);
    if (scan_mode >= 0) working_[kScanMode1D] = kScanModes1D[static_cast<std::size_t>(scan_mode)];
    working_[kTimeOut1D] = edit_byte(kTimeOutEdit, kMinTimeOut1D, kMaxTimeOut1D);
    store_item(working_, kReadRedundancy, selection(kReadRedundancyList));
    working_[kNegativeBarcode] = checked(kNegativeCheck) ? 1 : 0;
    working_[kGtin] = checked(kGtinCheck) ? 1 : 0;
    apply_slots();
}

void BarcodePage::apply_two_d() {
    store_item(working_, kIllumination, selection(kIlluminationList));
    working_[kAiming] = selection(kAimingList) == 1 ? kAimingOn : 0;
    working_[kDecodeTimeOut2D] =
        edit_byte(kDecodeTimeOutEdit, kMinDecodeTimeOut, kMaxDecodeTimeOut);
    working_[kSameBarcodeTimeOut] =
        enabled(kSameBarcodeEdit)
            ? edit_byte(kSameBarcodeEdit, kMinSameBarcodeTimeOut, kMaxSameBarcodeTimeOut)
            : kSameBarcodeTimeOutUnused;
    store_item(working_, kScanMode2D, selection(kScanMode2DList), kPresentationScanMode2D);
    store_item(working_, kRedundancyLevel, selection(kRedundancyLevelList), 1);
    store_item(working_, kSecurityLevel, selection(kSecurityList));
    store_item(working_, kTransmitCodeId, selection(kCodeIdList));
    apply_slots();
}

// The ELR edits are stored as they stand: the AIM duration is never shown, and the decode
// time-out is kept within its range while the user types.
void BarcodePage::apply_elr() {
    working_[kAimDurationElr] = edit_byte(kAimDurationEdit, 0, kByteMaximum);
    working_[kDecodeTimeOutElr] = edit_byte(kElrTimeOutEdit, 0, kByteMaximum);
    apply_slots();
}

// The enable bytes of the mode's list; in 2D mode the Coupon Code slot is left out, as its click
// rules keep byte 208 up to date.
void BarcodePage::apply_slots() {
    auto slots = symbology_slots(mode_);
    if (mode_ == ReaderMode::TwoD) slots = slots.first(slots::kCouponCode - 1);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        working_[slots[i].enable_byte] = checked(slot_check(static_cast<int>(i) + 1)) ? 1 : 0;
    }
}

Byte BarcodePage::edit_byte(int id, int minimum, int maximum) const {
    return static_cast<Byte>(number_value(text(id), minimum, maximum));
}

}  // namespace tc
