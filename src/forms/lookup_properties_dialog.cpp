#include "forms/lookup_properties_dialog.h"

#include <algorithm>

#include "forms/form_list_items.h"
#include "forms/length_input.h"
#include "resources/form_dialog_layouts.h"
#include "ui/host.h"

namespace tc {
namespace {

using namespace resources::lookup_properties_ids;

constexpr int kTitleText = 221;

constexpr FormDialog::LanguageCaption kLanguageCaptions[] = {
    {kFormLabel, 222},   {kLineLabel, 223},   {kSaveFieldCheck, 224}, {kFixedLengthCheck, 225},
    {kPrefixCheck, 227}, {kSuffixCheck, 228}, {ui::kIdOk, 229},       {ui::kIdCancel, 230},
};

// On a "lookup" line `initial_on` is "Save field data".
struct LineCheck {
    int id;
    PerLine<kFormLines> FormRecord::*field;
};
constexpr LineCheck kLineChecks[] = {
    {kSaveFieldCheck, &FormRecord::initial_on},
    {kFixedLengthCheck, &FormRecord::fixed_length_on},
    {kPrefixCheck, &FormRecord::prefix_on},
    {kSuffixCheck, &FormRecord::suffix_on},
};

}  // namespace

LookupPropertiesDialog::LookupPropertiesDialog(const LineDialogContext& context)
    : FormDialog(resources::lookup_properties_dialog_layout(), context.form, context.texts),
      line_(context.line),
      form_number_(context.form_number),
      line_number_(context.line_number),
      prefix_field_(kPrefixField, shell::CodeFieldRole::PrefixSuffix, prefix_codes_),
      suffix_field_(kSuffixField, shell::CodeFieldRole::PrefixSuffix, suffix_codes_) {}

void LookupPropertiesDialog::on_created() {
    relabel(kTitleText, kLanguageCaptions);
    set_text(kFormNumber, form_number_);
    set_text(kLineNumber, line_number_);
    take_backup();
    for (const LineCheck& check : kLineChecks) {
        set_checked(check.id, (form_.*check.field)[line_] != 0);
    }
    set_text(kFixedLengthEdit, std::to_string(split_length(form_.fixed_length_high[line_],
                                                           form_.fixed_length_low[line_])));
    set_items(kAlignmentList, form_items::alignment_items());
    set_selection(kAlignmentList, form_.alignment[line_]);
    load_codes(form_.prefix[line_], prefix_codes_);
    load_codes(form_.suffix[line_], suffix_codes_);
    set_text(kPrefixField, prefix_field_.text());
    set_text(kSuffixField, suffix_field_.text());
    update_enabling();
}

// Clearing "Save field data" keeps the stored flags below it but disables their fields.
void LookupPropertiesDialog::update_enabling() {
    const bool save = checked(kSaveFieldCheck);
    for (const int id : {kFixedLengthCheck, kPrefixCheck, kSuffixCheck}) enable(id, save);
    const bool fixed = save && checked(kFixedLengthCheck);
    enable(kFixedLengthEdit, fixed);
    enable(kAlignmentList, fixed);
    enable(kPrefixField, save && checked(kPrefixCheck));
    enable(kSuffixField, save && checked(kSuffixCheck));
}

void LookupPropertiesDialog::on_command(int id) {
    if (id == kPrefixField) return set_text(id, prefix_field_.pick(host(), texts_));
    if (id == kSuffixField) return set_text(id, suffix_field_.pick(host(), texts_));
    const auto check = std::find_if(std::begin(kLineChecks), std::end(kLineChecks),
                                    [id](const LineCheck& c) { return c.id == id; });
    if (check == std::end(kLineChecks)) return;
    toggle(id);
    (form_.*check->field)[line_] = checked(id);
    update_enabling();
}

void LookupPropertiesDialog::on_edit_changed(int id) {
    if (id != kFixedLengthEdit) return;
    const LengthInput input = read_length(text(id), kMaxLineLength);
    if (input.rewrite) return set_text(id, *input.rewrite);
    form_.fixed_length_low[line_] = static_cast<Byte>(input.value);
    form_.fixed_length_high[line_] = 0;
}

// The alignment list is the dialog's only list, and a person's choice is always an item.
void LookupPropertiesDialog::on_selection_changed(int id) {
    form_.alignment[line_] = static_cast<Byte>(selection(id));
}

bool LookupPropertiesDialog::on_ok() {
    form_.input_mark[line_] = 0;
    store_codes(prefix_codes_, form_.prefix[line_]);
    store_codes(suffix_codes_, form_.suffix[line_]);
    return true;
}

}  // namespace tc
