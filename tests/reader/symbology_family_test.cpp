#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reader/symbology_test_support.h"

namespace tc {
namespace {

using symbology::Binding;
using symbology::BindingKind;
using symbology::control_id;
using symbology::Effect;
using symbology::Family;
using symbology::Member;
using symbology::Part;

// The members with their titles and the bytes each one edits (length settings: all three bytes).
struct Expected {
    std::string_view name;
    std::string_view title;
    std::vector<std::size_t> bytes;
};

const std::vector<Expected>& expected_members() {
    static const std::vector<Expected> all = {
        {"CODE39DLG_1D", "Code 39 Parameters", {2, 3, 4, 5}},
        {"ITALYPHARMADLG_1D", "Italian Pharmacode Parameters", {7}},
        {"FRENCHPHARMADLG_1D", "French Pharmacode Parameters", {9}},
        {"DISCRETE25DLG_1D", "Industrial 25 Parameters", {11, 12, 13, 14, 15, 16}},
        {"INTERLEAVE25DLG_1D", "Interleaved 25 Parameters", {18, 19, 20, 21, 22, 23}},
        {"MATRIX25DLG_1D", "Matrix 25 Parameters", {25, 26, 27, 28, 29, 30}},
        {"CODABARDLG_1D", "Codabar Parameters", {32}},
        {"MSIDLG_1D", "MSI Parameters", {34, 35, 36, 37, 38}},
        {"PLESSEYDLG_1D", "Plessey Parameters", {40, 41}},
        {"UPCEDLG_1D", "UPC-E Parameters", {43, 44, 45}},
        {"EAN8DLG_1D", "EAN-8 Parameters", {49, 52}},
        {"EAN13DLG_1D", "EAN-13/UPC-A Parameters", {54, 55, 56, 59, 60, 61}},
        {"TELEPENDLG_1D", "Telepen Parameters", {63}},
        {"RSS14DLG_1D", "GS1 DataBar Parameters", {65, 66, 67}},
        {"RSSLIMITEDDLG_1D", "GS1 DataBar Limited Parameters", {69, 70, 71}},
        {"RSSEXPANDEDDLG_1D", "GS1 DataBar Expanded Parameters", {73}},
        {"EAN128DLG_1D", "GS1-128 (EAN 128) Parameters", {77, 728}},
        {"UPCADLG_2D", "UPC-A Parameters", {197, 198, 199, 202}},
        {"UPCEDLG_2D", "UPC-E0 Parameters", {197, 198, 200, 203, 205}},
        {"UPCE1DLG_2D", "UPC-E1 Parameters", {197, 198, 201, 204, 206}},
        {"EAN8DLG_2D", "EAN-8 Parameters", {197, 198, 207}},
        {"EAN13DLG_2D_4507", "EAN-13 Parameters", {197, 198}},
        {"EAN128DLG_2D", "GS1-128 (EAN 128) Parameters", {728}},
        {"ISBTDLG_2D", "ISBT 128 Parameters", {386, 387}},
        {"CODE39DLG_2D", "Code 39 Parameters", {214, 215, 216, 217, 218, 219, 220, 221, 222, 299}},
        {"CODE93DLG_2D", "Code 93 Parameters", {224, 225, 226}},
        {"CODE11DLG_2D", "Code 11 Parameters", {228, 229, 230, 231, 232}},
        {"INTERLEAVE25DLG_2D", "Interleaved 25 Parameters", {234, 235, 236, 237, 238, 239}},
        {"DISCRETE25DLG_2D", "Industrial 25 Parameters", {241, 242, 243}},
        {"CODABARDLG_2D", "Codabar Parameters", {245, 246, 247, 248, 249, 299}},
        {"MSIDLG_2D", "MSI Parameters", {251, 252, 253, 254, 255, 256}},
        {"MATRIX25_2D_4507", "Matrix 25 Parameters", {314, 315, 316, 317, 318, 319}},
        {"RSS14DLG_2D", "GS1 DataBar 14/Limited Parameters", {268}},
        {"POSTALDLG_2D", "Postal Code Parameters", {257, 258, 259, 260, 261, 262, 263, 264}},
        {"COMPOSITEDLG_2D", "Composite Parameters", {269, 270, 271, 272, 273}},
        {"SYMBOLOGIESDLG_2D",
         "2D Symbologies Parameters",
         {274, 275, 276, 277, 278, 279, 280, 281, 282, 283, 284, 285}},
        {"MACROPDFDLG_2D", "Macro PDF Parameters", {286, 287, 288}},
        {"UPCADLG_1D_ELR", "UPC-A Parameters", {107, 109, 112, 118}},
        {"UPCEDLG_1D_ELR", "UPC-E0 Parameters", {107, 110, 113, 115, 118}},
        {"UPCE1DLG_1D_ELR", "UPC-E1 Parameters", {107, 111, 114, 116, 118}},
        {"EAN8DLG_1D_ELR", "EAN-8 Parameters", {107, 117}},
        {"CODE39DLG_1D_ELR", "Code 39 Parameters", {125, 126, 127, 128, 129, 130, 131, 132}},
        {"CODE93DLG_1D_ELR", "Code 93 Parameters", {134, 135, 136}},
        {"INTERLEAVE25DLG_1D_ELR", "Interleaved 25 Parameters", {138, 139, 140, 141, 142, 143}},
        {"DISCRETE25DLG_1D_ELR", "Industrial 25 Parameters", {145, 146, 147}},
        {"CODABARDLG_1D_ELR", "Codabar Parameters", {149, 150, 151, 152, 153}},
        {"MSIDLG_1D_ELR", "MSI Parameters", {155, 156, 157, 158, 159, 160}},
        {"RSS14DLG_1D_ELR", "GS1 DataBar Parameters", {164}},
        {"EAN128DLG_1D_ELR", "GS1-128 (EAN 128) Parameters", {728}},
    };
    return all;
}

std::vector<std::size_t> bytes_of(const Member& m) {
    std::vector<std::size_t> bytes;
    for (const Binding& b : m.bindings) {
        bytes.push_back(b.byte);
        if (b.kind == BindingKind::FixedOrMaxMin || b.kind == BindingKind::AnyLengthRange) {
            bytes.push_back(b.byte + 1);
            bytes.push_back(b.byte + 2);
        }
    }
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

int last_item(const Binding& b) {
    return static_cast<int>(b.items.size()) - 1;
}
int last_choice(const Binding& b) {
    return static_cast<int>(b.choices.size()) - 1;
}

Byte list_value(const Binding& b, int position) {
    return b.values.empty() ? static_cast<Byte>(position) : b.values[position];
}

// The position a master control shows for the record's byte.
int shown_position(const Binding& master, Byte value) {
    if (master.kind == BindingKind::Check) return value != 0 ? 1 : 0;
    if (master.values.empty()) return value;
    return static_cast<int>(std::find(master.values.begin(), master.values.end(), value) -
                            master.values.begin());
}

// Writes a consistent set of values for every control of the member: the high pattern uses the
// last choice, the maximum and Max / Min or Range; the low one the first choice, the minimum and
// Fixed or Two Lengths. Dependent boxes follow their masters as the rules say.
void put_pattern(const Member& m, bool high, ReaderSettingsRecord& r) {
    for (const Binding& b : m.bindings) {
        switch (b.kind) {
            case BindingKind::Check:
                r[b.byte] = high ? 1 : 0;
                break;
            case BindingKind::Radio:
                r[b.byte] = static_cast<Byte>(high ? last_choice(b) : 0);
                break;
            case BindingKind::List:
                r[b.byte] = list_value(b, high ? last_item(b) : 0);
                break;
            case BindingKind::Number:
                r[b.byte] = static_cast<Byte>(high ? b.maximum : b.minimum);
                break;
            case BindingKind::Character:
                r[b.byte] = high ? 'x' : 0;
                break;
            case BindingKind::FixedOrMaxMin:
                r[b.byte] = high ? 1 : 0;
                r[b.byte + 1] = high ? 90 : 5;
                r[b.byte + 2] = high ? 20 : 60;
                break;
            case BindingKind::AnyLengthRange:
                r[b.byte] = high ? 3 : 2;
                r[b.byte + 1] = high ? 4 : 30;
                r[b.byte + 2] = static_cast<Byte>(high ? symbology::max_length(m.family) : 20);
                break;
        }
    }
    for (const Binding& b : m.bindings) {
        const symbology::Dependency& d = b.dependency;
        if (d.master == 0) continue;
        const Binding& master = m.bindings[*symbology::binding_of(m, d.master)];
        const bool on = ((d.positions >> shown_position(master, r[d.master])) & 1u) != 0;
        if (d.effect == Effect::EnableAndClear && !on) r[b.byte] = 0;
        if (d.effect == Effect::Follow) r[b.byte] = on ? 1 : 0;
    }
}

void expect_shows(const ui::Dialog& d, const Member& m, const ReaderSettingsRecord& r) {
    for (std::size_t i = 0; i < m.bindings.size(); ++i) {
        const Binding& b = m.bindings[i];
        const int main = control_id(i, Part::kMain);
        SCOPED_TRACE(testing::Message() << m.name << " byte " << b.byte);
        switch (b.kind) {
            case BindingKind::Check:
                EXPECT_EQ(d.checked(main), r[b.byte] != 0);
                break;
            case BindingKind::Radio:
            case BindingKind::FixedOrMaxMin:
                for (int c = 0; c <= last_choice(b); ++c) {
                    EXPECT_EQ(d.checked(control_id(i, Part::kFirstChoice + c)), c == r[b.byte]);
                }
                break;
            case BindingKind::List:
                EXPECT_EQ(d.items(main).size(), b.items.size());
                EXPECT_EQ(list_value(b, d.selection(main)), r[b.byte]);
                break;
            case BindingKind::Number:
                EXPECT_EQ(d.text(main), std::to_string(r[b.byte]));
                break;
            case BindingKind::Character:
                EXPECT_EQ(d.text(main), r[b.byte] == 0 ? "" : std::string(1, char(r[b.byte])));
                break;
            case BindingKind::AnyLengthRange:
                EXPECT_EQ(d.selection(main), r[b.byte]);
                break;
        }
        if (b.kind == BindingKind::FixedOrMaxMin || b.kind == BindingKind::AnyLengthRange) {
            EXPECT_EQ(d.text(control_id(i, Part::kFirstLengthEdit)), std::to_string(r[b.byte + 1]));
            EXPECT_EQ(d.text(control_id(i, Part::kSecondLengthEdit)),
                      std::to_string(r[b.byte + 2]));
        }
    }
}

// What a user does to turn the low pattern into the high one. Lengths are typed the wrong way
// round: Max / Min and Range put them in order.
void act_high(ui::Dialog& d, const Member& m) {
    for (std::size_t i = 0; i < m.bindings.size(); ++i) {
        const Binding& b = m.bindings[i];
        const int main = control_id(i, Part::kMain);
        switch (b.kind) {
            case BindingKind::Check:
                if (b.dependency.effect != Effect::Follow && !d.checked(main)) d.user_clicks(main);
                break;
            case BindingKind::Radio:
                d.user_clicks(control_id(i, Part::kFirstChoice + last_choice(b)));
                break;
            case BindingKind::List:
                d.user_chooses(main, last_item(b));
                break;
            case BindingKind::Number:
                d.user_types(main, std::to_string(b.maximum));
                break;
            case BindingKind::Character:
                d.user_types(main, "x");
                break;
            case BindingKind::FixedOrMaxMin:
                d.user_clicks(control_id(i, Part::kFirstChoice + 1));
                d.user_types(control_id(i, Part::kFirstLengthEdit), "20");
                d.user_types(control_id(i, Part::kSecondLengthEdit), "90");
                break;
            case BindingKind::AnyLengthRange:
                d.user_chooses(main, 3);
                d.user_types(control_id(i, Part::kFirstLengthEdit),
                             std::to_string(symbology::max_length(m.family)));
                d.user_types(control_id(i, Part::kSecondLengthEdit), "4");
                break;
        }
    }
}

class SymbologyFamilyTest : public ::testing::Test, protected symbology_test::SymbologyFixture {};

TEST_F(SymbologyFamilyTest, MembersAreTheFortyNineDialogsWithTheirTitlesAndBytes) {
    const auto all = symbology::members();
    ASSERT_EQ(all.size(), 49u);
    const auto count = [&](Family f) {
        return std::count_if(all.begin(), all.end(),
                             [&](const Member& m) { return m.family == f; });
    };
    EXPECT_EQ(count(Family::OneD), 17);
    EXPECT_EQ(count(Family::TwoD), 20);
    EXPECT_EQ(count(Family::Elr), 12);
    EXPECT_FALSE(is_symbology_dialog("COUPON_CODE_2D"));
    EXPECT_FALSE(is_symbology_dialog("RFIDPARAMDLG"));
    EXPECT_EQ(run_symbology_dialog("IMAGECAPTUREDLG_2D", context), 0);
    EXPECT_TRUE(host.dialogs_shown().empty());

    for (const Expected& e : expected_members()) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(is_symbology_dialog(e.name));
        const Member& m = member(e.name);
        const std::string_view suffix = e.name.substr(e.name.rfind("DLG") + 3);
        const Family family = e.name.ends_with("_ELR")                  ? Family::Elr
                              : e.name.find("_2D") != std::string::npos ? Family::TwoD
                                                                        : Family::OneD;
        EXPECT_EQ(m.family, family) << suffix;
        EXPECT_EQ(bytes_of(m), e.bytes);
        std::string title;
        run(e.name, [&](ui::Dialog& d) { title = d.title(); });
        EXPECT_EQ(title, e.title);
    }
    EXPECT_EQ(host.dialogs_shown().size(), 49u);
}

TEST_F(SymbologyFamilyTest, EveryControlLoadsItsByteAndStoresItBackOnOk) {
    for (const Member& m : symbology::members()) {
        for (const bool high : {false, true}) {
            SCOPED_TRACE(testing::Message() << m.name << (high ? " high" : " low"));
            reset_reader_settings(working);
            put_pattern(m, high, working);
            const ReaderSettingsRecord before = working;
            const int result = run(m.name, [&](ui::Dialog& d) {
                expect_shows(d, m, before);
                d.user_presses_ok();
            });
            EXPECT_EQ(result, 1);
            EXPECT_EQ(working.bytes, before.bytes);
        }
    }
}

TEST_F(SymbologyFamilyTest, EveryControlStoresWhatTheUserSetsAndCancelRestoresEverything) {
    for (const Member& m : symbology::members()) {
        SCOPED_TRACE(m.name);
        reset_reader_settings(working);
        put_pattern(m, false, working);
        const ReaderSettingsRecord low = working;
        ReaderSettingsRecord high = low;
        put_pattern(m, true, high);

        EXPECT_EQ(run(m.name,
                      [&](ui::Dialog& d) {
                          act_high(d, m);
                          d.user_presses_ok();
                      }),
                  1);
        EXPECT_EQ(working.bytes, high.bytes);

        working = low;
        EXPECT_EQ(run(m.name,
                      [&](ui::Dialog& d) {
                          act_high(d, m);
                          d.user_presses_cancel();
                      }),
                  0);
        EXPECT_EQ(working.bytes, low.bytes);
    }
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(SymbologyFamilyTest, DependentControlsFollowTheirMasters) {
    int dependents = 0;
    for (const Member& m : symbology::members()) {
        for (std::size_t i = 0; i < m.bindings.size(); ++i) {
            const Binding& b = m.bindings[i];
            const symbology::Dependency& d = b.dependency;
            if (d.master == 0) continue;
            ++dependents;
            SCOPED_TRACE(testing::Message() << m.name << " byte " << b.byte);
            const std::size_t master_index = *symbology::binding_of(m, d.master);
            const Binding& master = m.bindings[master_index];
            const int master_id = control_id(master_index, Part::kMain);
            const int own = control_id(i, Part::kMain);
            const int label = control_id(i, Part::kLabel);
            // Master off is its first position (unchecked, first item), on its last one.
            const auto set_master = [&](ui::Dialog& dlg, bool on) {
                if (master.kind == BindingKind::Check) {
                    if (dlg.checked(master_id) != on) dlg.user_clicks(master_id);
                } else {
                    dlg.user_chooses(master_id, on ? last_item(master) : 0);
                }
            };
            reset_reader_settings(working);
            put_pattern(m, true, working);
            ReaderSettingsRecord expected = working;
            expected[d.master] = master.kind == BindingKind::Check ? 0 : list_value(master, 0);

            run(m.name, [&](ui::Dialog& dlg) {
                if (d.effect == Effect::Follow) {
                    for (int p = 0; p <= last_item(master); ++p) {
                        dlg.user_chooses(master_id, p);
                        EXPECT_EQ(dlg.checked(own), ((d.positions >> p) & 1u) != 0) << p;
                    }
                    dlg.user_clicks(own);
                    set_master(dlg, false);
                    return dlg.user_presses_ok();
                }
                EXPECT_TRUE(dlg.enabled(own));
                set_master(dlg, false);
                EXPECT_FALSE(dlg.enabled(own));
                if (dlg.has_control(label)) {
                    EXPECT_FALSE(dlg.enabled(label));
                }
                if (d.effect == Effect::EnableAndClear) {
                    EXPECT_FALSE(dlg.checked(own));
                }
                set_master(dlg, true);
                EXPECT_TRUE(dlg.enabled(own));
                if (dlg.has_control(label)) {
                    EXPECT_TRUE(dlg.enabled(label));
                }
                if (d.effect == Effect::EnableAndClear) {
                    EXPECT_FALSE(dlg.checked(own));
                }
                set_master(dlg, false);
                dlg.user_presses_ok();
            });
            // A cleared box stores 0; a merely disabled control keeps its value; a following box
            // stores what the master's first position makes of it.
            if (d.effect == Effect::EnableAndClear) expected[b.byte] = 0;
            if (d.effect == Effect::Follow) expected[b.byte] = d.positions & 1u;
            EXPECT_EQ(working.bytes, expected.bytes);
        }
    }
    EXPECT_EQ(dependents, 19);
}

}  // namespace
}  // namespace tc
