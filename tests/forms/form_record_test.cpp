#include "forms/form_record.h"

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

constexpr std::size_t kSize = 5027;
constexpr std::size_t kReservedTail = 4130;
constexpr std::size_t kExportName = 29;
constexpr std::size_t kExportNameSize = 21;
constexpr Byte kFiller = 0xAA;

// The new-design bytes of Form `number`, written from the field list; `before` is the record as it
// stood, which supplies the bytes the reset keeps.
std::vector<Byte> expected_form(int number, const std::string& export_name,
                                const std::vector<Byte>& before) {
    std::vector<Byte> bytes(kSize, 0);
    std::copy(before.begin() + kReservedTail, before.end(), bytes.begin() + kReservedTail);
    bytes[1] = static_cast<Byte>(number);  // next_target
    for (std::size_t offset : {6, 7, 9, 10, 11, 15, 16, 17, 18}) bytes[offset] = 1;
    test::set_bytes(bytes, {{12, '/'}, {19, ':'}});
    bytes[26] = 1;  // no_key_field
    bytes[28] = 1;  // export_rename
    // The export name is a stored text: its bytes behind the terminating zero are kept.
    std::copy(before.begin() + kExportName, before.begin() + kExportName + kExportNameSize,
              bytes.begin() + kExportName);
    std::copy(export_name.begin(), export_name.end(), bytes.begin() + kExportName);
    bytes[kExportName + export_name.size()] = 0;
    for (std::size_t line = 0; line < 15; ++line) {
        bytes[830 + line] = 2;    // input_source "RFID"
        bytes[860 + line] = 160;  // max_length_low
        bytes[3845 + line] = 20;  // partial_length
        bytes[4055 + line] = 1;   // auto_enter "Scan+ENTER"
    }
    bytes[4129] = 1;  // auto_delete
    return bytes;
}

std::string number_text(int number) {
    return std::string(1, static_cast<char>('0' + number / 10)) +
           static_cast<char>('0' + number % 10);
}

TEST(FormRecord, ResetWritesTheNewDesignValuesAndKeepsTheReservedTail) {
    const texts::ProgramTexts texts;
    for (const int position : {0, 6, 9, 19}) {
        SCOPED_TRACE(position);
        const int number = position + 1;
        FormRecord form = test::filled<FormRecord>(kFiller);
        const std::vector<Byte> before = bytes_of(form);
        reset_form(form, position, texts);
        EXPECT_THAT(differing_offsets(bytes_of(form),
                                      expected_form(number, "Form " + number_text(number), before)),
                    IsEmpty());
    }
}

TEST(FormRecord, DefaultExportNameFromALanguageFileIsCutToTwentyCharacters) {
    texts::ProgramTexts texts;
    texts.read_language_entries("Test\r\n11=Erfassungsformular \r\n");
    texts.set_language_active(true);

    FormRecord form = test::filled<FormRecord>(kFiller);
    const std::vector<Byte> before = bytes_of(form);
    reset_form(form, 11, texts);
    // "Erfassungsformular 12" has 21 characters; the slot holds 20.
    const std::string cut = std::string("Erfassungsformular 12").substr(0, 20);
    EXPECT_EQ(slot_text(form.export_name), cut);
    EXPECT_THAT(differing_offsets(bytes_of(form), expected_form(12, cut, before)), IsEmpty());
}

}  // namespace
}  // namespace tc
