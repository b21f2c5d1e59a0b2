#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "texts/program_texts.h"

namespace tc::texts {
namespace {

constexpr int kFirstDeviceId = 3001;
constexpr int kLastDeviceId = 3986;
constexpr std::size_t kPaddedWidth = 50;

struct TableSpan {
    int first_id;
    int slots;
};

// The 51 device text tables of the design file, in file order.
const std::vector<TableSpan> kTables = {
    {3001, 5},  {3021, 10}, {3041, 10}, {3061, 10}, {3101, 10}, {3121, 10}, {3141, 5},  {3161, 10},
    {3181, 10}, {3201, 10}, {3221, 20}, {3241, 20}, {3261, 20}, {3301, 5},  {3321, 5},  {3341, 5},
    {3361, 5},  {3381, 15}, {3401, 10}, {3421, 5},  {3501, 5},  {3521, 10}, {3541, 5},  {3561, 5},
    {3581, 10}, {3601, 10}, {3621, 5},  {3641, 10}, {3661, 70}, {3801, 20}, {3821, 15}, {3841, 20},
    {3861, 10}, {3881, 10}, {3901, 10}, {3921, 15}, {3531, 10}, {3281, 20}, {3431, 10}, {3441, 10},
    {3761, 10}, {3771, 10}, {3781, 10}, {3791, 10}, {3941, 20}, {3961, 20}, {3741, 20}, {3511, 10},
    {3551, 10}, {3571, 10}, {3591, 10},
};

// Built-in device texts stored shorter than the padded width.
const std::map<int, std::size_t> kShortDeviceTexts = {
    {3045, 33}, {3046, 43}, {3047, 47}, {3551, 43}, {3552, 49}, {3554, 39}, {3555, 39}, {3556, 42},
    {3557, 36}, {3675, 49}, {3687, 14}, {3718, 43}, {3757, 12}, {3786, 45}, {3950, 26}, {3980, 11},
};

std::size_t expected_device_length(int id) {
    const auto found = kShortDeviceTexts.find(id);
    return found == kShortDeviceTexts.end() ? kPaddedWidth : found->second;
}

std::string padded(std::string_view text, std::size_t width = kPaddedWidth) {
    std::string result(text);
    result.resize(width, ' ');
    return result;
}

bool only_spaces(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

TEST(BuiltinTexts, EveryTextHasOneIdentifierInRangeAndFitsTheTextBuffer) {
    std::size_t found = 0;
    for (int id = -100; id <= kLanguageTableSize + 100; ++id) {
        const std::string_view text = builtin_text(id);
        if (text.empty()) continue;
        ++found;
        EXPECT_GE(id, 0);
        EXPECT_LE(id, kLastDeviceId) << id;
        EXPECT_LT(text.size(), kTextBufferSize) << id;
        EXPECT_EQ(text.find('\0'), std::string_view::npos) << id;
    }
    // A duplicated identifier would hide one of its texts from the look-up.
    EXPECT_EQ(found, builtin_text_count());
    EXPECT_TRUE(builtin_text(INT_MIN).empty());
    EXPECT_TRUE(builtin_text(INT_MAX).empty());
    EXPECT_TRUE(builtin_text(8).empty());
}

TEST(BuiltinTexts, ProgramTextsAreStoredExactlyAsQuoted) {
    EXPECT_EQ(builtin_text(2), "New file");
    EXPECT_EQ(builtin_text(3), "Form");
    EXPECT_EQ(builtin_text(7), "Settings");
    EXPECT_EQ(builtin_text(11), "Form ");
    EXPECT_EQ(builtin_text(21), "Terminal Composer Files for 7350 (*.T73)");
    EXPECT_EQ(builtin_text(22), "All files (*.*)");
    EXPECT_EQ(builtin_text(26), "*.T73");
    EXPECT_EQ(builtin_text(27), "*.*");
    EXPECT_EQ(builtin_text(51), "The 7350 Terminal Composer");
    EXPECT_EQ(builtin_text(67), "&Auto-preload the last editing file.");
    EXPECT_EQ(builtin_text(144), "Date Format : ");
    EXPECT_EQ(builtin_text(150), "Time Format : ");
    EXPECT_EQ(builtin_text(196), "Initial value or text");
    EXPECT_EQ(builtin_text(210), "Initial file path");
    EXPECT_EQ(builtin_text(241), "ID :");
    EXPECT_EQ(builtin_text(250), "Reset");
    EXPECT_EQ(builtin_text(284), "Fixed length ");
    EXPECT_EQ(builtin_text(293), "Length");
    EXPECT_EQ(builtin_text(294), "Max length");
    EXPECT_EQ(builtin_text(328), "Barcode && Parameters");
    EXPECT_EQ(builtin_text(371), "Code 39");
    EXPECT_EQ(builtin_text(396), "ISBT 128");
    EXPECT_EQ(builtin_text(469), "MSI");
    EXPECT_EQ(builtin_text(550), "Image Capture");
    EXPECT_EQ(builtin_text(562), "Coupon Code");
    EXPECT_EQ(builtin_text(1173), "(1 ~ 99) x 100 ms");
    EXPECT_EQ(builtin_text(1203),
              "6. Always delete all database in the device when open this T73 file.");
    EXPECT_EQ(builtin_text(1301), "main");
    EXPECT_EQ(builtin_text(1302), "form  ");
    EXPECT_EQ(builtin_text(1303), "menu  ");
    EXPECT_EQ(builtin_text(1321), "1st lookup file");
    EXPECT_EQ(builtin_text(1325), "5th lookup file");
    EXPECT_EQ(builtin_text(1706), "Show warning & clear screen");
    EXPECT_EQ(builtin_text(1736), "image");
    EXPECT_EQ(builtin_text(1901), " 5 ms");
    EXPECT_EQ(builtin_text(2003), "System Character & Country Code");
    EXPECT_EQ(builtin_text(2261), " 1 ");
    EXPECT_EQ(builtin_text(2410), "Regular Only: decode regular Data Matrix barcodes only");
    EXPECT_EQ(builtin_text(2601), "Error");
    EXPECT_EQ(builtin_text(2602), "Warning");
    EXPECT_EQ(builtin_text(2651), "Save current program ?");
    EXPECT_EQ(builtin_text(2801), "Format of this TC file is incorrect!");
    EXPECT_EQ(builtin_text(2802), "The TC file version is newer than current program!");
    EXPECT_EQ(builtin_text(2851), "Password is too long!!!");
    EXPECT_EQ(builtin_text(2852), "Invalid character!!!");
    EXPECT_EQ(builtin_text(2853), "Too many characters !!!");
    EXPECT_EQ(builtin_text(2854), "Invalid value!");
    // Only the list texts of a camera setting that are not empty become list items.
    EXPECT_TRUE(builtin_text(2353).empty());
}

TEST(BuiltinTexts, EveryDeviceSlotHasItsPaddedText) {
    int slot_count = 0;
    for (const TableSpan& table : kTables) {
        for (int id = table.first_id; id < table.first_id + table.slots; ++id) {
            ++slot_count;
            const std::string_view text = builtin_text(id);
            EXPECT_EQ(text.size(), expected_device_length(id)) << id;
        }
    }
    EXPECT_EQ(slot_count, 620);

    // Texts in the device range outside the tables are padded all the same.
    for (int id = kFirstDeviceId; id <= kLastDeviceId; ++id) {
        const std::string_view text = builtin_text(id);
        if (!text.empty()) {
            EXPECT_EQ(text.size(), expected_device_length(id)) << id;
        }
    }
}

TEST(BuiltinTexts, DeviceTextsKeepTheirWordingAndPadWithSpaces) {
    EXPECT_EQ(builtin_text(3001), "Show" + std::string(46, ' '));
    EXPECT_EQ(builtin_text(3002), padded("Exit"));
    EXPECT_EQ(builtin_text(3046), padded("Exit", 43));
    EXPECT_EQ(builtin_text(3045), std::string(33, ' '));
    EXPECT_EQ(builtin_text(3047), std::string(47, ' '));
    EXPECT_EQ(builtin_text(3554), std::string(39, ' '));
    EXPECT_EQ(builtin_text(3557), std::string(36, ' '));
    EXPECT_EQ(builtin_text(3003), std::string(50, ' '));
    EXPECT_EQ(builtin_text(3551), padded("752 * 480", 43));
    EXPECT_EQ(builtin_text(3552), padded("376 * 240", 49));
    EXPECT_EQ(builtin_text(3675), padded("EAN-8 Addon 5", 49));
    EXPECT_EQ(builtin_text(3687), "GS1 DataBar-14");
    EXPECT_EQ(builtin_text(3718), padded("Aztec", 43));
    EXPECT_EQ(builtin_text(3757), "File Title :");
    EXPECT_EQ(builtin_text(3786), padded("Solarize with UV", 45));
    EXPECT_EQ(builtin_text(3950), "Fail to set flash light !!");
    EXPECT_EQ(builtin_text(3980), "Server IP :");
    EXPECT_EQ(builtin_text(3511), padded(" 5 ms"));
    EXPECT_EQ(builtin_text(3621), padded(" Data Count #"));
    EXPECT_EQ(builtin_text(3947), padded(" take a few seconds to configure camera."));
    EXPECT_EQ(builtin_text(3541), padded("\\DiskOnChip"));
    EXPECT_EQ(builtin_text(3661), padded("Code 39"));
    EXPECT_EQ(builtin_text(3730), std::string(50, ' '));
    EXPECT_EQ(builtin_text(3815), "The TC file version is newer than current program!");
    EXPECT_EQ(builtin_text(3979), padded("FTP Settings"));

    // The maker's notice lines of the about screen are real lines, not blanks.
    EXPECT_FALSE(only_spaces(builtin_text(3104)));
    EXPECT_FALSE(only_spaces(builtin_text(3106)));
    EXPECT_NE(builtin_text(3104).front(), ' ');
    EXPECT_NE(builtin_text(3106).front(), ' ');
}

}  // namespace
}  // namespace tc::texts
