#include "shell/code_picker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "resources/shell_layouts.h"
#include "shell/record_bytes.h"
#include "ui/headless_host.h"

namespace tc::shell {
namespace {

namespace ids = resources::code_picker_ids;
using ui::Dialog;
using ui::HeadlessHost;

constexpr int kFieldId = 4711;

// Clicks the middle of the cell of `code`: column = high nibble, row = low nibble, behind the
// heading row and column of a grid of 17 x 17 cells.
void click_code(Dialog& dialog, int code) {
    const ui::Rect area = dialog.control(ids::kGrid).rect;
    const int cw = area.width / 17;
    const int ch = area.height / 17;
    dialog.user_clicks_area(ids::kGrid,
                            {(code / 16 + 1) * cw + cw / 2, (code % 16 + 1) * ch + ch / 2});
}

CodePicker& picker(Dialog& dialog) {
    return dynamic_cast<CodePicker&>(dialog);
}

class CodePickerTest : public ::testing::Test {
  protected:
    HeadlessHost host;
    texts::ProgramTexts texts;
    std::array<Byte, 32> prefix{};
};

TEST(CodePicker, LabelsNameKeysCharactersAndHighCodes) {
    EXPECT_EQ(code_label(0x01), "Ins");
    EXPECT_EQ(code_label(0x08), "BS");
    EXPECT_EQ(code_label(0x0B), "Right");
    EXPECT_EQ(code_label(0x0F), "F1");
    EXPECT_EQ(code_label(0x1A), "F12");
    EXPECT_EQ(code_label(0x1B), "ESC");
    EXPECT_EQ(code_label(0x1C), "Exec");
    EXPECT_EQ(code_label(0x20), "SP");
    EXPECT_EQ(code_label(0x21), "!");
    EXPECT_EQ(code_label(0x26), "&&");
    EXPECT_EQ(code_label(0x41), "A");
    EXPECT_EQ(code_label(0x7E), "~");
    EXPECT_EQ(code_label(0x7F), "DEL");
    EXPECT_EQ(code_label(0x80), "128");
    EXPECT_EQ(code_label(0xFF), "255");
    for (int code = 0; code < 256; ++code) {
        const bool disabled =
            code == 0 || code == 0x0A || code == 0x0D || (code >= 0x1D && code <= 0x1F);
        EXPECT_EQ(is_disabled_code(static_cast<Byte>(code)), disabled) << code;
    }
    const std::array<Byte, 6> codes{0x01, 0x26, 0x80, 0x00, 0x41, 0x41};
    EXPECT_EQ(code_labels_text(codes), "Ins && 128 ");
    std::array<Byte, 6> field_codes = codes;
    EXPECT_EQ(CodeField(kFieldId, CodeFieldRole::PrefixSuffix, field_codes).text(), "Ins & 128 ");
}

TEST_F(CodePickerTest, ThreePicksOfOneCellGiveThreeCodesAndOkWritesThemWithZeroBytes) {
    prefix[0] = 0x42;
    std::fill(prefix.begin() + 2, prefix.end(), Byte{0x55});  // left behind an earlier zero
    CodeField field(kFieldId, CodeFieldRole::PrefixSuffix, prefix);

    host.on_dialog("GRIDDLG", [](Dialog& dialog) {
        EXPECT_EQ(picker(dialog).resulting_text(), "B ");
        EXPECT_EQ(picker(dialog).selected_code(), 0x20);
        picker(dialog).user_clicks(ids::kClear);
        for (int i = 0; i < 3; ++i) click_code(dialog, 0x41);
        EXPECT_EQ(picker(dialog).resulting_text(), "A A A ");
        EXPECT_EQ(picker(dialog).selected_code(), 0x41);
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(field.pick(host, texts), "A A A ");

    std::array<Byte, 32> expected{};
    std::fill_n(expected.begin(), 3, Byte{0x41});
    EXPECT_EQ(prefix, expected);
    EXPECT_EQ(host.dialogs_shown(), std::vector<std::string>{"GRIDDLG"});
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(CodePickerTest, PrefixTakesTenCodesAndWarnsOnTheEleventh) {
    std::array<Byte, 32> suffix{};
    CodeField field(kFieldId, CodeFieldRole::PrefixSuffix, suffix);
    host.on_dialog("GRIDDLG", [](Dialog& dialog) {
        for (int i = 0; i < 11; ++i) click_code(dialog, 0x30 + i);
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(field.pick(host, texts), "0 1 2 3 4 5 6 7 8 9 ");
    test::expect_bytes(suffix, {{9, 0x39}, {10, 0}});
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Too many characters !!!");
    EXPECT_EQ(host.messages()[0].title, "Warning");
    EXPECT_EQ(host.messages()[0].style, 48u);
}

TEST_F(CodePickerTest, DelimiterTakesOneCodeWarnsOnTheSecondAndHandsBackTheCode) {
    std::array<Byte, 1> delimiter{};
    CodeField field(kFieldId, CodeFieldRole::RfidDelimiter, delimiter);
    host.on_dialog("GRIDDLG", [](Dialog& dialog) {
        click_code(dialog, 0x20);
        click_code(dialog, 0x41);
        // The second cell is selected, but not picked.
        EXPECT_EQ(picker(dialog).selected_code(), 0x41);
        EXPECT_EQ(picker(dialog).picked_codes(), std::vector<Byte>{0x20});
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(field.pick(host, texts), "SP ");
    EXPECT_EQ(delimiter[0], 0x20);  // the space itself, not the label's first letter
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Too many characters !!!");
    EXPECT_EQ(host.messages()[0].title, "Warning");
    EXPECT_EQ(host.messages()[0].style, 48u);

    // The next opening starts from that code, so any pick warns at once.
    host.on_dialog("GRIDDLG", [](Dialog& dialog) {
        EXPECT_EQ(picker(dialog).resulting_text(), "SP ");
        click_code(dialog, 0x2C);
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(field.pick(host, texts), "SP ");
    EXPECT_EQ(delimiter[0], 0x20);
    EXPECT_EQ(host.messages().size(), 2u);
}

TEST_F(CodePickerTest, DisabledCellsHeadingsAndOutsideClicksChangeNothing) {
    std::array<Byte, 1> delimiter{0x41};  // full: a pick of an enabled cell would warn
    CodeField field(kFieldId, CodeFieldRole::RfidDelimiter, delimiter);
    host.on_dialog("GRIDDLG", [](Dialog& dialog) {
        const ui::Rect area = dialog.control(ids::kGrid).rect;
        for (const int code : {0x00, 0x0A, 0x0D, 0x1D, 0x1E, 0x1F}) click_code(dialog, code);
        dialog.user_clicks_area(ids::kGrid, {5, 5});                      // corner heading
        dialog.user_clicks_area(ids::kGrid, {area.width / 2, 3});         // column heading
        dialog.user_clicks_area(ids::kGrid, {3, area.height / 2});        // row heading
        dialog.user_clicks_area(ids::kGrid, {area.width - 1 + 40, 100});  // right of the grid
        dialog.user_clicks_area(ids::kGrid, {-40, 100});                  // left of the grid
        EXPECT_EQ(picker(dialog).selected_code(), 0x20);
        EXPECT_EQ(picker(dialog).picked_codes(), std::vector<Byte>{0x41});
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(field.pick(host, texts), "A ");
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(CodePickerTest, ClearThenOkEmptiesTheFieldAndZeroesTheBuffer) {
    test::set_bytes(prefix, {{0, 0x41}, {1, 0x0D}, {20, 0x55}});
    CodeField field(kFieldId, CodeFieldRole::PrefixSuffix, prefix);
    host.on_dialog("GRIDDLG", [](Dialog& dialog) {
        EXPECT_EQ(picker(dialog).resulting_text(), "A Enter ");
        dialog.user_clicks(ids::kClear);
        EXPECT_EQ(picker(dialog).resulting_text(), "");
        dialog.user_clicks(ui::kIdOk);
    });
    EXPECT_EQ(field.pick(host, texts), "");
    EXPECT_EQ(prefix, (std::array<Byte, 32>{}));
}

TEST_F(CodePickerTest, CancelRestoresTheOpeningTextAndLeavesTheBuffer) {
    test::set_bytes(prefix, {{0, 0x26}, {1, 0x41}});
    const std::array<Byte, 32> before = prefix;
    CodeField field(kFieldId, CodeFieldRole::PrefixSuffix, prefix);
    host.on_dialog("GRIDDLG", [](Dialog& dialog) {
        click_code(dialog, 0x42);
        dialog.user_clicks(ids::kClear);
        dialog.user_presses_cancel();
    });
    EXPECT_EQ(field.pick(host, texts), "& A ");
    EXPECT_EQ(prefix, before);
}

TEST_F(CodePickerTest, LanguageRelabelsTitleLabelAndButtons) {
    texts.read_language_entries(
        "Deutsch\r\n81=Zeichentabelle\r\n82=Ergebnis :\r\n83=Leeren\r\n84=Gut\r\n85=Abbruch\r\n");
    texts.set_language_active(true);
    CodePicker dialog(texts, CodeFieldRole::PrefixSuffix, prefix);
    dialog.create(host, {});
    EXPECT_EQ(dialog.title(), "Zeichentabelle");
    EXPECT_EQ(dialog.text(ids::kResultLabel), "Ergebnis :");
    EXPECT_EQ(dialog.text(ids::kClear), "Leeren");
    EXPECT_EQ(dialog.text(ui::kIdOk), "Gut");
    EXPECT_EQ(dialog.text(ui::kIdCancel), "Abbruch");

    texts.set_language_active(false);
    CodePicker english(texts, CodeFieldRole::PrefixSuffix, prefix);
    english.create(host, {});
    EXPECT_EQ(english.title(), "The Grid Control");
    EXPECT_EQ(english.text(ids::kResultLabel), "Resulting text :");
}

}  // namespace
}  // namespace tc::shell
