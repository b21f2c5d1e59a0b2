#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "texts/program_texts.h"
#include "texts/text_slot.h"

namespace tc::texts {

inline constexpr std::size_t kDeviceSlotSize = 51;
inline constexpr std::size_t kDeviceTableCount = 51;
inline constexpr std::size_t kDeviceSlotCount = 620;
inline constexpr std::size_t kDeviceTextBytes = kDeviceSlotCount * kDeviceSlotSize;  // 31,620

struct DeviceTable {
    int first_id;
    int slots;
};

// The 51 tables in design-file order.
extern const std::array<DeviceTable, kDeviceTableCount> kDeviceTables;

// The device text tables of a design: 620 slots of 51 bytes, laid out as in the design file.
struct DeviceTextTables {
    std::array<Byte, kDeviceTextBytes> bytes{};

    // The slot that holds device text `id`; an empty span when no table holds it.
    std::span<Byte, std::dynamic_extent> slot(int id);
    std::span<const Byte, std::dynamic_extent> slot(int id) const;
};

// Loads program text `id` (160 characters at most), keeps its first 50 characters and stores them
// with a terminating zero in `slot`; returns the number of characters kept.
int put_text_in_slot(const ProgramTexts& texts, int id, std::span<Byte> slot);

// Fills all 620 slots from the program texts.
void fill_text_tables(const ProgramTexts& texts, DeviceTextTables& tables);

// Fills the 20 slots of texts 3741-3760 (the 2D image properties screen).
void refresh_image_texts(const ProgramTexts& texts, DeviceTextTables& tables);

}  // namespace tc::texts
