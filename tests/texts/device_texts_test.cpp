#include "texts/device_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>

namespace tc::texts {
namespace {

// The device text tables in the order of the design file, each following the one before: slot
// count and first identifier.
struct FileTable {
    int slots;
    int first_id;
};

constexpr std::size_t kTablesFileOffset = 122'678;

constexpr FileTable kFileTables[] = {
    {5, 3001},  {10, 3021}, {10, 3041}, {10, 3061}, {10, 3101}, {10, 3121}, {5, 3141},  {10, 3161},
    {10, 3181}, {10, 3201}, {20, 3221}, {20, 3241}, {20, 3261}, {5, 3301},  {5, 3321},  {5, 3341},
    {5, 3361},  {15, 3381}, {10, 3401}, {5, 3421},  {5, 3501},  {10, 3521}, {5, 3541},  {5, 3561},
    {10, 3581}, {10, 3601}, {5, 3621},  {10, 3641}, {70, 3661}, {20, 3801}, {15, 3821}, {20, 3841},
    {10, 3861}, {10, 3881}, {10, 3901}, {15, 3921}, {10, 3531}, {20, 3281}, {10, 3431}, {10, 3441},
    {10, 3761}, {10, 3771}, {10, 3781}, {10, 3791}, {20, 3941}, {20, 3961}, {20, 3741}, {10, 3511},
    {10, 3551}, {10, 3571}, {10, 3591}};

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
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(kDeviceTables[k].first_id, expected.first_id);
        EXPECT_EQ(kDeviceTables[k].slots, expected.slots);
        const int last_id = expected.first_id + expected.slots - 1;
        ASSERT_EQ(tables.slot(expected.first_id).size(), kDeviceSlotSize);
        ASSERT_EQ(tables.slot(last_id).size(), kDeviceSlotSize);
        EXPECT_EQ(offset_of(tables, expected.first_id), slots * kDeviceSlotSize);
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
