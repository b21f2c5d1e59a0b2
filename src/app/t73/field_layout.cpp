// The record layouts as documented for the design file, one table per record. The tables drive
// dump, build and check; the assertions below hold them against the record structs, so a table
// and a struct cannot drift apart.
#include "app/t73/field_layout.h"

#include <array>
#include <cstddef>

#include "forms/form_record.h"
#include "lookups/lookup_record.h"
#include "menus/menu_record.h"
#include "settings/system_settings_record.h"

namespace tc::t73 {
namespace {

constexpr FieldKind N = FieldKind::Number;
constexpr FieldKind T = FieldKind::Text;
constexpr FieldKind H = FieldKind::Hex;
constexpr std::size_t kLines = kFormLines;

constexpr std::array kFormTable{
    FieldLayout{"esc_target", 0, 1, 1, N},
    FieldLayout{"next_target", 1, 1, 1, N},
    FieldLayout{"lookup_file", 2, 1, 1, N},
    FieldLayout{"record_mode", 3, 1, 1, N},
    FieldLayout{"key_field", 4, 1, 1, N},
    FieldLayout{"stamp_position", 5, 1, 1, N},
    FieldLayout{"stamp_split", 6, 1, 1, N},
    FieldLayout{"date_year", 7, 1, 1, N},
    FieldLayout{"year_digits", 8, 1, 1, N},
    FieldLayout{"date_month", 9, 1, 1, N},
    FieldLayout{"date_day", 10, 1, 1, N},
    FieldLayout{"date_separator_on", 11, 1, 1, N},
    FieldLayout{"date_separator", 12, 2, 1, T},
    FieldLayout{"date_style", 14, 1, 1, N},
    FieldLayout{"time_hour", 15, 1, 1, N},
    FieldLayout{"time_minute", 16, 1, 1, N},
    FieldLayout{"time_second", 17, 1, 1, N},
    FieldLayout{"time_separator_on", 18, 1, 1, N},
    FieldLayout{"time_separator", 19, 2, 1, T},
    FieldLayout{"field_count", 21, 1, 1, N},
    FieldLayout{"key_position", 22, 1, 1, N},
    FieldLayout{"record_length_low", 23, 1, 1, N},
    FieldLayout{"record_length_high", 24, 1, 1, N},
    FieldLayout{"handover_field", 25, 1, 1, N},
    FieldLayout{"no_key_field", 26, 1, 1, N},
    FieldLayout{"read_once", 27, 1, 1, N},
    FieldLayout{"export_rename", 28, 1, 1, N},
    FieldLayout{"export_name", 29, 21, 1, T},
    FieldLayout{"data_type", 50, 1, kLines, N},
    FieldLayout{"prompt", 65, 51, kLines, T},
    FieldLayout{"input_source", 830, 1, kLines, N},
    FieldLayout{"min_length", 845, 1, kLines, N},
    FieldLayout{"max_length_low", 860, 1, kLines, N},
    FieldLayout{"max_length_high", 875, 1, kLines, N},
    FieldLayout{"link", 890, 1, kLines, N},
    FieldLayout{"extra_length", 905, 1, kLines, N},
    FieldLayout{"fixed_length_on", 920, 1, kLines, N},
    FieldLayout{"alignment", 935, 1, kLines, N},
    FieldLayout{"fixed_length_low", 950, 1, kLines, N},
    FieldLayout{"fixed_length_high", 965, 1, kLines, N},
    FieldLayout{"initial_on", 980, 1, kLines, N},
    FieldLayout{"initial_text", 995, 161, kLines, T},
    FieldLayout{"prefix_on", 3410, 1, kLines, N},
    FieldLayout{"prefix", 3425, 11, kLines, T},
    FieldLayout{"suffix_on", 3590, 1, kLines, N},
    FieldLayout{"suffix", 3605, 11, kLines, T},
    FieldLayout{"input_mark", 3770, 1, kLines, N},
    FieldLayout{"decimal_places", 3785, 1, kLines, N},
    FieldLayout{"partial_on", 3800, 1, kLines, N},
    FieldLayout{"partial_start_low", 3815, 1, kLines, N},
    FieldLayout{"partial_start_high", 3830, 1, kLines, N},
    FieldLayout{"partial_length", 3845, 1, kLines, N},
    FieldLayout{"leading_code_on", 3860, 1, kLines, N},
    FieldLayout{"leading_code", 3875, 11, kLines, T},
    FieldLayout{"check_digit", 4040, 1, kLines, N},
    FieldLayout{"auto_enter", 4055, 1, kLines, N},
    FieldLayout{"last_input_line", 4070, 1, 1, N},
    FieldLayout{"reserved_4071", 4071, 1, 1, H},
    FieldLayout{"edit_file_path", 4072, 1, kLines, N},
    FieldLayout{"save_file_path", 4087, 1, kLines, N},
    FieldLayout{"check_file_path", 4102, 1, kLines, N},
    FieldLayout{"auto_export", 4117, 1, 1, N},
    FieldLayout{"save_mode", 4118, 1, 1, N},
    FieldLayout{"reserved_4119", 4119, 9, 1, H},
    FieldLayout{"msqi_enabled", 4128, 1, 1, N},
    FieldLayout{"auto_delete", 4129, 1, 1, N},
    FieldLayout{"reserved_4130", 4130, 897, 1, H},
};

constexpr std::array kMenuTable{
    FieldLayout{"caption_on", 0, 1, 1, N},
    FieldLayout{"caption", 1, 51, 1, T},
    FieldLayout{"item_name", 52, 51, kMenuItems, T},
    FieldLayout{"esc_target", 817, 1, 1, N},
    FieldLayout{"item_target", 818, 1, kMenuItems, N},
    FieldLayout{"save_caption", 833, 1, 1, N},
    FieldLayout{"save_selected_item", 834, 1, 1, N},
    FieldLayout{"item_count", 835, 1, 1, N},
    FieldLayout{"reserved_836", 836, 1, 1, H},
    FieldLayout{"reserved_837", 837, 500, 1, H},
};

constexpr std::array kLookupTable{
    FieldLayout{"field_count", 0, 1, 1, N},
    FieldLayout{"key_field", 1, 1, 1, N},
    FieldLayout{"record_length_low", 2, 1, 1, N},
    FieldLayout{"record_length_high", 3, 1, 1, N},
    FieldLayout{"export_rename", 4, 1, 1, N},
    FieldLayout{"export_name", 5, 21, 1, T},
    FieldLayout{"field_type", 26, 1, kLookupFields, N},
    FieldLayout{"field_name", 41, 51, kLookupFields, T},
    FieldLayout{"field_length_low", 806, 1, kLookupFields, N},
    FieldLayout{"field_length_high", 821, 1, kLookupFields, N},
    FieldLayout{"delimiter", 836, 1, 1, N},
    FieldLayout{"no_match_action", 837, 1, 1, N},
    FieldLayout{"bad_format_action", 838, 1, 1, N},
    FieldLayout{"auto_export", 839, 1, 1, N},
    FieldLayout{"save_mode", 840, 1, 1, N},
    FieldLayout{"reserved_841", 841, 9, 1, H},
    FieldLayout{"auto_delete", 850, 1, 1, N},
    FieldLayout{"reserved_851", 851, 473, 1, H},
};

constexpr std::array kSystemSettingsTable{
    FieldLayout{"start_screen", 0, 1, 1, N},
    FieldLayout{"reserved_1", 1, 1, 1, H},
    FieldLayout{"reserved_2", 2, 1, 1, H},
    FieldLayout{"data_delimiter_1", 3, 1, 1, N},
    FieldLayout{"data_delimiter_2", 4, 1, 1, N},
    FieldLayout{"preload_last_file", 5, 1, 1, N},
    FieldLayout{"data_deletion", 6, 1, 1, N},
    FieldLayout{"entry_option", 7, 1, 1, N},
    FieldLayout{"entry_display_time", 8, 1, 1, N},
    FieldLayout{"warning_beep", 9, 1, 1, N},
    FieldLayout{"vibrator_duration", 10, 1, 1, N},
    FieldLayout{"password", 11, 11, 1, T},
    FieldLayout{"reserved_22", 22, 1, 1, H},
    FieldLayout{"security_flags", 23, 1, 12, N},
    FieldLayout{"security_image_capture", 35, 1, 1, N},
    FieldLayout{"reserved_36", 36, 17, 1, H},
    FieldLayout{"reserved_53", 53, 1, 1, H},
    FieldLayout{"export_store", 54, 261, 1, T},
    FieldLayout{"reserved_315", 315, 20, 1, H},
    FieldLayout{"reserved_335", 335, 5, 1, H},
    FieldLayout{"reserved_340", 340, 1, 1, H},
    FieldLayout{"reserved_341", 341, 21, 1, H},
    FieldLayout{"auto_run", 362, 1, 1, N},
    FieldLayout{"reserved_363", 363, 1, 1, H},
    FieldLayout{"reserved_364", 364, 1, 1, H},
    FieldLayout{"camera_resolution", 365, 1, 1, N},
    FieldLayout{"camera_flash", 366, 1, 1, N},
    FieldLayout{"camera_color_effect", 367, 1, 1, N},
    FieldLayout{"camera_image_format", 368, 1, 1, N},
    FieldLayout{"image_store", 369, 261, 1, T},
    FieldLayout{"auto_file_name", 630, 1, 1, N},
    FieldLayout{"file_title", 631, 6, 1, T},
    FieldLayout{"reserved_637", 637, 1, 1, H},
    FieldLayout{"default_naming_rule", 638, 1, 1, N},
    FieldLayout{"delete_database_on_open", 639, 1, 1, N},
    FieldLayout{"time_stamp_on_image", 640, 1, 1, N},
    FieldLayout{"reserved_641", 641, 221, 1, H},
};

// True when the fields follow each other from offset 0 without gaps and end at `size`.
template <std::size_t Count>
constexpr bool tiles_record(const std::array<FieldLayout, Count>& fields, std::size_t size) {
    std::size_t next = 0;
    for (const FieldLayout& field : fields) {
        if (field.offset != next || field.bytes() == 0) return false;
        if (field.kind != FieldKind::Text && field.kind != FieldKind::Hex && field.size != 1) {
            return false;
        }
        next += field.bytes();
    }
    return next == size;
}

static_assert(tiles_record(kFormTable, sizeof(FormRecord)));
static_assert(tiles_record(kMenuTable, sizeof(MenuRecord)));
static_assert(tiles_record(kLookupTable, sizeof(LookupRecord)));
static_assert(tiles_record(kSystemSettingsTable, sizeof(SystemSettingsRecord)));

template <std::size_t Count>
constexpr FieldLayout field_named(const std::array<FieldLayout, Count>& fields,
                                  std::string_view name) {
    for (const FieldLayout& field : fields) {
        if (field.name == name) return field;
    }
    return FieldLayout{name, 0, 0, 0, FieldKind::Hex};
}

// Each table entry sits where the struct member of the same name sits, and is as large.
#define TC_FIELD_MATCHES(fields, Record, member)                                      \
    static_assert(field_named(fields, #member).offset == offsetof(Record, member) &&  \
                      field_named(fields, #member).bytes() == sizeof(Record::member), \
                  #Record "::" #member)

TC_FIELD_MATCHES(kFormTable, FormRecord, esc_target);
TC_FIELD_MATCHES(kFormTable, FormRecord, next_target);
TC_FIELD_MATCHES(kFormTable, FormRecord, lookup_file);
TC_FIELD_MATCHES(kFormTable, FormRecord, record_mode);
TC_FIELD_MATCHES(kFormTable, FormRecord, key_field);
TC_FIELD_MATCHES(kFormTable, FormRecord, stamp_position);
TC_FIELD_MATCHES(kFormTable, FormRecord, stamp_split);
TC_FIELD_MATCHES(kFormTable, FormRecord, date_year);
TC_FIELD_MATCHES(kFormTable, FormRecord, year_digits);
TC_FIELD_MATCHES(kFormTable, FormRecord, date_month);
TC_FIELD_MATCHES(kFormTable, FormRecord, date_day);
TC_FIELD_MATCHES(kFormTable, FormRecord, date_separator_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, date_separator);
TC_FIELD_MATCHES(kFormTable, FormRecord, date_style);
TC_FIELD_MATCHES(kFormTable, FormRecord, time_hour);
TC_FIELD_MATCHES(kFormTable, FormRecord, time_minute);
TC_FIELD_MATCHES(kFormTable, FormRecord, time_second);
TC_FIELD_MATCHES(kFormTable, FormRecord, time_separator_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, time_separator);
TC_FIELD_MATCHES(kFormTable, FormRecord, field_count);
TC_FIELD_MATCHES(kFormTable, FormRecord, key_position);
TC_FIELD_MATCHES(kFormTable, FormRecord, record_length_low);
TC_FIELD_MATCHES(kFormTable, FormRecord, record_length_high);
TC_FIELD_MATCHES(kFormTable, FormRecord, handover_field);
TC_FIELD_MATCHES(kFormTable, FormRecord, no_key_field);
TC_FIELD_MATCHES(kFormTable, FormRecord, read_once);
TC_FIELD_MATCHES(kFormTable, FormRecord, export_rename);
TC_FIELD_MATCHES(kFormTable, FormRecord, export_name);
TC_FIELD_MATCHES(kFormTable, FormRecord, data_type);
TC_FIELD_MATCHES(kFormTable, FormRecord, prompt);
TC_FIELD_MATCHES(kFormTable, FormRecord, input_source);
TC_FIELD_MATCHES(kFormTable, FormRecord, min_length);
TC_FIELD_MATCHES(kFormTable, FormRecord, max_length_low);
TC_FIELD_MATCHES(kFormTable, FormRecord, max_length_high);
TC_FIELD_MATCHES(kFormTable, FormRecord, link);
TC_FIELD_MATCHES(kFormTable, FormRecord, extra_length);
TC_FIELD_MATCHES(kFormTable, FormRecord, fixed_length_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, alignment);
TC_FIELD_MATCHES(kFormTable, FormRecord, fixed_length_low);
TC_FIELD_MATCHES(kFormTable, FormRecord, fixed_length_high);
TC_FIELD_MATCHES(kFormTable, FormRecord, initial_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, initial_text);
TC_FIELD_MATCHES(kFormTable, FormRecord, prefix_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, prefix);
TC_FIELD_MATCHES(kFormTable, FormRecord, suffix_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, suffix);
TC_FIELD_MATCHES(kFormTable, FormRecord, input_mark);
TC_FIELD_MATCHES(kFormTable, FormRecord, decimal_places);
TC_FIELD_MATCHES(kFormTable, FormRecord, partial_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, partial_start_low);
TC_FIELD_MATCHES(kFormTable, FormRecord, partial_start_high);
TC_FIELD_MATCHES(kFormTable, FormRecord, partial_length);
TC_FIELD_MATCHES(kFormTable, FormRecord, leading_code_on);
TC_FIELD_MATCHES(kFormTable, FormRecord, leading_code);
TC_FIELD_MATCHES(kFormTable, FormRecord, check_digit);
TC_FIELD_MATCHES(kFormTable, FormRecord, auto_enter);
TC_FIELD_MATCHES(kFormTable, FormRecord, last_input_line);
TC_FIELD_MATCHES(kFormTable, FormRecord, reserved_4071);
TC_FIELD_MATCHES(kFormTable, FormRecord, edit_file_path);
TC_FIELD_MATCHES(kFormTable, FormRecord, save_file_path);
TC_FIELD_MATCHES(kFormTable, FormRecord, check_file_path);
TC_FIELD_MATCHES(kFormTable, FormRecord, auto_export);
TC_FIELD_MATCHES(kFormTable, FormRecord, save_mode);
TC_FIELD_MATCHES(kFormTable, FormRecord, reserved_4119);
TC_FIELD_MATCHES(kFormTable, FormRecord, msqi_enabled);
TC_FIELD_MATCHES(kFormTable, FormRecord, auto_delete);
TC_FIELD_MATCHES(kFormTable, FormRecord, reserved_4130);

TC_FIELD_MATCHES(kMenuTable, MenuRecord, caption_on);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, caption);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, item_name);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, esc_target);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, item_target);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, save_caption);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, save_selected_item);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, item_count);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, reserved_836);
TC_FIELD_MATCHES(kMenuTable, MenuRecord, reserved_837);

TC_FIELD_MATCHES(kLookupTable, LookupRecord, field_count);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, key_field);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, record_length_low);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, record_length_high);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, export_rename);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, export_name);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, field_type);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, field_name);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, field_length_low);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, field_length_high);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, delimiter);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, no_match_action);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, bad_format_action);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, auto_export);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, save_mode);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, reserved_841);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, auto_delete);
TC_FIELD_MATCHES(kLookupTable, LookupRecord, reserved_851);

TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, start_screen);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_1);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_2);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, data_delimiter_1);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, data_delimiter_2);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, preload_last_file);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, data_deletion);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, entry_option);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, entry_display_time);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, warning_beep);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, vibrator_duration);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, password);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_22);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, security_flags);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, security_image_capture);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_36);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_53);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, export_store);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_315);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_335);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_340);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_341);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, auto_run);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_363);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_364);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, camera_resolution);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, camera_flash);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, camera_color_effect);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, camera_image_format);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, image_store);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, auto_file_name);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, file_title);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_637);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, default_naming_rule);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, delete_database_on_open);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, time_stamp_on_image);
TC_FIELD_MATCHES(kSystemSettingsTable, SystemSettingsRecord, reserved_641);

#undef TC_FIELD_MATCHES

}  // namespace

const RecordLayout kFormLayout{"form", sizeof(FormRecord), kFormTable};
const RecordLayout kMenuLayout{"menu", sizeof(MenuRecord), kMenuTable};
const RecordLayout kLookupLayout{"lookup", sizeof(LookupRecord), kLookupTable};
const RecordLayout kSystemSettingsLayout{"system settings", sizeof(SystemSettingsRecord),
                                         kSystemSettingsTable};

}  // namespace tc::t73
