#include "reader/reader_settings_record.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/system_settings_record.h"

namespace tc {

namespace {

struct ByteDefault {
    std::uint16_t offset;
    Byte value;
};

// The default of every byte that the reset writes one by one, in offset order. The zero block
// 406-465 and the two texts are written by the reset itself; the reserved bytes (84-100, 169-190,
// 209, 325-327, 332-350, 360-369, 371-380, 388-403, 737-765) are missing on purpose.
// clang-format off
constexpr ByteDefault kByteDefaults[] = {
    // Reader kind
    {0, 1},
    // 1D reader: Code 39, Italian and French Pharmacode
    {1, 1}, {2, 0}, {3, 0}, {4, 1}, {5, 0},
    {6, 0}, {7, 1},
    {8, 0}, {9, 1},
    // 1D reader: Industrial, Interleaved and Matrix 25
    {10, 1}, {11, 0}, {12, 0}, {13, 1}, {14, 1}, {15, 127}, {16, 4},
    {17, 1}, {18, 1}, {19, 0}, {20, 1}, {21, 1}, {22, 127}, {23, 4},
    {24, 1}, {25, 2}, {26, 0}, {27, 1}, {28, 1}, {29, 127}, {30, 4},
    // 1D reader: Codabar, MSI, Plessey
    {31, 1}, {32, 0},
    {33, 0}, {34, 0}, {35, 1}, {36, 1}, {37, 127}, {38, 4},
    {39, 0}, {40, 0}, {41, 1},
    // 1D reader: UPC-E, EAN-8, EAN-13/UPC-A and their addons
    {42, 1}, {43, 0}, {44, 0}, {45, 1}, {46, 0}, {47, 0},
    {48, 1}, {49, 1}, {50, 0}, {51, 0}, {52, 0},
    {53, 1}, {54, 0}, {55, 0}, {56, 1}, {57, 0}, {58, 0}, {59, 1}, {60, 1}, {61, 1},
    // 1D reader: Telepen, GS1 DataBar
    {62, 0}, {63, 1},
    {64, 0}, {65, 1}, {66, 1}, {67, 1},
    {68, 0}, {69, 1}, {70, 1}, {71, 1},
    {72, 0}, {73, 1},
    // 1D reader: Code 93, Code 128, GS1-128
    {74, 1}, {75, 1}, {76, 1}, {77, 0},
    // 1D reader: scan mode (Laser), time-out, redundancy, negative barcode, GTIN; ISBT 128
    {78, 6}, {79, 3}, {80, 0}, {81, 0}, {82, 0}, {83, 1},

    // ELR: UPC/EAN enables and their parameters
    {101, 1}, {102, 1}, {103, 0}, {104, 1}, {105, 1}, {106, 1},
    {107, 0}, {108, 14}, {109, 1}, {110, 1}, {111, 1}, {112, 1}, {113, 1}, {114, 1},
    {115, 0}, {116, 0}, {117, 0}, {118, 0}, {119, 0},
    // ELR: Code 128, GS1-128, ISBT 128
    {120, 1}, {121, 1}, {122, 1},
    // ELR: Code 39, Trioptic 39
    {123, 1}, {124, 0}, {125, 0}, {126, 0}, {127, 3}, {128, 4}, {129, 55}, {130, 0}, {131, 0},
    {132, 0},
    // ELR: Code 93, Interleaved 25, Industrial 25, Codabar, MSI
    {133, 1}, {134, 3}, {135, 4}, {136, 55},
    {137, 1}, {138, 3}, {139, 4}, {140, 55}, {141, 0}, {142, 0}, {143, 0},
    {144, 1}, {145, 3}, {146, 4}, {147, 55},
    {148, 1}, {149, 3}, {150, 4}, {151, 55}, {152, 0}, {153, 0},
    {154, 1}, {155, 3}, {156, 4}, {157, 55}, {158, 0}, {159, 0}, {160, 1},
    // ELR: GS1 DataBar
    {161, 0}, {162, 0}, {163, 0}, {164, 0},
    // ELR: decode time-out (3 s), AIM duration
    {165, 30}, {166, 10}, {167, 0}, {168, 0},

    // 2D reader: UPC/EAN enables and their parameters, coupon code
    {191, 1}, {192, 1}, {193, 0}, {194, 1}, {195, 1}, {196, 1},
    {197, 0}, {198, 10}, {199, 1}, {200, 1}, {201, 1}, {202, 1}, {203, 1}, {204, 1},
    {205, 0}, {206, 0}, {207, 0}, {208, 0},
    // 2D reader: Code 128, GS1-128, ISBT 128
    {210, 1}, {211, 1}, {212, 1},
    // 2D reader: Code 39, Code 93, Code 11
    {213, 1}, {214, 0}, {215, 0}, {216, 0}, {217, 3}, {218, 4}, {219, 55}, {220, 0}, {221, 0},
    {222, 0},
    {223, 1}, {224, 3}, {225, 4}, {226, 55},
    {227, 1}, {228, 3}, {229, 4}, {230, 55}, {231, 0}, {232, 0},
    // 2D reader: Interleaved 25, Industrial 25, Codabar, MSI
    {233, 1}, {234, 3}, {235, 4}, {236, 55}, {237, 0}, {238, 0}, {239, 0},
    {240, 1}, {241, 3}, {242, 4}, {243, 55},
    {244, 1}, {245, 3}, {246, 4}, {247, 55}, {248, 0}, {249, 0},
    {250, 1}, {251, 3}, {252, 4}, {253, 55}, {254, 0}, {255, 0}, {256, 1},
    // 2D reader: postal codes
    {257, 1}, {258, 1}, {259, 1}, {260, 1}, {261, 1}, {262, 1}, {263, 1}, {264, 1},
    // 2D reader: GS1 DataBar, composites
    {265, 1}, {266, 1}, {267, 1}, {268, 0},
    {269, 1}, {270, 0}, {271, 0}, {272, 1}, {273, 0},
    // 2D reader: PDF417, Data Matrix, Maxicode, QR, Aztec, Macro PDF
    {274, 1}, {275, 0}, {276, 0}, {277, 1}, {278, 0}, {279, 0}, {280, 1}, {281, 1}, {282, 0},
    {283, 1}, {284, 1}, {285, 0}, {286, 4}, {287, 0}, {288, 0},
    // 2D reader: decoding and scanning (decode time-out 3 s, Laser scan mode)
    {289, 30}, {290, 6}, {291, 1}, {292, 1}, {293, 2}, {294, 0}, {295, 0}, {296, 8}, {297, 1},
    {298, 0}, {299, 0},
    // 2D reader: image capture
    {300, 0}, {301, 1}, {302, 1}, {303, 1}, {304, 100}, {305, 10}, {306, 1}, {307, 0}, {308, 1},
    {309, 65}, {310, 40}, {311, 1}, {312, 2},
    // 2D reader: Matrix 25, Chinese 25
    {313, 1}, {314, 3}, {315, 4}, {316, 55}, {317, 0}, {318, 0}, {319, 0},
    {320, 1},

    // RFID: UID, user data, field delimiter ",", starting position -1, reading length
    {321, 1}, {322, 0}, {323, 0}, {324, 44},
    {328, 255}, {329, 10}, {330, 3}, {331, 0},

    // Reader-type copy, good read, beep and vibrator copies
    {351, 1}, {352, 2}, {353, 9}, {354, 0}, {355, 2},
    {356, 0}, {357, 1}, {358, 1}, {359, 0},
    {370, 0},
    // Good read LED and buzzer; 2D ISBT 128 concatenation
    {381, 0}, {382, 0}, {383, 0}, {384, 0}, {385, 1}, {386, 0}, {387, 10},
    // Reader-type bits: the 1D laser/CCD reader
    {404, reader::kType1D}, {405, 0},
    // Image file naming, GS1-128 field separator, RFID reader
    {466, 0}, {728, 0}, {735, 0}, {736, 0},
};
// clang-format on

constexpr std::size_t kZeroBlockFirst = 406;
constexpr std::size_t kZeroBlockEnd = 466;
constexpr std::size_t kFileTitle = 729;
constexpr std::size_t kFileTitleSize = 6;
constexpr std::size_t kImageStoreSize = 261;
constexpr std::string_view kDefaultImageStore = "\\DiskOnChip";

constexpr Byte kKindOneD = 1;
constexpr Byte kKindElr = 2;
constexpr Byte kKindTwoD = 64;
constexpr Byte kReaderTypeCopyMask = 0x27;

std::span<Byte> text_field(ReaderSettingsRecord& record, std::size_t offset, std::size_t size) {
    return std::span<Byte>(record.bytes).subspan(offset, size);
}

}  // namespace

ReaderMode ReaderStates::mode() const {
    if (one_d == 2 || one_d == 3) return ReaderMode::OneD;
    if (two_d != 0) return ReaderMode::TwoD;
    if (one_d == 1) return ReaderMode::Elr;
    return ReaderMode::None;
}

ReaderStates derive_reader_states(const ReaderSettingsRecord& record) {
    const Byte type = record[reader::kReaderTypeBits];
    ReaderStates states;
    if (type & reader::kType1D) {
        states.one_d = 2;
    } else if (type & reader::kTypeElr) {
        states.one_d = 1;
    } else if (type & reader::kType1DThird) {
        states.one_d = 3;
    }
    if (type & reader::kType2DSecond) {
        states.two_d = 1;
    } else if (type & reader::kType2D) {
        states.two_d = 2;
    }
    return states;
}

void reset_reader_settings(ReaderSettingsRecord& record) {
    for (const ByteDefault& byte_default : kByteDefaults) {
        record[byte_default.offset] = byte_default.value;
    }
    std::fill(record.bytes.begin() + kZeroBlockFirst, record.bytes.begin() + kZeroBlockEnd,
              Byte{0});
    store_text(text_field(record, reader::kImageStore, kImageStoreSize), kDefaultImageStore);
    store_text(text_field(record, kFileTitle, kFileTitleSize), "");
}

void normalise_reader_before_save(ReaderSettingsRecord& record, SystemSettingsRecord& settings) {
    const Byte type = record[reader::kReaderTypeBits];
    if (type & reader::kTypeElr) {
        record[reader::kReaderKind] = kKindElr;
    } else if (type & reader::kType2D) {
        record[reader::kReaderKind] = kKindTwoD;
    } else {
        record[reader::kReaderKind] = kKindOneD;
    }
    record[reader::kReaderTypeCopy] = type & kReaderTypeCopyMask;
    record[reader::kWarningBeep] = settings.warning_beep;
    record[reader::kVibratorSwitch] = settings.vibrator_duration != 0 ? 1 : 0;
    record[reader::kVibratorDuration] = settings.vibrator_duration;
    if (!(type & reader::kType2D)) {
        record[reader::kImageCapture] = 0;
        settings.security_image_capture = 0;
    }
}

}  // namespace tc
