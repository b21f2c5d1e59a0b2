#include "forms/time_stamp_dialog.h"

#include "forms/form_list_items.h"
#include "forms/form_page_state.h"
#include "forms/stamp_patterns.h"
#include "resources/form_dialog_layouts.h"
#include "ui/host.h"

namespace tc {
namespace {

using namespace resources::time_stamp_ids;

constexpr int kTitleText = 141;
constexpr int kDateFormatText = 144;
constexpr int kTimeFormatText = 150;

constexpr FormDialog::LanguageCaption kLanguageCaptions[] = {
    {kPositionLabel, 142},  {kSplitCheck, 143},         {kYearCheck, 145},
    {kMonthCheck, 146},     {kDayCheck, 147},           {kDateSeparatorCheck, 148},
    {kDateStyleLabel, 149}, {kHourCheck, 151},          {kMinuteCheck, 152},
    {kSecondCheck, 153},    {kTimeSeparatorCheck, 154}, {ui::kIdOk, 155},
    {ui::kIdCancel, 156},
};

// The check boxes and the record bytes they store.
struct StampCheck {
    int id;
    Byte FormRecord::*field;
};
constexpr StampCheck kChecks[] = {
    {kSplitCheck, &FormRecord::stamp_split},
    {kYearCheck, &FormRecord::date_year},
    {kMonthCheck, &FormRecord::date_month},
    {kDayCheck, &FormRecord::date_day},
    {kDateSeparatorCheck, &FormRecord::date_separator_on},
    {kHourCheck, &FormRecord::time_hour},
    {kMinuteCheck, &FormRecord::time_minute},
    {kSecondCheck, &FormRecord::time_second},
    {kTimeSeparatorCheck, &FormRecord::time_separator_on},
};

}  // namespace

TimeStampDialog::TimeStampDialog(FormRecord& form, const texts::ProgramTexts& texts)
    : FormDialog(resources::time_stamp_dialog_layout(), form, texts) {}

void TimeStampDialog::on_created() {
    relabel(kTitleText, kLanguageCaptions);
    take_backup();
    set_items(kPositionList, form_items::stamp_position_items());
    set_selection(kPositionList, form_.stamp_position);
    set_items(kYearDigitsList, form_items::year_digits_items());
    set_selection(kYearDigitsList, form_.year_digits);
    set_items(kDateStyleList, form_items::date_style_items());
    set_selection(kDateStyleList, form_.date_style);
    for (const StampCheck& check : kChecks) set_checked(check.id, form_.*check.field != 0);
    set_text(kDateSeparatorEdit, slot_text(form_.date_separator));
    set_text(kTimeSeparatorEdit, slot_text(form_.time_separator));
    show_date_pattern();
    show_time_pattern();
}

void TimeStampDialog::show_date_pattern() {
    set_text(kDateGroup, caption_text(texts_, kDateFormatText) + date_pattern(form_));
}

void TimeStampDialog::show_time_pattern() {
    set_text(kTimeGroup, caption_text(texts_, kTimeFormatText) + time_pattern(form_));
}

void TimeStampDialog::on_command(int id) {
    for (const StampCheck& check : kChecks) {
        if (check.id != id) continue;
        toggle(id);
        form_.*check.field = checked(id);
        if (id == kSplitCheck) return;
        show_date_pattern();
        show_time_pattern();
        return;
    }
}

void TimeStampDialog::on_edit_changed(int id) {
    if (id != kDateSeparatorEdit && id != kTimeSeparatorEdit) return;
    const std::optional<Byte> separator = single_character(id);
    if (!separator) return;
    const char stored[] = {static_cast<char>(*separator), '\0'};
    if (id == kDateSeparatorEdit) {
        store_text(form_.date_separator, stored);
        show_date_pattern();
    } else {
        store_text(form_.time_separator, stored);
        show_time_pattern();
    }
}

void TimeStampDialog::on_selection_changed(int id) {
    const int chosen = selection(id);
    if (chosen < 0) return;
    const auto value = static_cast<Byte>(chosen);
    if (id == kPositionList) {
        form_.stamp_position = value;
    } else if (id == kYearDigitsList) {
        form_.year_digits = value;
        show_date_pattern();
    } else if (id == kDateStyleList) {
        form_.date_style = value;
        show_date_pattern();
    }
}

}  // namespace tc
