#include "lookups/lookup_record.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "shell/record_bytes.h"

namespace tc {
namespace {

using test::bytes_of;
using test::differing_offsets;
using ::testing::IsEmpty;

constexpr std::size_t kSize = 1324;
constexpr std::size_t kExportName = 5;
constexpr std::size_t kExportNameSize = 21;
constexpr Byte kFiller = 0xAA;

// The new-design bytes written from the field list; `before` supplies the bytes the reset keeps
// (the high field lengths 821-835, 841-849, 851-1323 and the export name behind its zero).
std::vector<Byte> expected_lookup(const std::string& export_name, const std::vector<Byte>& before) {
    std::vector<Byte> bytes(kSize, 0);
    const auto keep = [&](std::size_t first, std::size_t end) {
        std::copy(before.begin() + first, before.begin() + end, bytes.begin() + first);
    };
    keep(821, 836);
    keep(841, 850);
    keep(851, kSize);
    keep(kExportName, kExportName + kExportNameSize);
    bytes[4] = 1;  // export_rename
    std::copy(export_name.begin(), export_name.end(), bytes.begin() + kExportName);
    bytes[kExportName + export_name.size()] = 0;
    bytes[850] = 1;  // auto_delete
    return bytes;
}

TEST(LookupRecord, ResetWritesTheNewDesignValuesAndKeepsTheUntouchedBytes) {
    const texts::ProgramTexts texts;
    const std::array<std::string, 5> names = {"1st lookup file", "2nd lookup file",
                                              "3rd lookup file", "4th lookup file",
                                              "5th lookup file"};
    for (int position = 0; position < 5; ++position) {
        SCOPED_TRACE(position);
        LookupRecord lookup = test::filled<LookupRecord>(kFiller);
        const std::vector<Byte> before = bytes_of(lookup);
        reset_lookup(lookup, position, texts);
        EXPECT_THAT(
            differing_offsets(bytes_of(lookup),
                              expected_lookup(names[static_cast<std::size_t>(position)], before)),
            IsEmpty());
    }
}

TEST(LookupRecord, DefaultExportNameFromALanguageFileIsCutToTwentyCharacters) {
    texts::ProgramTexts texts;
    texts.read_language_entries("Test\r\n1325=F\xFCnfte Nachschlagedatei\r\n");
    texts.set_language_active(true);

    LookupRecord fifth = test::filled<LookupRecord>(kFiller);
    const std::vector<Byte> before = bytes_of(fifth);
    reset_lookup(fifth, 4, texts);
    const std::string cut = std::string("F\xFCnfte Nachschlagedatei").substr(0, 20);
    EXPECT_THAT(differing_offsets(bytes_of(fifth), expected_lookup(cut, before)), IsEmpty());
}

void set_field(LookupRecord& lookup, std::size_t field, Byte type, const char* name,
               Byte length_low, Byte length_high) {
    lookup.field_type[field - 1] = type;
    store_text(lookup.field_name[field - 1], name);
    lookup.field_length_low[field - 1] = length_low;
    lookup.field_length_high[field - 1] = length_high;
}

TEST(LookupRecord, NormalisationSumsTheLengthsOfTheUsedFields) {
    std::array<LookupRecord, kLookupCount> lookups{};
    lookups[0].field_count = 3;
    set_field(lookups[0], 1, 0, "Code", 100, 0);
    set_field(lookups[0], 2, 1, "Quantity", 160, 0);
    set_field(lookups[0], 3, 2, "Price", 20, 0);
    // The last record is normalised as well; a field beyond field_count does not count.
    lookups[4].field_count = 2;
    set_field(lookups[4], 1, 0, "A", 160, 0);
    set_field(lookups[4], 2, 0, "B", 160, 0);
    set_field(lookups[4], 3, 0, "C", 160, 0);
    lookups[2].record_length_low = 9;
    lookups[2].record_length_high = 9;

    normalise_lookups(lookups);

    // 100 + 160 + 20 = 280 = 1 x 256 + 24
    EXPECT_EQ(bytes_of(lookups[0])[2], 24);
    EXPECT_EQ(bytes_of(lookups[0])[3], 1);
    EXPECT_EQ(lookups[4].record_length_low, 64);  // 320 = 256 + 64
    EXPECT_EQ(lookups[4].record_length_high, 1);
    EXPECT_EQ(lookups[2].record_length_low, 0);
    EXPECT_EQ(lookups[2].record_length_high, 0);
}

TEST(LookupRecord, NormalisationClearsTheFieldsBeyondTheFieldCount) {
    std::array<LookupRecord, kLookupCount> lookups{};
    LookupRecord& lookup = lookups[1];
    lookup.field_count = 8;
    for (std::size_t field = 1; field <= 15; ++field) {
        lookup.field_name[field - 1].fill('x');
        set_field(lookup, field, 3, "Field name", static_cast<Byte>(field), 1);
    }
    lookup.field_count = 3;
    const std::vector<Byte> before = bytes_of(lookup);

    normalise_lookups(lookups);

    std::vector<Byte> expected = before;
    for (std::size_t index = 3; index < 15; ++index) {
        expected[26 + index] = 0;  // field_type
        std::fill_n(expected.begin() + 41 + static_cast<std::ptrdiff_t>(index * 51), 51, 0);
        expected[806 + index] = 0;  // field_length_low; field_length_high at 821 stays
    }
    test::set_bytes(expected, {{2, 1 + 2 + 3}, {3, 0}});
    EXPECT_THAT(differing_offsets(bytes_of(lookup), expected), IsEmpty());
    for (std::size_t index = 0; index < 15; ++index) EXPECT_EQ(bytes_of(lookup)[821 + index], 1);
}

TEST(LookupRecord, NormalisationRemovesTrailingSpacesOnlyFromARenamedExport) {
    std::array<LookupRecord, kLookupCount> lookups{};
    for (LookupRecord& lookup : lookups) {
        lookup.export_rename = 1;
        store_text(lookup.export_name, "Stock   ");
    }
    lookups[1].export_rename = 0;
    clear_slot(lookups[2].export_name);
    store_text(lookups[2].export_name, "   ");
    // A damaged file: 21 characters and no terminating zero.
    std::memcpy(lookups[3].export_name.data(), "ABCDEFGHIJKLMNOPQRSTU", 21);
    lookups[4].export_name.fill('X');
    store_text(lookups[4].export_name, "");

    const std::vector<Byte> untouched = bytes_of(lookups[1]);
    const std::vector<Byte> empty = bytes_of(lookups[4]);
    normalise_lookups(lookups);

    const std::vector<Byte> stock = bytes_of(lookups[0]);
    EXPECT_EQ(std::string(stock.begin() + kExportName, stock.begin() + kExportName + 9),
              std::string("Stock\0\0\0\0", 9));
    EXPECT_EQ(bytes_of(lookups[1]), untouched);
    EXPECT_EQ(std::vector<Byte>(lookups[2].export_name.begin(), lookups[2].export_name.end()),
              std::vector<Byte>(kExportNameSize, 0));
    EXPECT_EQ(slot_text(lookups[3].export_name), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(lookups[3].export_name[20], 0);
    EXPECT_EQ(bytes_of(lookups[4]), empty);
}

}  // namespace
}  // namespace tc
