#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/t73/design_check.h"
#include "app/t73/json_bytes.h"
#include "forms/derive_before_save.h"
#include "shell/record_bytes.h"
#include "t73_test_support.h"

namespace tc::t73 {
namespace {

void set_text(std::span<Byte> slot, const std::string& text) {
    std::memset(slot.data(), 0, slot.size());
    std::memcpy(slot.data(), text.data(), std::min(text.size(), slot.size()));
}

struct BrokenDesign {
    const char* what;
    std::function<void(DesignRecords&)> change;
    const char* expected;  // the lines check prints; empty when nothing is broken
};

// Line 5 of Form 3, where most Form cases break something.
constexpr std::size_t kForm = 2;
constexpr std::size_t kLine = 4;

void use_2d_reader(DesignRecords& d) {
    d.reader[404] = 0x40;
}

// A line of Form 3 set as the Form page leaves it: its type and source, and the last input line.
void set_line(DesignRecords& d, std::size_t line, Byte type, Byte source) {
    d.forms[kForm].data_type[line] = type;
    d.forms[kForm].input_source[line] = source;
    d.forms[kForm].last_input_line = static_cast<Byte>(line + 1);
}

const std::vector<BrokenDesign>& broken_designs() {
    static const std::vector<BrokenDesign> cases = {
        // Forms
        {"high length on a line that is not large data",
         [](DesignRecords& d) { d.forms[kForm].max_length_high[kLine] = 1; },
         "forms[2].max_length[4]: maximum length 320 above 160 on a line that is not \"large "
         "data\" (Form 3 line 5)"},
        {"high fixed length on a line that is not large data",
         [](DesignRecords& d) { d.forms[kForm].fixed_length_high[kLine] = 2; },
         "forms[2].fixed_length[4]: fixed length 320 above 160 on a line that is not \"large "
         "data\" (Form 3 line 5)"},
        {"values of other types on a text line",
         [](DesignRecords& d) {
             set_line(d, kLine, kTypeText, 0);
             d.forms[kForm].partial_start_high[kLine] = 1;
             d.forms[kForm].partial_start_low[kLine] = 1;
             d.forms[kForm].save_file_path[kLine] = 1;
         },
         "forms[2].partial_start[4]: partial start 161 above 160 on a line that is not \"large "
         "data\" or \"read from 2D\" (Form 3 line 5)\nforms[2].save_file_path[4]: save_file_path "
         "1 on a line that is not \"image\" (Form 3 line 5)"},
        {"large data of 2048 bytes",
         [](DesignRecords& d) {
             use_2d_reader(d);
             set_line(d, kLine, kTypeLargeData, 0);
             d.forms[kForm].max_length_high[kLine] = 12;
             d.forms[kForm].max_length_low[kLine] = 128;
         },
         ""},
        {"large data of 2049 bytes",
         [](DesignRecords& d) {
             use_2d_reader(d);
             set_line(d, kLine, kTypeLargeData, 0);
             d.forms[kForm].max_length_high[kLine] = 12;
             d.forms[kForm].max_length_low[kLine] = 129;
         },
         "forms[2].max_length[4]: \"large data\" maximum length 2049 above 2048 (Form 3 line 5)"},
        {"minimum above the maximum",
         [](DesignRecords& d) {
             d.forms[kForm].max_length_low[kLine] = 10;
             d.forms[kForm].min_length[kLine] = 11;
         },
         "forms[2].min_length[4]: 11 above the maximum length 10 (Form 3 line 5)"},
        {"prompt of 30 characters",
         [](DesignRecords& d) { set_text(d.forms[kForm].prompt[kLine], std::string(30, 'p')); },
         ""},
        {"prompt of 31 characters",
         [](DesignRecords& d) { set_text(d.forms[kForm].prompt[kLine], std::string(31, 'p')); },
         "forms[2].prompt[4]: prompt of 31 characters (at most 30) (Form 3 line 5)"},
        {"read from 2D without large data",
         [](DesignRecords& d) {
             use_2d_reader(d);
             set_line(d, kLine, kTypeReadFrom2D, 1);
         },
         "forms[2].data_type[4]: \"read from 2D\" without a \"large data\" line (Form 3 line 5)"},
        {"large data beside another reader bit",
         [](DesignRecords& d) {
             d.reader[404] = 0x41;
             set_line(d, kLine, kTypeLargeData, 0);
         },
         "forms[2].data_type[4]: \"large data\" without the 2D reader (reader type byte 404 is "
         "65, not 64) (Form 3 line 5)"},
        {"two large data lines",
         [](DesignRecords& d) {
             use_2d_reader(d);
             set_line(d, kLine, kTypeLargeData, 0);
             set_line(d, kLine + 3, kTypeLargeData, 0);
         },
         "forms[2].data_type: 2 \"large data\" lines (at most one)"},
        {"RFID input with only another bit of byte 736",
         [](DesignRecords& d) {
             set_line(d, kLine, kTypeText, 2);
             d.reader[736] = 2;
         },
         "forms[2].input_source[4]: input source \"RFID\" without the RFID reader (Form 3 line "
         "5)"},
        {"RFID input with the RFID reader",
         [](DesignRecords& d) {
             set_line(d, kLine, kTypeText, 2);
             d.reader[736] = 1;
         },
         ""},
        {"Next target beyond the screens",
         [](DesignRecords& d) { d.forms[kForm].next_target = 31; },
         "forms[2].next_target: 31 is not a screen code (0-30) (Form 3)"},
        {"lookup file 5 and key field 12",
         [](DesignRecords& d) {
             d.forms[kForm].lookup_file = 5;
             d.forms[kForm].key_field = 12;
         },
         ""},
        {"lookup file 6 and key field 13",
         [](DesignRecords& d) {
             d.forms[kForm].lookup_file = 6;
             d.forms[kForm].key_field = 13;
         },
         "forms[2].lookup_file: 6 is above 5\nforms[2].key_field: 13 is above 12"},
        {"data type 19", [](DesignRecords& d) { set_line(d, kLine, 19, 3); },
         "forms[2].data_type[4]: 19 is above 18 (Form 3 line 5)\n"
         "forms[2].last_input_line: 5, but the last line that takes input is none (0) (Form 3)"},
        {"a text line and last input line 0",
         [](DesignRecords& d) { d.forms[kForm].data_type[0] = kTypeText; },
         "forms[2].input_source[0]: input source \"RFID\" without the RFID reader (Form 3 line 1)\n"
         "forms[2].last_input_line: 0, but the last line that takes input is line 1 (Form 3)"},
        {"counter and pause lines",  // a pause takes input, a counter does not
         [](DesignRecords& d) {
             set_line(d, 2, kTypePause, 1);
             set_line(d, 3, kTypeCounter, 1);
         },
         "forms[2].last_input_line: 4, but the last line that takes input is line 3 (Form 3)"},
        // Menus
        {"Menu item target", [](DesignRecords& d) { d.menus[3].item_target[14] = 99; },
         "menus[3].item_target[14]: 99 is not a screen code (0-30) (Menu 4 item 15)"},
        {"item name without a zero",
         [](DesignRecords& d) {
             set_text(d.menus[0].item_name[2], std::string(51, 'i'));
             d.menus[0].item_count = 1;
         },
         "menus[0].item_name[2]: text has no terminating zero within its 51 bytes"},
        {"names in items 3 and 7 miscounted",
         [](DesignRecords& d) {
             set_text(d.menus[1].item_name[2], "Three");
             set_text(d.menus[1].item_name[6], "   ");
             d.menus[1].item_count = 1;
         },
         "menus[1].item_count: 1 but 2 items have a name (Menu 2)"},
        // Lookups
        {"key field not below the field count",
         [](DesignRecords& d) {
             d.lookups[1].field_count = 4;
             d.lookups[1].key_field = 7;
             d.lookups[1].delimiter = 13;
         },
         "lookups[1].key_field: 7 is not below the field count 4 (Lookup 2)\n"
         "lookups[1].delimiter: 13 (carriage return) (Lookup 2)"},
        {"high field length", [](DesignRecords& d) { d.lookups[1].field_length_high[14] = 1; },
         "lookups[1].field_length[14]: length 160 has a high byte 1 (the Lookup page stores 0) "
         "(Lookup 2 field 15)"},
        {"record length that is not the sum",
         [](DesignRecords& d) {
             d.lookups[2].field_count = 3;
             d.lookups[2].field_length_low[0] = 100;
             d.lookups[2].field_length_low[1] = 160;
             d.lookups[2].field_length_low[2] = 20;
             d.lookups[2].record_length_low = 25;
             d.lookups[2].record_length_high = 1;
         },
         "lookups[2].record_length: 281 but the fields add up to 280 (Lookup 3)"},
        {"field beyond the count not cleared",
         [](DesignRecords& d) {
             d.lookups[4].field_count = 2;
             d.lookups[4].field_type[5] = 1;
         },
         "lookups[4].field_type[5]: beyond the field count 2 but not cleared (Lookup 5 field 6)"},
        // System settings
        {"password of ten letters and digits",
         [](DesignRecords& d) { set_text(d.system.password, "abcXYZ0189"); }, ""},
        {"password with a sign", [](DesignRecords& d) { set_text(d.system.password, "ab!"); },
         "system_settings.password: character 3 (code 33) is not a letter or digit"},
        {"second delimiter alone",
         [](DesignRecords& d) {
             d.system.data_delimiter_1 = 0;
             d.system.data_delimiter_2 = 13;
         },
         "system_settings.data_delimiter_2: 13 (carriage return)\n"
         "system_settings.data_delimiter_2: 13 without data_delimiter_1"},
        {"entry display time 100", [](DesignRecords& d) { d.system.entry_display_time = 100; },
         "system_settings.entry_display_time: 100 is above 99"},
        {"warning beep guarded", [](DesignRecords& d) { d.system.security_flags[9] = 1; },
         "system_settings.security_flags[9]: security flag 9 (\"Warning Beep\") is 1, not 0"},
        // Reader settings
        {"1D fixed length 128",
         [](DesignRecords& d) {
             tc::test::set_bytes(d.reader, {{14, 0}, {15, 128}});
         },
         "reader_settings.0[15]: byte 15 (1D Industrial 25 length 1) is 128, outside 1-127"},
        {"1D max below min", [](DesignRecords& d) { d.reader[22] = 3; },
         "reader_settings.16[6]: 1D Interleaved 25 Max / Min Length mode with max 3 below min 4"},
        {"2D length 56 and ELR length 127",
         [](DesignRecords& d) {
             tc::test::set_bytes(d.reader, {{219, 56}, {157, 127}});
         },
         "reader_settings.208[11]: byte 219 (2D Code 39 length 2) is 56, outside 0-55"},
        {"2D range with min above max",
         [](DesignRecords& d) {
             tc::test::set_bytes(d.reader, {{315, 50}, {316, 40}});
         },
         "reader_settings.304[11]: 2D Matrix 25 Range mode with min 50 above max 40"},
        {"one length keeping a second",
         [](DesignRecords& d) { d.reader[245] = 1; },  // Codabar lengths stay 4 and 55
         "reader_settings.240[7]: 2D Codabar length mode 1 keeps an unused length that is not 0"},
        {"length mode 4", [](DesignRecords& d) { d.reader[127] = 4; },
         "reader_settings.112[15]: byte 127 (ELR Code 39 length mode) is 4, outside 0-3"},
    };
    return cases;
}

std::string joined(const Problems& problems) {
    std::string text;
    for (const Problem& problem : problems)
        text += (text.empty() ? "" : "\n") + problem.path + ": " + problem.text;
    return text;
}

// The design file of `records`, with the rest (header, device texts) from `image`.
std::vector<Byte> with_records(std::vector<Byte> image, const DesignRecords& d) {
    const auto put = [&](std::size_t offset, const auto& record) {
        std::memcpy(image.data() + offset, &record, sizeof record);
    };
    put(kMenusOffset, d.menus);
    put(kFormsOffset, d.forms);
    put(kLookupsOffset, d.lookups);
    put(kReaderOffset, d.reader);
    put(kSystemOffset, d.system);
    return image;
}

TEST(T73Check, ReportsEachBrokenRuleOfASavedDesignAndNothingElse) {
    const std::vector<Byte> new_design = test::new_design_bytes();
    ASSERT_EQ(new_design.size(), kDesignFileSize);
    auto sound = std::make_unique<DesignRecords>();
    read_design_records(new_design, *sound);
    ASSERT_EQ(sound->forms[6].next_target, 7);  // the records were read from where they stand
    EXPECT_EQ(joined(check_design(*sound, new_design)), "");

    for (const BrokenDesign& broken : broken_designs()) {
        SCOPED_TRACE(broken.what);
        auto d = std::make_unique<DesignRecords>(*sound);
        broken.change(*d);
        derive_before_save({d->forms, d->menus, d->lookups, d->reader, d->system});  // as saved
        EXPECT_EQ(joined(check_design(*d, with_records(new_design, *d))), broken.expected);
    }

    // What saving derives or clears, changed afterwards: the record figures, image capture
    // without the 2D reader, and a device text.
    auto d = std::make_unique<DesignRecords>(*sound);
    set_line(*d, 0, kTypeText, 1);
    d->forms[kForm].max_length_low[0] = 30;
    derive_before_save({d->forms, d->menus, d->lookups, d->reader, d->system});
    EXPECT_EQ(d->forms[kForm].record_length_low, 38);  // the 8-byte record key and the line
    EXPECT_EQ(d->forms[kForm].key_position, 1);
    d->forms[kForm].record_length_high = 1;
    d->forms[kForm].key_position = 2;
    d->reader[300] = 1;
    std::vector<Byte> image = with_records(new_design, *d);
    std::fill_n(image.begin() + kDeviceTextsOffset, 51, 'd');  // text 3001
    EXPECT_EQ(joined(check_design(*d, image)),
              "forms[2].key_position: 2 as key position, but the Form's lines give 1 (Form 3 "
              "saved record)\n"
              "forms[2].record_length: 294 bytes, but the Form's lines give 38 (Form 3 saved "
              "record)\n"
              "reader_settings.288[12]: 2D Image Capture (byte 300) is on without the 2D reader\n"
              "device_texts.3001: device text 3001 has no terminating zero within its 51 bytes");
}

TEST(T73Check, CommandPrintsOkOrTheProblemsOrTheirJsonAndChecksTheFileAsItIs) {
    test::TempDir dir;
    const std::string path = dir.file("design.T73");
    std::vector<Byte> bytes = test::new_design_bytes();
    test::write_bytes(path, bytes);
    test::ToolRun run = test::run_tool({"check", path});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out, "ok\n");

    // A prompt of 40 characters: opening would cut it to 30, the check sees the file.
    const std::string prompt(40, 'q');
    std::copy(prompt.begin(), prompt.end(), bytes.begin() + kFormsOffset + 65);
    bytes[kSystemOffset + 3] = 13;
    test::write_bytes(path, bytes);
    run = test::run_tool({"check", path});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.out,
              "forms[0].prompt[0]: prompt of 40 characters (at most 30) (Form 1 line 1)\n"
              "system_settings.data_delimiter_1: 13 (carriage return)\n");
    run = test::run_tool({"check", "--json", "-"}, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(Json::parse(run.out), Json::parse(R"json([
        {"path": "forms[0].prompt[0]",
         "problem": "prompt of 40 characters (at most 30) (Form 1 line 1)"},
        {"path": "system_settings.data_delimiter_1", "problem": "13 (carriage return)"}])json"));
}

}  // namespace
}  // namespace tc::t73
