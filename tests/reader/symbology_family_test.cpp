#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/symbology_test_support.h"

namespace tc {
namespace {

using ui::ControlKind;

// One thing a user does in a parameter dialog, found by the caption he sees: clicks the check box
// or radio button of that caption, or chooses item `act` in (types `act` into) the list or edit
// behind the label of that caption. Before the dialog opens `byte` holds `from`; after OK it must
// hold `to`. A step without a caption only states what a byte holds after OK.
struct Step {
    std::string_view caption;
    int act;
    std::size_t byte;
    int from;
    int to;
};
using Case = std::vector<Step>;

Step check(std::string_view caption, std::size_t byte) {
    return {caption, 0, byte, 0, 1};
}
Step uncheck(std::string_view caption, std::size_t byte) {
    return {caption, 0, byte, 1, 0};
}
Step radio(std::string_view caption, std::size_t byte, int position) {
    return {caption, 0, byte, position == 0 ? 1 : 0, position};
}
Step choose(std::string_view label, int item, std::size_t byte, int stored) {
    return {label, item, byte, stored == 0 ? 1 : 0, stored};
}
Step choose(std::string_view label, int item, std::size_t byte) {
    return choose(label, item, byte, item);
}
Step type(std::string_view label, int value, std::size_t byte, int from = 0) {
    return {label, value, byte, from, value};
}
Step holds(std::size_t byte, int from, int to) {
    return {{}, 0, byte, from, to};
}

// The length settings: Max / Min with 90 and 20 (1D), Range from 5 to 9 (2D and ELR). Numbers
// start within their bounds, so that OK stores them as they were.
Case one_d_lengths(std::size_t mode) {
    return {radio("Max / Min Length", mode, 1), type("Max Length :", 90, mode + 1, 50),
            type("Min Length :", 20, mode + 2, 40)};
}
Case range(std::size_t mode, std::string_view label = "Select Length :") {
    return {choose(label, 3, mode), type("Min Length :", 5, mode + 1),
            type("Max Length :", 9, mode + 2)};
}
Case start_stop(std::size_t byte) {
    return {radio("Matrix 25", byte, 2)};
}
Case addons() {
    return {choose("Enable Addons :", 2, 197), type("Addons Redundancy :", 7, 198, 3)};
}
const Case kSeparator = {type("Replace Field Separator :", 'x', 728)};

struct MemberCases {
    std::string_view name;
    std::string_view title;
    std::vector<Case> cases;
};

// The members, their titles and what each caption edits, from the reader settings record's
// tables and the parameter dialogs' member tables.
const std::vector<MemberCases>& members() {
    const auto c = [](std::string_view caption, std::size_t byte) {
        return Case{check(caption, byte)};
    };
    const std::string_view tcd = "Transmit Check Digit", vcd = "Verify Check Digit";
    // clang-format off
    static const std::vector<MemberCases> all = {
        {"CODE39DLG_1D", "Code 39 Parameters", {c("Transmit Start/Stop Character", 2), c(vcd, 3), c(tcd, 4), c("Code 39 Full ASCII", 5)}},
        {"ITALYPHARMADLG_1D", "Italian Pharmacode Parameters", {c(tcd, 7)}},
        {"FRENCHPHARMADLG_1D", "French Pharmacode Parameters", {c(tcd, 9)}},
        {"DISCRETE25DLG_1D", "Industrial 25 Parameters", {start_stop(11), c(vcd, 12), c(tcd, 13), one_d_lengths(14)}},
        {"INTERLEAVE25DLG_1D", "Interleaved 25 Parameters", {start_stop(18), c(vcd, 19), c(tcd, 20), one_d_lengths(21)}},
        {"MATRIX25DLG_1D", "Matrix 25 Parameters", {{radio("Industrial 25", 25, 0)}, c(vcd, 26), c(tcd, 27), one_d_lengths(28)}},
        {"CODABARDLG_1D", "Codabar Parameters", {{radio("ABCD / TN*E", 32, 4)}}},
        {"MSIDLG_1D", "MSI Parameters", {{radio("Modulo 11 && 10", 34, 2)}, {radio("Both digits not transmitted", 35, 2)}, one_d_lengths(36)}},
        {"PLESSEYDLG_1D", "Plessey Parameters", {c("Convert to UK Plessey", 40), c(tcd, 41)}},
        {"UPCEDLG_1D", "UPC-E Parameters", {c("Convert to UPC-A", 43), c("Transmit System Number", 44), c(tcd, 45)}},
        {"EAN8DLG_1D", "EAN-8 Parameters", {c("Convert to EAN-13", 52), c(tcd, 49)}},
        {"EAN13DLG_1D", "EAN-13/UPC-A Parameters", {c("ISBN Conversion", 54), c("ISSN Conversion", 55), c("Transmit EAN-13 Check Digit", 56),
            c("Transmit UPC-A System Number", 59), c("Transmit UPC-A Check Digit", 60), c("Convert UPC-A to EAN-13", 61)}},
        {"TELEPENDLG_1D", "Telepen Parameters", {{radio("AIM Telepen  (Full ASCII)", 63, 0)}, {radio("Original Telepen  (Numeric)", 63, 1)}}},
        {"RSS14DLG_1D", "GS1 DataBar Parameters", {c("Transmit Code ID: ]e0", 67), c("Transmit Application ID", 66), c(tcd, 65)}},
        {"RSSLIMITEDDLG_1D", "GS1 DataBar Limited Parameters", {c("Transmit Code ID: ]e0", 71), c("Transmit Application ID", 70), c(tcd, 69)}},
        {"RSSEXPANDEDDLG_1D", "GS1 DataBar Expanded Parameters", {c("Transmit Code ID: ]e0", 73)}},
        {"EAN128DLG_1D", "GS1-128 (EAN 128) Parameters", {c("Transmit Code ID : ]C1", 77), kSeparator}},

        {"UPCADLG_2D", "UPC-A Parameters", {{choose("Transmit Preamble :", 2, 202)}, addons(), c(tcd, 199)}},
        {"UPCEDLG_2D", "UPC-E0 Parameters", {{choose("Transmit Preamble :", 1, 203)}, addons(), c(tcd, 200), c("Convert to UPC-A", 205)}},
        {"UPCE1DLG_2D", "UPC-E1 Parameters", {{choose("Transmit Preamble :", 2, 204)}, addons(), c(tcd, 201), c("Convert to UPC-A", 206)}},
        {"EAN8DLG_2D", "EAN-8 Parameters", {addons(), c("Convert to EAN-13", 207)}},
        {"EAN13DLG_2D_4507", "EAN-13 Parameters", {addons()}},
        {"EAN128DLG_2D", "GS1-128 (EAN 128) Parameters", {kSeparator}},
        {"ISBTDLG_2D", "ISBT 128 Parameters", {{choose("Concatenation :", 1, 386)},
            {choose("Concatenation :", 2, 386), type("Concatenation Redundancy :", 12, 387, 4)}}},
        {"CODE39DLG_2D", "Code 39 Parameters", {c("Trioptic 39", 214), c("Convert to Code 32", 215),
            {check("Convert to Code 32", 215), check("Code 32 Prefix", 216)}, {uncheck("Convert to Code 32", 215), holds(216, 1, 0)},
            range(217), c(vcd, 220), {check(vcd, 220), check(tcd, 221)}, {uncheck(vcd, 220), holds(221, 1, 0)},
            c("Code 39 Full ASCII", 222), {choose("Code39 / Codabar : Inter-Character Gap", 1, 299)}}},
        {"CODE93DLG_2D", "Code 93 Parameters", {range(224)}},
        {"CODE11DLG_2D", "Code 11 Parameters", {range(228), {choose("Verify Check Digit :", 2, 231), check(tcd, 232)}}},
        {"INTERLEAVE25DLG_2D", "Interleaved 25 Parameters", {range(234), {choose("Verify Check Digit :", 1, 237), check(tcd, 238)},
            c("Convert to EAN13", 239)}},
        {"DISCRETE25DLG_2D", "Industrial 25 Parameters", {range(241)}},
        {"CODABARDLG_2D", "Codabar Parameters", {range(245), c("CLSI Editing", 248), c("NOTIS Editing", 249),
            {choose("Code39 / Codabar : Inter-Character Gap", 1, 299)}}},
        {"MSIDLG_2D", "MSI Parameters", {range(251), {choose("Check Digits :", 1, 254), choose("Check Algorithm :", 1, 256)}, c(tcd, 255)}},
        {"MATRIX25_2D_4507", "Matrix 25 Parameters", {range(314), c("Enable Decode Redundancy", 317), c(vcd, 318),
            {check(vcd, 318), check(tcd, 319)}, {uncheck(vcd, 318), holds(319, 1, 0)}}},
        {"RSS14DLG_2D", "GS1 DataBar 14/Limited Parameters", {c("Convert GS1 DataBar 14/Limited to UPC/EAN", 268)}},
        {"POSTALDLG_2D", "Postal Code Parameters", {c("US Postnet", 257), c("US Planet", 258), c("Transmit US Postal Check Digit", 264),
            c("UK Postal", 259), c("Transmit UK Postal Check Digit", 260), c("Japan Postal", 261), c("Australian Postal", 262),
            c("Dutch Postal", 263)}},
        {"COMPOSITEDLG_2D", "Composite Parameters", {c("Composite CC-C", 269), c("Composite CC-A/B", 270), c("Composite TLC-39", 271),
            c("GS1-128 Emulation Mode", 273), {choose("UPC Composite Mode :", 2, 272)}}},
        {"SYMBOLOGIESDLG_2D", "2D Symbologies Parameters", {c("PDF417", 274), c("MicroPDF417", 275),
            {check("MicroPDF417", 275), check("Code 128 Emulation", 276)}, c("Data Matrix", 277),
            {check("Data Matrix", 277), choose("Data Matrix Inverse", 2, 278)}, {choose("Decode Mirror Image", 2, 279)},
            c("Maxicode", 280), c("QR Code", 281), {check("QR Code", 281), choose("QR Code Inverse", 1, 282)}, c("MicroQR", 283),
            c("Aztec", 284), {check("Aztec", 284), choose("Aztec Inverse", 2, 285)}}},
        {"MACROPDFDLG_2D", "Macro PDF Parameters", {{choose("Transmit/Decode Mode Symbols :", 2, 286, 4), holds(287, 0, 0)},
            {choose("Transmit/Decode Mode Symbols :", 1, 286, 1), holds(287, 0, 1)}, {choose("Escape Characters :", 1, 288, 2)}}},

        {"UPCADLG_1D_ELR", "UPC-A Parameters", {{choose("Transmit Preamble :", 2, 112)}, {choose("Decode Supplementals :", 1, 107)},
            c(tcd, 109), c("UCC Coupon Extended Code", 118)}},
        {"UPCEDLG_1D_ELR", "UPC-E0 Parameters", {{choose("Transmit Preamble :", 1, 113)}, {choose("Decode Supplementals :", 2, 107)},
            c(tcd, 110), c("Convert to UPC-A", 115), c("UCC Coupon Extended Code", 118)}},
        {"UPCE1DLG_1D_ELR", "UPC-E1 Parameters", {{choose("Transmit Preamble :", 2, 114)}, {choose("Decode Supplementals :", 1, 107)},
            c(tcd, 111), c("Convert to UPC-A", 116), c("UCC Coupon Extended Code", 118)}},
        {"EAN8DLG_1D_ELR", "EAN-8 Parameters", {{choose("Decode Supplementals :", 2, 107)}, c("Convert to EAN-13", 117)}},
        {"CODE39DLG_1D_ELR", "Code 39 Parameters", {c("Convert to Code 32", 125), {check("Convert to Code 32", 125), check("Code 32 Prefix", 126)},
            {uncheck("Convert to Code 32", 125), holds(126, 1, 0)}, range(127), c(vcd, 130), c(tcd, 131), c("Code 39 Full ASCII", 132)}},
        {"CODE93DLG_1D_ELR", "Code 93 Parameters", {range(134)}},
        {"INTERLEAVE25DLG_1D_ELR", "Interleaved 25 Parameters", {range(138), c(vcd, 141), c(tcd, 142), c("Convert to EAN13", 143)}},
        {"DISCRETE25DLG_1D_ELR", "Industrial 25 Parameters", {range(145)}},
        {"CODABARDLG_1D_ELR", "Codabar Parameters", {range(149), c("CLSI Editing", 152), c("NOTIS Editing", 153)}},
        {"MSIDLG_1D_ELR", "MSI Parameters", {range(155), {choose("Check Digits :", 1, 158), choose("Check Algorithm :", 1, 160)}, c(tcd, 159)}},
        {"RSS14DLG_1D_ELR", "GS1 DataBar Parameters", {c("Convert GS1 DataBar to UPC/EAN", 164)}},
        {"EAN128DLG_1D_ELR", "GS1-128 (EAN 128) Parameters", {kSeparator}},
    };
    // clang-format on
    return all;
}

bool is_input(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::DropDownList;
}

// The control a user acts on for a caption: the visible check box or radio button that shows it,
// or the list or edit that follows the label that shows it (with or without a closing " :").
const ui::Control* control_for(const ui::Dialog& d, std::string_view caption) {
    const std::vector<ui::Control>& controls = d.controls();
    const ui::Control* found = nullptr;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ui::Control& c = controls[i];
        if (!c.visible || (c.text != caption && c.text != std::string(caption) + " :")) continue;
        const ui::Control* target = nullptr;
        if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) target = &c;
        if (c.kind == ControlKind::Label) {
            for (std::size_t j = i + 1; j < controls.size() && !target; ++j) {
                if (is_input(controls[j].kind)) target = &controls[j];
            }
        }
        if (!target) continue;
        EXPECT_EQ(found, nullptr) << "two controls show " << caption;
        found = target;
    }
    return found;
}

// A one-character edit takes the character, a numeric edit the number.
std::string typed(const ui::Control& edit, const Step& s) {
    return edit.text_limit == 1 ? std::string(1, static_cast<char>(s.act)) : std::to_string(s.act);
}

void act(ui::Dialog& d, const Step& s) {
    const ui::Control* c = control_for(d, s.caption);
    ASSERT_NE(c, nullptr) << s.caption;
    ASSERT_TRUE(c->enabled) << s.caption;
    if (c->kind == ControlKind::DropDownList) {
        d.user_chooses(c->id, s.act);
    } else if (c->kind == ControlKind::Edit) {
        d.user_types(c->id, typed(*c, s));
    } else {
        d.user_clicks(c->id);
    }
}

// What the control of a step shows once its byte holds the step's result.
void expect_shown(const ui::Dialog& d, const Step& s) {
    const ui::Control* c = control_for(d, s.caption);
    ASSERT_NE(c, nullptr) << s.caption;
    if (c->kind == ControlKind::DropDownList) {
        EXPECT_EQ(c->selection, s.act) << s.caption;
    } else if (c->kind == ControlKind::Edit) {
        EXPECT_EQ(c->text, typed(*c, s)) << s.caption;
    } else {
        EXPECT_EQ(c->checked, c->kind == ControlKind::RadioButton || s.to != 0) << s.caption;
    }
}

class SymbologyFamilyTest : public ::testing::Test, protected symbology_test::SymbologyFixture {};

TEST_F(SymbologyFamilyTest, EveryCaptionEditsItsOwnByteAndShowsItAgain) {
    ASSERT_EQ(members().size(), 49u);
    ASSERT_EQ(symbology::members().size(), 49u);
    for (const MemberCases& m : members()) {
        ASSERT_TRUE(is_symbology_dialog(m.name)) << m.name;
        // Every byte the member edits starts from its first step's value, the bytes of the case
        // from the case's own, so that a dependent box starts consistent with its master.
        ReaderSettingsRecord member_start;
        reset_reader_settings(member_start);
        for (auto c = m.cases.rbegin(); c != m.cases.rend(); ++c) {
            for (const Step& s : *c) member_start[s.byte] = static_cast<Byte>(s.from);
        }
        for (const Case& c : m.cases) {
            SCOPED_TRACE(testing::Message() << m.name << " " << c.front().caption);
            ReaderSettingsRecord start = member_start;
            for (const Step& s : c) start[s.byte] = static_cast<Byte>(s.from);
            ReaderSettingsRecord expected = start;
            for (const Step& s : c) expected[s.byte] = static_cast<Byte>(s.to);
            for (const bool ok : {false, true}) {
                working = start;
                std::string title;
                const int result = run(m.name, [&](ui::Dialog& d) {
                    title = d.title();
                    for (const Step& s : c) {
                        if (!s.caption.empty()) act(d, s);
                    }
                    ok ? d.user_presses_ok() : d.user_presses_cancel();
                });
                EXPECT_EQ(title, m.title);
                EXPECT_EQ(result, ok ? 1 : 0);
                EXPECT_EQ(working.bytes, ok ? expected.bytes : start.bytes);
            }
            run(m.name, [&](ui::Dialog& d) {
                for (const Step& s : c) {
                    if (!s.caption.empty()) expect_shown(d, s);
                }
                d.user_presses_ok();
            });
            EXPECT_EQ(working.bytes, expected.bytes);
        }
    }
    EXPECT_TRUE(host.messages().empty());
    EXPECT_FALSE(is_symbology_dialog("COUPON_CODE_2D"));
    EXPECT_EQ(run_symbology_dialog("IMAGECAPTUREDLG_2D", context), 0);
}

}  // namespace
}  // namespace tc
