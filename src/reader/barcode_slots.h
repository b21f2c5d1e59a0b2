#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "reader/reader_settings_record.h"

namespace tc {

// One check-box slot of the Barcode page in one reader mode: the program text of its label, the
// enable byte of the reader settings record it shows, and the parameter dialog its "more..."
// button opens (empty: the button is hidden).
struct SymbologySlot {
    int label_text;
    std::size_t enable_byte;
    std::string_view dialog;
};

// The slots of a mode, slot 1 first; the page's slots behind them are hidden. Without a reader the
// page shows the 1D list.
std::span<const SymbologySlot> symbology_slots(ReaderMode mode);

// Slot numbers (from 1) that the page's rules name.
namespace slots {
inline constexpr int kDataBar14_1D = 20;
inline constexpr int kDataBarExpanded_1D = 22;
inline constexpr int kUpcA = 1;  // 2D and ELR
inline constexpr int kEan13 = 5;
inline constexpr int kBookland = 6;
inline constexpr int kGs1128 = 8;
inline constexpr int kDataBar14_2D = 15;
inline constexpr int kDataBarLimited_2D = 16;
inline constexpr int kImageCapture = 20;
inline constexpr int kCouponCode = 23;
}  // namespace slots

}  // namespace tc
