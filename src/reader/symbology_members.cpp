#include "reader/symbology_members.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace tc::symbology {
namespace {

using ui::Caption;

constexpr Caption literal(std::string_view text) {
    return Caption{-1, text};
}
constexpr Caption text(int id) {
    return Caption{id, {}};
}

constexpr unsigned kCheckedPosition = 1u << 1;

// A check box that is cleared while the check box of `master` is off.
constexpr Dependency under(std::size_t master) {
    return {master, kCheckedPosition, Effect::EnableAndClear};
}

// A control enabled while `master` shows one of `positions`.
constexpr Dependency enabled_while(std::size_t master, unsigned positions) {
    return {master, positions, Effect::Enable};
}

Binding check(std::size_t byte, Caption caption, Dependency dependency = {}) {
    Binding b;
    b.kind = BindingKind::Check;
    b.byte = byte;
    b.caption = caption;
    b.dependency = dependency;
    return b;
}

Binding radio(std::size_t byte, Caption group, std::vector<Caption> choices) {
    Binding b;
    b.kind = BindingKind::Radio;
    b.byte = byte;
    b.caption = group;
    b.choices = std::move(choices);
    return b;
}

// A list of program texts `first` .. `first + count - 1`.
Binding list(std::size_t byte, Caption label, int first, int count, Dependency dependency = {},
             std::vector<Byte> values = {}) {
    Binding b;
    b.kind = BindingKind::List;
    b.byte = byte;
    b.caption = label;
    for (int i = 0; i < count; ++i) b.items.push_back(first + i);
    b.values = std::move(values);
    b.dependency = dependency;
    return b;
}

Binding number(std::size_t byte, Caption label, int minimum, int maximum, int digits,
               Dependency dependency, bool required) {
    Binding b;
    b.kind = BindingKind::Number;
    b.byte = byte;
    b.caption = label;
    b.minimum = minimum;
    b.maximum = maximum;
    b.digits = digits;
    b.dependency = dependency;
    b.required = required;
    return b;
}

Binding character(std::size_t byte) {
    Binding b;
    b.kind = BindingKind::Character;
    b.byte = byte;
    b.caption = literal("Replace Field Separator :");
    b.digits = 1;
    return b;
}

Binding fixed_or_max_min(std::size_t mode_byte) {
    Binding b;
    b.kind = BindingKind::FixedOrMaxMin;
    b.byte = mode_byte;
    b.caption = literal("Select Length");
    b.choices = {literal("Fixed Length"), literal("Max / Min Length")};
    b.digits = 3;
    return b;
}

Binding any_length_range(std::size_t mode_byte, Family family,
                         Caption label = literal("Select Length :")) {
    Binding b;
    b.kind = BindingKind::AnyLengthRange;
    b.byte = mode_byte;
    b.caption = label;
    for (int i = 0; i < kLengthModeCount; ++i) b.items.push_back(kAnyLengthText + i);
    b.digits = family == Family::Elr ? 3 : 2;
    return b;
}

// The preamble list of the UPC members and the addons list and redundancy edit they share.
constexpr int kPreambleItems = 2001;
constexpr int kAddonItems = 2021;
constexpr std::size_t kAddons = 197;
constexpr std::size_t kAddonsRedundancy = 198;
constexpr unsigned kAutoDiscriminate = 1u << 2;

Binding preamble(std::size_t byte, Caption label = literal("Transmit Preamble :")) {
    return list(byte, label, kPreambleItems, 3);
}

Binding addons(Caption label = literal("Enable Addons :")) {
    return list(kAddons, label, kAddonItems, 3);
}

Binding addons_redundancy(Caption label = literal("Addons Redundancy :")) {
    return number(kAddonsRedundancy, label, 2, 30, 2, enabled_while(kAddons, kAutoDiscriminate),
                  true);
}

Binding supplementals(Caption label) {
    return list(107, label, kAddonItems, 3);
}

constexpr Caption kTransmitCheckDigit = literal("Transmit Check Digit");
constexpr Caption kVerifyCheckDigit = literal("Verify Check Digit");

std::vector<Caption> start_stop_choices() {
    return {literal("Industrial 25"), literal("Interleaved 25"), literal("Matrix 25")};
}

std::vector<Member> one_d_members() {
    const Family f = Family::OneD;
    const Caption start_stop = literal("Start/Stop Selection");
    return {
        {"CODE39DLG_1D",
         f,
         literal("Code 39 Parameters"),
         {check(2, literal("Transmit Start/Stop Character")), check(3, kVerifyCheckDigit),
          check(4, kTransmitCheckDigit), check(5, literal("Code 39 Full ASCII"))}},
        {"ITALYPHARMADLG_1D",
         f,
         literal("Italian Pharmacode Parameters"),
         {check(7, kTransmitCheckDigit)}},
        {"FRENCHPHARMADLG_1D",
         f,
         literal("French Pharmacode Parameters"),
         {check(9, kTransmitCheckDigit)}},
        {"DISCRETE25DLG_1D",
         f,
         literal("Industrial 25 Parameters"),
         {radio(11, start_stop, start_stop_choices()), check(12, kVerifyCheckDigit),
          check(13, kTransmitCheckDigit), fixed_or_max_min(14)}},
        {"INTERLEAVE25DLG_1D",
         f,
         literal("Interleaved 25 Parameters"),
         {radio(18, start_stop, start_stop_choices()), check(19, kVerifyCheckDigit),
          check(20, kTransmitCheckDigit), fixed_or_max_min(21)}},
        {"MATRIX25DLG_1D",
         f,
         literal("Matrix 25 Parameters"),
         {radio(25, start_stop, start_stop_choices()), check(26, kVerifyCheckDigit),
          check(27, kTransmitCheckDigit), fixed_or_max_min(28)}},
        {"CODABARDLG_1D",
         f,
         literal("Codabar Parameters"),
         {radio(32, literal("Transmit Start/Stop Character"),
                {literal("None"), literal("abcd / abcd"), literal("abcd / tn*e"),
                 literal("ABCD / ABCD"), literal("ABCD / TN*E")})}},
        {"MSIDLG_1D",
         f,
         literal("MSI Parameters"),
         {radio(34, literal("Verify Check Digit"),
                {literal("Single Modulo 10"), literal("Double Modulo 10"),
                 literal("Modulo 11 && 10")}),
          radio(35, literal("Transmit Check Digit"),
                {literal("Last digit not transmitted"), literal("Both digits transmitted"),
                 literal("Both digits not transmitted")}),
          fixed_or_max_min(36)}},
        {"PLESSEYDLG_1D",
         f,
         literal("Plessey Parameters"),
         {check(40, literal("Convert to UK Plessey")), check(41, kTransmitCheckDigit)}},
        {"UPCEDLG_1D",
         f,
         literal("UPC-E Parameters"),
         {check(43, literal("Convert to UPC-A")), check(44, literal("Transmit System Number")),
          check(45, kTransmitCheckDigit)}},
        {"EAN8DLG_1D",
         f,
         literal("EAN-8 Parameters"),
         {check(52, literal("Convert to EAN-13")), check(49, kTransmitCheckDigit)}},
        {"EAN13DLG_1D",
         f,
         literal("EAN-13/UPC-A Parameters"),
         {check(54, literal("ISBN Conversion")), check(55, literal("ISSN Conversion")),
          check(56, literal("Transmit EAN-13 Check Digit")),
          check(59, literal("Transmit UPC-A System Number")),
          check(60, literal("Transmit UPC-A Check Digit")),
          check(61, literal("Convert UPC-A to EAN-13"))}},
        {"TELEPENDLG_1D",
         f,
         literal("Telepen Parameters"),
         {radio(63, literal(""),
                {literal("AIM Telepen  (Full ASCII)"), literal("Original Telepen  (Numeric)")})}},
        {"RSS14DLG_1D",
         f,
         literal("GS1 DataBar Parameters"),
         {check(67, literal("Transmit Code ID: ]e0")),
          check(66, literal("Transmit Application ID")), check(65, kTransmitCheckDigit)}},
        {"RSSLIMITEDDLG_1D",
         f,
         literal("GS1 DataBar Limited Parameters"),
         {check(71, literal("Transmit Code ID: ]e0")),
          check(70, literal("Transmit Application ID")), check(69, kTransmitCheckDigit)}},
        {"RSSEXPANDEDDLG_1D",
         f,
         literal("GS1 DataBar Expanded Parameters"),
         {check(73, literal("Transmit Code ID: ]e0"))}},
        {"EAN128DLG_1D",
         f,
         literal("GS1-128 (EAN 128) Parameters"),
         {check(77, literal("Transmit Code ID : ]C1")), character(728)}},
    };
}

constexpr Caption kGap = literal("Code39 / Codabar : Inter-Character Gap");
constexpr int kGapItems = 2050;
constexpr std::size_t kInterCharacterGap = 299;
constexpr unsigned kNotFirst = ~1u;  // any position but the first

std::vector<Member> two_d_members() {
    const Family f = Family::TwoD;
    Member upc_a{"UPCADLG_2D",
                 f,
                 text(971),
                 {preamble(202, text(972)), addons(text(973)), addons_redundancy(text(974)),
                  check(199, text(975))}};
    upc_a.special = kCouponNote | kCouponNeedsGs1;
    Member ean13{
        "EAN13DLG_2D_4507", f, literal("EAN-13 Parameters"), {addons(), addons_redundancy()}};
    ean13.special = kCouponNeedsGs1;
    Member matrix25{"MATRIX25_2D_4507",
                    f,
                    literal("Matrix 25 Parameters"),
                    {any_length_range(314, f), check(317, literal("Enable Decode Redundancy")),
                     check(318, kVerifyCheckDigit), check(319, kTransmitCheckDigit, under(318))}};
    matrix25.special = kAnyLengthFillsRange;
    return {
        upc_a,
        {"UPCEDLG_2D",
         f,
         literal("UPC-E0 Parameters"),
         {preamble(203), addons(), addons_redundancy(), check(200, kTransmitCheckDigit),
          check(205, literal("Convert to UPC-A"))}},
        {"UPCE1DLG_2D",
         f,
         literal("UPC-E1 Parameters"),
         {preamble(204), addons(), addons_redundancy(), check(201, kTransmitCheckDigit),
          check(206, literal("Convert to UPC-A"))}},
        {"EAN8DLG_2D",
         f,
         literal("EAN-8 Parameters"),
         {addons(), addons_redundancy(), check(207, literal("Convert to EAN-13"))}},
        ean13,
        {"EAN128DLG_2D", f, literal("GS1-128 (EAN 128) Parameters"), {character(728)}},
        {"ISBTDLG_2D",
         f,
         literal("ISBT 128 Parameters"),
         {list(386, literal("Concatenation :"), 1253, 3),
          number(387, literal("Concatenation Redundancy :"), 2, 20, 2,
                 enabled_while(386, kAutoDiscriminate), false)}},
        {"CODE39DLG_2D",
         f,
         text(1011),
         {check(214, text(1012)), check(215, text(1013)), check(216, text(1014), under(215)),
          any_length_range(217, f, text(1015)), check(220, text(1016)),
          check(221, text(1017), under(220)), check(222, text(1018)),
          list(kInterCharacterGap, text(1019), kGapItems, 2)}},
        {"CODE93DLG_2D", f, literal("Code 93 Parameters"), {any_length_range(224, f)}},
        {"CODE11DLG_2D",
         f,
         literal("Code 11 Parameters"),
         {any_length_range(228, f), list(231, literal("Verify Check Digit :"), 2161, 3),
          check(232, kTransmitCheckDigit, {231, kNotFirst, Effect::EnableAndClear})}},
        {"INTERLEAVE25DLG_2D",
         f,
         literal("Interleaved 25 Parameters"),
         {any_length_range(234, f), list(237, literal("Verify Check Digit :"), 2070, 3),
          check(238, kTransmitCheckDigit, {237, kNotFirst, Effect::EnableAndClear}),
          check(239, literal("Convert to EAN13"))}},
        {"DISCRETE25DLG_2D", f, literal("Industrial 25 Parameters"), {any_length_range(241, f)}},
        {"CODABARDLG_2D",
         f,
         literal("Codabar Parameters"),
         {any_length_range(245, f), check(248, literal("CLSI Editing")),
          check(249, literal("NOTIS Editing")), list(kInterCharacterGap, kGap, kGapItems, 2)}},
        {"MSIDLG_2D",
         f,
         literal("MSI Parameters"),
         {any_length_range(251, f), list(254, literal("Check Digits :"), 2061, 2),
          check(255, kTransmitCheckDigit),
          list(256, literal("Check Algorithm :"), 2081, 2, enabled_while(254, kCheckedPosition))}},
        matrix25,
        {"RSS14DLG_2D",
         f,
         literal("GS1 DataBar 14/Limited Parameters"),
         {check(268, literal("Convert GS1 DataBar 14/Limited to UPC/EAN"))}},
        {"POSTALDLG_2D",
         f,
         literal("Postal Code Parameters"),
         {check(257, literal("US Postnet")), check(258, literal("US Planet")),
          check(264, literal("Transmit US Postal Check Digit")), check(259, literal("UK Postal")),
          check(260, literal("Transmit UK Postal Check Digit")),
          check(261, literal("Japan Postal")), check(262, literal("Australian Postal")),
          check(263, literal("Dutch Postal"))}},
        {"COMPOSITEDLG_2D",
         f,
         literal("Composite Parameters"),
         {check(269, literal("Composite CC-C")), check(270, literal("Composite CC-A/B")),
          check(271, literal("Composite TLC-39")), check(273, literal("GS1-128 Emulation Mode")),
          list(272, literal("UPC Composite Mode :"), 2101, 3)}},
        {"SYMBOLOGIESDLG_2D",
         f,
         literal("2D Symbologies Parameters"),
         {check(274, literal("PDF417")), check(275, literal("MicroPDF417")),
          check(276, literal("Code 128 Emulation"), enabled_while(275, kCheckedPosition)),
          check(277, literal("Data Matrix")),
          list(278, literal("Data Matrix Inverse :"), 2410, 3,
               enabled_while(277, kCheckedPosition)),
          list(279, literal("Decode Mirror Image :"), 2413, 3), check(280, literal("Maxicode")),
          check(281, literal("QR Code")),
          list(282, literal("QR Code Inverse :"), 2416, 3, enabled_while(281, kCheckedPosition)),
          check(283, literal("MicroQR")), check(284, literal("Aztec")),
          list(285, literal("Aztec Inverse :"), 2419, 3, enabled_while(284, kCheckedPosition))}},
        {"MACROPDFDLG_2D",
         f,
         literal("Macro PDF Parameters"),
         {list(286, literal("Transmit/Decode Mode Symbols :"), 2121, 3, {}, {0, 1, 4}),
          check(287, literal("Transmit Control Header"), {286, kCheckedPosition, Effect::Follow}),
          list(288, literal("Escape Characters :"), 2141, 2, {}, {0, 2})}},
    };
}

// An ELR member whose title, captions, OK and Cancel are the consecutive texts from `first`.
Member elr_member(std::string_view name, int first, std::vector<Binding> bindings) {
    Member m{name, Family::Elr, text(first), std::move(bindings)};
    const int after_captions = first + 1 + static_cast<int>(m.bindings.size());
    m.ok = text(after_captions);
    m.cancel = text(after_captions + 1);
    return m;
}

std::vector<Member> elr_members() {
    const Family f = Family::Elr;
    return {
        elr_member("UPCADLG_1D_ELR", 861,
                   {preamble(112, text(862)), supplementals(text(863)), check(109, text(864)),
                    check(118, text(865))}),
        elr_member("UPCEDLG_1D_ELR", 871,
                   {preamble(113, text(872)), supplementals(text(873)), check(110, text(874)),
                    check(115, text(875)), check(118, text(876))}),
        elr_member("UPCE1DLG_1D_ELR", 881,
                   {preamble(114, text(882)), supplementals(text(883)), check(111, text(884)),
                    check(116, text(885)), check(118, text(886))}),
        elr_member("EAN8DLG_1D_ELR", 891, {supplementals(text(892)), check(117, text(893))}),
        elr_member("CODE39DLG_1D_ELR", 901,
                   {check(125, text(902)), check(126, text(903), under(125)),
                    any_length_range(127, f, text(904)), check(130, text(905)),
                    check(131, text(906)), check(132, text(907))}),
        elr_member("CODE93DLG_1D_ELR", 911, {any_length_range(134, f, text(912))}),
        elr_member("INTERLEAVE25DLG_1D_ELR", 941,
                   {any_length_range(138, f, text(942)), check(141, text(943)),
                    check(142, text(944)), check(143, text(945))}),
        elr_member("DISCRETE25DLG_1D_ELR", 931, {any_length_range(145, f, text(932))}),
        elr_member(
            "CODABARDLG_1D_ELR", 921,
            {any_length_range(149, f, text(922)), check(152, text(923)), check(153, text(924))}),
        elr_member("MSIDLG_1D_ELR", 961,
                   {any_length_range(155, f, text(962)), list(158, text(963), 2061, 2),
                    check(159, text(964)), list(160, text(965), 2081, 2)}),
        elr_member("RSS14DLG_1D_ELR", 951, {check(164, text(952))}),
        {"EAN128DLG_1D_ELR", f, literal("GS1-128 (EAN 128) Parameters"), {character(728)}},
    };
}

// Each member's block of language texts. The 1D and ELR blocks hold OK and Cancel after the
// captions; the 2D blocks hold the title and the captions only. GS1-128 is one dialog for the 2D
// and the ELR reader and shares its block.
struct TextBlock {
    std::string_view member;
    int first_text;
    bool buttons;
};
constexpr TextBlock kTextBlocks[] = {
    {"CODE39DLG_1D", 651, true},         {"ITALYPHARMADLG_1D", 661, true},
    {"FRENCHPHARMADLG_1D", 671, true},   {"DISCRETE25DLG_1D", 681, true},
    {"INTERLEAVE25DLG_1D", 701, true},   {"MATRIX25DLG_1D", 721, true},
    {"CODABARDLG_1D", 741, true},        {"MSIDLG_1D", 751, true},
    {"PLESSEYDLG_1D", 771, true},        {"UPCEDLG_1D", 781, true},
    {"EAN8DLG_1D", 791, true},           {"EAN13DLG_1D", 801, true},
    {"TELEPENDLG_1D", 811, true},        {"RSS14DLG_1D", 821, true},
    {"RSSLIMITEDDLG_1D", 831, true},     {"RSSEXPANDEDDLG_1D", 841, true},
    {"EAN128DLG_1D", 851, true},         {"UPCADLG_1D_ELR", 861, true},
    {"UPCEDLG_1D_ELR", 871, true},       {"UPCE1DLG_1D_ELR", 881, true},
    {"EAN8DLG_1D_ELR", 891, true},       {"CODE39DLG_1D_ELR", 901, true},
    {"CODE93DLG_1D_ELR", 911, true},     {"CODABARDLG_1D_ELR", 921, true},
    {"DISCRETE25DLG_1D_ELR", 931, true}, {"INTERLEAVE25DLG_1D_ELR", 941, true},
    {"RSS14DLG_1D_ELR", 951, true},      {"MSIDLG_1D_ELR", 961, true},
    {"UPCADLG_2D", 971, false},          {"UPCEDLG_2D", 981, false},
    {"UPCE1DLG_2D", 991, false},         {"EAN8DLG_2D", 1001, false},
    {"CODE39DLG_2D", 1011, false},       {"EAN13DLG_2D_4507", 1021, false},
    {"EAN128DLG_2D", 1031, false},       {"EAN128DLG_1D_ELR", 1031, false},
    {"ISBTDLG_2D", 1041, false},         {"CODE93DLG_2D", 1051, false},
    {"CODE11DLG_2D", 1061, false},       {"INTERLEAVE25DLG_2D", 1071, false},
    {"DISCRETE25DLG_2D", 1081, false},   {"CODABARDLG_2D", 1091, false},
    {"MSIDLG_2D", 1101, false},          {"MATRIX25_2D_4507", 1111, false},
    {"RSS14DLG_2D", 1121, false},        {"POSTALDLG_2D", 1131, false},
    {"COMPOSITEDLG_2D", 1141, false},    {"MACROPDFDLG_2D", 1151, false},
    {"SYMBOLOGIESDLG_2D", 1211, false},
};

std::vector<Member> all_members() {
    std::vector<Member> all = one_d_members();
    for (auto* part : {two_d_members, elr_members}) {
        std::vector<Member> more = part();
        all.insert(all.end(), std::make_move_iterator(more.begin()),
                   std::make_move_iterator(more.end()));
    }
    for (Member& member : all) {
        for (const TextBlock& block : kTextBlocks) {
            if (block.member != member.name) continue;
            member.first_text = block.first_text;
            member.buttons_in_block = block.buttons;
        }
    }
    return all;
}

}  // namespace

std::span<const Member> members() {
    static const std::vector<Member> table = all_members();
    return table;
}

const Member* find_member(std::string_view name) {
    const auto table = members();
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const Member& m) { return m.name == name; });
    return it == table.end() ? nullptr : &*it;
}

std::optional<std::size_t> binding_of(const Member& member, std::size_t byte) {
    const auto found = std::find_if(member.bindings.begin(), member.bindings.end(),
                                    [byte](const Binding& b) { return b.byte == byte; });
    if (found == member.bindings.end()) return std::nullopt;
    return static_cast<std::size_t>(found - member.bindings.begin());
}

std::vector<int> captioned_controls(const Member& member) {
    std::vector<int> ids;
    for (std::size_t i = 0; i < member.bindings.size(); ++i) {
        const Binding& b = member.bindings[i];
        switch (b.kind) {
            case BindingKind::Check:
                ids.push_back(control_id(i, kMain));
                break;
            case BindingKind::Radio:
            case BindingKind::FixedOrMaxMin:
                ids.push_back(control_id(i, kMain));
                for (std::size_t c = 0; c < b.choices.size(); ++c) {
                    ids.push_back(control_id(i, kFirstChoice + static_cast<int>(c)));
                }
                break;
            case BindingKind::List:
            case BindingKind::Number:
            case BindingKind::Character:
            case BindingKind::AnyLengthRange:
                ids.push_back(control_id(i, kLabel));
                break;
        }
    }
    return ids;
}

int min_length(Family family) {
    return family == Family::OneD ? 1 : 0;
}

int max_length(Family family) {
    return family == Family::TwoD ? 55 : 127;
}

int first_length_label(Family family, bool max_min_or_range) {
    switch (family) {
        case Family::OneD:
            return max_min_or_range ? 411 : 413;
        case Family::TwoD:
            return max_min_or_range ? 571 : 573;
        case Family::Elr:
            return max_min_or_range ? 491 : 493;
    }
    return 0;
}

int second_length_label(Family family, bool max_min_or_range) {
    return first_length_label(family, max_min_or_range) + 1;
}

}  // namespace tc::symbology
