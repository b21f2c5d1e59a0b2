#pragma once

#include <string>

#include "forms/form_record.h"

namespace tc {

// The date stamp's pattern as the stamp dialog shows it ("DD/MM/YY"): the parts that are on, in
// the order of the date style, with the separator between them when it is on.
std::string date_pattern(const FormRecord& form);

// The time stamp's pattern ("HH:MM:SS").
std::string time_pattern(const FormRecord& form);

}  // namespace tc
