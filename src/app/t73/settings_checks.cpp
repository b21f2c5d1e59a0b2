#include <array>
#include <string>
#include <string_view>

#include "app/t73/design_check.h"

namespace tc::t73 {
namespace {

constexpr Byte kCarriageReturn = 13;
constexpr std::size_t kMaxPasswordLength = 10;
constexpr int kMaxEntryDisplayTime = 99;
constexpr std::size_t kWarningBeepFlag = 9;

// A symbology's length setting: a mode byte and two length bytes.
struct LengthSetting {
    std::string_view name;
    std::size_t mode;
    std::size_t first;
    std::size_t second;
};

// 1D reader: mode 0 Fixed Length, 1 Max / Min Length (first the larger); lengths 1-127.
constexpr std::array kOneDLengths{
    LengthSetting{"1D Industrial 25", 14, 15, 16},
    LengthSetting{"1D Interleaved 25", 21, 22, 23},
    LengthSetting{"1D Matrix 25", 28, 29, 30},
    LengthSetting{"1D MSI", 36, 37, 38},
};

// ELR and 2D reader: mode 0 Any Length, 1 One Length, 2 Two Lengths, 3 Range (first the smaller).
constexpr std::array kElrLengths{
    LengthSetting{"ELR Code 39", 127, 128, 129},
    LengthSetting{"ELR Code 93", 134, 135, 136},
    LengthSetting{"ELR Interleaved 25", 138, 139, 140},
    LengthSetting{"ELR Industrial 25", 145, 146, 147},
    LengthSetting{"ELR Codabar", 149, 150, 151},
    LengthSetting{"ELR MSI", 155, 156, 157},
};
constexpr std::array kTwoDLengths{
    LengthSetting{"2D Code 39", 217, 218, 219},
    LengthSetting{"2D Code 93", 224, 225, 226},
    LengthSetting{"2D Code 11", 228, 229, 230},
    LengthSetting{"2D Interleaved 25", 234, 235, 236},
    LengthSetting{"2D Industrial 25", 241, 242, 243},
    LengthSetting{"2D Codabar", 245, 246, 247},
    LengthSetting{"2D MSI", 251, 252, 253},
    LengthSetting{"2D Matrix 25", 314, 315, 316},
};

constexpr int kOneDMinLength = 1;
constexpr int kOneDMaxLength = 127;
constexpr int kElrMaxLength = 127;
constexpr int kTwoDMaxLength = 55;
constexpr Byte kModeMaxMin = 1;
constexpr Byte kModeAnyLength = 0;
constexpr Byte kModeOneLength = 1;
constexpr Byte kModeRange = 3;

std::string byte_name(const LengthSetting& setting, std::size_t offset, std::string_view what) {
    return "byte " + std::to_string(offset) + " (" + std::string(setting.name) + " " +
           std::string(what) + ")";
}

void check_length_byte(const ReaderSettingsRecord& reader, const LengthSetting& setting,
                       std::size_t offset, int low, int high, Problems& problems) {
    const int value = reader[offset];
    if (value < low || value > high) {
        problems.push_back(
            {reader_byte_path(offset),
             byte_name(setting, offset, offset == setting.first ? "length 1" : "length 2") +
                 " is " + std::to_string(value) + ", outside " + std::to_string(low) + "-" +
                 std::to_string(high)});
    }
}

void check_one_d_lengths(const ReaderSettingsRecord& reader, Problems& problems) {
    for (const LengthSetting& setting : kOneDLengths) {
        const Byte mode = reader[setting.mode];
        if (mode > kModeMaxMin) {
            problems.push_back({reader_byte_path(setting.mode),
                                byte_name(setting, setting.mode, "length mode") + " is " +
                                    std::to_string(mode) + ", outside 0-1"});
        }
        check_length_byte(reader, setting, setting.first, kOneDMinLength, kOneDMaxLength, problems);
        check_length_byte(reader, setting, setting.second, kOneDMinLength, kOneDMaxLength,
                          problems);
        if (mode == kModeMaxMin && reader[setting.first] < reader[setting.second]) {
            problems.push_back({reader_byte_path(setting.first),
                                std::string(setting.name) + " Max / Min Length mode with max " +
                                    std::to_string(reader[setting.first]) + " below min " +
                                    std::to_string(reader[setting.second])});
        }
    }
}

template <std::size_t Count>
void check_mode_lengths(const ReaderSettingsRecord& reader,
                        const std::array<LengthSetting, Count>& settings, int max_length,
                        Problems& problems) {
    for (const LengthSetting& setting : settings) {
        const Byte mode = reader[setting.mode];
        if (mode > kModeRange) {
            problems.push_back({reader_byte_path(setting.mode),
                                byte_name(setting, setting.mode, "length mode") + " is " +
                                    std::to_string(mode) + ", outside 0-3"});
        }
        check_length_byte(reader, setting, setting.first, 0, max_length, problems);
        check_length_byte(reader, setting, setting.second, 0, max_length, problems);
        const Byte first = reader[setting.first];
        const Byte second = reader[setting.second];
        if (mode == kModeRange && first > second) {
            problems.push_back({reader_byte_path(setting.first),
                                std::string(setting.name) + " Range mode with min " +
                                    std::to_string(first) + " above max " +
                                    std::to_string(second)});
        }
        const bool first_unused = mode == kModeAnyLength;
        const bool second_unused = mode == kModeAnyLength || mode == kModeOneLength;
        if ((first_unused && first != 0) || (second_unused && second != 0)) {
            problems.push_back(
                {reader_byte_path(first_unused && first != 0 ? setting.first : setting.second),
                 std::string(setting.name) + " length mode " + std::to_string(mode) +
                     " keeps an unused length that is not 0"});
        }
    }
}

void check_delimiter(Byte delimiter, const char* field, Problems& problems) {
    if (delimiter == kCarriageReturn) {
        problems.push_back(
            {record_path("system_settings", SIZE_MAX, field), "13 (carriage return)"});
    }
}

bool is_ascii_alphanumeric(Byte c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

void check_system_settings(const DesignRecords& records, Problems& problems) {
    const SystemSettingsRecord& system = records.system;
    const std::size_t password_length = slot_text_length(system.password);
    if (password_length > kMaxPasswordLength) {
        problems.push_back(
            {record_path("system_settings", SIZE_MAX, "password"), "longer than 10 characters"});
    }
    for (std::size_t i = 0; i < password_length; ++i) {
        if (!is_ascii_alphanumeric(system.password[i])) {
            problems.push_back({record_path("system_settings", SIZE_MAX, "password"),
                                "character " + std::to_string(i + 1) + " (code " +
                                    std::to_string(system.password[i]) +
                                    ") is not a letter or digit"});
        }
    }
    check_delimiter(system.data_delimiter_1, "data_delimiter_1", problems);
    check_delimiter(system.data_delimiter_2, "data_delimiter_2", problems);
    if (system.data_delimiter_1 == 0 && system.data_delimiter_2 != 0) {
        problems.push_back({record_path("system_settings", SIZE_MAX, "data_delimiter_2"),
                            std::to_string(system.data_delimiter_2) + " without data_delimiter_1"});
    }
    if (system.entry_display_time > kMaxEntryDisplayTime) {
        problems.push_back({record_path("system_settings", SIZE_MAX, "entry_display_time"),
                            std::to_string(system.entry_display_time) + " is above 99"});
    }
    if (system.security_flags[kWarningBeepFlag] != 0) {
        problems.push_back(
            {entry_path("system_settings", SIZE_MAX, "security_flags", kWarningBeepFlag),
             "security flag 9 (\"Warning Beep\") is " +
                 std::to_string(system.security_flags[kWarningBeepFlag]) + ", not 0"});
    }
}

void check_reader_settings(const DesignRecords& records, Problems& problems) {
    const ReaderSettingsRecord& record = records.reader;
    check_one_d_lengths(record, problems);
    check_mode_lengths(record, kElrLengths, kElrMaxLength, problems);
    check_mode_lengths(record, kTwoDLengths, kTwoDMaxLength, problems);
    if (record[reader::kImageCapture] != 0 &&
        (record[reader::kReaderTypeBits] & reader::kType2D) == 0) {
        problems.push_back({reader_byte_path(reader::kImageCapture),
                            "2D Image Capture (byte 300) is on without the 2D reader"});
    }
}

}  // namespace tc::t73
