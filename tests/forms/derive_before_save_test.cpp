#include "forms/derive_before_save.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <tuple>
#include <utility>

#include "shell/record_bytes.h"
#include "texts/text_slot.h"

namespace tc {
namespace {

// All records zero, as value-initialised.
struct Design {
    std::array<FormRecord, kFormCount> forms{};
    std::array<MenuRecord, kMenuCount> menus{};
    std::array<LookupRecord, kLookupCount> lookups{};
    ReaderSettingsRecord reader{};
    SystemSettingsRecord system{};

    FormRecord& form(int number) { return forms[number - 1]; }
    MenuRecord& menu(int number) { return menus[number - 1]; }
    LookupRecord& lookup(int number) { return lookups[number - 1]; }

    void derive() { derive_before_save({forms, menus, lookups, reader, system}); }
};

std::unique_ptr<Design> empty_design() {
    return std::make_unique<Design>();
}

void set_line(FormRecord& form, int line, Byte type, Byte max_length) {
    form.data_type[line - 1] = type;
    form.max_length_low[line - 1] = max_length;
}

// Gives lines 1, 2, ... their types and maximum lengths.
void set_lines(FormRecord& form, std::initializer_list<Byte> types,
               std::initializer_list<Byte> max_lengths) {
    ASSERT_EQ(types.size(), max_lengths.size());
    for (std::size_t line = 0; line < types.size(); ++line) {
        set_line(form, static_cast<int>(line) + 1, types.begin()[line], max_lengths.begin()[line]);
    }
}

// A Form that saves its record, with no key field, as the Form page leaves it when applied.
FormRecord& saving_form(Design& design, int number) {
    FormRecord& form = design.form(number);
    form.record_mode = 0;
    form.no_key_field = 1;
    form.last_input_line = 1;
    return form;
}

void set_stale_figures(FormRecord& form) {
    form.field_count = 9;
    form.key_position = 9;
    form.record_length_low = 9;
    form.record_length_high = 9;
}

struct Figures {
    int count;
    int key_position;
    int length;
};

void expect_figures(const FormRecord& form, Figures expected) {
    EXPECT_EQ(form.field_count, expected.count);
    EXPECT_EQ(form.key_position, expected.key_position);
    EXPECT_EQ(form.record_length_low, expected.length % 256);
    EXPECT_EQ(form.record_length_high, expected.length / 256);
}

TEST(DeriveBeforeSave, FormsThatKeepNoRecordGetZeroFigures) {
    auto design = empty_design();
    // "update lookup", no input line, "pass down".
    const std::pair<Byte, Byte> forms[] = {{1, 1}, {0, 0}, {3, 1}};
    for (int number = 1; number <= 3; ++number) {
        FormRecord& form = saving_form(*design, number);
        std::tie(form.record_mode, form.last_input_line) = forms[number - 1];
        set_line(form, 1, kTypeText, 20);
        set_stale_figures(form);
    }

    design->derive();

    for (int number = 1; number <= 3; ++number) expect_figures(design->form(number), {0, 0, 0});
}

TEST(DeriveBeforeSave, CountsFieldsKeyPositionAndLengthOfTheSavedRecord) {
    auto design = empty_design();
    FormRecord& form = saving_form(*design, 1);
    form.stamp_position = 1;
    form.last_input_line = 3;
    set_lines(form, {kTypeText, kTypeText, kTypeText}, {20, 30, 10});

    design->derive();
    expect_figures(form, {5, 1, 8 + 20 + 20 + 30 + 10});

    // With line 2 as key field: stamp, line 1, line 2 lead up to the key.
    form.key_field = 2;
    form.no_key_field = 0;
    design->derive();
    expect_figures(form, {4, 3, 20 + 20 + 30 + 10});

    // A length of 300: 20 + 20 + 30 + 10 + 220 with two more lines.
    set_line(form, 4, kTypeText, 160);
    set_line(form, 5, kTypeText, 60);
    design->derive();
    EXPECT_EQ(form.record_length_low, 44);
    EXPECT_EQ(form.record_length_high, 1);
}

TEST(DeriveBeforeSave, StampAtTheBottomIsCountedAfterTheLinesAndNotBeforeTheKey) {
    auto design = empty_design();
    FormRecord& form = saving_form(*design, 1);
    form.no_key_field = 0;
    form.key_field = 2;
    form.stamp_position = 2;
    set_lines(form, {kTypeText, kTypeInteger, kTypeReal}, {5, 6, 7});

    design->derive();

    expect_figures(form, {4, 2, 5 + 6 + 7 + 20});
}

TEST(DeriveBeforeSave, PassesOverLinesThatSaveNoData) {
    auto design = empty_design();
    FormRecord& form = saving_form(*design, 1);
    form.no_key_field = 0;
    form.key_field = 12;
    // Passed over: nil, prompt, counter, pass down, extension, pause, lookup without "Save field
    // data", image without "Save file path".
    // Saved: a lookup line with "Save field data", an image line with "Save file path", a fixed
    // data line and a large-data line whose multiples of 160 are not added; after the key line a
    // boolean, counted but not before the key.
    set_lines(form,
              {kTypeNil, kTypePrompt, kTypeCounter, kTypePassDown, kTypeExtension, kTypePause,
               kTypeLookup, kTypeImage, kTypeLookup, kTypeImage, kTypeFixedData, kTypeLargeData,
               kTypeBoolean},
              {1, 2, 4, 8, 16, 32, 64, 128, 3, 5, 7, 11, 1});
    form.initial_on[8] = 1;
    form.save_file_path[9] = 1;
    form.max_length_high[11] = 2;

    design->derive();

    expect_figures(form, {5, 4, 3 + 5 + 7 + 11 + 1});
}

TEST(DeriveBeforeSave, KeyPositionCountsHandoverAndStampFieldsOnlyWithAKeyField) {
    auto design = empty_design();
    FormRecord& form = saving_form(*design, 2);
    form.no_key_field = 0;
    form.key_field = 2;
    form.handover_field = 1;
    form.stamp_position = 1;
    set_lines(form, {kTypeText, kTypeText, kTypeText}, {10, 10, 10});

    design->derive();
    expect_figures(form, {5, 4, 160 + 20 + 30});

    // Without a key field the 8-byte field comes first and is the key.
    form.no_key_field = 1;
    design->derive();
    expect_figures(form, {6, 1, 8 + 160 + 20 + 30});

    // A no_key_field byte that is neither 0 nor 1 adds no 8-byte field and no key position.
    form.no_key_field = 2;
    design->derive();
    expect_figures(form, {5, 0, 160 + 20 + 30});
}

TEST(DeriveBeforeSave, LookupLinesTakeTheLengthOfTheFieldTheyShow) {
    auto design = empty_design();
    LookupRecord& lookup = design->lookup(2);
    lookup.field_length_low[2] = 44;
    lookup.field_length_high[2] = 1;
    FormRecord& form = saving_form(*design, 1);
    form.lookup_file = 2;
    set_line(form, 1, kTypeLookup, 160);
    form.link[0] = 3;
    form.initial_on[0] = 1;
    // Not a lookup line: keeps its length.
    set_line(form, 2, kTypeText, 9);
    form.link[1] = 3;

    design->derive();

    test::expect_bytes(form.max_length_low, {{0, 44}, {1, 9}});
    test::expect_bytes(form.max_length_high, {{0, 1}, {1, 0}});
    // The copied length is already counted in the same derivation.
    expect_figures(form, {3, 1, 8 + 44 + 9});

    // The Lookup page changed the field afterwards.
    lookup.field_length_low[2] = 70;
    lookup.field_length_high[2] = 0;
    copy_lookup_lengths(design->forms, design->lookups);
    EXPECT_EQ(form.max_length_low[0], 70);
    EXPECT_EQ(form.max_length_high[0], 0);
}

TEST(DeriveBeforeSave, FormsWithoutAValidLookupFileKeepTheirLookupLineLengths) {
    auto design = empty_design();
    for (LookupRecord& lookup : design->lookups) lookup.field_length_low[0] = 33;
    for (Byte lookup_file : {Byte{0}, Byte{6}, Byte{255}}) {
        FormRecord& form = design->form(1);
        form.lookup_file = lookup_file;
        set_line(form, 1, kTypeLookup, 120);
        form.link[0] = 1;
        form.max_length_high[0] = 0;

        copy_lookup_lengths(design->forms, design->lookups);

        EXPECT_EQ(form.max_length_low[0], 120) << "lookup_file " << int{lookup_file};
    }
}

TEST(DeriveBeforeSave, TheLastMenuItemLeadingToAFormDecidesItsHandoverField) {
    auto design = empty_design();
    design->menu(1).save_caption = 1;
    design->menu(1).item_target[0] = 4;
    design->menu(2).item_target[5] = 4;
    saving_form(*design, 4);

    design->derive();
    EXPECT_EQ(design->form(4).handover_field, 0);

    // The other way round the flagged Menu comes last and its Form gets the field.
    design->menu(1).save_caption = 0;
    design->menu(2).save_selected_item = 1;
    design->derive();
    EXPECT_EQ(design->form(4).handover_field, 1);
    expect_figures(design->form(4), {2, 1, 8 + 160});

    // Only "save", "save & update" and "pass down" Forms take the field.
    for (const auto& [mode, handover] : {std::pair{1, 0}, std::pair{2, 1}}) {
        design->form(4).record_mode = static_cast<Byte>(mode);
        design->derive();
        EXPECT_EQ(design->form(4).handover_field, handover) << "record mode " << mode;
    }

    // "Save caption" alone hands over too, to the last Form as well.
    design->menu(5).save_caption = 1;
    design->menu(5).item_target[0] = 20;
    saving_form(*design, 20);
    design->derive();
    EXPECT_EQ(design->form(20).handover_field, 1);

    // Targets "main" and Menus lead to no Form; a Form no item leads to keeps its flag.
    design->menu(3).save_caption = 1;
    design->menu(3).item_target = {0, 21, 30, 31, 255};
    design->form(7).handover_field = 1;
    design->form(7).record_mode = 1;
    design->derive();
    EXPECT_EQ(design->form(7).handover_field, 1);
}

TEST(DeriveBeforeSave, PassDownFormHandsItsDataToTheNextForm) {
    auto design = empty_design();
    FormRecord& pass_down = saving_form(*design, 3);
    pass_down.record_mode = 3;
    pass_down.next_target = 5;
    set_line(pass_down, 1, kTypeText, 10);
    FormRecord& later = saving_form(*design, 5);
    set_line(later, 1, kTypeText, 10);
    // An unflagged Menu item clears Form 5's flag first; the pass-down Form sets it again.
    design->menu(1).item_target[0] = 5;

    design->derive();

    EXPECT_EQ(later.handover_field, 1);
    expect_figures(later, {3, 1, 8 + 160 + 10});
    expect_figures(pass_down, {0, 0, 0});

    // A Form earlier in the order counts the handed-over field from the first save on.
    FormRecord& second_pass_down = design->form(6);
    second_pass_down.record_mode = 3;
    second_pass_down.next_target = 2;
    FormRecord& earlier = saving_form(*design, 2);
    set_line(earlier, 1, kTypeText, 10);
    design->derive();
    EXPECT_EQ(earlier.handover_field, 1);
    expect_figures(earlier, {3, 1, 8 + 160 + 10});

    // Next targets that are no Form, or a Form that only updates its lookup, get nothing.
    FormRecord& update_lookup = design->form(9);
    update_lookup.record_mode = 1;
    design->form(8).record_mode = 3;
    design->form(8).next_target = 9;
    design->form(10).record_mode = 3;
    design->form(10).next_target = 21;
    design->derive();
    EXPECT_EQ(update_lookup.handover_field, 0);
}

TEST(DeriveBeforeSave, FirstFormIsRecheckedWhenTheProgramStartsThere) {
    auto design = empty_design();
    FormRecord& first = saving_form(*design, 1);
    set_line(first, 1, kTypeText, 10);
    first.handover_field = 1;

    // Starting elsewhere keeps the stale flag and counts the field.
    design->system.start_screen = 2;
    design->derive();
    EXPECT_EQ(first.handover_field, 1);
    expect_figures(first, {3, 1, 8 + 160 + 10});

    // Starting at Form 1 with no flagged Menu leading to it clears the flag.
    design->system.start_screen = 0;
    design->derive();
    EXPECT_EQ(first.handover_field, 0);
    expect_figures(first, {2, 1, 8 + 10});

    // The recomputation alone does not ask for Form 1's record mode.
    first.handover_field = 1;
    first.record_mode = 1;
    design->menu(4).save_selected_item = 1;
    design->menu(4).item_target[14] = 1;
    recheck_first_form(design->forms, design->menus, design->system);
    EXPECT_EQ(first.handover_field, 1);

    // A Menu leading to Form 1 without either flag does not count.
    design->menu(4).save_selected_item = 0;
    recheck_first_form(design->forms, design->menus, design->system);
    EXPECT_EQ(first.handover_field, 0);

    // A flag that is not 1 is left alone.
    design->menu(4).save_selected_item = 1;
    first.handover_field = 2;
    recheck_first_form(design->forms, design->menus, design->system);
    EXPECT_EQ(first.handover_field, 2);
}

TEST(DeriveBeforeSave, ExtraLengthIsRecomputedFromTheLineWhenTheReaderAsksForIt) {
    auto design = empty_design();
    design->reader[reader::kExtraLengthSwitch] = 1;
    FormRecord& form = saving_form(*design, 1);
    set_line(form, 1, kTypeText, 20);
    form.fixed_length_on[0] = 1;
    form.fixed_length_low[0] = 12;
    form.prefix_on[0] = 1;
    store_text(form.prefix[0], "AB");
    store_text(form.suffix[0], "C");
    form.extra_length[0] = 99;
    // Switched-off parts add nothing.
    set_line(form, 2, kTypeText, 20);
    form.fixed_length_low[1] = 50;
    form.suffix_on[1] = 1;
    store_text(form.suffix[1], "XYZ");
    // The sum wraps at 256.
    set_line(form, 3, kTypeImage, 0);
    form.fixed_length_on[2] = 1;
    form.fixed_length_low[2] = 255;
    form.prefix_on[2] = 1;
    store_text(form.prefix[2], "0123456789");
    form.suffix_on[2] = 1;
    store_text(form.suffix[2], "0123456789");
    // A Form that is not counted keeps its extra lengths.
    FormRecord& update_lookup = saving_form(*design, 2);
    update_lookup.record_mode = 1;
    update_lookup.extra_length[0] = 7;

    const std::array<Byte, kFormLines> expected = {
        12 + 2 + 2, 3 + 2, (255 + 10 + 10 + 2) % 256, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    design->derive();
    EXPECT_EQ(form.extra_length, expected);
    const std::unique_ptr<FormRecord> after_first_save = std::make_unique<FormRecord>(form);
    design->derive();
    EXPECT_EQ(form.extra_length, expected);
    EXPECT_EQ(std::memcmp(after_first_save.get(), &form, sizeof(FormRecord)), 0);
    EXPECT_EQ(update_lookup.extra_length[0], 7);

    for (Byte switch_value : {Byte{0}, Byte{2}}) {
        design->reader[reader::kExtraLengthSwitch] = switch_value;
        form.extra_length[0] = 99;
        design->derive();
        EXPECT_EQ(form.extra_length[0], 99) << "byte 405 = " << int{switch_value};
    }
}

TEST(DeriveBeforeSave, MsqiFormShowsTheKeyFieldOfItsLookupOnLineOne) {
    auto design = empty_design();
    for (LookupRecord& lookup : design->lookups) lookup.field_count = 1;
    design->lookup(2).field_count = 4;
    design->lookup(2).key_field = 2;
    design->lookup(3).field_count = 0;
    design->lookup(2).field_length_low[2] = 30;
    FormRecord& msqi = design->form(1);
    msqi.msqi_enabled = 1;
    msqi.lookup_file = 2;
    // Line 1 as a "lookup" line linked to field 1: it takes the key field's length in the same
    // save.
    set_line(msqi, 1, kTypeLookup, 160);
    msqi.link[0] = 1;
    // Without fields the Lookup has no key field to show.
    FormRecord& empty_lookup = design->form(2);
    empty_lookup.msqi_enabled = 1;
    empty_lookup.lookup_file = 3;
    empty_lookup.link[0] = 5;
    FormRecord& no_msqi = design->form(3);
    no_msqi.lookup_file = 2;
    no_msqi.link[0] = 5;
    FormRecord& damaged_lookup_file = design->form(4);
    damaged_lookup_file.msqi_enabled = 1;
    damaged_lookup_file.lookup_file = 6;
    damaged_lookup_file.link[0] = 5;

    design->derive();

    EXPECT_EQ(msqi.link[0], 3);
    EXPECT_EQ(msqi.max_length_low[0], 30);
    EXPECT_EQ(empty_lookup.link[0], 5);
    EXPECT_EQ(no_msqi.link[0], 5);
    EXPECT_EQ(damaged_lookup_file.link[0], 5);
}

}  // namespace
}  // namespace tc
