#include "settings/system_settings_record.h"

#include <algorithm>
#include <string>

namespace tc {

// The layout is the design file's; every field sits at its file offset.
static_assert(offsetof(SystemSettingsRecord, start_screen) == 0);
static_assert(offsetof(SystemSettingsRecord, reserved_1) == 1);
static_assert(offsetof(SystemSettingsRecord, reserved_2) == 2);
static_assert(offsetof(SystemSettingsRecord, data_delimiter_1) == 3);
static_assert(offsetof(SystemSettingsRecord, data_delimiter_2) == 4);
static_assert(offsetof(SystemSettingsRecord, preload_last_file) == 5);
static_assert(offsetof(SystemSettingsRecord, data_deletion) == 6);
static_assert(offsetof(SystemSettingsRecord, entry_option) == 7);
static_assert(offsetof(SystemSettingsRecord, entry_display_time) == 8);
static_assert(offsetof(SystemSettingsRecord, warning_beep) == 9);
static_assert(offsetof(SystemSettingsRecord, vibrator_duration) == 10);
static_assert(offsetof(SystemSettingsRecord, password) == 11);
static_assert(offsetof(SystemSettingsRecord, reserved_22) == 22);
static_assert(offsetof(SystemSettingsRecord, security_flags) == 23);
static_assert(offsetof(SystemSettingsRecord, security_image_capture) == 35);
static_assert(offsetof(SystemSettingsRecord, reserved_36) == 36);
static_assert(offsetof(SystemSettingsRecord, reserved_53) == 53);
static_assert(offsetof(SystemSettingsRecord, reserved_315) == 315);
static_assert(offsetof(SystemSettingsRecord, reserved_335) == 335);
static_assert(offsetof(SystemSettingsRecord, reserved_340) == 340);
static_assert(offsetof(SystemSettingsRecord, reserved_341) == 341);
static_assert(offsetof(SystemSettingsRecord, reserved_363) == 363);
static_assert(offsetof(SystemSettingsRecord, reserved_364) == 364);
static_assert(offsetof(SystemSettingsRecord, camera_resolution) == 365);
static_assert(offsetof(SystemSettingsRecord, camera_flash) == 366);
static_assert(offsetof(SystemSettingsRecord, camera_color_effect) == 367);
static_assert(offsetof(SystemSettingsRecord, camera_image_format) == 368);
static_assert(offsetof(SystemSettingsRecord, auto_file_name) == 630);
static_assert(offsetof(SystemSettingsRecord, file_title) == 631);
static_assert(offsetof(SystemSettingsRecord, reserved_637) == 637);
static_assert(offsetof(SystemSettingsRecord, default_naming_rule) == 638);
static_assert(offsetof(SystemSettingsRecord, delete_database_on_open) == 639);
static_assert(offsetof(SystemSettingsRecord, reserved_641) == 641);

namespace {

constexpr Byte kComma = 44;
constexpr Byte kManualDeletion = 1;
constexpr Byte kShowCount = 1;
constexpr Byte kDisplayTime = 6;  // 600 ms
constexpr Byte kLoudestBeep = 9;
constexpr Byte kNormalColours = 1;

// Zeroes bytes [first, last) of the record.
void zero_bytes(SystemSettingsRecord& settings, std::size_t first, std::size_t last) {
    auto* const bytes = reinterpret_cast<Byte*>(&settings);
    std::fill(bytes + first, bytes + last, Byte{0});
}

}  // namespace

void reset_system_settings(SystemSettingsRecord& settings, const texts::ProgramTexts& texts) {
    // Every value around the two store paths starts at zero; the paths are stored as texts below,
    // so their bytes behind the terminating zero keep what they held.
    zero_bytes(settings, 0, offsetof(SystemSettingsRecord, export_store));
    zero_bytes(settings, offsetof(SystemSettingsRecord, reserved_315),
               offsetof(SystemSettingsRecord, image_store));
    zero_bytes(settings, offsetof(SystemSettingsRecord, auto_file_name),
               offsetof(SystemSettingsRecord, reserved_641));

    settings.reserved_1 = 1;
    settings.reserved_2 = 1;
    settings.data_delimiter_1 = kComma;
    settings.data_deletion = kManualDeletion;
    settings.entry_option = kShowCount;
    settings.entry_display_time = kDisplayTime;
    settings.warning_beep = kLoudestBeep;
    settings.reserved_363 = 10;
    settings.reserved_364 = 60;
    settings.camera_color_effect = kNormalColours;

    // The built-in text pads "\DiskOnChip" with spaces; they are kept.
    const std::string store = texts.load_program_text(kDefaultStoreText);
    store_text(settings.export_store, store);
    store_text(settings.image_store, store);
}

}  // namespace tc
