#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "forms/form_record.h"

namespace tc::preview {

// The terminal's own messages for refused input (device texts).
inline constexpr int kDataTooShort = 3841;
inline constexpr int kDataTooLong = 3842;
inline constexpr int kWrongDataType = 3843;
inline constexpr int kWrongLeadingCode = 3844;
inline constexpr int kDataNotFound = 3848;
inline constexpr int kPressAKey = 3601;

// Whether the walk-through stops at line `line` (0-14) of `form` for input.
bool is_entry_line(const FormRecord& form, std::size_t line);

// Whether the line takes typed keys, and whether it takes a scan (reader or RFID).
bool takes_keys(const FormRecord& form, std::size_t line);
bool takes_scan(const FormRecord& form, std::size_t line);

// The line's maximum length (multiples of 160 and the remainder).
std::size_t max_length(const FormRecord& form, std::size_t line);

// 0 when `c` may follow `value` on the line, else the device text that says why not.
int refuse_character(const FormRecord& form, std::size_t line, const std::string& value, char c);

// 0 when `value` may complete the line, else the device text that says why not.
int refuse_value(const FormRecord& form, std::size_t line, const std::string& value);

// The part of scanned data that the line keeps ("Read partial barcode").
std::string scanned_part(const FormRecord& form, std::size_t line, std::string_view data);

}  // namespace tc::preview
