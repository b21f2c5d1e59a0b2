#include "forms/form_page.h"

#include <utility>

#include "forms/advanced_dialog.h"
#include "forms/apply_form_page.h"
#include "forms/image_properties_dialog.h"
#include "forms/length_input.h"
#include "forms/line_type_fit.h"
#include "forms/lookup_properties_dialog.h"
#include "forms/properties_dialog.h"
#include "forms/time_stamp_dialog.h"
#include "resources/form_page_layout.h"
#include "ui/host.h"

namespace tc {
namespace {

using namespace resources::form_page_ids;

constexpr Byte kRfidReaderBit = 0x01;
constexpr std::size_t kPromptLength = 30;

// The static captions and their language texts (the link column's heading follows the lookup
// file, see show_link_heading).
constexpr std::pair<int, int> kLanguageLabels[] = {
    {kIdLabel, 101},
    {kKeyFieldLabel, 102},
    {kEscLabel, 103},
    {kNextLabel, 104},
    {kLookupLabel, 105},
    {kRecordLabel, 106},
    {kTimeStampButton, 107},
    {kAdvancedButton, 108},
    {kResetButton, 109},
    {kLineHeading, 110},
    {kDataTypeHeading, 111},
    {kPromptHeading, 112},
    {kInputSourceHeading, 113},
    {kMinLengthHeading, 114},
    {kMaxLengthHeading, 115},
    {kPropertiesHeading, 118},
};

// The grid row (0-11) whose control of `column` has the identifier `id`.
std::optional<std::size_t> row_of(int id, int (*column)(int)) {
    const int row = id - column(0);
    if (row < 0 || row >= kRows) return std::nullopt;
    return static_cast<std::size_t>(row);
}

}  // namespace

FormPage::FormPage(DesignDocument& document, const texts::ProgramTexts& texts,
                   const form_items::NumberTexts& form_numbers)
    : ui::Page(resources::form_page_layout()),
      document_(document),
      texts_(texts),
      numbers_(form_numbers) {}

bool FormPage::has_lookup_file() const {
    return form().lookup_file >= 1 && form().lookup_file <= kLookupCount;
}

int FormPage::total_max_length(std::size_t row) const {
    return split_length(form().max_length_high[row], form().max_length_low[row]);
}

int FormPage::max_length_shown(std::size_t row) const {
    return type_of(row) == kTypeLargeData ? total_max_length(row) : form().max_length_low[row];
}

void FormPage::on_created() {
    if (texts_.language_active()) relabel();
    current_ = 0;
    current_line_ = 0;
    rfid_ = (document_.reader[reader::kRfidReader] & kRfidReaderBit) != 0;
    fill_lists();
    forms_ = document_.forms;
    show_form();
}

void FormPage::relabel() {
    for (const auto& [id, text_id] : kLanguageLabels) set_text(id, texts_.language_entry(text_id));
}

void FormPage::fill_lists() {
    set_items(kFormList, form_items::form_items(texts_, numbers_));
    set_items(kKeyFieldList, form_items::key_field_items(numbers_));
    set_items(kEscList, form_items::screen_items(texts_, numbers_));
    set_items(kNextList, form_items::screen_items(texts_, numbers_));
    set_items(kLookupList, form_items::lookup_file_items(texts_));
    set_items(kRecordList, form_items::record_mode_items());
    for (std::size_t row = 0; row < kShownLines; ++row) {
        set_items(row_control(data_type_list, row), form_items::data_type_items(texts_));
        set_items(row_control(input_source_list, row), form_items::input_source_items(rfid_));
    }
}

// Setting the edits runs their change handling, which stores what they show.
void FormPage::show_form() {
    set_selection(kFormList, static_cast<int>(current_));
    set_selection(kKeyFieldList, form().key_field);
    set_selection(kEscList, form().esc_target);
    set_selection(kNextList, form().next_target);
    set_selection(kLookupList, form().lookup_file);
    set_selection(kRecordList, form().record_mode);
    for (std::size_t row = 0; row < kShownLines; ++row) {
        if (type_of(row) == kTypeLargeData) set_type_list(row, form_items::kLargeData);
        if (type_of(row) == kTypeReadFrom2D) set_type_list(row, form_items::kReadFrom2D);
        show_type(row);
        set_selection(row_control(input_source_list, row),
                      form_items::input_source_item(form().input_source[row], rfid_));
        set_text_limit(row_control(prompt_edit, row), kPromptLength);
        set_text(row_control(prompt_edit, row), slot_text(form().prompt[row]));
        set_text_limit(row_control(min_length_edit, row), 3);
        set_text(row_control(min_length_edit, row), std::to_string(form().min_length[row]));
        set_text_limit(row_control(max_length_edit, row), 4);
        set_text(row_control(max_length_edit, row), std::to_string(max_length_shown(row)));
        fill_link_list(row);
        update_line_controls(row);
    }
    enable_record_dependent_controls();
    apply_msqi_layout(msqi());
    disable_nil_rows();
}

void FormPage::on_shown() {
    apply_msqi_layout(msqi());
    disable_nil_rows();
    remove_2d_types();
}

void FormPage::show_link_heading() {
    set_text(kLinkHeading, caption_text(texts_, has_lookup_file() ? 116 : 117));
}

// "Key field :" and "Advanced..." serve the record modes that save the record. The other modes
// keep no key field, so the disabled list shows "none", which confirming stores; the choice stays
// in the working copy for a return to a saving mode.
void FormPage::enable_record_dependent_controls() {
    const bool saves = form().record_mode == 0 || form().record_mode == 2;
    enable(kKeyFieldList, saves);
    set_selection(kKeyFieldList, saves ? form().key_field : 0);
    enable(kAdvancedButton, saves);
}

void FormPage::disable_nil_rows() {
    for (std::size_t row = 0; row < kShownLines; ++row) {
        if (type_of(row) == kTypeNil) enable_line_fields(row, false);
    }
}

void FormPage::on_command(int id) {
    if (id == kTimeStampButton) {
        TimeStampDialog dialog(form(), texts_);
        host().run_modal(dialog);
    } else if (id == kAdvancedButton) {
        open_advanced_dialog();
    } else if (id == kResetButton) {
        reset_form(form(), static_cast<int>(current_), texts_);
        show_form();
    } else if (const auto row = row_of(id, more_button)) {
        open_line_dialog(*row);
    }
}

void FormPage::open_advanced_dialog() {
    AdvancedDialog dialog(form(), numbers_[current_], texts_);
    if (host().run_modal(dialog) != ui::kIdOk) return;
    apply_msqi_layout(msqi());
    disable_nil_rows();
}

void FormPage::open_line_dialog(std::size_t row) {
    current_line_ = row;
    LineDialogContext context{form(),        row,   marks_[current_][row], numbers_[current_],
                              numbers_[row], texts_};
    const Byte type = type_of(row);
    if (type == kTypeLookup) {
        LookupPropertiesDialog dialog(context);
        host().run_modal(dialog);
        return;
    }
    if (type == kTypeImage) {
        ImagePropertiesDialog dialog(context);
        host().run_modal(dialog);
        // Without "Edit file path" the lengths are off and show (and store) 0 and 160.
        update_line_controls(row);
        return;
    }
    // The start position of a partial read lies within the "large data" line's maximum length.
    int start_limit = kMaxLineLength;
    if (type == kTypeLargeData || type == kTypeReadFrom2D) {
        std::size_t large_data_row = row;
        if (type == kTypeReadFrom2D) {
            for (std::size_t other = 0; other < kShownLines; ++other) {
                if (type_of(other) == kTypeLargeData) {
                    large_data_row = other;
                    break;
                }
            }
        }
        start_limit = length_value(text(row_control(max_length_edit, large_data_row)));
    }
    PropertiesDialog dialog(context, start_limit);
    if (host().run_modal(dialog) != ui::kIdOk || type != kTypeLargeData) return;
    const int link = row_control(link_list, row);
    if (total_max_length(row) <= kMaxLineLength || form().partial_on[row] != 0) {
        enable(link, true);
    } else {
        form().link[row] = 0;
        set_selection(link, 0);
        enable(link, false);
    }
}

void FormPage::on_edit_changed(int id) {
    if (const auto row = row_of(id, prompt_edit)) {
        prompt_changed(*row);
    } else if (const auto min_row = row_of(id, min_length_edit)) {
        min_length_changed(*min_row);
    } else if (const auto max_row = row_of(id, max_length_edit)) {
        max_length_changed(*max_row);
    }
}

void FormPage::on_selection_changed(int id) {
    const int chosen = selection(id);
    if (chosen < 0) return;
    const auto value = static_cast<Byte>(chosen);
    switch (id) {
        case kFormList:
            if (static_cast<std::size_t>(chosen) == current_) return;
            current_ = static_cast<std::size_t>(chosen);
            remove_2d_types();
            show_form();
            return;
        case kKeyFieldList:
            form().key_field = value;
            return;
        case kEscList:
            form().esc_target = value;
            return;
        case kNextList:
            form().next_target = value;
            return;
        case kLookupList:
            if (form().lookup_file == value) return;
            form().lookup_file = value;
            for (std::size_t row = 0; row < kShownLines; ++row) fill_link_list(row);
            // An MSQI Form's rows follow its lookup file as when the Form is shown.
            if (msqi()) {
                apply_msqi_layout(true);
                disable_nil_rows();
            }
            return;
        case kRecordList:
            form().record_mode = value;
            enable_record_dependent_controls();
            return;
        default:
            break;
    }
    if (const auto row = row_of(id, data_type_list)) {
        data_type_chosen(*row, true);
    } else if (const auto source_row = row_of(id, input_source_list)) {
        form().input_source[*source_row] = form_items::input_source_code(chosen, rfid_);
    } else if (const auto link_row = row_of(id, link_list)) {
        form().link[*link_row] = value;
    }
}

void FormPage::on_dropdown_opened(int id) {
    if (const auto row = row_of(id, data_type_list)) data_type_chosen(*row, false);
}

// Opening a data type list stores what it shows; choosing an item stores the choice and resets
// the line's properties when the new type cannot keep them. Choosing the type the row already has
// keeps its properties.
void FormPage::data_type_chosen(std::size_t row, bool chosen) {
    const int item = selection(row_control(data_type_list, row));
    if (item < 0) return;
    const Byte old_type = type_of(row);
    const Byte new_type = form_items::chosen_type_code(
        item, msqi(), extra_type_item(row) == std::string(form_items::kReadFrom2D));
    form().data_type[row] = new_type;
    if (two_d_reader() && !msqi()) adjust_2d_items(row);
    if (chosen && new_type != old_type) {
        const auto old_in = [old_type](Byte first, Byte last) {
            return old_type >= first && old_type <= last;
        };
        const bool old_keeps_extended = old_type == kTypeLookup || old_type == kTypeAlphameric ||
                                        old_type == kTypeImage || old_type == kTypeLargeData ||
                                        old_type == kTypeReadFrom2D;
        const bool reset =
            new_type == kTypeNil || (new_type > kTypeLookup && !old_keeps_extended) ||
            (new_type <= kTypeLookup && (old_in(kTypeLookup, kTypePause) || old_type == kTypeMsqi));
        if (reset) reset_line_properties(row);
    }
    if (new_type != old_type) fit_changed_line(form(), row);
    fill_link_list(row);
    update_line_controls(row);
}

void FormPage::take_over() {
    apply_form_page(document_, forms_, marks_);
}

void FormPage::rfid_switched(bool on) {
    if (!on) {
        for (FormRecord& working : forms_) {
            for (Byte& source : working.input_source) {
                if (source == 2 || source == 3) source = 3;
            }
        }
    }
    rfid_ = on;
    if (!created()) return;
    for (std::size_t row = 0; row < kShownLines; ++row) {
        const int list = row_control(input_source_list, row);
        set_items(list, form_items::input_source_items(on));
        set_selection(list, form_items::input_source_item(form().input_source[row], on));
    }
}

}  // namespace tc
