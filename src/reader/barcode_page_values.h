#pragma once

#include <array>
#include <cstddef>

#include "reader/reader_settings_record.h"

// The bytes of the reader settings record that the Barcode page edits itself, and how its
// controls show and store them.
namespace tc::barcode_values {

inline constexpr std::size_t kReaderTypeBits = reader::kReaderTypeBits;
inline constexpr std::size_t kRfidReader = reader::kRfidReader;
inline constexpr Byte kRfidFitted = 0x01;

// Good read and buzzer.
inline constexpr std::size_t kGoodRead = 352;
inline constexpr std::size_t kLedDuration = 383;
inline constexpr std::size_t kBuzzerDuration = 384;
inline constexpr std::size_t kBuzzerFrequency = 385;  // item + 1

// 1D reader.
inline constexpr std::size_t kScanMode1D = 78;
inline constexpr std::size_t kTimeOut1D = 79;
inline constexpr std::size_t kReadRedundancy = 80;
inline constexpr std::size_t kNegativeBarcode = 81;
inline constexpr std::size_t kGtin = 82;
inline constexpr int kMinTimeOut1D = 0;
inline constexpr int kMaxTimeOut1D = 255;

// 2D reader.
inline constexpr std::size_t kDecodeTimeOut2D = 289;
inline constexpr std::size_t kSameBarcodeTimeOut = 290;
inline constexpr std::size_t kIllumination = 292;
inline constexpr std::size_t kAiming = 293;
inline constexpr std::size_t kTransmitCodeId = 295;
inline constexpr std::size_t kScanMode2D = 296;       // item + 7
inline constexpr std::size_t kRedundancyLevel = 297;  // item + 1
inline constexpr std::size_t kSecurityLevel = 298;
inline constexpr Byte kAimingOn = 2;
inline constexpr Byte kPresentationScanMode2D = 7;
inline constexpr Byte kLaserScanMode2D = 8;
inline constexpr int kMinSameBarcodeTimeOut = 0;
inline constexpr int kMaxSameBarcodeTimeOut = 99;
inline constexpr Byte kSameBarcodeTimeOutUnused = 6;

// ELR reader.
inline constexpr std::size_t kDecodeTimeOutElr = 165;
inline constexpr std::size_t kAimDurationElr = 167;

// The decode time-outs of the 2D and ELR readers, in tenths of a second.
inline constexpr int kMinDecodeTimeOut = 5;
inline constexpr int kMaxDecodeTimeOut = 99;

// "Scan Mode :" of the 1D reader: Auto Off, Continuous, Alternate, Laser, Test.
inline constexpr std::array<Byte, 5> kScanModes1D{0, 1, 3, 6, 7};

// "Barcode Reader :" items: None, 1D Laser / CCD Reader, 2D Reader.
inline constexpr std::array<Byte, 3> kReaderItemBits{0, reader::kType1D, reader::kType2D};

// The item that shows a stored 1D scan mode; -1 (nothing chosen) for a value without an item, which
// Apply then keeps.
constexpr int scan_mode_item(Byte value) {
    for (std::size_t item = 0; item < kScanModes1D.size(); ++item) {
        if (kScanModes1D[item] == value) return static_cast<int>(item);
    }
    return -1;
}

// The reader item of the mode the page is laid out for, so that Apply stores the reader the page
// shows: reader-type bits of a damaged file that mix readers show the reader of their layout. The
// ELR reader has no item and shows None.
constexpr int reader_item(ReaderMode mode) {
    if (mode == ReaderMode::OneD) return 1;
    if (mode == ReaderMode::TwoD) return 2;
    return 0;
}

// The reader-type bits of a reader item; other bits are dropped.
constexpr Byte reader_bits(int item) {
    return item >= 0 && item < static_cast<int>(kReaderItemBits.size()) ? kReaderItemBits[item] : 0;
}

// Stores a list's item plus `offset` into `byte`. A list without a choice shows a stored byte that
// has no item (a damaged file): the byte is kept until the user chooses an item.
inline void store_item(ReaderSettingsRecord& record, std::size_t byte, int item, int offset = 0) {
    if (item >= 0) record[byte] = static_cast<Byte>(item + offset);
}

}  // namespace tc::barcode_values
