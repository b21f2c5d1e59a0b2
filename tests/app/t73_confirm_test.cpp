#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/t73/commands.h"
#include "app/t73/run_t73.h"
#include "document/design_file.h"
#include "forms/form_record.h"
#include "reader/reader_settings_record.h"
#include "t73_test_support.h"

namespace tc::t73::test {
namespace {

// Byte `offset` of the reader settings block of a design file image.
Byte& reader_byte(std::vector<Byte>& design, std::size_t offset) {
    return design[kReaderOffset + offset];
}

// Runs `t73 <command> IN OUT` on `design` and returns what it saved.
std::vector<Byte> saved_by(const std::string& command, const std::vector<Byte>& design) {
    TempDir dir;
    write_bytes(dir.file("in.T73"), design);
    const ToolRun run = run_tool({command, dir.file("in.T73"), dir.file("out.T73")});
    EXPECT_EQ(run.exit_code, kExitOk) << run.err;
    return read_bytes(dir.file("out.T73"));
}

std::vector<Byte> confirmed(const std::vector<Byte>& design) {
    return saved_by("confirm", design);
}

// What opening and saving alone make of a design, the fix-ups of Open included.
std::vector<Byte> resaved(const std::vector<Byte>& design) {
    return saved_by("resave", design);
}

// The Form page's take-over resets every "nil" line; in a design made from a new one every line
// is "nil" and already reset, but for its input source, which becomes "all" (3).
void reset_nil_lines(std::vector<Byte>& design) {
    for (std::size_t form = 0; form < kFormCount; ++form) {
        const std::size_t lines =
            kFormsOffset + form * sizeof(FormRecord) + offsetof(FormRecord, input_source);
        std::fill_n(design.begin() + static_cast<std::ptrdiff_t>(lines), kFormLines, Byte{3});
    }
}

TEST(T73Confirm, ANewDesignComesBackWithItsNilLinesReset) {
    // Every page but the Form page takes a new design over as it stands; the modified flag that
    // the sheet's OK sets is not part of the file.
    const std::vector<Byte> design = new_design_bytes();
    ASSERT_EQ(design.size(), kDesignFileSize);
    std::vector<Byte> expected = resaved(design);
    reset_nil_lines(expected);
    EXPECT_EQ(confirmed(design), expected);
}

// The enable bytes of the three symbology lists, slot 1 first.
constexpr std::array<std::size_t, 26> kOneDBytes{1,  6,  8,  10, 17, 24, 31, 33, 39,
                                                 42, 46, 47, 48, 50, 51, 53, 57, 58,
                                                 62, 64, 68, 72, 74, 75, 76, 83};
constexpr std::array<std::size_t, 22> kTwoDBytes{191, 192, 193, 194, 195, 196, 210, 211,
                                                 212, 213, 223, 244, 240, 233, 265, 266,
                                                 267, 250, 227, 300, 313, 320};
constexpr std::array<std::size_t, 19> kElrBytes{101, 102, 103, 104, 105, 106, 120, 121, 122, 123,
                                                124, 133, 148, 144, 137, 161, 162, 163, 154};

// What the Barcode page and the save make of a reader block: the page applies the controls of the
// mode it is laid out for, which it loaded from the same bytes.
std::array<Byte, kReaderSettingsSize> expected_reader(const Byte* in) {
    std::array<Byte, kReaderSettingsSize> out{};
    std::copy_n(in, kReaderSettingsSize, out.begin());
    ReaderSettingsRecord record;
    std::copy_n(in, kReaderSettingsSize, record.bytes.begin());
    const ReaderMode mode = derive_reader_states(record).mode();

    // The reader list shows the reader of the layout (the ELR reader has none).
    out[404] = mode == ReaderMode::OneD ? 0x01 : mode == ReaderMode::TwoD ? 0x40 : 0;
    out[736] = in[736] & 0x01;
    // A list byte without an item is kept (352 good read, 385 buzzer frequency, 80 redundancy...).
    const auto flags = [&](const auto& bytes) {
        for (const std::size_t b : bytes) out[b] = in[b] != 0 ? 1 : 0;
    };
    if (mode == ReaderMode::OneD) {
        out[81] = in[81] != 0 ? 1 : 0;
        out[82] = in[82] != 0 ? 1 : 0;
        flags(kOneDBytes);
    } else if (mode == ReaderMode::TwoD) {
        out[289] = std::clamp<Byte>(in[289], 5, 99);
        out[290] = 6;
        out[293] = in[293] != 0 ? 2 : 0;
        out[296] = 8;
        flags(kTwoDBytes);
        if (in[195] == 0) out[196] = 0;  // Bookland EAN only with EAN-13
    } else if (mode == ReaderMode::Elr) {
        flags(kElrBytes);
        if (in[105] == 0) out[106] = 0;
    }
    out[0] = (out[404] & 0x02) ? 2 : (out[404] & 0x40) ? 64 : 1;
    out[351] = out[404] & 0x27;
    if (!(out[404] & 0x40)) out[300] = 0;
    return out;
}

TEST(T73Confirm, RandomReaderBlocksComeBackAsThePageRulesMakeThem) {
    const std::vector<Byte> fresh = new_design_bytes();
    ASSERT_EQ(fresh.size(), kDesignFileSize);
    // Every reader kind and mixture of kinds, with random bytes behind them.
    const std::array<Byte, 10> kinds{0x00, 0x01, 0x02, 0x04, 0x40, 0x80, 0x41, 0x42, 0x06, 0xFF};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<Byte> random = random_design_bytes(seed);
        std::vector<Byte> design = fresh;
        std::copy_n(random.begin() + kReaderOffset, kReaderSettingsSize,
                    design.begin() + kReaderOffset);
        reader_byte(design, 404) = kinds[seed % kinds.size()];
        const std::vector<Byte> out = confirmed(design);
        ASSERT_EQ(out.size(), kDesignFileSize);
        const auto expected = expected_reader(design.data() + kReaderOffset);
        for (std::size_t offset = 0; offset < kReaderSettingsSize; ++offset) {
            // The beep and vibrator copies come from the system settings.
            if (offset >= 353 && offset <= 355) continue;
            EXPECT_EQ(int{out[kReaderOffset + offset]}, int{expected[offset]})
                << "seed " << seed << ", reader byte " << offset << ", reader-type bits "
                << int{reader_byte(design, 404)};
        }
    }
}

}  // namespace
}  // namespace tc::t73::test
