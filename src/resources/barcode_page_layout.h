#pragma once

#include "ui/dialog_template.h"

namespace tc::resources {

// Control identifiers of the Barcode page (BARCODEDLG).
namespace barcode_page_ids {
// Group "Reader Type".
inline constexpr int kReaderGroup = 2001;
inline constexpr int kReaderLabel = 2002;
inline constexpr int kReaderList = 2003;
inline constexpr int kResetButton = 2004;
inline constexpr int kRfidCheck = 2005;
inline constexpr int kRfidMore = 2006;

// Group "Reader Settings": good read and buzzer, shown in every mode.
inline constexpr int kSettingsGroup = 2010;
inline constexpr int kGoodReadLabel = 2011;
inline constexpr int kGoodReadList = 2012;
inline constexpr int kLedLabel = 2013;
inline constexpr int kLedEdit = 2014;
inline constexpr int kLedUnit = 2015;
inline constexpr int kFrequencyLabel = 2016;
inline constexpr int kFrequencyList = 2017;
inline constexpr int kBuzzerLabel = 2018;
inline constexpr int kBuzzerEdit = 2019;
inline constexpr int kBuzzerUnit = 2020;

// Scanning controls of the 1D reader (and of no reader).
inline constexpr int kScanModeLabel = 2030;
inline constexpr int kScanModeList = 2031;
inline constexpr int kReadRedundancyLabel = 2032;
inline constexpr int kReadRedundancyList = 2033;
inline constexpr int kTimeOutLabel = 2034;
inline constexpr int kTimeOutEdit = 2035;
inline constexpr int kTimeOutUnit = 2036;
inline constexpr int kNegativeCheck = 2037;
inline constexpr int kGtinCheck = 2038;

// Scanning controls of the 2D reader and its four parameter buttons.
inline constexpr int kIlluminationLabel = 2040;
inline constexpr int kIlluminationList = 2041;
inline constexpr int kAimingLabel = 2042;
inline constexpr int kAimingList = 2043;
inline constexpr int kDecodeTimeOutLabel = 2044;
inline constexpr int kDecodeTimeOutEdit = 2045;
inline constexpr int kDecodeTimeOutUnit = 2046;
inline constexpr int kScanMode2DLabel = 2047;
inline constexpr int kScanMode2DList = 2048;
inline constexpr int kSameBarcodeLabel = 2049;
inline constexpr int kSameBarcodeEdit = 2050;
inline constexpr int kSameBarcodeUnit = 2051;
inline constexpr int kRedundancyLevelLabel = 2052;
inline constexpr int kRedundancyLevelList = 2053;
inline constexpr int kSecurityLabel = 2054;
inline constexpr int kSecurityList = 2055;
inline constexpr int kCodeIdLabel = 2056;
inline constexpr int kCodeIdList = 2057;
inline constexpr int kPostalButton = 2058;
inline constexpr int kCompositeButton = 2059;
inline constexpr int kSymbologiesButton = 2060;
inline constexpr int kMacroPdfButton = 2061;

// Time fields of the ELR reader; the AIM duration is never shown.
inline constexpr int kElrTimeOutLabel = 2070;
inline constexpr int kElrTimeOutEdit = 2071;
inline constexpr int kElrTimeOutUnit = 2072;
inline constexpr int kAimDurationLabel = 2073;
inline constexpr int kAimDurationEdit = 2074;
inline constexpr int kAimDurationUnit = 2075;

// Group "Barcode && Parameters": 27 symbology slots, each a check box and a "more..." button.
inline constexpr int kSlotGroup = 2080;
inline constexpr int kSlotCount = 27;
constexpr int slot_check(int slot) {
    return 2100 + slot;
}  // slot 1-27
constexpr int slot_more(int slot) {
    return 2130 + slot;
}
}  // namespace barcode_page_ids

const ui::DialogTemplate& barcode_page_layout();

}  // namespace tc::resources
