#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_record.h"
#include "texts/program_texts.h"

namespace tc::form_items {

// The item that a data type list may hold after the fifteen types, as item 16.
inline constexpr std::string_view kLargeData = "large data";
inline constexpr std::string_view kReadFrom2D = "read from 2D";
inline constexpr std::string_view kMsqi = "MSQI";
inline constexpr int kExtraTypeItem = 16;

using NumberTexts = std::array<std::string, kFormCount>;

// "nil" and the fifteen data types "text" ... "image" (codes 0-15).
std::vector<std::string> data_type_items(const texts::ProgramTexts& texts);
// "nil" and "lookup": the list of rows 3-12 of an MSQI Form.
std::vector<std::string> msqi_data_type_items(const texts::ProgramTexts& texts);

// The list item that shows a stored data type code.
int shown_type_item(Byte code, bool msqi, std::size_t row);
// The code that the chosen data type item stores.
Byte chosen_type_code(int item, bool msqi, bool list_has_read_from_2d);

// "reader", "keypad", "RFID" (only while the RFID flag is set), "all".
std::vector<std::string> input_source_items(bool rfid);
int input_source_item(Byte code, bool rfid);
Byte input_source_code(int item, bool rfid);

// "nil", then with a lookup file "field n" (and "-field n", "+field n" for "integer", "real" and
// "auto(+/-)"), else "get v n", "set v n" and "get & set v n", n = 1-12.
std::vector<std::string> link_items(bool lookup_file, Byte type, const texts::ProgramTexts& texts,
                                    const NumberTexts& numbers);
bool offers_signed_fields(Byte type);

// The Form-level lists of the page.
std::vector<std::string> form_items(const texts::ProgramTexts& texts, const NumberTexts& numbers);
std::vector<std::string> key_field_items(const NumberTexts& numbers);
std::vector<std::string> screen_items(const texts::ProgramTexts& texts, const NumberTexts& numbers);
std::vector<std::string> lookup_file_items(const texts::ProgramTexts& texts);
std::vector<std::string> record_mode_items();

// The lists of the line and Form dialogs.
std::vector<std::string> alignment_items();
std::vector<std::string> decimal_places_items();
std::vector<std::string> check_digit_items();
std::vector<std::string> auto_enter_items();
std::vector<std::string> stamp_position_items();
std::vector<std::string> year_digits_items();
std::vector<std::string> date_style_items();

}  // namespace tc::form_items
