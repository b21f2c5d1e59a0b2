#pragma once

#include <array>
#include <cstddef>

#include "texts/program_texts.h"
#include "texts/text_slot.h"

namespace tc {

// The terminal's system settings as they stand in memory and in the design file (862 bytes).
struct SystemSettingsRecord {
    Byte start_screen;
    Byte reserved_1;
    Byte reserved_2;
    Byte data_delimiter_1;
    Byte data_delimiter_2;
    Byte preload_last_file;
    Byte data_deletion;
    Byte entry_option;
    Byte entry_display_time;
    Byte warning_beep;
    Byte vibrator_duration;
    std::array<Byte, 11> password;
    Byte reserved_22;
    std::array<Byte, 12> security_flags;
    Byte security_image_capture;
    std::array<Byte, 17> reserved_36;
    Byte reserved_53;
    std::array<Byte, 261> export_store;
    std::array<Byte, 20> reserved_315;
    std::array<Byte, 5> reserved_335;
    Byte reserved_340;
    std::array<Byte, 21> reserved_341;
    Byte auto_run;
    Byte reserved_363;
    Byte reserved_364;
    Byte camera_resolution;
    Byte camera_flash;
    Byte camera_color_effect;
    Byte camera_image_format;
    std::array<Byte, 261> image_store;
    Byte auto_file_name;
    std::array<Byte, 6> file_title;
    Byte reserved_637;
    Byte default_naming_rule;
    Byte delete_database_on_open;
    Byte time_stamp_on_image;
    std::array<Byte, 221> reserved_641;
};
static_assert(sizeof(SystemSettingsRecord) == 862);
static_assert(offsetof(SystemSettingsRecord, export_store) == 54);
static_assert(offsetof(SystemSettingsRecord, auto_run) == 362);
static_assert(offsetof(SystemSettingsRecord, image_store) == 369);
static_assert(offsetof(SystemSettingsRecord, time_stamp_on_image) == 640);

inline constexpr int kDefaultStoreText = 3541;

// Sets bytes 0-640 to the new-design values; the bytes of export_store and image_store behind the
// copied text's terminating zero keep what they held; bytes 641-861 are not touched.
void reset_system_settings(SystemSettingsRecord& settings, const texts::ProgramTexts& texts);

}  // namespace tc
