#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "texts/device_texts.h"
#include "texts/program_texts.h"

namespace tc::texts {
namespace {

constexpr int kFirstDeviceId = 3001;
constexpr int kLastDeviceId = 3986;
constexpr std::size_t kPaddedWidth = 50;

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
    EXPECT_TRUE(builtin_text(10).empty());
}

TEST(BuiltinTexts, ProgramTextsAreStoredExactlyAsQuoted) {
    // The messages, titles and list items are checked where the program shows them.
    EXPECT_EQ(builtin_text(11), "Form ");
    EXPECT_EQ(builtin_text(51), "The 7350 Terminal Composer");
    EXPECT_EQ(builtin_text(2003), "System Character & Country Code");
    // Only the list texts of a camera setting that are not empty become list items.
    EXPECT_TRUE(builtin_text(2353).empty());
}

TEST(BuiltinTexts, EveryDeviceSlotHasItsPaddedText) {
    int slot_count = 0;
    for (const DeviceTable& table : kDeviceTables) {
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
    EXPECT_EQ(builtin_text(3621), padded(" Data Count #"));

    // The maker's notice lines of the about screen are real lines, not blanks.
    EXPECT_FALSE(only_spaces(builtin_text(3104)));
    EXPECT_FALSE(only_spaces(builtin_text(3106)));
    EXPECT_NE(builtin_text(3104).front(), ' ');
    EXPECT_NE(builtin_text(3106).front(), ' ');
}

}  // namespace
}  // namespace tc::texts
