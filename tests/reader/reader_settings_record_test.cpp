#include "reader/reader_settings_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "settings/system_settings_record.h"
#include "shell/record_bytes.h"

namespace tc {
namespace {

constexpr Byte kFiller = 0xAA;

ReaderSettingsRecord filled_record(Byte filler) {
    ReaderSettingsRecord record;
    record.bytes.fill(filler);
    return record;
}

// The record of a new design, from the field tables: every byte the reset writes is 0 unless
// listed with its default; the bytes it leaves alone keep `before`.
ReaderSettingsRecord expected_new_design(const ReaderSettingsRecord& before) {
    ReaderSettingsRecord r{};
    const std::vector<std::pair<Byte, std::vector<std::size_t>>> defaults = {
        {1, {0,   1,   4,   7,   9,   10,  13,  14,  17,  18,  20,  21,  24,  27,  28,  31,  35,
             36,  41,  42,  45,  48,  49,  53,  56,  59,  60,  61,  63,  65,  66,  67,  69,  70,
             71,  73,  74,  75,  76,  83,  101, 102, 104, 105, 106, 109, 110, 111, 112, 113, 114,
             120, 121, 122, 123, 133, 137, 144, 148, 154, 160, 191, 192, 194, 195, 196, 199, 200,
             201, 202, 203, 204, 210, 211, 212, 213, 223, 227, 233, 240, 244, 250, 256, 257, 258,
             259, 260, 261, 262, 263, 264, 265, 266, 267, 269, 272, 274, 277, 280, 281, 283, 284,
             291, 292, 297, 301, 302, 303, 306, 308, 311, 313, 320, 321, 351, 357, 358, 385, 404}},
        {2, {25, 293, 312, 352, 355}},
        {3, {79, 127, 134, 138, 145, 149, 155, 217, 224, 228, 234, 241, 245, 251, 314, 330}},
        {4,
         {16, 23, 30, 38, 128, 135, 139, 146, 150, 156, 218, 225, 229, 235, 242, 246, 252, 286,
          315}},
        {6, {78, 290}},
        {8, {296}},
        {9, {353}},
        {10, {166, 198, 305, 329, 387}},
        {14, {108}},
        {30, {165, 289}},
        {40, {310}},
        {44, {324}},
        {55, {129, 136, 140, 147, 151, 157, 219, 226, 230, 236, 243, 247, 253, 316}},
        {65, {309}},
        {100, {304}},
        {127, {15, 22, 29, 37}},
        {255, {328}},
    };
    for (const auto& [value, offsets] : defaults) {
        for (const std::size_t offset : offsets) r[offset] = value;
    }
    // Reserved and unwritten bytes, and the two texts behind their terminating zero.
    const std::pair<std::size_t, std::size_t> kept[] = {
        {84, 100},  {169, 190}, {209, 209}, {325, 327}, {332, 350}, {360, 369},
        {371, 380}, {388, 403}, {479, 727}, {730, 734}, {737, 765},
    };
    for (const auto& [first, last] : kept) {
        for (std::size_t offset = first; offset <= last; ++offset) r[offset] = before[offset];
    }
    const std::string store = "\\DiskOnChip";
    std::copy(store.begin(), store.end(), r.bytes.begin() + 467);
    return r;
}

TEST(ReaderSettingsRecord, ResetWritesTheDefaultsOfTheFieldTables) {
    for (const Byte filler : {Byte{0}, kFiller}) {
        ReaderSettingsRecord record = filled_record(filler);
        const ReaderSettingsRecord before = record;
        reset_reader_settings(record);
        const ReaderSettingsRecord expected = expected_new_design(before);
        for (std::size_t offset = 0; offset < kReaderSettingsSize; ++offset) {
            EXPECT_EQ(record[offset], expected[offset]) << "offset " << offset;
        }
    }
}

ReaderSettingsRecord with_reader_type(Byte type) {
    ReaderSettingsRecord record{};
    record[404] = type;
    return record;
}

TEST(ReaderSettingsRecord, ReaderStatesAndModeFollowTheReaderTypeBits) {
    struct Case {
        Byte type;
        int one_d;
        int two_d;
        ReaderMode mode;
    };
    const Case cases[] = {
        {0x00, 0, 0, ReaderMode::None}, {0x01, 2, 0, ReaderMode::OneD},
        {0x02, 1, 0, ReaderMode::Elr},  {0x04, 0, 1, ReaderMode::TwoD},
        {0x40, 0, 2, ReaderMode::TwoD}, {0x80, 3, 0, ReaderMode::OneD},
        {0x41, 2, 2, ReaderMode::OneD}, {0x42, 1, 2, ReaderMode::TwoD},
        {0x83, 2, 0, ReaderMode::OneD}, {0x82, 1, 0, ReaderMode::Elr},
        {0x44, 0, 1, ReaderMode::TwoD}, {0xC0, 3, 2, ReaderMode::OneD},
        {0x30, 0, 0, ReaderMode::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        const ReaderStates states = derive_reader_states(with_reader_type(c.type));
        EXPECT_EQ(states.one_d, c.one_d);
        EXPECT_EQ(states.two_d, c.two_d);
        EXPECT_EQ(states.mode(), c.mode);
    }
}

TEST(ReaderSettingsRecord, NormalisationBeforeSavingRefreshesTheDerivedBytes) {
    struct Case {
        Byte type;
        Byte kind;
        Byte type_copy;
        bool keeps_image_capture;
    };
    const Case cases[] = {
        {0x02, 2, 0x02, false}, {0x40, 64, 0x00, true}, {0x00, 1, 0x00, false},
        {0x01, 1, 0x01, false}, {0x42, 2, 0x02, true},  {0xFF, 2, 0x27, true},
        {0x80, 1, 0x00, false}, {0x24, 1, 0x24, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        ReaderSettingsRecord record = filled_record(kFiller);
        test::set_bytes(record, {{404, c.type}, {300, 1}});
        SystemSettingsRecord settings{};
        settings.warning_beep = 4;
        settings.vibrator_duration = 7;
        settings.security_image_capture = 1;
        const ReaderSettingsRecord before = record;

        normalise_reader_before_save(record, settings);

        ReaderSettingsRecord expected = before;
        test::set_bytes(expected, {{0, c.kind}, {351, c.type_copy}, {353, 4}, {354, 1}, {355, 7}});
        if (!c.keeps_image_capture) expected[300] = 0;
        EXPECT_EQ(record.bytes, expected.bytes);
        EXPECT_EQ(settings.security_image_capture, c.keeps_image_capture ? 1 : 0);
        EXPECT_EQ(settings.warning_beep, 4);
    }

    // Without a vibrator duration the switch is off.
    ReaderSettingsRecord record = filled_record(kFiller);
    SystemSettingsRecord settings{};
    settings.warning_beep = 0;
    normalise_reader_before_save(record, settings);
    test::expect_bytes(record, {{353, 0}, {354, 0}, {355, 0}});
}

}  // namespace
}  // namespace tc
