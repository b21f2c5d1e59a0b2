#pragma once

#include <array>
#include <ctime>
#include <string>

#include "forms/form_record.h"
#include "settings/system_settings_record.h"

namespace tc::preview {

// What a walk through a Form collected.
struct CollectedData {
    std::array<std::string, kFormLines> lines;
    std::string handover;  // handed over by the Menu or the "pass down" Form that led here
    unsigned record_number = 1;
    std::tm time{};
};

// The date and time stamp as the Form's stamp settings write it.
std::string stamp_text(const FormRecord& form, const std::tm& time, const std::string& delimiter);

// The fields of the record that the Form saves, in the saved record's order, each as written.
std::vector<std::string> saved_record_fields(const FormRecord& form, const CollectedData& data,
                                             const std::string& delimiter);

// The data field delimiters of the settings, as text (none when both are 0).
std::string field_delimiter(const SystemSettingsRecord& system);

}  // namespace tc::preview
