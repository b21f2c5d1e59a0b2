#pragma once

#include <array>
#include <cstddef>

#include "texts/text_slot.h"

namespace tc {

inline constexpr std::size_t kReaderSettingsSize = 766;

// The barcode and RFID reader settings (766 bytes). The record is addressed by byte offset, as
// the terminal reads it; the named offsets below are those the rest of the program refers to.
struct ReaderSettingsRecord {
    std::array<Byte, kReaderSettingsSize> bytes{};

    Byte& operator[](std::size_t offset) { return bytes[offset]; }
    Byte operator[](std::size_t offset) const { return bytes[offset]; }
};
static_assert(sizeof(ReaderSettingsRecord) == kReaderSettingsSize);

namespace reader {
inline constexpr std::size_t kReaderKind = 0;
inline constexpr std::size_t kImageCapture = 300;
inline constexpr std::size_t kReaderTypeCopy = 351;
inline constexpr std::size_t kWarningBeep = 353;
inline constexpr std::size_t kVibratorSwitch = 354;
inline constexpr std::size_t kVibratorDuration = 355;
inline constexpr std::size_t kReaderTypeBits = 404;
inline constexpr std::size_t kExtraLengthSwitch = 405;
inline constexpr std::size_t kImageStore = 467;
inline constexpr std::size_t kRfidReader = 736;

inline constexpr Byte kType1D = 0x01;
inline constexpr Byte kTypeElr = 0x02;
inline constexpr Byte kType2DSecond = 0x04;
inline constexpr Byte kType2D = 0x40;
inline constexpr Byte kType1DThird = 0x80;
}  // namespace reader

enum class ReaderMode { None, OneD, TwoD, Elr };

// The two small values derived from the reader-type bits that steer the Barcode page.
struct ReaderStates {
    int one_d = 0;  // 2: 0x01, 1: 0x02, 3: 0x80, else 0
    int two_d = 0;  // 1: 0x04, 2: 0x40, else 0

    ReaderMode mode() const;
};

ReaderStates derive_reader_states(const ReaderSettingsRecord& record);

// Writes the default values; bytes marked "not reset" keep what they held.
void reset_reader_settings(ReaderSettingsRecord& record);

struct SystemSettingsRecord;

// Refreshes the derived reader bytes before saving (and clears the 2D image capture switches
// when no 2D reader is fitted).
void normalise_reader_before_save(ReaderSettingsRecord& record, SystemSettingsRecord& settings);

}  // namespace tc
