#include "texts/device_texts.h"

#include <optional>
#include <string>
#include <string_view>

namespace tc::texts {

// In design-file order; each line names the table's number and the screen it serves.
constexpr std::array<DeviceTable, kDeviceTableCount> kDeviceTables{{
    {3001, 5},   // 1 Show and Exit keys
    {3021, 10},  // 2 main menu bar
    {3041, 10},  // 3 "File" menu
    {3061, 10},  // 4 "Utilities" menu
    {3101, 10},  // 5 about screen
    {3121, 10},  // 6 reader test screen
    {3141, 5},   // 7 password prompt
    {3161, 10},  // 8 auto-preload setting
    {3181, 10},  // 9 data deletion setting
    {3201, 10},  // 10 entry options setting
    {3221, 20},  // 11 warning beep setting
    {3241, 20},  // 12 vibrator setting
    {3261, 20},  // 13 security setting
    {3301, 5},   // 14 Menu screen
    {3321, 5},   // 15 Form screen
    {3341, 5},   // 16 selection list
    {3361, 5},   // 17 data prompt
    {3381, 15},  // 18 record browser
    {3401, 10},  // 19 export screen
    {3421, 5},   // 20 delete screen
    {3501, 5},   // 21 RFID labels of the reader test
    {3521, 10},  // 22 settings menu without camera
    {3541, 5},   // 23 storage folders
    {3561, 5},   // 24 entry option names
    {3581, 10},  // 25 import screen
    {3601, 10},  // 26 Form line texts
    {3621, 5},   // 27 record status lines
    {3641, 10},  // 28 table names
    {3661, 70},  // 29 barcode type names
    {3801, 20},  // 30 file messages
    {3821, 15},  // 31 database messages
    {3841, 20},  // 32 input messages
    {3861, 10},  // 33 questions
    {3881, 10},  // 34 reader messages
    {3901, 10},  // 35 password messages
    {3921, 15},  // 36 imaging messages
    {3531, 10},  // 37 settings menu with camera and FTP
    {3281, 20},  // 38 camera properties screen
    {3431, 10},  // 39 folder selection screen
    {3441, 10},  // 40 image capture screen
    {3761, 10},  // 41 camera resolutions
    {3771, 10},  // 42 flash modes
    {3781, 10},  // 43 colour effects
    {3791, 10},  // 44 camera image formats
    {3941, 20},  // 45 camera messages
    {3961, 20},  // 46 image codec messages; FTP settings screen
    {3741, 20},  // 47 2D image properties screen
    {3511, 10},  // 48 exposure times
    {3551, 10},  // 49 2D image resolutions
    {3571, 10},  // 50 2D image formats
    {3591, 10},  // 51 bits per pixel
}};

namespace {

// A device text is kept to 50 characters so that it fits its slot with the terminating zero.
constexpr std::size_t kDeviceTextLength = kDeviceSlotSize - 1;

// Table 47: the 2D image properties screen, taken from the program's current language on Open.
constexpr std::size_t kImageTextsTable = 46;

static_assert(kDeviceTables[kImageTextsTable].first_id == 3741 &&
              kDeviceTables[kImageTextsTable].slots == 20);

// Where the slot of device text `id` starts in the tables' bytes.
std::optional<std::size_t> slot_offset(int id) {
    std::size_t offset = 0;
    for (const DeviceTable& table : kDeviceTables) {
        if (id >= table.first_id && id < table.first_id + table.slots) {
            return offset + static_cast<std::size_t>(id - table.first_id) * kDeviceSlotSize;
        }
        offset += static_cast<std::size_t>(table.slots) * kDeviceSlotSize;
    }
    return std::nullopt;
}

void fill_table(const ProgramTexts& texts, DeviceTextTables& tables, const DeviceTable& table) {
    for (int id = table.first_id; id < table.first_id + table.slots; ++id) {
        put_text_in_slot(texts, id, tables.slot(id));
    }
}

}  // namespace

std::span<Byte> DeviceTextTables::slot(int id) {
    const std::optional<std::size_t> offset = slot_offset(id);
    if (!offset) return {};
    return std::span<Byte>(bytes).subspan(*offset, kDeviceSlotSize);
}

std::span<const Byte> DeviceTextTables::slot(int id) const {
    const std::optional<std::size_t> offset = slot_offset(id);
    if (!offset) return {};
    return std::span<const Byte>(bytes).subspan(*offset, kDeviceSlotSize);
}

int put_text_in_slot(const ProgramTexts& texts, int id, std::span<Byte> slot) {
    const std::string text = texts.load_program_text(id, kTextBufferSize);
    const std::string_view kept = std::string_view(text).substr(0, kDeviceTextLength);
    return static_cast<int>(store_text(slot, kept));
}

void fill_text_tables(const ProgramTexts& texts, DeviceTextTables& tables) {
    for (const DeviceTable& table : kDeviceTables) fill_table(texts, tables, table);
}

void refresh_image_texts(const ProgramTexts& texts, DeviceTextTables& tables) {
    fill_table(texts, tables, kDeviceTables[kImageTextsTable]);
}

}  // namespace tc::texts
