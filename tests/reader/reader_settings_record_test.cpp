#include "reader/reader_settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/system_settings_record.h"

namespace tc {
namespace {

constexpr Byte kFiller = 0xAA;

// Bytes the reset does not write, as [first, last] ranges.
const std::vector<std::pair<std::size_t, std::size_t>> kNotReset = {
    {84, 100},  {169, 190}, {209, 209}, {325, 327}, {332, 350},
    {360, 369}, {371, 380}, {388, 403}, {737, 765},
};

bool in_not_reset(std::size_t offset) {
    for (const auto& [first, last] : kNotReset) {
        if (offset >= first && offset <= last) return true;
    }
    return false;
}

ReaderSettingsRecord filled_record(Byte filler) {
    ReaderSettingsRecord record;
    record.bytes.fill(filler);
    return record;
}

TEST(ReaderSettingsRecord, ResetWritesTheDefaultsOfTheTables) {
    ReaderSettingsRecord record = filled_record(0);
    reset_reader_settings(record);

    // {offset, default} from the field tables: reader kind, each reader block, RFID and the
    // common settings.
    const std::vector<std::pair<std::size_t, Byte>> defaults = {
        {0, 1},    {1, 1},    {4, 1},    {6, 0},     {10, 1},   {15, 127},   {16, 4},    {18, 1},
        {25, 2},   {33, 0},   {35, 1},   {37, 127},  {42, 1},   {53, 1},     {61, 1},    {63, 1},
        {64, 0},   {73, 1},   {76, 1},   {77, 0},    {78, 6},   {79, 3},     {80, 0},    {83, 1},
        {101, 1},  {103, 0},  {106, 1},  {108, 14},  {112, 1},  {119, 0},    {124, 0},   {127, 3},
        {128, 4},  {129, 55}, {137, 1},  {143, 0},   {154, 1},  {160, 1},    {161, 0},   {165, 30},
        {166, 10}, {167, 0},  {191, 1},  {193, 0},   {196, 1},  {198, 10},   {202, 1},   {208, 0},
        {210, 1},  {214, 0},  {217, 3},  {219, 55},  {227, 1},  {231, 0},    {237, 0},   {244, 1},
        {256, 1},  {257, 1},  {264, 1},  {265, 1},   {268, 0},  {269, 1},    {272, 1},   {274, 1},
        {275, 0},  {277, 1},  {280, 1},  {284, 1},   {286, 4},  {287, 0},    {289, 30},  {290, 6},
        {291, 1},  {293, 2},  {296, 8},  {297, 1},   {300, 0},  {301, 1},    {304, 100}, {305, 10},
        {309, 65}, {310, 40}, {311, 1},  {312, 2},   {313, 1},  {316, 55},   {320, 1},   {321, 1},
        {322, 0},  {323, 0},  {324, 44}, {328, 255}, {329, 10}, {330, 3},    {331, 0},   {351, 1},
        {352, 2},  {353, 9},  {354, 0},  {355, 2},   {356, 0},  {357, 1},    {358, 1},   {359, 0},
        {383, 0},  {384, 0},  {385, 1},  {386, 0},   {387, 10}, {404, 0x01}, {405, 0},   {466, 0},
        {728, 0},  {735, 0},  {736, 0},
    };
    for (const auto& [offset, value] : defaults) {
        EXPECT_EQ(record[offset], value) << "offset " << offset;
    }
    const std::string disk_on_chip = "\\DiskOnChip";
    EXPECT_EQ(std::string(record.bytes.begin() + 467, record.bytes.begin() + 478), disk_on_chip);
    EXPECT_EQ(record[478], 0);
    EXPECT_EQ(record[729], 0);
}

TEST(ReaderSettingsRecord, ResetWritesEveryByteButTheUnresetOnes) {
    ReaderSettingsRecord record = filled_record(kFiller);
    reset_reader_settings(record);

    for (std::size_t offset = 406; offset <= 465; ++offset) {
        EXPECT_EQ(record[offset], 0) << "offset " << offset;
    }
    // The two texts: their bytes behind the terminating zero are kept.
    const auto text_tail_kept = [](std::size_t offset) {
        return (offset >= 479 && offset <= 727) || (offset >= 730 && offset <= 734);
    };
    // No default is 0xAA, so every byte written by the reset differs from the filler.
    for (std::size_t offset = 0; offset < kReaderSettingsSize; ++offset) {
        if (in_not_reset(offset) || text_tail_kept(offset)) {
            EXPECT_EQ(record[offset], kFiller) << "offset " << offset;
        } else {
            EXPECT_NE(record[offset], kFiller) << "offset " << offset;
        }
    }
    EXPECT_EQ(record[467], '\\');
    EXPECT_EQ(record[478], 0);
    EXPECT_EQ(record[729], 0);

    // Reset twice: the same bytes.
    const ReaderSettingsRecord once = record;
    reset_reader_settings(record);
    EXPECT_EQ(record.bytes, once.bytes);
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
        record[404] = c.type;
        record[300] = 1;
        SystemSettingsRecord settings{};
        settings.warning_beep = 4;
        settings.vibrator_duration = 7;
        settings.security_image_capture = 1;
        const ReaderSettingsRecord before = record;

        normalise_reader_before_save(record, settings);

        ReaderSettingsRecord expected = before;
        expected[0] = c.kind;
        expected[351] = c.type_copy;
        expected[353] = 4;
        expected[354] = 1;
        expected[355] = 7;
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
    EXPECT_EQ(record[353], 0);
    EXPECT_EQ(record[354], 0);
    EXPECT_EQ(record[355], 0);
}

}  // namespace
}  // namespace tc
