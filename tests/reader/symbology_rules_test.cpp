#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/symbology_test_support.h"

namespace tc {
namespace {

using symbology::kFirstChoice;
using symbology::kFirstLengthEdit;
using symbology::kFirstLengthLabel;
using symbology::kLabel;
using symbology::kSecondLengthEdit;
using symbology::kSecondLengthLabel;

class SymbologyRulesTest : public ::testing::Test, protected symbology_test::SymbologyFixture {
  protected:
    void expect_invalid_value_shown(std::size_t count) {
        ASSERT_EQ(host.messages().size(), count);
        EXPECT_EQ(host.messages().back().text, "Invalid value!");
        EXPECT_EQ(host.messages().back().title, "Warning");
        EXPECT_EQ(host.messages().back().style, 48u);
    }
};

TEST_F(SymbologyRulesTest, OneDLengthsAreFixedOrMaxMinWithinOneTo127) {
    const std::string_view name = "INTERLEAVE25DLG_1D";
    const int fixed = id(name, 21, kFirstChoice);
    const int max_min = id(name, 21, kFirstChoice + 1);
    const int first = id(name, 21, kFirstLengthEdit);
    const int second = id(name, 21, kSecondLengthEdit);
    const int first_label = id(name, 21, kFirstLengthLabel);
    const int second_label = id(name, 21, kSecondLengthLabel);

    // Max / Min: 10 and 40 are stored as 40 and 10; the labels follow the radio buttons.
    working[21] = 0;
    run(name, [&](ui::Dialog& d) {
        EXPECT_EQ(d.text(first_label), "Fixed Length 1 :");
        EXPECT_EQ(d.text(second_label), "Fixed Length 2 :");
        d.user_clicks(max_min);
        EXPECT_EQ(d.text(first_label), "Max Length :");
        EXPECT_EQ(d.text(second_label), "Min Length :");
        EXPECT_TRUE(d.checked(max_min));
        EXPECT_FALSE(d.checked(fixed));
        d.user_types(first, "10");
        d.user_types(second, "40");
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{21, 1}, {22, 40}, {23, 10}});

    // Fixed: stored as typed; typing is kept within 1-127 without leading zeros.
    run(name, [&](ui::Dialog& d) {
        d.user_clicks(fixed);
        EXPECT_EQ(d.text(first_label), "Fixed Length 1 :");
        d.user_types(first, "200");
        EXPECT_EQ(d.text(first), "127");
        d.user_types(first, "0");
        EXPECT_EQ(d.text(first), "1");
        d.user_types(first, "");
        EXPECT_EQ(d.text(first), "1");
        d.user_types(first, "010");
        EXPECT_EQ(d.text(first), "10");
        d.user_types(second, "40");
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{21, 0}, {22, 10}, {23, 40}});

    // A stored 0 is shown as it is, counts as 1 in Max / Min and is kept in Fixed; no message.
    test::set_bytes(working, {{36, 1}, {37, 0}, {38, 5}});
    run("MSIDLG_1D", [&](ui::Dialog& d) {
        EXPECT_EQ(d.text(id("MSIDLG_1D", 36, kFirstLengthEdit)), "0");
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{37, 5}, {38, 1}});
    test::set_bytes(working, {{36, 0}, {37, 0}, {38, 0}});
    run("MSIDLG_1D", [](ui::Dialog& d) { d.user_presses_ok(); });
    test::expect_bytes(working, {{37, 0}, {38, 0}});
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(SymbologyRulesTest, TwoDLengthsFollowTheModeAndAreCheckedOnOk) {
    const std::string_view name = "CODE39DLG_2D";
    const int mode = id(name, 217);
    const int first = id(name, 217, kFirstLengthEdit);
    const int second = id(name, 217, kSecondLengthEdit);
    const int first_label = id(name, 217, kFirstLengthLabel);
    const int second_label = id(name, 217, kSecondLengthLabel);
    const auto lengths = [&] { return std::vector<int>{working[217], working[218], working[219]}; };

    // Range puts the minimum first; the labels and enabling follow the list.
    run(name, [&](ui::Dialog& d) {
        EXPECT_EQ(d.items(mode),
                  (std::vector<std::string>{"Any Length", "One Length", "Two Lengths", "Range"}));
        EXPECT_EQ(d.selection(mode), 3);
        EXPECT_EQ(d.text(first_label), "Min Length :");
        EXPECT_EQ(d.text(second_label), "Max Length :");
        d.user_types(first, "30");
        d.user_types(second, "20");
        d.user_presses_ok();
    });
    EXPECT_EQ(lengths(), (std::vector<int>{3, 20, 30}));

    // Two Lengths keeps the order; 60 becomes 55 while typing.
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(mode, 2);
        EXPECT_EQ(d.text(first_label), "Length 1 :");
        EXPECT_EQ(d.text(second_label), "Length 2 :");
        EXPECT_TRUE(d.enabled(second));
        d.user_types(first, "60");
        EXPECT_EQ(d.text(first), "55");
        d.user_types(first, "30");
        d.user_types(second, "20");
        d.user_presses_ok();
    });
    EXPECT_EQ(lengths(), (std::vector<int>{2, 30, 20}));

    // Any Length disables both edits and stores 0 and 0.
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(mode, 0);
        for (const int id : {first, first_label, second, second_label})
            EXPECT_FALSE(d.enabled(id)) << id;
        d.user_presses_ok();
    });
    EXPECT_EQ(lengths(), (std::vector<int>{0, 0, 0}));

    // One Length after Any Length: the first edit, enabled again with no length, shows 1; the
    // unused second length is stored as 0.
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(mode, 1);
        EXPECT_TRUE(d.enabled(first) && d.enabled(first_label));
        EXPECT_FALSE(d.enabled(second));
        EXPECT_EQ(d.text(first), "1");
        EXPECT_EQ(d.text(second), "0");
        d.user_presses_ok();
    });
    EXPECT_EQ(lengths(), (std::vector<int>{1, 1, 0}));

    // A missing length is refused with the focus on its edit; the dialog stays open.
    bool stayed_open = false;
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(mode, 2);
        EXPECT_EQ(d.text(second), "1");
        d.user_types(second, "0");
        d.user_presses_ok();
        stayed_open = !d.ended();
        EXPECT_EQ(d.focused(), second);
        expect_invalid_value_shown(1);
        d.user_types(first, "0");
        d.user_types(second, "7");
        d.user_presses_ok();
        EXPECT_EQ(d.focused(), first);
        expect_invalid_value_shown(2);
        d.user_types(first, "1");
        d.user_types(second, "1");  // the shortest length there is
        d.user_presses_ok();
    });
    EXPECT_TRUE(stayed_open);
    EXPECT_EQ(lengths(), (std::vector<int>{2, 1, 1}));
}

TEST_F(SymbologyRulesTest, ElrLengthsReach127AndMatrix25AnyLengthShowsItsBounds) {
    const std::string_view elr = "CODE39DLG_1D_ELR";
    run(elr, [&](ui::Dialog& d) {
        EXPECT_EQ(d.text(id(elr, 127, kFirstLengthLabel)), "Min Length :");
        d.user_types(id(elr, 127, kSecondLengthEdit), "200");
        EXPECT_EQ(d.text(id(elr, 127, kSecondLengthEdit)), "127");
        d.user_types(id(elr, 127, kFirstLengthEdit), "100");
        d.user_chooses(id(elr, 127), 1);
        EXPECT_EQ(d.text(id(elr, 127, kFirstLengthLabel)), "Length 1 :");
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{127, 1}, {128, 100}, {129, 0}});

    const std::string_view matrix = "MATRIX25_2D_4507";
    test::set_bytes(working, {{315, 9}, {316, 12}});
    run(matrix, [&](ui::Dialog& d) {
        d.user_chooses(id(matrix, 314), 0);
        EXPECT_EQ(d.text(id(matrix, 314, kFirstLengthEdit)), "1");
        EXPECT_EQ(d.text(id(matrix, 314, kSecondLengthEdit)), "55");
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{314, 0}, {315, 0}, {316, 0}});

    // Elsewhere Any Length leaves the edits as they were.
    test::set_bytes(working, {{224, 3}, {225, 9}, {226, 12}});
    run("CODE93DLG_2D", [&](ui::Dialog& d) {
        d.user_chooses(id("CODE93DLG_2D", 224), 0);
        EXPECT_EQ(d.text(id("CODE93DLG_2D", 224, kFirstLengthEdit)), "9");
        EXPECT_EQ(d.text(id("CODE93DLG_2D", 224, kSecondLengthEdit)), "12");
    });
}

TEST_F(SymbologyRulesTest, AddonsRedundancyIsKeptWithinTwoToThirtyAndRequired) {
    const std::string_view name = "UPCEDLG_2D";
    const int addons = id(name, 197);
    const int redundancy = id(name, 198);
    const int label = id(name, 198, kLabel);

    working[197] = 0;
    run(name, [&](ui::Dialog& d) {
        EXPECT_EQ(d.text(label), "Addons Redundancy :");
        EXPECT_FALSE(d.enabled(redundancy) || d.enabled(label));
        d.user_chooses(addons, 1);
        EXPECT_FALSE(d.enabled(redundancy));
        d.user_chooses(addons, 2);
        EXPECT_TRUE(d.enabled(redundancy) && d.enabled(label));
        d.user_types(redundancy, "0");
        EXPECT_EQ(d.text(redundancy), "2");
        d.user_types(redundancy, "45");
        EXPECT_EQ(d.text(redundancy), "30");
        d.user_types(redundancy, "7");
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{197, 2}, {198, 7}});

    // A stored 0 is refused even while the edit is disabled.
    test::set_bytes(working, {{197, 0}, {198, 0}});
    const ReaderSettingsRecord before = working;
    run(name, [&](ui::Dialog& d) {
        EXPECT_EQ(d.text(redundancy), "0");
        d.user_presses_ok();
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.focused(), redundancy);
        expect_invalid_value_shown(1);
    });
    EXPECT_EQ(working.bytes, before.bytes);
    working[198] = 1;  // a stored 1 is no 0: it passes
    run(name, [&](ui::Dialog& d) {
        d.user_presses_ok();
        EXPECT_TRUE(d.ended());
    });

    // ISBT 128's concatenation redundancy is corrected to 2-20 but never refused.
    const std::string_view isbt = "ISBTDLG_2D";
    test::set_bytes(working, {{386, 2}, {387, 0}});
    run(isbt, [&](ui::Dialog& d) {
        EXPECT_TRUE(d.enabled(id(isbt, 387)));
        d.user_presses_ok();
        EXPECT_TRUE(d.ended());
    });
    EXPECT_EQ(working[387], 0);
    run(isbt, [&](ui::Dialog& d) {
        d.user_types(id(isbt, 387), "25");
        EXPECT_EQ(d.text(id(isbt, 387)), "20");
        d.user_types(id(isbt, 387), "1");
        EXPECT_EQ(d.text(id(isbt, 387)), "2");
        d.user_chooses(id(isbt, 386), 1);
        EXPECT_FALSE(d.enabled(id(isbt, 387)));
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{386, 1}, {387, 2}});
    EXPECT_EQ(host.messages().size(), 1u);
}

TEST_F(SymbologyRulesTest, EnablingOfMsiSymbologiesAndCheckDigitLists) {
    // MSI: "Check Algorithm :" only with two check digits; its byte keeps its value.
    const std::string_view msi = "MSIDLG_2D";
    test::set_bytes(working, {{254, 0}, {256, 1}});
    run(msi, [&](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(id(msi, 256)) || d.enabled(id(msi, 256, kLabel)));
        EXPECT_EQ(d.selection(id(msi, 256)), 1);
        d.user_chooses(id(msi, 254), 1);
        EXPECT_TRUE(d.enabled(id(msi, 256)) && d.enabled(id(msi, 256, kLabel)));
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{254, 1}, {256, 1}});

    // 2D symbologies: Code 128 Emulation disabled without MicroPDF417 but not cleared.
    const std::string_view symbologies = "SYMBOLOGIESDLG_2D";
    test::set_bytes(working, {{275, 0}, {276, 1}, {281, 0}, {282, 2}});
    run(symbologies, [&](ui::Dialog& d) {
        EXPECT_FALSE(d.enabled(id(symbologies, 276)));
        EXPECT_TRUE(d.checked(id(symbologies, 276)));
        EXPECT_FALSE(d.enabled(id(symbologies, 282)) || d.enabled(id(symbologies, 282, kLabel)));
        EXPECT_TRUE(d.enabled(id(symbologies, 279)));
        EXPECT_EQ(d.items(id(symbologies, 282)).front(),
                  "Regular Only: decode regular QR Code barcodes only");
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{276, 1}, {282, 2}});
}

TEST_F(SymbologyRulesTest, UpcACouponNoteGuardsTheCountryCodePreamble) {
    const std::string_view name = "UPCADLG_2D";
    const int preamble = id(name, 202);
    std::vector<int> forms;
    int answer = 0;
    context.coupon_note = [&](int form) {
        forms.push_back(form);
        return answer;
    };
    test::set_bytes(working, {{195, 0}, {202, 1}, {208, 1}, {211, 1}});
    const ReaderSettingsRecord before = working;

    // Not confirmed: the list returns to the stored preamble and the dialog stays open.
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(preamble, 2);
        d.user_presses_ok();
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.selection(preamble), 1);
    });
    EXPECT_EQ(forms, std::vector<int>{2});
    EXPECT_EQ(working.bytes, before.bytes);
    page.calls.clear();

    // Another preamble needs no note.
    EXPECT_EQ(run(name,
                  [&](ui::Dialog& d) {
                      d.user_chooses(preamble, 0);
                      d.user_presses_ok();
                  }),
              1);
    EXPECT_EQ(forms, std::vector<int>{2});
    page.calls.clear();

    // Confirmed without EAN-13: the preamble is stored and Coupon Code switched off on the page.
    answer = 1;
    EXPECT_EQ(run(name,
                  [&](ui::Dialog& d) {
                      d.user_chooses(preamble, 2);
                      d.user_presses_ok();
                  }),
              1);
    test::expect_bytes(working, {{202, 2}, {208, 0}});
    EXPECT_EQ(page.calls, (std::vector<std::pair<int, bool>>{{23, false}}));

    // Confirmed, then the redundancy is refused and the dialog cancelled: all is put back, the
    // page's Coupon Code box included.
    working = before;
    working[198] = 0;
    const ReaderSettingsRecord refused = working;
    page.calls.clear();
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(preamble, 2);
        d.user_presses_ok();
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(working[208], 0);
        d.user_presses_cancel();
    });
    EXPECT_EQ(working.bytes, refused.bytes);
    EXPECT_EQ(page.calls, (std::vector<std::pair<int, bool>>{{23, false}, {23, true}, {8, true}}));

    // With EAN-13 on, Coupon Code stays on and GS1-128 is (again) switched on after closing.
    working = before;
    working[195] = 1;
    page.calls.clear();
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(preamble, 2);
        d.user_presses_ok();
    });
    test::expect_bytes(working, {{202, 2}, {208, 1}});
    EXPECT_EQ(page.calls, (std::vector<std::pair<int, bool>>{{8, true}}));

    // Without Coupon Code no note is shown.
    forms.clear();
    working = before;
    working[208] = 0;
    run(name, [&](ui::Dialog& d) {
        d.user_chooses(preamble, 2);
        d.user_presses_ok();
    });
    EXPECT_TRUE(forms.empty());
    EXPECT_EQ(working[202], 2);
}

TEST_F(SymbologyRulesTest, Ean13WithCouponCodeSwitchesGs1128OnAfterClosing) {
    test::set_bytes(working, {{208, 1}, {211, 0}});
    run("EAN13DLG_2D_4507", [](ui::Dialog& d) { d.user_presses_cancel(); });
    EXPECT_EQ(working[211], 1);
    EXPECT_TRUE(page.slots.at(8));

    test::set_bytes(working, {{208, 0}, {211, 0}});
    page.calls.clear();
    run("EAN13DLG_2D_4507", [](ui::Dialog& d) { d.user_presses_ok(); });
    EXPECT_EQ(working[211], 0);
    EXPECT_TRUE(page.calls.empty());

    // Other members leave GS1-128 alone.
    working[208] = 1;
    run("EAN8DLG_2D", [](ui::Dialog& d) { d.user_presses_ok(); });
    EXPECT_EQ(working[211], 0);
}

// Each member's separator edit is checked by caption elsewhere; here its one-character limit and
// the empty edit.
TEST_F(SymbologyRulesTest, ReplaceFieldSeparatorIsOneCharacterOrNone) {
    const std::string_view name = "EAN128DLG_2D";
    run(name, [&](ui::Dialog& d) {
        EXPECT_EQ(d.text(id(name, 728)), "");  // a stored 0 is no character
        d.user_types(id(name, 728), "#;");
        EXPECT_EQ(d.text(id(name, 728)), "#");
        d.user_presses_ok();
    });
    EXPECT_EQ(working[728], '#');
    run(name, [&](ui::Dialog& d) {
        d.user_types(id(name, 728), "");
        d.user_presses_ok();
    });
    EXPECT_EQ(working[728], 0);
}

TEST_F(SymbologyRulesTest, LanguageFileRelabelsTitleCaptionsListsAndLengthLabels) {
    texts->read_language_entries(
        "Deutsch\r\n1011=Code 39 Parameter\r\n1012=Trioptic 39 (de)\r\n1015=Laenge :\r\n"
        "1016=Pruefziffer pruefen\r\n1019=Zeichenabstand\r\n571=Min. Laenge :\r\n"
        "572=Max. Laenge :\r\n573=Laenge 1 :\r\n2044=Bereich\r\n");
    texts->set_language_active(true);
    const std::string_view name = "CODE39DLG_2D";
    run(name, [&](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "Code 39 Parameter");
        EXPECT_EQ(d.text(id(name, 214)), "Trioptic 39 (de)");
        EXPECT_EQ(d.text(id(name, 217, kLabel)), "Laenge :");
        EXPECT_EQ(d.text(id(name, 220)), "Pruefziffer pruefen");
        EXPECT_EQ(d.text(id(name, 299, kLabel)), "Zeichenabstand");
        EXPECT_EQ(d.text(id(name, 215)), "Convert to Code 32");  // not in the language file
        EXPECT_EQ(d.items(id(name, 217))[3], "Bereich");
        EXPECT_EQ(d.items(id(name, 217))[0], "Any Length");
        EXPECT_EQ(d.text(id(name, 217, kFirstLengthLabel)), "Min. Laenge :");
        EXPECT_EQ(d.text(id(name, 217, kSecondLengthLabel)), "Max. Laenge :");
        d.user_chooses(id(name, 217), 1);
        EXPECT_EQ(d.text(id(name, 217, kFirstLengthLabel)), "Laenge 1 :");
        EXPECT_EQ(d.text(id(name, 217, kSecondLengthLabel)), "Length 2 :");
    });

    // A member whose captions are not program texts keeps them.
    run("CODE39DLG_1D", [&](ui::Dialog& d) {
        EXPECT_EQ(d.title(), "Code 39 Parameters");
        EXPECT_EQ(d.text(id("CODE39DLG_1D", 5)), "Code 39 Full ASCII");
    });

    // A language read but not active relabels nothing.
    texts->set_language_active(false);
    run(name, [&](ui::Dialog& d) { EXPECT_EQ(d.text(id(name, 214)), "Trioptic 39"); });
}

}  // namespace
}  // namespace tc
