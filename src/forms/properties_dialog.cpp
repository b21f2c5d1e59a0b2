#include "forms/properties_dialog.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

#include "forms/form_list_items.h"
#include "forms/length_input.h"
#include "forms/line_codes.h"
#include "resources/form_dialog_layouts.h"
#include "ui/host.h"

namespace tc {
namespace {

using namespace resources::properties_ids;

constexpr int kTitleText = 191;
constexpr int kInitialValueText = 196;
constexpr std::size_t kLeadingCodeLength = 10;
constexpr Byte kAutoEnterNo = 0;
constexpr Byte kAutoEnterScanEnter = 1;
constexpr Byte kAutoEnterEnterScan = 2;

constexpr FormDialog::LanguageCaption kLanguageCaptions[] = {
    {kFormLabel, 192},       {kLineLabel, 193},          {kFixedLengthCheck, 194},
    {kInitialCheck, 196},    {kPrefixCheck, 197},        {kSuffixCheck, 198},
    {kInputMarkCheck, 199},  {kDecimalLabel, 200},       {kPartialCheck, 202},
    {kStartLabel, 203},      {kPartialLengthLabel, 204}, {kLeadingCodeCheck, 205},
    {kCheckDigitCheck, 206}, {kAutoEnterLabel, 207},     {ui::kIdOk, 208},
    {ui::kIdCancel, 209},
};

// The check boxes that store a flag of the line and nothing more.
struct LineCheck {
    int id;
    PerLine<kFormLines> FormRecord::*field;
};
constexpr LineCheck kLineChecks[] = {
    {kFixedLengthCheck, &FormRecord::fixed_length_on},
    {kInitialCheck, &FormRecord::initial_on},
    {kPrefixCheck, &FormRecord::prefix_on},
    {kSuffixCheck, &FormRecord::suffix_on},
    {kPartialCheck, &FormRecord::partial_on},
    {kLeadingCodeCheck, &FormRecord::leading_code_on},
};

bool is_digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool is_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::size_t initial_text_limit(Byte type) {
    if (type == kTypeBoolean) return 1;
    if (type == kTypeImage) return 160;
    return 10;
}

std::string filter_initial_text(Byte type, std::string_view text) {
    std::string kept;
    switch (type) {
        case kTypeInteger:
            std::copy_if(text.begin(), text.end(), std::back_inserter(kept), is_digit);
            return kept;
        case kTypeReal:
        case kTypeAuto: {
            const bool lone_point = std::count(text.begin(), text.end(), '.') == 1;
            std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                         [lone_point](char c) { return is_digit(c) || (lone_point && c == '.'); });
            return kept;
        }
        case kTypeBoolean: {
            constexpr std::string_view kBooleans = "10TFtfYNyn";
            if (!text.empty() && kBooleans.find(text.front()) != std::string_view::npos) {
                kept.push_back(text.front());
            }
            return kept;
        }
        case kTypeAlphameric:
            for (const char c : text) {
                if (!is_digit(c) && !is_letter(c)) break;
                kept += c;
            }
            return kept;
        case kTypeLetter:
            for (const char c : text) {
                if (!is_letter(c)) break;
                kept += c;
            }
            return kept;
        default:
            return std::string(text);
    }
}

bool rewrites_initial_text(Byte type) {
    return type == kTypeInteger || type == kTypeBoolean || type == kTypeAlphameric ||
           type == kTypeLetter;
}

PropertiesDialog::PropertiesDialog(const LineDialogContext& context, int start_position_limit)
    : FormDialog(resources::properties_dialog_layout(), context.form, context.texts),
      line_(context.line),
      show_input_mark_(context.show_input_mark),
      form_number_(context.form_number),
      line_number_(context.line_number),
      start_position_limit_(start_position_limit),
      prefix_field_(kPrefixField, shell::CodeFieldRole::PrefixSuffix, prefix_codes_),
      suffix_field_(kSuffixField, shell::CodeFieldRole::PrefixSuffix, suffix_codes_) {}

void PropertiesDialog::on_created() {
    relabel(kTitleText, kLanguageCaptions);
    set_text(kFormNumber, form_number_);
    set_text(kLineNumber, line_number_);
    take_backup();
    show_input_mark_on_opening_ = show_input_mark_;
    show_input_mark_ = form_.input_mark[line_] != 0;
    set_items(kAlignmentList, form_items::alignment_items());
    set_items(kDecimalList, form_items::decimal_places_items());
    set_items(kCheckDigitList, form_items::check_digit_items());
    set_items(kAutoEnterList, form_items::auto_enter_items());
    show_fixed_length();
    show_initial_value();
    show_codes();
    show_input_mark();
    set_selection(kDecimalList, form_.decimal_places[line_]);
    show_barcode_options();
    update_enabling();
}

bool PropertiesDialog::barcode_input() const {
    return type() != kTypeFixedData && type() != kTypeImage && type() != kTypeMsqi;
}

void PropertiesDialog::show_fixed_length() {
    const bool large = type() == kTypeLargeData;
    set_checked(kFixedLengthCheck, form_.fixed_length_on[line_] != 0);
    set_text_limit(kFixedLengthEdit, large ? 4 : 3);
    const int length =
        large ? split_length(form_.fixed_length_high[line_], form_.fixed_length_low[line_])
              : form_.fixed_length_low[line_];
    set_text(kFixedLengthEdit, std::to_string(length));
    set_selection(kAlignmentList, form_.alignment[line_]);
}

void PropertiesDialog::show_initial_value() {
    set_text(kInitialCheck, caption_text(texts_, kInitialValueText));
    set_checked(kInitialCheck, form_.initial_on[line_] != 0);
    set_text_limit(kInitialEdit, initial_text_limit(type()));
    set_text(kInitialEdit, slot_text(form_.initial_text[line_]));
}

void PropertiesDialog::show_codes() {
    load_codes(form_.prefix[line_], prefix_codes_);
    load_codes(form_.suffix[line_], suffix_codes_);
    set_checked(kPrefixCheck, form_.prefix_on[line_] != 0);
    set_checked(kSuffixCheck, form_.suffix_on[line_] != 0);
    set_text(kPrefixField, prefix_field_.text());
    set_text(kSuffixField, suffix_field_.text());
}

void PropertiesDialog::show_input_mark() {
    set_checked(kInputMarkCheck, show_input_mark_);
    const Byte mark = form_.input_mark[line_];
    set_text(kInputMarkEdit, mark == 0 ? std::string() : std::string{static_cast<char>(mark)});
}

void PropertiesDialog::show_barcode_options() {
    FormRecord& f = form_;
    if (type() != kTypeMsqi) fit_partial_reading();
    // Some lines fix how ENTER follows a scan.
    if (type() == kTypeMsqi) f.auto_enter[line_] = kAutoEnterEnterScan;
    if (type() == kTypeLargeData || (type() == kTypeText && f.msqi_enabled != 0)) {
        f.auto_enter[line_] = kAutoEnterScanEnter;
    }
    if (type() == kTypeReadFrom2D) f.auto_enter[line_] = kAutoEnterNo;
    set_checked(kPartialCheck, f.partial_on[line_] != 0);
    set_text(kStartEdit,
             std::to_string(split_length(f.partial_start_high[line_], f.partial_start_low[line_])));
    set_text(kPartialLengthEdit, std::to_string(f.partial_length[line_]));
    set_checked(kLeadingCodeCheck, f.leading_code_on[line_] != 0);
    set_text(kLeadingCodeEdit, slot_text(f.leading_code[line_]));
    set_checked(kCheckDigitCheck, f.check_digit[line_] != 0);
    set_selection(kCheckDigitList, f.check_digit[line_] == 0 ? 0 : f.check_digit[line_] - 1);
    set_selection(kAutoEnterList, f.auto_enter[line_]);
}

void PropertiesDialog::update_enabling() {
    const Byte t = type();
    const bool fixed = checked(kFixedLengthCheck);
    enable(kFixedLengthEdit, fixed);
    enable(kAlignmentList, fixed);

    const bool initial = t != kTypeFixedData && !(t == kTypeMsqi && form_.link[line_] != 0);
    enable(kInitialCheck, initial);
    enable(kInitialEdit, initial && checked(kInitialCheck));

    const bool codes = t != kTypeMsqi;
    enable(kPrefixCheck, codes);
    enable(kPrefixField, codes && checked(kPrefixCheck));
    enable(kSuffixCheck, codes);
    enable(kSuffixField, codes && checked(kSuffixCheck));

    const bool mark = t != kTypeFixedData;
    enable(kInputMarkCheck, mark);
    enable(kInputMarkEdit, mark && checked(kInputMarkCheck));

    enable(kDecimalLabel, t == kTypeReal);
    enable(kDecimalList, t == kTypeReal);

    const bool active = barcode_input();
    enable(kBarcodeGroup, active);
    enable(kPartialCheck, active && t != kTypeReadFrom2D);
    const bool partial = active && form_.partial_on[line_] != 0;
    for (const int id : {kStartLabel, kStartEdit, kPartialLengthLabel, kPartialLengthEdit}) {
        enable(id, partial);
    }
    enable(kLeadingCodeCheck, active);
    enable(kLeadingCodeEdit, active && checked(kLeadingCodeCheck));
    enable(kCheckDigitCheck, active);
    enable(kCheckDigitList, active && form_.check_digit[line_] != 0);
    const bool auto_enter = active && t != kTypeLargeData && t != kTypeReadFrom2D &&
                            !(t == kTypeText && form_.msqi_enabled != 0);
    enable(kAutoEnterLabel, auto_enter);
    enable(kAutoEnterList, auto_enter);
}

void PropertiesDialog::on_command(int id) {
    if (id == kPrefixField) return set_text(id, prefix_field_.pick(host(), texts_));
    if (id == kSuffixField) return set_text(id, suffix_field_.pick(host(), texts_));
    if (id == kInputMarkCheck) {
        toggle(id);
        show_input_mark_ = checked(id);
    } else if (id == kCheckDigitCheck) {
        toggle(id);
        form_.check_digit[line_] = checked(id) ? 1 : 0;
        if (checked(id)) set_selection(kCheckDigitList, 0);
    } else {
        const auto check = std::find_if(std::begin(kLineChecks), std::end(kLineChecks),
                                        [id](const LineCheck& c) { return c.id == id; });
        if (check == std::end(kLineChecks)) return;
        toggle(id);
        (form_.*check->field)[line_] = checked(id);
    }
    update_enabling();
}

void PropertiesDialog::on_edit_changed(int id) {
    switch (id) {
        case kFixedLengthEdit:
            return fixed_length_changed();
        case kInitialEdit:
            return initial_text_changed();
        case kInputMarkEdit:
            if (const std::optional<Byte> mark = single_character(id))
                form_.input_mark[line_] = *mark;
            return;
        case kStartEdit:
            return start_position_changed();
        case kPartialLengthEdit:
            return partial_length_changed();
        case kLeadingCodeEdit:
            store_text(form_.leading_code[line_], text(id).substr(0, kLeadingCodeLength));
            return;
        default:
            return;
    }
}

void PropertiesDialog::fixed_length_changed() {
    const int limit = type() == kTypeLargeData ? kMaxLargeDataLength : kMaxLineLength;
    const LengthInput input = read_length(text(kFixedLengthEdit), limit);
    if (input.rewrite) return set_text(kFixedLengthEdit, *input.rewrite);
    store_split_length(input.value, form_.fixed_length_high[line_], form_.fixed_length_low[line_]);
}

// Real and auto(+/-) lines store the filtered value but leave the edit as typed.
void PropertiesDialog::initial_text_changed() {
    const std::string shown = text(kInitialEdit);
    const std::string kept =
        filter_initial_text(type(), std::string_view(shown).substr(0, initial_text_limit(type())));
    store_text(form_.initial_text[line_], kept);
    if (rewrites_initial_text(type()) && kept != shown) set_text(kInitialEdit, kept);
}

void PropertiesDialog::start_position_changed() {
    const LengthInput input = read_length(text(kStartEdit), start_position_limit_);
    if (input.rewrite) return set_text(kStartEdit, *input.rewrite);
    store_split_length(input.value, form_.partial_start_high[line_],
                       form_.partial_start_low[line_]);
}

void PropertiesDialog::partial_length_changed() {
    const LengthInput input = read_length(text(kPartialLengthEdit), kMaxLineLength);
    if (input.rewrite) return set_text(kPartialLengthEdit, *input.rewrite);
    form_.partial_length[line_] = static_cast<Byte>(input.value);
}

void PropertiesDialog::on_selection_changed(int id) {
    const int chosen = selection(id);
    if (chosen < 0) return;
    const auto item = static_cast<Byte>(chosen);
    if (id == kAlignmentList) form_.alignment[line_] = item;
    if (id == kDecimalList) form_.decimal_places[line_] = item;
    if (id == kAutoEnterList) form_.auto_enter[line_] = item;
    if (id == kCheckDigitList) form_.check_digit[line_] = static_cast<Byte>(item + 1);
}

// A start of 0 becomes 1; a length of 0, or one longer than a line, the line's length.
void PropertiesDialog::fit_partial_reading() {
    FormRecord& f = form_;
    if (split_length(f.partial_start_high[line_], f.partial_start_low[line_]) == 0) {
        f.partial_start_low[line_] = 1;
    }
    Byte& length = f.partial_length[line_];
    length = length == 0 ? kMaxLineLength : std::min<Byte>(length, kMaxLineLength);
}

bool PropertiesDialog::on_ok() {
    FormRecord& f = form_;
    if (!show_input_mark_) f.input_mark[line_] = 0;
    fit_partial_reading();
    store_codes(prefix_codes_, f.prefix[line_]);
    store_codes(suffix_codes_, f.suffix[line_]);
    return true;
}

void PropertiesDialog::on_cancel() {
    restore_backup();
    show_input_mark_ = show_input_mark_on_opening_;
}

}  // namespace tc
