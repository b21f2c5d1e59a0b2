#include "texts/device_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>

namespace tc::texts {
namespace {

// The device text tables as the design file lays them out: table number, file offset, slot count
// and first identifier.
struct FileTable {
    int number;
    std::size_t file_offset;
    int slots;
    int first_id;
};

constexpr std::size_t kTablesFileOffset = 122'678;

constexpr FileTable kFileTables[] = {
    {1, 122'678, 5, 3001},   {2, 122'933, 10, 3021},  {3, 123'443, 10, 3041},
    {4, 123'953, 10, 3061},  {5, 124'463, 10, 3101},  {6, 124'973, 10, 3121},
    {7, 125'483, 5, 3141},   {8, 125'738, 10, 3161},  {9, 126'248, 10, 3181},
    {10, 126'758, 10, 3201}, {11, 127'268, 20, 3221}, {12, 128'288, 20, 3241},
    {13, 129'308, 20, 3261}, {14, 130'328, 5, 3301},  {15, 130'583, 5, 3321},
    {16, 130'838, 5, 3341},  {17, 131'093, 5, 3361},  {18, 131'348, 15, 3381},
    {19, 132'113, 10, 3401}, {20, 132'623, 5, 3421},  {21, 132'878, 5, 3501},
    {22, 133'133, 10, 3521}, {23, 133'643, 5, 3541},  {24, 133'898, 5, 3561},
    {25, 134'153, 10, 3581}, {26, 134'663, 10, 3601}, {27, 135'173, 5, 3621},
    {28, 135'428, 10, 3641}, {29, 135'938, 70, 3661}, {30, 139'508, 20, 3801},
    {31, 140'528, 15, 3821}, {32, 141'293, 20, 3841}, {33, 142'313, 10, 3861},
    {34, 142'823, 10, 3881}, {35, 143'333, 10, 3901}, {36, 143'843, 15, 3921},
    {37, 144'608, 10, 3531}, {38, 145'118, 20, 3281}, {39, 146'138, 10, 3431},
    {40, 146'648, 10, 3441}, {41, 147'158, 10, 3761}, {42, 147'668, 10, 3771},
    {43, 148'178, 10, 3781}, {44, 148'688, 10, 3791}, {45, 149'198, 20, 3941},
    {46, 150'218, 20, 3961}, {47, 151'238, 20, 3741}, {48, 152'258, 10, 3511},
    {49, 152'768, 10, 3551}, {50, 153'278, 10, 3571}, {51, 153'788, 10, 3591},
};

// Offset of a slot inside the tables' bytes.
std::size_t offset_of(const DeviceTextTables& tables, int id) {
    return static_cast<std::size_t>(tables.slot(id).data() - tables.bytes.data());
}

std::string slot_string(const DeviceTextTables& tables, int id) {
    const auto slot = tables.slot(id);
    return std::string(slot.begin(), slot.end());
}

TEST(DeviceTextTables, FollowTheDesignFileOrder) {
    static_assert(std::size(kFileTables) == kDeviceTableCount);
    const DeviceTextTables tables;
    int slots = 0;
    for (std::size_t k = 0; k < kDeviceTableCount; ++k) {
        const FileTable& expected = kFileTables[k];
        SCOPED_TRACE(expected.number);
        EXPECT_EQ(kDeviceTables[k].first_id, expected.first_id);
        EXPECT_EQ(kDeviceTables[k].slots, expected.slots);
        const int last_id = expected.first_id + expected.slots - 1;
        ASSERT_EQ(tables.slot(expected.first_id).size(), kDeviceSlotSize);
        ASSERT_EQ(tables.slot(last_id).size(), kDeviceSlotSize);
        EXPECT_EQ(kTablesFileOffset + offset_of(tables, expected.first_id), expected.file_offset);
        EXPECT_EQ(offset_of(tables, last_id),
                  offset_of(tables, expected.first_id) + (expected.slots - 1) * kDeviceSlotSize);
        slots += expected.slots;
    }
    EXPECT_EQ(slots, 620);
    EXPECT_EQ(offset_of(tables, 3661), 13'260u);
    EXPECT_EQ(offset_of(tables, 3600) + kDeviceSlotSize, kDeviceTextBytes);
    for (int id : {0, 3000, 3006, 3020, 3100, 3731, 3740, 3981, 3986, 4999, -1}) {
        EXPECT_TRUE(tables.slot(id).empty()) << id;
    }
}

TEST(DeviceTextTables, FillPutsEachProgramTextIntoItsSlotCutTo50Characters) {
    ProgramTexts texts;
    auto tables = std::make_unique<DeviceTextTables>();
    tables->bytes.fill(0xEE);
    fill_text_tables(texts, *tables);
    EXPECT_EQ(slot_string(*tables, 3001), "Show" + std::string(46, ' ') + '\0');

    const std::string sixty = "0123456789" + std::string(50, 'Z');
    texts.read_language_entries("Deutsch\r\n3002=" + sixty + "\r\n3741=Bildeigenschaften\r\n");
    texts.set_language_active(true);
    fill_text_tables(texts, *tables);
    EXPECT_EQ(slot_string(*tables, 3002), sixty.substr(0, 50) + '\0');
    EXPECT_EQ(slot_text(tables->slot(3741)), "Bildeigenschaften");

    // Every slot holds its text's first 50 characters and a zero behind them.
    for (const DeviceTable& table : kDeviceTables) {
        for (int id = table.first_id; id < table.first_id + table.slots; ++id) {
            const std::string text = texts.load_program_text(id).substr(0, 50);
            EXPECT_EQ(slot_text(tables->slot(id)), text) << id;
            EXPECT_EQ(tables->slot(id)[text.size()], 0) << id;
        }
    }
}

TEST(DeviceTextTables, PutTextInSlotKeepsTheBytesBehindTheNewZero) {
    ProgramTexts texts;
    texts.read_language_entries("Deutsch\r\n3001=Zeig\r\n3002=" + std::string(60, 'y') + "\r\n");
    texts.set_language_active(true);
    DeviceTextTables tables;
    const std::string previous =
        "Show the longer text read from a design file" + std::string(6, '.');
    ASSERT_EQ(store_text(tables.slot(3001), previous), 50u);

    EXPECT_EQ(put_text_in_slot(texts, 3001, tables.slot(3001)), 4);
    EXPECT_EQ(slot_string(tables, 3001), "Zeig" + std::string(1, '\0') + previous.substr(5) + '\0');
    EXPECT_EQ(put_text_in_slot(texts, 3002, tables.slot(3002)), 50);
    EXPECT_EQ(put_text_in_slot(texts, 4999, tables.slot(3003)), 0);
    EXPECT_EQ(tables.slot(3003)[0], 0);
}

TEST(DeviceTextTables, RefreshImageTextsTouchesOnlyTable47) {
    ProgramTexts texts;
    texts.read_language_entries("Deutsch\r\n3741=2D-Bildeigenschaften\r\n3001=Zeig\r\n");
    texts.set_language_active(true);
    auto tables = std::make_unique<DeviceTextTables>();
    tables->bytes.fill(0xAA);
    refresh_image_texts(texts, *tables);

    constexpr std::size_t kTable47 = 151'238 - kTablesFileOffset;
    constexpr std::size_t kTable47Size = 20 * kDeviceSlotSize;
    for (std::size_t i = 0; i < kDeviceTextBytes; ++i) {
        if (i < kTable47 || i >= kTable47 + kTable47Size) {
            ASSERT_EQ(tables->bytes[i], 0xAA) << i;
        }
    }
    EXPECT_EQ(slot_text(tables->slot(3741)), "2D-Bildeigenschaften");
    EXPECT_EQ(tables->slot(3741)[21], 0xAA);
    for (int id = 3741; id <= 3760; ++id) {
        const std::size_t length = texts.load_program_text(id).substr(0, 50).size();
        EXPECT_EQ(tables->slot(id)[length], 0) << id;
        EXPECT_EQ(slot_text(tables->slot(id)), texts.load_program_text(id).substr(0, 50)) << id;
    }
}

}  // namespace
}  // namespace tc::texts
