#include "texts/device_texts.h"

namespace tc::texts {
// STUB
const std::array<DeviceTable, kDeviceTableCount> kDeviceTables{};
std::span<Byte> DeviceTextTables::slot(int) { return {}; }
std::span<const Byte> DeviceTextTables::slot(int) const { return {}; }
int put_text_in_slot(const ProgramTexts&, int, std::span<Byte>) { return 0; }
void fill_text_tables(const ProgramTexts&, DeviceTextTables&) {}
void refresh_image_texts(const ProgramTexts&, DeviceTextTables&) {}
}  // namespace tc::texts
