#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/t73/design_json.h"
#include "app/t73/json_writer.h"
#include "t73_test_support.h"

namespace tc::t73 {
namespace {

using test::random_design_bytes;

constexpr std::size_t kFormSize = 5027;
constexpr std::size_t kMenuSize = 1337;
constexpr std::size_t kLookupSize = 1324;

// The JSON text the tool prints, read back as the tool reads a file.
Json through_text(const Json& design) {
    std::ostringstream text;
    write_json(text, design);
    return Json::parse(text.str());
}

// A design file with a good header and every other byte zero.
std::vector<Byte> zero_design() {
    std::vector<Byte> bytes(kDesignFileSize, 0);
    std::copy(kDesignFileHeader.begin(), kDesignFileHeader.end(), bytes.begin());
    return bytes;
}

// Characters of a JSON text: each is one byte of the slot.
std::size_t code_points(const Json& text) {
    const std::string& utf8 = text.get_ref<const std::string&>();
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string build_error(const Json& design) {
    try {
        build_design(design);
    } catch (const FieldError& e) {
        return e.what();
    }
    return "no error";
}

TEST(T73Json, DumpThenBuildGivesBackEveryByteOfRandomFiles) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::vector<Byte> original = random_design_bytes(seed);
        const Json dumped = dump_design(original);
        // Random slots hold bytes behind their zeros, or no zero at all: both forms are in use.
        int with_bytes_after_zero = 0;
        int without_zero = 0;
        for (const Json& form : dumped["forms"]) {
            for (const Json& text : form["initial_text"]) {
                with_bytes_after_zero += text.is_object() ? 1 : 0;
                without_zero += text.is_string() && code_points(text) == 161 ? 1 : 0;
            }
        }
        EXPECT_GT(with_bytes_after_zero, 0);
        EXPECT_GT(without_zero, 0);
        ASSERT_TRUE(dumped.contains("reserved_block"));
        const std::vector<Byte> rebuilt = build_design(through_text(dumped));
        ASSERT_EQ(rebuilt.size(), kDesignFileSize);
        EXPECT_TRUE(rebuilt == original);
    }
}

TEST(T73Json, FieldsAreNamedWhereTheRecordsHoldThem) {
    std::vector<Byte> bytes = zero_design();
    bytes[kMenusOffset + 3 * kMenuSize + 818 + 14] = 21;       // Menu 4 item 15 target
    bytes[kMenusOffset + 3 * kMenuSize + 818 + 13] = 31;       // not a screen code
    bytes[kFormsOffset + 50 + 1] = 17;                         // Form 1 line 2 "large data"
    bytes[kFormsOffset + 860 + 1] = 140;                       // its max_length_low
    bytes[kFormsOffset + 875 + 1] = 1;                         // and max_length_high: 300
    bytes[kFormsOffset + 860 + 2] = 160;                       // line 3: 160 + 160, which the
    bytes[kFormsOffset + 875 + 2] = 1;                         // program stores as 2 x 160 + 0
    bytes[kFormsOffset + 23] = 44;                             // record_length_low
    bytes[kFormsOffset + 24] = 1;                              // and high: 300
    bytes[kLookupsOffset + 26 + 3] = 5;                        // Lookup 1 field 4 "image"
    bytes[kSystemOffset] = 1;                                  // start screen "menu 1"
    bytes[kFormsOffset + 2 * kFormSize + 845 + 4] = 77;        // Form 3 line 5 min_length
    bytes[kFormsOffset + 19 * kFormSize + 4129] = 1;           // Form 20 auto_delete
    bytes[kFormsOffset + 19 * kFormSize + 4130 + 896] = 0xAB;  // Form 20 last reserved byte
    bytes[kLookupsOffset + 4 * kLookupSize + 821 + 2] = 3;     // Lookup 5 field 3 high length
    bytes[kReaderOffset + 736] = 1;                            // RFID reader
    bytes[kSystemOffset + 8] = 42;                             // entry_display_time
    bytes[kSystemOffset + 363] = 10;                           // reserved byte 363
    bytes[kFormsOffset + 4119 + 1] = 0x11;                     // Form 1 reserved 4119-4127
    bytes[kReservedOffset + 499] = 5;
    const std::string prompt = "Caf\xE9 \x80";
    std::copy(prompt.begin(), prompt.end(),
              bytes.begin() + kFormsOffset + 65 + 51);  // Form 1 line 2
    bytes[kFormsOffset + 65 + 51 + 50] = 0x7F;          // behind the prompt's zero

    const Json dumped = dump_design(bytes);
    EXPECT_EQ(dumped["header"], "TC7350-01000100");
    EXPECT_EQ(dumped["menus"][3]["item_target"][14], "Menu 1");
    EXPECT_EQ(dumped["menus"][3]["item_target"][13], 31);
    EXPECT_EQ(dumped["forms"][0]["data_type"][1], "large data");
    EXPECT_EQ(dumped["forms"][0]["data_type"][0], "nil");
    EXPECT_EQ(dumped["forms"][0]["max_length"][1], 300);
    EXPECT_EQ(dumped["forms"][0]["max_length"][2], Json::parse(R"({"low": 160, "high": 1})"));
    EXPECT_EQ(dumped["forms"][0]["record_length"], 300);
    EXPECT_FALSE(dumped["forms"][0].contains("max_length_low"));
    EXPECT_EQ(dumped["lookups"][0]["field_type"][3], "image");
    EXPECT_EQ(dumped["system_settings"]["start_screen"], "menu 1");
    EXPECT_EQ(dumped["forms"][2]["min_length"][4], 77);
    EXPECT_EQ(dumped["forms"][19]["auto_delete"], 1);
    const std::string reserved = dumped["forms"][19]["reserved_4130"];
    EXPECT_EQ(reserved.size(), 2u * 897);
    EXPECT_EQ(reserved.substr(reserved.size() - 2), "ab");
    EXPECT_EQ(dumped["lookups"][4]["field_length"][2], 480);
    EXPECT_EQ(dumped["reader_settings"]["736"][0], 1);
    EXPECT_EQ(dumped["reader_settings"]["752"].size(), 14u);  // 766 bytes: the last row is short
    EXPECT_EQ(dumped["system_settings"]["entry_display_time"], 42);
    EXPECT_EQ(dumped["system_settings"]["reserved_363"], "0a");
    EXPECT_EQ(dumped["system_settings"]["reserved_364"], "");  // trailing zeros are left off
    EXPECT_EQ(dumped["forms"][0]["reserved_4119"], "0011");
    EXPECT_EQ(dumped["reserved_block"].get<std::string>().substr(998), "05");

    // Texts are Windows-1252 (0x80 is the euro sign); the bytes behind the zero follow as hex.
    const Json& line_2 = dumped["forms"][0]["prompt"][1];
    ASSERT_TRUE(line_2.is_object());
    EXPECT_EQ(line_2["text"], "Caf\xC3\xA9 \xE2\x82\xAC");
    const std::string after_zero = line_2["after_zero"];
    EXPECT_EQ(after_zero.size(), 2u * (51 - prompt.size() - 1));
    EXPECT_EQ(after_zero.substr(after_zero.size() - 2), "7f");
    EXPECT_EQ(dumped["forms"][0]["prompt"][0], "");

    EXPECT_TRUE(build_design(through_text(dumped)) == bytes);
}

TEST(T73Json, BuildReadsTheRawFormOfOlderDumpsAndRefusesMembersGivenTwice) {
    std::vector<Byte> bytes = random_design_bytes(9);
    Json raw = dump_design(bytes);
    raw.erase("format");
    for (Json& form : raw["forms"]) {
        form.erase("max_length");
        form["max_length_low"] = Json::array();
        form["max_length_high"] = Json::array();
        for (std::size_t line = 0; line < kFormLines; ++line) {
            form["data_type"][line] = 1;
            form["max_length_low"].push_back(line);
            form["max_length_high"].push_back(1);
        }
    }
    raw["menus"][0]["esc_target"] = 30;
    raw["device_texts"]["3001"] = "\xC2\x80\xE2\x82\xAC";  // U+0080, as the first dumps wrote 0x80
    bytes = build_design(raw);
    EXPECT_EQ(bytes[kFormsOffset + kFormSize + 50 + 3], 1);
    EXPECT_EQ(bytes[kFormsOffset + kFormSize + 860 + 3], 3);
    EXPECT_EQ(bytes[kFormsOffset + kFormSize + 875 + 3], 1);
    EXPECT_EQ(bytes[kMenusOffset + 817], 30);
    EXPECT_EQ(bytes[kDeviceTextsOffset], 0x80);
    EXPECT_EQ(bytes[kDeviceTextsOffset + 1], 0x80);

    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {R"({"forms": [{}, {"prompt": [], "x": {"a": 1}, "prompt": 2}]})",
              "forms[1].prompt: given twice"},
             {R"({"a": [[1], [{"b": 1, "b": 1}]]})", "a[1][0].b: given twice"}}) {
        try {
            parse_design_json(text);
            ADD_FAILURE() << text;
        } catch (const FieldError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, message.size()), message);
        }
    }
}

TEST(T73Json, TextsFillTheirSlotsExactly) {
    Json design = dump_design(zero_design());
    const std::size_t slot = kFormsOffset + 65;  // Form 1 line 1 prompt, 51 bytes

    design["forms"][0]["prompt"][0] = std::string(51, 'x');  // a full slot has no zero
    std::vector<Byte> bytes = build_design(design);
    EXPECT_EQ(bytes[slot + 50], 'x');
    EXPECT_EQ(bytes[slot + 51], 0);  // line 2 untouched

    design["forms"][0]["prompt"][0] = Json{{"text", "ab"}, {"after_zero", "0102"}};
    bytes = build_design(design);
    EXPECT_EQ(bytes[slot + 1], 'b');
    EXPECT_EQ(bytes[slot + 2], 0);
    EXPECT_EQ(bytes[slot + 3], 1);
    EXPECT_EQ(bytes[slot + 4], 2);
    EXPECT_EQ(bytes[slot + 5], 0);  // what the value does not give is zero
}

TEST(T73Json, BuildNamesTheFieldItCannotTurnIntoBytes) {
    const Json good = dump_design(zero_design());
    const auto error_after = [&](auto change) {
        Json design = good;
        change(design);
        return build_error(design);
    };

    EXPECT_EQ(error_after([](Json& d) { d["forms"][3]["prompt"][4] = std::string(60, 'a'); }),
              "forms[3].prompt[4]: text of 60 bytes does not fit 51-byte slot");
    EXPECT_EQ(error_after([](Json& d) { d["forms"][3].erase("esc_target"); }),
              "forms[3].esc_target: missing field");
    EXPECT_EQ(error_after([](Json& d) { d["forms"][0]["data_type"][2] = 256; }),
              "forms[0].data_type[2]: value 256 is out of 0-255");
    EXPECT_EQ(error_after([](Json& d) { d["forms"][0]["data_type"].erase(0); }),
              "forms[0].data_type: expected 15 entries, got 14");
    EXPECT_EQ(
        error_after([](Json& d) {
            d["menus"][1]["esc_target"] = "Form 21";
        }).rfind("menus[1].esc_target: unknown value \"Form 21\" (one of \"main\", \"Form 1\"", 0),
        0u);
    EXPECT_EQ(error_after([](Json& d) { d["forms"][1]["max_length"][3] = 40960; }),
              "forms[1].max_length[3]: length 40960 is out of 0-40959");
    EXPECT_EQ(error_after([](Json& d) { d["forms"][1]["max_length_low"] = Json::array(); }),
              "forms[1].max_length: given both as one length and as max_length_low and "
              "max_length_high");
    EXPECT_EQ(error_after([](Json& d) { d["format"] = "t73 design 3"; }),
              "format: \"t73 design 3\" is not a format this t73 reads (\"t73 design 2\")");
    EXPECT_EQ(error_after([](Json& d) {
                  d["lookups"][0]["record_length"] = {{"low", 1}};
              }),
              "lookups[0].record_length.high: missing field");
    EXPECT_EQ(error_after([](Json& d) {
                  d["menus"][1]["caption"] = 5;
              }).rfind("menus[1].caption: expected a text", 0),
              0u);
    EXPECT_EQ(error_after([](Json& d) { d["lookups"][2]["bogus"] = 1; }),
              "lookups[2].bogus: unknown field");
    EXPECT_EQ(error_after([](Json& d) { d["reader_settings"]["400"].erase(0); }),
              "reader_settings.400: expected 16 entries, got 15");
    EXPECT_EQ(error_after([](Json& d) {
                  d["system_settings"]["reserved_641"] = std::string(2 * 222, 'f');
              }),
              "system_settings.reserved_641: 222 bytes of hex do not fit 221-byte field");
    EXPECT_EQ(error_after([](Json& d) {
                  d["system_settings"]["reserved_1"] = "0g";
              }).rfind("system_settings.reserved_1: not a hex digit", 0),
              0u);
    EXPECT_EQ(error_after([](Json& d) { d["device_texts"]["3001"] = "\xE4\xB8\x80"; }),
              "device_texts.3001: character U+4E00 is not in the Windows-1252 code page");
    EXPECT_EQ(
        error_after([](Json& d) {
            d["menus"][0]["caption"] = Json{{"text", std::string(49, 'a')}, {"after_zero", "0102"}};
        }),
        "menus[0].caption.after_zero: 2 bytes do not fit behind a text of 49 bytes in a 51-byte "
        "slot");
}

}  // namespace
}  // namespace tc::t73
