#include "settings/system_settings_record.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/record_bytes.h"

namespace tc {
namespace {

using test::bytes_of;
using test::differing_offsets;
using ::testing::IsEmpty;

constexpr std::size_t kSize = 862;
constexpr std::size_t kExportStore = 54;
constexpr std::size_t kImageStore = 369;
constexpr std::size_t kStoreSize = 261;
constexpr std::size_t kReservedTail = 641;
constexpr Byte kFiller = 0xAA;

// The new-design bytes written from the field list; `before` supplies the reserved tail and the
// store paths' bytes behind their terminating zero.
std::vector<Byte> expected_settings(const std::string& store, const std::vector<Byte>& before) {
    std::vector<Byte> bytes(kSize, 0);
    std::copy(before.begin() + kReservedTail, before.end(), bytes.begin() + kReservedTail);
    test::set_bytes(bytes, {{1, 1}, {2, 1}});
    bytes[3] = 44;  // ","
    bytes[6] = 1;   // data_deletion "Manual"
    bytes[7] = 1;   // entry_option "Show count"
    bytes[8] = 6;   // entry_display_time
    bytes[9] = 9;   // warning_beep
    test::set_bytes(bytes, {{363, 10}, {364, 60}});
    bytes[367] = 1;  // camera_color_effect "Normal"
    for (const std::size_t slot : {kExportStore, kImageStore}) {
        std::copy(before.begin() + static_cast<std::ptrdiff_t>(slot),
                  before.begin() + static_cast<std::ptrdiff_t>(slot + kStoreSize),
                  bytes.begin() + static_cast<std::ptrdiff_t>(slot));
        std::copy(store.begin(), store.end(), bytes.begin() + static_cast<std::ptrdiff_t>(slot));
        bytes[slot + store.size()] = 0;
    }
    return bytes;
}

TEST(SystemSettingsRecord, ResetWritesTheNewDesignValuesAndKeepsTheUntouchedBytes) {
    const texts::ProgramTexts texts;
    // The built-in store path is "\DiskOnChip" padded with spaces to 50 characters.
    const std::string disk_on_chip = "\\DiskOnChip" + std::string(39, ' ');

    SystemSettingsRecord settings = test::filled<SystemSettingsRecord>(kFiller);
    const std::vector<Byte> before = bytes_of(settings);
    reset_system_settings(settings, texts);
    EXPECT_THAT(differing_offsets(bytes_of(settings), expected_settings(disk_on_chip, before)),
                IsEmpty());
}

TEST(SystemSettingsRecord, StorePathsComeFromTheLanguageFile) {
    texts::ProgramTexts texts;
    texts.read_language_entries("Test\r\n3541=\\Storage Card\r\n");
    texts.set_language_active(true);

    SystemSettingsRecord settings = test::filled<SystemSettingsRecord>(kFiller);
    const std::vector<Byte> before = bytes_of(settings);
    reset_system_settings(settings, texts);
    EXPECT_EQ(slot_text(settings.export_store), "\\Storage Card");
    EXPECT_EQ(slot_text(settings.image_store), "\\Storage Card");
    EXPECT_THAT(differing_offsets(bytes_of(settings), expected_settings("\\Storage Card", before)),
                IsEmpty());
}

}  // namespace
}  // namespace tc
