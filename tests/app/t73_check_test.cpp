#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/t73/design_check.h"
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
    const char* expected;  // the one line check prints; empty when nothing is broken
};

// Line 5 of Form 3, where most Form cases break something.
constexpr std::size_t kForm = 2;
constexpr std::size_t kLine = 4;

void use_2d_reader(DesignRecords& d) {
    d.reader[404] = 0x40;
}

const std::vector<BrokenDesign>& broken_designs() {
    static const std::vector<BrokenDesign> cases = {
        // Forms
        {"high length on a line that is not large data",
         [](DesignRecords& d) { d.forms[kForm].max_length_high[kLine] = 1; },
         "Form 3 line 5: max_length_high 1 on a line that is not \"large data\""},
        {"high fixed length on a line that is not large data",
         [](DesignRecords& d) { d.forms[kForm].fixed_length_high[kLine] = 2; },
         "Form 3 line 5: fixed_length_high 2 on a line that is not \"large data\""},
        {"length above 160 on a line that is not large data",
         [](DesignRecords& d) { d.forms[kForm].max_length_low[kLine] = 161; },
         "Form 3 line 5: max_length_low 161 above 160"},
        {"large data of 2048 bytes",
         [](DesignRecords& d) {
             use_2d_reader(d);
             d.forms[kForm].data_type[kLine] = kTypeLargeData;
             d.forms[kForm].input_source[kLine] = 0;
             d.forms[kForm].max_length_high[kLine] = 12;
             d.forms[kForm].max_length_low[kLine] = 128;
         },
         ""},
        {"large data of 2049 bytes",
         [](DesignRecords& d) {
             use_2d_reader(d);
             d.forms[kForm].data_type[kLine] = kTypeLargeData;
             d.forms[kForm].input_source[kLine] = 0;
             d.forms[kForm].max_length_high[kLine] = 12;
             d.forms[kForm].max_length_low[kLine] = 129;
         },
         "Form 3 line 5: \"large data\" maximum length 2049 above 2048"},
        {"minimum above the maximum",
         [](DesignRecords& d) {
             d.forms[kForm].max_length_low[kLine] = 10;
             d.forms[kForm].min_length[kLine] = 11;
         },
         "Form 3 line 5: min_length 11 above the maximum length 10"},
        {"minimum above 160",
         [](DesignRecords& d) {
             use_2d_reader(d);
             d.forms[kForm].data_type[kLine] = kTypeLargeData;
             d.forms[kForm].input_source[kLine] = 0;
             d.forms[kForm].max_length_high[kLine] = 2;
             d.forms[kForm].min_length[kLine] = 161;
         },
         "Form 3 line 5: min_length 161 above 160"},
        {"prompt of 30 characters",
         [](DesignRecords& d) { set_text(d.forms[kForm].prompt[kLine], std::string(30, 'p')); },
         ""},
        {"prompt of 31 characters",
         [](DesignRecords& d) { set_text(d.forms[kForm].prompt[kLine], std::string(31, 'p')); },
         "Form 3 line 5: prompt of 31 characters (at most 30)"},
        {"read from 2D without large data",
         [](DesignRecords& d) {
             use_2d_reader(d);
             d.forms[kForm].data_type[kLine] = kTypeReadFrom2D;
             d.forms[kForm].input_source[kLine] = 1;
         },
         "Form 3 line 5: \"read from 2D\" without a \"large data\" line"},
        {"large data beside another reader bit",
         [](DesignRecords& d) {
             d.reader[404] = 0x41;
             d.forms[kForm].data_type[kLine] = kTypeLargeData;
             d.forms[kForm].input_source[kLine] = 0;
         },
         "Form 3 line 5: \"large data\" without the 2D reader (reader type byte 404 is 65, not "
         "64)"},
        {"read from 2D and large data without the 2D reader",
         [](DesignRecords& d) {
             d.forms[kForm].data_type[kLine] = kTypeReadFrom2D;
             d.forms[kForm].input_source[kLine] = 1;
             d.forms[kForm].data_type[kLine + 1] = kTypeLargeData;
             d.forms[kForm].input_source[kLine + 1] = 0;
         },
         "Form 3 line 5: \"read from 2D\" without the 2D reader (reader type byte 404 is 1, not "
         "64)\n"
         "Form 3 line 6: \"large data\" without the 2D reader (reader type byte 404 is 1, not 64)"},
        {"two large data lines",
         [](DesignRecords& d) {
             use_2d_reader(d);
             for (std::size_t line : {kLine, kLine + 3}) {
                 d.forms[kForm].data_type[line] = kTypeLargeData;
                 d.forms[kForm].input_source[line] = 0;
             }
         },
         "Form 3: 2 \"large data\" lines (at most one)"},
        {"RFID input without the RFID reader",
         [](DesignRecords& d) { d.forms[kForm].data_type[kLine] = kTypeText; },  // input source 2
         "Form 3 line 5: input source \"RFID\" without the RFID reader"},
        {"RFID input with the RFID reader",
         [](DesignRecords& d) {
             d.forms[kForm].data_type[kLine] = kTypeText;
             d.reader[736] = 1;
         },
         ""},
        {"RFID input with only another bit of byte 736",
         [](DesignRecords& d) {
             d.forms[kForm].data_type[kLine] = kTypeText;
             d.reader[736] = 2;
         },
         "Form 3 line 5: input source \"RFID\" without the RFID reader"},
        {"Esc target beyond the screens", [](DesignRecords& d) { d.forms[kForm].esc_target = 31; },
         "Form 3: esc_target 31 is not a screen code (0-30)"},
        {"Next target beyond the screens",
         [](DesignRecords& d) { d.forms[kForm].next_target = 200; },
         "Form 3: next_target 200 is not a screen code (0-30)"},
        {"lookup file 5", [](DesignRecords& d) { d.forms[kForm].lookup_file = 5; }, ""},
        {"lookup file 6", [](DesignRecords& d) { d.forms[kForm].lookup_file = 6; },
         "Form 3: lookup_file 6 above 5"},
        {"key field 13", [](DesignRecords& d) { d.forms[kForm].key_field = 13; },
         "Form 3: key_field 13 above 12"},
        {"data type 19",
         [](DesignRecords& d) {
             d.forms[kForm].data_type[kLine] = 19;
             d.forms[kForm].input_source[kLine] = 3;
         },
         "Form 3 line 5: data_type 19 above 18"},
        // Menus
        {"Menu Esc target", [](DesignRecords& d) { d.menus[3].esc_target = 31; },
         "Menu 4: esc_target 31 is not a screen code (0-30)"},
        {"Menu item target", [](DesignRecords& d) { d.menus[3].item_target[14] = 99; },
         "Menu 4 item 15: item_target 99 is not a screen code (0-30)"},
        {"caption without a zero",
         [](DesignRecords& d) { set_text(d.menus[0].caption, std::string(51, 'c')); },
         "Menu 1: caption has no terminating zero within its 51 bytes"},
        {"item name without a zero",
         [](DesignRecords& d) {
             set_text(d.menus[0].item_name[2], std::string(51, 'i'));
             d.menus[0].item_count = 1;
         },
         "Menu 1 item 3: item_name has no terminating zero within its 51 bytes"},
        {"names in items 3 and 7 counted",
         [](DesignRecords& d) {
             set_text(d.menus[1].item_name[2], "Three");
             set_text(d.menus[1].item_name[6], "   ");
             d.menus[1].item_count = 2;
         },
         ""},
        {"names in items 3 and 7 miscounted",
         [](DesignRecords& d) {
             set_text(d.menus[1].item_name[2], "Three");
             set_text(d.menus[1].item_name[6], "   ");
             d.menus[1].item_count = 1;
         },
         "Menu 2: item_count 1 but 2 items have a name"},
        // Lookups
        {"field count 13", [](DesignRecords& d) { d.lookups[1].field_count = 13; },
         "Lookup 2: field_count 13 above 12"},
        {"key field not below the field count",
         [](DesignRecords& d) {
             d.lookups[1].field_count = 4;
             d.lookups[1].key_field = 7;
         },
         "Lookup 2: key field 7 not below field count 4"},
        {"field length 161",
         [](DesignRecords& d) {
             d.lookups[1].field_count = 1;
             d.lookups[1].field_length_low[0] = 161;
             d.lookups[1].record_length_low = 161;
         },
         "Lookup 2 field 1: field_length_low 161 above 160"},
        {"high field length", [](DesignRecords& d) { d.lookups[1].field_length_high[14] = 1; },
         "Lookup 2 field 15: field_length_high 1 is not 0"},
        {"delimiter 13", [](DesignRecords& d) { d.lookups[1].delimiter = 13; },
         "Lookup 2: delimiter 13 (carriage return)"},
        {"record length of 100 + 160 + 20",
         [](DesignRecords& d) {
             d.lookups[2].field_count = 3;
             d.lookups[2].field_length_low[0] = 100;
             d.lookups[2].field_length_low[1] = 160;
             d.lookups[2].field_length_low[2] = 20;
             d.lookups[2].record_length_low = 24;
             d.lookups[2].record_length_high = 1;
         },
         ""},
        {"record length that is not the sum",
         [](DesignRecords& d) {
             d.lookups[2].field_count = 3;
             d.lookups[2].field_length_low[0] = 100;
             d.lookups[2].field_length_low[1] = 160;
             d.lookups[2].field_length_low[2] = 20;
             d.lookups[2].record_length_low = 25;
             d.lookups[2].record_length_high = 1;
         },
         "Lookup 3: record length 281 but the fields add up to 280"},
        {"field beyond the count not cleared",
         [](DesignRecords& d) {
             d.lookups[4].field_count = 2;
             d.lookups[4].field_type[5] = 1;
         },
         "Lookup 5 field 6: beyond field count 2 but not cleared"},
        // System settings
        {"password of ten letters and digits",
         [](DesignRecords& d) { set_text(d.system.password, "abcXYZ0189"); }, ""},
        {"password with a sign", [](DesignRecords& d) { set_text(d.system.password, "ab!"); },
         "system settings: password character 3 (code 33) is not a letter or digit"},
        {"password of 11 characters",
         [](DesignRecords& d) { set_text(d.system.password, "abcdefghijk"); },
         "system settings: password longer than 10 characters"},
        {"first delimiter 13", [](DesignRecords& d) { d.system.data_delimiter_1 = 13; },
         "system settings: data_delimiter_1 13 (carriage return)"},
        {"second delimiter 13", [](DesignRecords& d) { d.system.data_delimiter_2 = 13; },
         "system settings: data_delimiter_2 13 (carriage return)"},
        {"second delimiter alone",
         [](DesignRecords& d) {
             d.system.data_delimiter_1 = 0;
             d.system.data_delimiter_2 = 59;
         },
         "system settings: data_delimiter_2 59 without data_delimiter_1"},
        {"entry display time 99", [](DesignRecords& d) { d.system.entry_display_time = 99; }, ""},
        {"entry display time 100", [](DesignRecords& d) { d.system.entry_display_time = 100; },
         "system settings: entry_display_time 100 above 99"},
        {"warning beep guarded", [](DesignRecords& d) { d.system.security_flags[9] = 1; },
         "system settings: security flag 9 (\"Warning Beep\") is 1, not 0"},
        // Reader settings
        {"1D fixed length 128",
         [](DesignRecords& d) {
             d.reader[14] = 0;
             d.reader[15] = 128;
         },
         "reader settings: byte 15 (1D Industrial 25 length 1) is 128, outside 1-127"},
        {"1D fixed length 0",
         [](DesignRecords& d) {
             d.reader[36] = 0;
             d.reader[38] = 0;
         },
         "reader settings: byte 38 (1D MSI length 2) is 0, outside 1-127"},
        {"1D max below min", [](DesignRecords& d) { d.reader[22] = 3; },
         "reader settings: 1D Interleaved 25 Max / Min Length mode with max 3 below min 4"},
        {"1D length mode 2", [](DesignRecords& d) { d.reader[28] = 2; },
         "reader settings: byte 28 (1D Matrix 25 length mode) is 2, outside 0-1"},
        {"2D length 56", [](DesignRecords& d) { d.reader[219] = 56; },
         "reader settings: byte 219 (2D Code 39 length 2) is 56, outside 0-55"},
        {"ELR length 127", [](DesignRecords& d) { d.reader[157] = 127; }, ""},
        {"ELR length 128", [](DesignRecords& d) { d.reader[157] = 128; },
         "reader settings: byte 157 (ELR MSI length 2) is 128, outside 0-127"},
        {"2D range with min above max",
         [](DesignRecords& d) {
             d.reader[315] = 50;
             d.reader[316] = 40;
         },
         "reader settings: 2D Matrix 25 Range mode with min 50 above max 40"},
        {"one length keeping a second",
         [](DesignRecords& d) { d.reader[245] = 1; },  // Codabar lengths stay 4 and 55
         "reader settings: 2D Codabar length mode 1 keeps an unused length that is not 0"},
        {"one length alone",
         [](DesignRecords& d) {
             d.reader[245] = 1;
             d.reader[247] = 0;
         },
         ""},
        {"length mode 4", [](DesignRecords& d) { d.reader[127] = 4; },
         "reader settings: byte 127 (ELR Code 39 length mode) is 4, outside 0-3"},
        {"image capture without the 2D reader", [](DesignRecords& d) { d.reader[300] = 1; },
         "reader settings: 2D Image Capture (byte 300) is on without the 2D reader"},
        {"image capture with the 2D reader among others",
         [](DesignRecords& d) {
             d.reader[300] = 1;
             d.reader[404] = 0x41;
         },
         ""},
    };
    return cases;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

TEST(T73Check, ReportsEachBrokenRuleOfANewDesignAndNothingElse) {
    const std::vector<Byte> new_design = test::new_design_bytes();
    ASSERT_EQ(new_design.size(), kDesignFileSize);
    auto sound = std::make_unique<DesignRecords>();
    read_design_records(new_design, *sound);
    ASSERT_EQ(sound->forms[6].next_target, 7);  // the records were read from where they stand
    EXPECT_EQ(joined(check_design(*sound)), "");

    for (const BrokenDesign& broken : broken_designs()) {
        SCOPED_TRACE(broken.what);
        auto records = std::make_unique<DesignRecords>(*sound);
        broken.change(*records);
        EXPECT_EQ(joined(check_design(*records)), broken.expected);
    }
}

TEST(T73Check, CommandPrintsOkOrTheProblemsAndChecksTheFileAsItIs) {
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
              "Form 1 line 1: prompt of 40 characters (at most 30)\n"
              "system settings: data_delimiter_1 13 (carriage return)\n");

    test::write_bytes(path, std::vector<Byte>{'T', 'C', '7'});
    run = test::run_tool({"check", path});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Format of this TC file is incorrect!"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace tc::t73
