#include "lookups/lookup_page.h"

#include <string>
#include <utility>
#include <vector>

#include "forms/derive_before_save.h"
#include "lookups/number_edit.h"
#include "resources/menu_lookup_settings_layouts.h"
#include "texts/message_box.h"

namespace tc {
namespace {

constexpr int kMaxFieldCount = 12;
constexpr int kMaxDelimiter = 255;
constexpr int kMaxFieldLength = 160;
constexpr int kCarriageReturn = 13;
constexpr int kComma = 44;
constexpr std::size_t kDelimiterDigits = 3;
constexpr std::size_t kExportNameLength = 20;
constexpr std::size_t kFieldNameLength = 50;
constexpr std::size_t kLengthDigits = 4;

constexpr int kNoMatchTexts = 1701;  // "Continue" ... "Show warning & clear screen"
constexpr int kNoMatchCount = 6;
constexpr int kBadFormatTexts = 1721;  // "Stop the import process" ... "Skip the record"
constexpr int kBadFormatCount = 3;
constexpr int kDataTypeTexts = 1731;  // "text" ... "image"
constexpr int kDataTypeCount = 6;
constexpr int kInvalidValueText = 2854;
constexpr int kLengthText = 293;
constexpr int kMaxLengthText = 294;

// The static controls and the language texts that relabel them.
constexpr std::pair<int, int> kLanguageLabels[] = {
    {LookupPage::kIdLabel, 281},
    {LookupPage::kFieldCountLabel, 282},
    {LookupPage::kFieldPropertyGroup, 283},
    {LookupPage::kFixedLengthRadio, 284},
    {LookupPage::kDelimiterRadio, 285},
    {LookupPage::kExportRenameCheck, 286},
    {LookupPage::kBadFormatLabel, 287},
    {LookupPage::kNoMatchLabel, 288},
    {LookupPage::kFieldLabel, 289},
    {LookupPage::kFieldNameLabel, 290},
    {LookupPage::kKeyFieldLabel, 291},
    {LookupPage::kResetButton, 292},
    {LookupPage::kDataTypeLabel, 295},
    {LookupPage::kAutoExportCheck, 313},
    {LookupPage::kSaveModeLabel, 314},
    {LookupPage::kOverwriteRadio, 315},
    {LookupPage::kAppendRadio, 316},
    {LookupPage::kAutoDeleteCheck, 320},
};

std::vector<std::string> program_texts(const texts::ProgramTexts& texts, int first, int count) {
    std::vector<std::string> items;
    for (int id = first; id < first + count; ++id) items.push_back(texts.load_program_text(id));
    return items;
}

// The field (1-12) whose control `id` is, with `column` the identifier function of its column;
// 0 when it is none of them.
int field_of(int id, int (*column)(int)) {
    const int field = id - column(0);
    return field >= 1 && field <= LookupPage::kShownFields ? field : 0;
}

std::size_t index_of(int field) {
    return static_cast<std::size_t>(field - 1);
}

}  // namespace

LookupPage::LookupPage(DesignDocument& document, const texts::ProgramTexts& texts)
    : ui::Page(resources::lookup_page_layout()), document_(document), texts_(texts) {}

void LookupPage::on_created() {
    if (texts_.language_active()) relabel();
    current_ = 0;
    lookups_ = document_.lookups;
    document_.lookups_working = document_.lookups;
    drop_carriage_return_delimiters();
    fill_lists();
    show_lookup();
}

// A delimiter read from a damaged file as carriage return is refused once, for all Lookups, and
// becomes 0.
void LookupPage::drop_carriage_return_delimiters() {
    bool refused = false;
    for (LookupRecord& lookup : lookups_) {
        if (lookup.delimiter != kCarriageReturn) continue;
        lookup.delimiter = 0;
        refused = true;
    }
    if (refused) refuse_delimiter();
}

void LookupPage::refuse_delimiter() {
    texts::text_message_box(texts_, host(), texts::kTitleWarning, kInvalidValueText,
                            texts::kWarningStyle);
}

// The Form page reads the field counts and key fields of the working copy while the sheet is open.
void LookupPage::on_hidden() {
    document_.lookups_working = lookups_;
}

void LookupPage::relabel() {
    for (const auto& [id, text_id] : kLanguageLabels) set_text(id, texts_.language_entry(text_id));
}

void LookupPage::fill_lists() {
    set_items(kLookupList, program_texts(texts_, kLookupExportNameText, kLookupCount));
    std::vector<std::string> counts;
    for (int count = 0; count <= kMaxFieldCount; ++count)
        counts.push_back(" " + std::to_string(count));
    set_items(kFieldCountList, std::move(counts));
    set_items(kBadFormatList, program_texts(texts_, kBadFormatTexts, kBadFormatCount));
    set_items(kNoMatchList, program_texts(texts_, kNoMatchTexts, kNoMatchCount));
    const std::vector<std::string> types = program_texts(texts_, kDataTypeTexts, kDataTypeCount);
    for (int field = 1; field <= kShownFields; ++field) set_items(field_type_list(field), types);
}

// Setting the edits runs their change handling, which stores what they show: a stored length
// above 160, for one, is shown and stored as 160.
void LookupPage::show_lookup() {
    set_selection(kLookupList, static_cast<int>(current_));
    set_selection(kFieldCountList, lookup().field_count);

    const bool delimited = lookup().delimiter != 0;
    show_delimiter_kind(delimited);
    set_text_limit(kDelimiterEdit, kDelimiterDigits);
    set_text(kDelimiterEdit, std::to_string(lookup().delimiter));
    enable(kDelimiterEdit, delimited);

    set_selection(kBadFormatList, lookup().bad_format_action);
    set_selection(kNoMatchList, lookup().no_match_action);

    set_checked(kExportRenameCheck, lookup().export_rename != 0);
    set_text_limit(kExportNameEdit, kExportNameLength);
    set_text(kExportNameEdit, slot_text(lookup().export_name));
    enable(kExportNameEdit, lookup().export_rename != 0);
    if (lookup().export_rename != 0) on_focus_lost(kExportNameEdit);

    drop_unused_fields();
    for (int field = 1; field <= kShownFields; ++field) show_field(field);
    select_key_field(lookup().key_field + 1);
    enable_fields();

    const bool auto_export = lookup().auto_export != 0;
    set_checked(kAutoExportCheck, auto_export);
    for (const int id : {kSaveModeLabel, kOverwriteRadio, kAppendRadio}) enable(id, auto_export);
    set_checked(kOverwriteRadio, lookup().save_mode == 0);
    set_checked(kAppendRadio, lookup().save_mode != 0);
    set_checked(kAutoDeleteCheck, lookup().auto_delete != 0);
}

void LookupPage::show_field(int field) {
    const std::size_t index = index_of(field);
    set_selection(field_type_list(field), lookup().field_type[index]);
    set_text_limit(field_name_edit(field), kFieldNameLength);
    set_text(field_name_edit(field), slot_text(lookup().field_name[index]));
    const int length =
        lookup().field_length_low[index] + kMaxFieldLength * lookup().field_length_high[index];
    set_text_limit(field_length_edit(field), kLengthDigits);
    set_text(field_length_edit(field), std::to_string(length));
}

// The fields beyond the field count are cleared, as confirming the page clears them, so that the
// disabled rows show what is stored.
void LookupPage::drop_unused_fields() {
    for (int field = lookup().field_count + 1; field <= kShownFields; ++field) {
        const std::size_t index = index_of(field);
        lookup().field_type[index] = 0;
        clear_slot(lookup().field_name[index]);
        lookup().field_length_low[index] = 0;
        lookup().field_length_high[index] = 0;
    }
}

void LookupPage::enable_fields() {
    for (int field = 1; field <= kShownFields; ++field) {
        const bool used = field <= lookup().field_count;
        for (const int id : {field_type_list(field), field_name_edit(field),
                             field_length_edit(field), key_field_radio(field)}) {
            enable(id, used);
        }
    }
}

void LookupPage::select_key_field(int field) {
    for (int row = 1; row <= kShownFields; ++row) set_checked(key_field_radio(row), row == field);
}

// Selects the radio button of the record kind and names the length column after it.
void LookupPage::show_delimiter_kind(bool delimited) {
    set_checked(kFixedLengthRadio, !delimited);
    set_checked(kDelimiterRadio, delimited);
    if (texts_.language_active()) {
        set_text(kLengthLabel, texts_.language_entry(delimited ? kMaxLengthText : kLengthText));
    } else {
        set_text(kLengthLabel, delimited ? "Max length" : "Length");
    }
}

void LookupPage::on_command(int id) {
    switch (id) {
        case kFixedLengthRadio:
            show_delimiter_kind(false);
            set_text(kDelimiterEdit, "0");  // which the edit stores as the delimiter
            enable(kDelimiterEdit, false);
            return;
        case kDelimiterRadio:
            show_delimiter_kind(true);
            lookup().delimiter =
                static_cast<Byte>(check_number(text(kDelimiterEdit), 0, kMaxDelimiter).value);
            // A delimited file needs a delimiter: the comma until the user types another.
            if (lookup().delimiter == 0) set_text(kDelimiterEdit, std::to_string(kComma));
            enable(kDelimiterEdit, true);
            return;
        case kExportRenameCheck:
            toggle(id);
            lookup().export_rename = checked(id);
            enable(kExportNameEdit, checked(id));
            if (checked(id)) on_focus_lost(kExportNameEdit);
            return;
        case kAutoExportCheck:
            toggle(id);
            lookup().auto_export = checked(id);
            for (const int mode : {kSaveModeLabel, kOverwriteRadio, kAppendRadio}) {
                enable(mode, checked(id));
            }
            return;
        case kAutoDeleteCheck:
            toggle(id);
            lookup().auto_delete = checked(id);
            return;
        case kOverwriteRadio:
        case kAppendRadio:
            set_checked(kOverwriteRadio, id == kOverwriteRadio);
            set_checked(kAppendRadio, id == kAppendRadio);
            lookup().save_mode = id == kAppendRadio ? 1 : 0;
            return;
        case kResetButton:
            reset_lookup(lookup(), static_cast<int>(current_), texts_);
            show_lookup();
            return;
        default:
            break;
    }
    if (const int field = field_of(id, key_field_radio)) {
        select_key_field(field);
        lookup().key_field = static_cast<Byte>(field - 1);
    }
}

void LookupPage::on_edit_changed(int id) {
    if (id == kDelimiterEdit) {
        delimiter_changed();
    } else if (id == kExportNameEdit) {
        store_text(lookup().export_name, text_within(id, kExportNameLength));
    } else if (const int named = field_of(id, field_name_edit)) {
        store_text(lookup().field_name[index_of(named)], text_within(id, kFieldNameLength));
    } else if (const int measured = field_of(id, field_length_edit)) {
        length_changed(measured);
    }
}

// The edit's text as its slot holds it. A longer text (from a damaged file) is cut in the edit as
// well, so that the edit shows what is stored.
std::string LookupPage::text_within(int id, std::size_t limit) {
    std::string cut = text(id).substr(0, limit);
    if (cut != text(id)) set_text(id, cut);
    return cut;
}

// Carriage return separates the records themselves, so it cannot separate fields, and a delimited
// file has no delimiter 0 (the record would read as fixed-length): both are refused and the current
// delimiter is put back. The stored delimiter itself is never refused (a damaged file's carriage
// return is dropped when the page opens), so putting it back ends here. Other input is corrected.
void LookupPage::delimiter_changed() {
    const CheckedNumber checked = check_number(text(kDelimiterEdit), 0, kMaxDelimiter);
    const bool refused = (checked.number && checked.value == kCarriageReturn) ||
                         (checked.value == 0 && this->checked(kDelimiterRadio));
    if (refused) {
        refuse_delimiter();
        return set_text(kDelimiterEdit, std::to_string(lookup().delimiter));
    }
    // The corrected text comes back through this handler, which then stores it.
    if (checked.shown) return set_text(kDelimiterEdit, *checked.shown);
    lookup().delimiter = static_cast<Byte>(checked.value);
}

void LookupPage::length_changed(int field) {
    const int id = field_length_edit(field);
    const CheckedNumber checked = check_number(text(id), 0, kMaxFieldLength);
    if (checked.shown) return set_text(id, *checked.shown);
    lookup().field_length_low[index_of(field)] = static_cast<Byte>(checked.value);
    lookup().field_length_high[index_of(field)] = 0;
}

// Trailing spaces of the export name are dropped when the user leaves the edit, as confirming
// would drop them.
void LookupPage::on_focus_lost(int id) {
    if (id != kExportNameEdit) return;
    std::string name = text(id);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (name != text(id)) set_text(id, name);
}

void LookupPage::on_selection_changed(int id) {
    const int chosen = selection(id);
    if (chosen < 0) return;
    const auto value = static_cast<Byte>(chosen);
    if (id == kLookupList) {
        current_ = static_cast<std::size_t>(chosen);
        show_lookup();
    } else if (id == kFieldCountList) {
        lookup().field_count = value;
        drop_unused_fields();
        for (int field = value + 1; field <= kShownFields; ++field) show_field(field);
        enable_fields();
        // Only a lower count can leave the key field out (a raised one keeps it within).
        if (lookup().key_field >= value) {
            lookup().key_field = 0;
            select_key_field(1);
        }
    } else if (id == kBadFormatList) {
        lookup().bad_format_action = value;
    } else if (id == kNoMatchList) {
        lookup().no_match_action = value;
    } else if (const int field = field_of(id, field_type_list)) {
        lookup().field_type[index_of(field)] = value;
    }
}

void LookupPage::take_over() {
    document_.lookups = lookups_;
    document_.lookups_working = lookups_;
    normalise_lookups(document_.lookups);
    copy_lookup_lengths(document_.forms, document_.lookups);
    document_.modified = true;
}

}  // namespace tc
