#include "settings/settings_page.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lookups/number_edit.h"
#include "resources/menu_lookup_settings_layouts.h"
#include "texts/device_texts.h"
#include "texts/message_box.h"

namespace tc {
namespace {

constexpr int kMaxDelimiter = 255;
constexpr int kCarriageReturn = 13;
constexpr int kComma = 44;
constexpr int kMaxDisplayTime = 99;
constexpr std::size_t kDelimiterDigits = 3;
constexpr std::size_t kBarcodePageIndex = 3;
constexpr std::size_t kDisplayTimeDigits = 2;
constexpr std::size_t kPasswordLength = 10;
constexpr std::size_t kStoreLength = 260;
constexpr std::size_t kFileTitleLength = 5;
constexpr int kSecurityFlagCount = 12;

constexpr int kInvalidValueText = 2854;
constexpr int kPasswordTooLongText = 2851;
constexpr int kInvalidCharacterText = 2852;
constexpr int kNilText = 1304;
constexpr int kVibratorOffText = 2341;
constexpr int kSecondsText = 2342;
constexpr int kVibratorSeconds = 9;

// The boxes that the "Settings" box guards as a whole: "Auto-preload" to "Camera Properties".
constexpr int kSettingsMenuFlags[] = {6, 7, 8, 10, 11};

using Ids = SettingsPage;

// The static controls and the language texts that relabel them.
constexpr std::pair<int, int> kLanguageLabels[] = {
    {Ids::kResetButton, 1161},       {Ids::kStartLabel, 1162},
    {Ids::kDelimiterGroup, 1163},    {Ids::kDelimiterCountLabel, 1164},
    {Ids::kAsciiLabel, 1165},        {Ids::kTextLabel, 1166},
    {Ids::kSystemGroup, 1167},       {Ids::kPreloadLabel, 1168},
    {Ids::kDeletionLabel, 1169},     {Ids::kEntryLabel, 1170},
    {Ids::kStayRadio, 1171},         {Ids::kPressEnterRadio, 1172},
    {Ids::kDisplayTimeLabel, 1173},  {Ids::kSecurityGroup, 1176},
    {Ids::kPasswordLabel, 1177},     {Ids::security_check(0), 1178},
    {Ids::security_check(1), 1179},  {Ids::security_check(2), 1180},
    {Ids::security_check(3), 1181},  {Ids::security_check(4), 1182},
    {Ids::security_check(5), 1183},  {Ids::security_check(6), 1184},
    {Ids::security_check(7), 1185},  {Ids::security_check(8), 1186},
    {Ids::security_check(10), 1188}, {Ids::kVibratorLabel, 1189},
    {Ids::kAutoRunCheck, 1190},      {Ids::security_check(11), 1191},
    {Ids::kCameraGroup, 1192},       {Ids::kResolutionLabel, 1193},
    {Ids::kFlashLabel, 1194},        {Ids::kColorLabel, 1195},
    {Ids::kFormatLabel, 1196},       {Ids::kImageStoreLabel, 1197},
    {Ids::kImageCaptureCheck, 1198}, {Ids::kAutoFileNameCheck, 1199},
    {Ids::kFileTitleLabel, 1200},    {Ids::kExportStoreLabel, 1201},
    {Ids::kNamingRuleCheck, 1202},   {Ids::kDeleteDatabaseCheck, 1203},
    {Ids::kTimeStampCheck, 1204},
};

// A drop-down list, the field it stores into and the program texts of its items.
struct ListTexts {
    int list;
    Byte SystemSettingsRecord::*field;
    int first_text;
    int count;
};

constexpr ListTexts kLists[] = {
    {Ids::kStartList, &SystemSettingsRecord::start_screen, 2241, 2},
    {Ids::kPreloadList, &SystemSettingsRecord::preload_last_file, 2281, 2},
    {Ids::kDeletionList, &SystemSettingsRecord::data_deletion, 2301, 3},
    {Ids::kEntryList, &SystemSettingsRecord::entry_option, 2321, 3},
    {Ids::kResolutionList, &SystemSettingsRecord::camera_resolution, 2351, 5},
    {Ids::kFlashList, &SystemSettingsRecord::camera_flash, 2361, 3},
    {Ids::kColorList, &SystemSettingsRecord::camera_color_effect, 2371, 6},
    {Ids::kFormatList, &SystemSettingsRecord::camera_image_format, 2381, 2},
};

// Check boxes that store 1 or 0 into their field as soon as they are clicked.
constexpr std::pair<int, Byte SystemSettingsRecord::*> kStoredChecks[] = {
    {Ids::kNamingRuleCheck, &SystemSettingsRecord::default_naming_rule},
    {Ids::kTimeStampCheck, &SystemSettingsRecord::time_stamp_on_image},
    {Ids::kDeleteDatabaseCheck, &SystemSettingsRecord::delete_database_on_open},
};

bool has_security_check(int index) {
    return index != SettingsPage::kWarningBeepFlag;
}

// The security flag index of check box `id`, if it is one.
std::optional<int> security_index(int id) {
    const int index = id - SettingsPage::security_check(0);
    if (index < 0 || index >= kSecurityFlagCount || !has_security_check(index)) return std::nullopt;
    return index;
}

std::string character_of(Byte code) {
    return code == 0 ? std::string{} : std::string(1, static_cast<char>(code));
}

bool is_ascii_letter_or_digit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The message that refuses a password, 0 when it is taken: at most 10 letters and digits.
int password_refusal(const std::string& password) {
    if (password.size() > kPasswordLength) return kPasswordTooLongText;
    if (!std::all_of(password.begin(), password.end(), is_ascii_letter_or_digit)) {
        return kInvalidCharacterText;
    }
    return 0;
}

}  // namespace

SettingsPage::SettingsPage(DesignDocument& document, const texts::ProgramTexts& texts)
    : ui::Page(resources::settings_page_layout()), document_(document), texts_(texts) {}

void SettingsPage::on_created() {
    if (texts_.language_active()) relabel();
    settings_ = document_.system;
    drop_unusable_delimiters();
    drop_unusable_password();
    fill_lists();
    show_settings();
}

// Coming back from the Barcode page, where the reader or its image capture may have changed.
void SettingsPage::on_shown() {
    refresh_image_capture();
}

// A delimiter is never a carriage return: one read from a damaged file is refused once and the
// delimiter becomes 0. A second delimiter without a first is dropped, as confirming would.
void SettingsPage::drop_unusable_delimiters() {
    bool refused = false;
    for (const int delimiter : {1, 2}) {
        if (delimiter_field(delimiter) != kCarriageReturn) continue;
        delimiter_field(delimiter) = 0;
        refused = true;
    }
    if (refused) refuse_delimiter();
    if (settings_.data_delimiter_1 == 0) settings_.data_delimiter_2 = 0;
}

// A password that the page would refuse (from a damaged file) is refused once and dropped.
void SettingsPage::drop_unusable_password() {
    if (const int refusal = password_refusal(slot_text(settings_.password))) {
        texts::text_message_box(texts_, host(), texts::kTitleWarning, refusal,
                                texts::kWarningStyle);
        store_text(settings_.password, "");
    }
}

// A delimiter that "Number of Delimiter :" counts is never 0, and one it does not count is 0, so
// that the page always shows what confirming stores.
void SettingsPage::delimiter_count_chosen(int count) {
    delimiter_count_ = count;
    for (const int delimiter : {1, 2}) {
        const bool counted = delimiter <= count;
        if (counted == (delimiter_field(delimiter) != 0)) continue;
        set_text(ascii_edit(delimiter), std::to_string(counted ? kComma : 0));
    }
    enable_delimiters();
}

void SettingsPage::refuse_delimiter() {
    texts::text_message_box(texts_, host(), texts::kTitleWarning, kInvalidValueText,
                            texts::kWarningStyle);
}

void SettingsPage::image_capture_switched() {
    if (created()) refresh_image_capture();
}

void SettingsPage::relabel() {
    for (const auto& [id, text_id] : kLanguageLabels) set_text(id, texts_.language_entry(text_id));
}

void SettingsPage::fill_lists() {
    for (const ListTexts& list : kLists) {
        std::vector<std::string> items;
        for (int id = list.first_text; id < list.first_text + list.count; ++id) {
            std::string item = texts_.load_program_text(id);
            // Some camera lists have fewer texts than their range holds.
            if (!item.empty()) items.push_back(std::move(item));
        }
        set_items(list.list, std::move(items));
    }
    set_items(kDelimiterCountList,
              {texts_.load_program_text(kNilText), texts_.load_program_text(2261),
               texts_.load_program_text(2262)});
    std::vector<std::string> durations{texts_.load_program_text(kVibratorOffText)};
    const std::string seconds = texts_.load_program_text(kSecondsText);
    for (int duration = 1; duration <= kVibratorSeconds; ++duration) {
        durations.push_back(std::to_string(duration) + " " + seconds);
    }
    set_items(kVibratorList, std::move(durations));
}

// Setting the edits runs their change handling, which stores what they show.
void SettingsPage::show_settings() {
    for (const ListTexts& list : kLists) set_selection(list.list, settings_.*list.field);
    show_delimiters();

    set_checked(kAutoRunCheck, settings_.auto_run != 0);
    enable(kAutoRunCheck, settings_.preload_last_file == 1);

    for (const int id : {kStayRadio, kPressEnterRadio}) enable(id, settings_.entry_option != 0);
    select_display_time_kind(settings_.entry_display_time != 0);
    set_text_limit(kDisplayTimeEdit, kDisplayTimeDigits);
    set_text(kDisplayTimeEdit, std::to_string(settings_.entry_display_time));
    enable_display_time();

    set_selection(kVibratorList, settings_.vibrator_duration);
    set_text_limit(kPasswordEdit, kPasswordLength);
    set_text(kPasswordEdit, slot_text(settings_.password));
    show_security();
    show_camera();
    set_text_limit(kExportStoreEdit, kStoreLength);
    set_text(kExportStoreEdit, slot_text(settings_.export_store));
    refresh_image_capture();
    set_checked(kDeleteDatabaseCheck, settings_.delete_database_on_open != 0);
}

// The "Text :" edits are set as well as the "ASCII :" edits: an edit that shows the field's own
// value does not update its partner.
void SettingsPage::show_delimiters() {
    delimiter_count_ =
        settings_.data_delimiter_1 == 0 ? 0 : (settings_.data_delimiter_2 != 0 ? 2 : 1);
    set_selection(kDelimiterCountList, delimiter_count_);
    for (const int delimiter : {1, 2}) {
        set_text_limit(ascii_edit(delimiter), kDelimiterDigits);
        set_text(ascii_edit(delimiter), std::to_string(delimiter_field(delimiter)));
        set_text_limit(text_edit(delimiter), 1);
        set_text(text_edit(delimiter), character_of(delimiter_field(delimiter)));
    }
    enable_delimiters();
}

void SettingsPage::show_security() {
    for (int index = 0; index < kSecurityFlagCount; ++index) {
        if (has_security_check(index)) {
            set_checked(security_check(index), settings_.security_flags[index] != 0);
        }
    }
    for (const int index : kSettingsMenuFlags) {
        enable(security_check(index), settings_.security_flags[kSettingsFlag] == 0);
    }
}

void SettingsPage::show_camera() {
    set_text_limit(kImageStoreEdit, kStoreLength);
    set_text(kImageStoreEdit, slot_text(settings_.image_store));
    set_text_limit(kFileTitleEdit, kFileTitleLength);
    set_text(kFileTitleEdit, slot_text(settings_.file_title));
    set_checked(kAutoFileNameCheck, settings_.auto_file_name != 0);
    for (const int id : {kFileTitleLabel, kFileTitleEdit, kNamingRuleCheck}) {
        enable(id, settings_.auto_file_name != 0);
    }
    set_checked(kNamingRuleCheck, settings_.default_naming_rule == 1);
    set_checked(kTimeStampCheck, settings_.time_stamp_on_image == 1);
}

// Image capture can be guarded only while the 2D reader is fitted and captures images; otherwise
// the guard is dropped from the page copy, as saving would drop it.
void SettingsPage::refresh_image_capture() {
    const ReaderSettingsRecord& reader = document_.reader_working;
    const bool capturing = reader[reader::kImageCapture] != 0;
    // Once the Barcode page is open it stores the reader it is laid out for; until then the
    // reader-type bits stay, and saving keeps image capture only with the 2D bit among them.
    const bool barcode_page_open = sibling_page<ui::Page>(kBarcodePageIndex) != nullptr;
    const bool two_d =
        document_.reader_states.mode() == ReaderMode::TwoD &&
        (barcode_page_open || (reader[reader::kReaderTypeBits] & reader::kType2D) != 0);
    if (!capturing || !two_d) settings_.security_image_capture = 0;
    set_checked(kImageCaptureCheck, settings_.security_image_capture != 0);
    enable(kImageCaptureCheck, two_d && capturing);
}

void SettingsPage::enable_delimiters() {
    for (const int delimiter : {1, 2}) {
        const bool used = delimiter_count_ >= delimiter;
        enable(ascii_edit(delimiter), used);
        enable(text_edit(delimiter), used);
    }
}

void SettingsPage::enable_display_time() {
    const bool on = settings_.entry_option != 0 && checked(kStayRadio);
    enable(kDisplayTimeEdit, on);
    enable(kDisplayTimeLabel, on);
}

void SettingsPage::select_display_time_kind(bool stay) {
    set_checked(kStayRadio, stay);
    set_checked(kPressEnterRadio, !stay);
}

Byte& SettingsPage::delimiter_field(int delimiter) {
    return delimiter == 1 ? settings_.data_delimiter_1 : settings_.data_delimiter_2;
}

void SettingsPage::on_command(int id) {
    if (id == kResetButton) {
        // The device texts belong to the design document and are not dropped with the page.
        texts::fill_text_tables(texts_, document_.device_texts);
        reset_system_settings(settings_, texts_);
        show_settings();
        return;
    }
    if (id == kStayRadio) {
        select_display_time_kind(true);
        if (settings_.entry_display_time == 0) settings_.entry_display_time = 1;
        set_text(kDisplayTimeEdit, std::to_string(settings_.entry_display_time));
        enable(kDisplayTimeEdit, true);
        enable(kDisplayTimeLabel, true);
        return;
    }
    if (id == kPressEnterRadio) {
        select_display_time_kind(false);
        set_text(kDisplayTimeEdit, "0");  // which stores 0
        enable(kDisplayTimeEdit, false);
        enable(kDisplayTimeLabel, false);
        return;
    }
    if (id == kAutoFileNameCheck) {
        toggle(id);
        settings_.auto_file_name = checked(id);
        for (const int title : {kFileTitleLabel, kFileTitleEdit, kNamingRuleCheck}) {
            enable(title, checked(id));
        }
        return;
    }
    for (const auto& [check, field] : kStoredChecks) {
        if (id != check) continue;
        toggle(id);
        settings_.*field = checked(id);
        return;
    }
    // Read only when the sheet is confirmed.
    if (id == kAutoRunCheck) return toggle(id);
    // Kept in the page copy too, as the box is shown again from it when the page comes back.
    if (id == kImageCaptureCheck) {
        toggle(id);
        settings_.security_image_capture = checked(id);
        return;
    }
    const std::optional<int> index = security_index(id);
    if (!index) return;
    toggle(id);
    if (*index == kSettingsFlag) {
        for (const int guarded : kSettingsMenuFlags) enable(security_check(guarded), !checked(id));
    }
}

void SettingsPage::on_edit_changed(int id) {
    if (id == ascii_edit(1) || id == ascii_edit(2)) {
        ascii_changed(id == ascii_edit(1) ? 1 : 2);
    } else if (id == text_edit(1) || id == text_edit(2)) {
        character_changed(id == text_edit(1) ? 1 : 2);
    } else if (id == kDisplayTimeEdit) {
        display_time_changed();
    } else if (id == kPasswordEdit) {
        password_changed();
    } else if (id == kExportStoreEdit) {
        if (!cut_to_limit(id, kStoreLength)) store_text(settings_.export_store, text(id));
    } else if (id == kImageStoreEdit) {
        if (!cut_to_limit(id, kStoreLength)) store_text(settings_.image_store, text(id));
    } else if (id == kFileTitleEdit) {
        if (!cut_to_limit(id, kFileTitleLength)) store_text(settings_.file_title, text(id));
    }
}

// Checked like a Lookup's delimiter: carriage return, and 0 for a counted delimiter, are refused
// and the field's value put back. A stored field is never refused (damaged values are dropped when
// the page is created, and a counted delimiter is never 0), so putting it back ends here.
void SettingsPage::ascii_changed(int delimiter) {
    const int id = ascii_edit(delimiter);
    Byte& field = delimiter_field(delimiter);
    const CheckedNumber checked = check_number(text(id), 0, kMaxDelimiter);
    const bool refused = (checked.number && checked.value == kCarriageReturn) ||
                         (checked.value == 0 && delimiter <= delimiter_count_);
    if (refused) {
        refuse_delimiter();
        return set_text(id, std::to_string(field));
    }
    // The corrected text comes back through this handler, which then stores it.
    if (checked.shown) return set_text(id, *checked.shown);
    if (checked.value == field) return;
    field = static_cast<Byte>(checked.value);
    // The partner edit's handling finds this value already stored and goes no further.
    set_text(text_edit(delimiter), character_of(field));
}

// A carriage return (pasted, as it cannot be typed into the one-character edit), or an emptied edit
// of a counted delimiter, is refused as in the "ASCII :" edit.
void SettingsPage::character_changed(int delimiter) {
    const std::string typed = text(text_edit(delimiter));
    const Byte value = typed.empty() ? 0 : static_cast<Byte>(typed[0]);
    Byte& field = delimiter_field(delimiter);
    const bool refused = value == kCarriageReturn || (value == 0 && delimiter <= delimiter_count_);
    if (refused) {
        refuse_delimiter();
        return set_text(text_edit(delimiter), character_of(field));
    }
    if (value == field) return;
    field = value;
    set_text(ascii_edit(delimiter), std::to_string(value));
}

// A text longer than its slot holds (from a damaged file) is cut in the edit as well, so that the
// edit shows what is stored; the cut text comes back through the change handling.
bool SettingsPage::cut_to_limit(int id, std::size_t limit) {
    const std::string shown = text(id);
    if (shown.size() <= limit) return false;
    set_text(id, shown.substr(0, limit));
    return true;
}

// While the message stays on the screen, it stays at least 1: 0 would read as "Press Enter key to
// continue".
void SettingsPage::display_time_changed() {
    const CheckedNumber checked = check_number(text(kDisplayTimeEdit), 1, kMaxDisplayTime);
    if (checked.shown) return set_text(kDisplayTimeEdit, *checked.shown);
    if (checked.value == 0 && this->checked(kStayRadio)) return set_text(kDisplayTimeEdit, "1");
    settings_.entry_display_time = static_cast<Byte>(checked.value);
}

// The stored password is never refused (a damaged one is dropped when the page is created), so
// putting it back ends here.
void SettingsPage::password_changed() {
    const std::string typed = text(kPasswordEdit);
    if (const int refusal = password_refusal(typed)) {
        texts::text_message_box(texts_, host(), texts::kTitleWarning, refusal,
                                texts::kWarningStyle);
        return set_text(kPasswordEdit, slot_text(settings_.password));
    }
    store_text(settings_.password, typed);
}

void SettingsPage::on_selection_changed(int id) {
    const int chosen = selection(id);
    if (chosen < 0) return;
    const auto value = static_cast<Byte>(chosen);
    if (id == kDelimiterCountList) return delimiter_count_chosen(chosen);
    if (id == kVibratorList) {
        settings_.vibrator_duration = value;
        return;
    }
    for (const ListTexts& list : kLists) {
        if (list.list == id) settings_.*list.field = value;
    }
    if (id == kPreloadList) enable(kAutoRunCheck, chosen == 1);
    if (id == kEntryList) {
        for (const int radio : {kStayRadio, kPressEnterRadio}) enable(radio, chosen != 0);
        enable_display_time();
    }
}

void SettingsPage::take_over() {
    settings_.auto_run = checked(kAutoRunCheck) ? 1 : 0;
    settings_.security_image_capture = checked(kImageCaptureCheck) ? 1 : 0;
    for (int index = 0; index < kSecurityFlagCount; ++index) {
        settings_.security_flags[index] =
            has_security_check(index) && checked(security_check(index)) ? 1 : 0;
    }
    if (delimiter_count_ == 0) settings_.data_delimiter_1 = 0;
    if (delimiter_count_ <= 1) settings_.data_delimiter_2 = 0;
    document_.system = settings_;
    document_.modified = true;
}

}  // namespace tc
