#include "forms/apply_form_page.h"

#include <algorithm>

#include "forms/derive_before_save.h"
#include "forms/line_takes_input.h"
#include "forms/line_type_fit.h"

namespace tc {
namespace {

constexpr Byte kInputSourceKeypad = 1;
constexpr Byte kInputSourceAll = 3;
constexpr Byte kPartialLength = 20;
constexpr Byte kAutoEnterNo = 0;
constexpr Byte kAutoEnterScanEnter = 1;
constexpr std::size_t kExportNameLength = 20;

bool keeps_properties(const FormRecord& form, std::size_t line) {
    switch (form.data_type[line]) {
        case kTypeText:
        case kTypeInteger:
        case kTypeReal:
        case kTypeLetter:
        case kTypeAuto:
        case kTypeBoolean:
        case kTypeFixedData:
        case kTypeAlphameric:
        case kTypeImage:
        case kTypeLargeData:
        case kTypeReadFrom2D:
            return true;
        case kTypeLookup:
            return form.initial_on[line] != 0;  // "Save field data"
        default:
            return false;
    }
}

void clear_line_properties(FormRecord& form, std::size_t line, bool& show_input_mark) {
    form.extra_length[line] = 0;
    if (form.data_type[line] != kTypeMsqi) {
        form.fixed_length_on[line] = 0;
        form.alignment[line] = 0;
        form.fixed_length_low[line] = 0;
        form.initial_on[line] = 0;
        clear_slot(form.initial_text[line]);
        form.input_mark[line] = 0;
    }
    form.prefix_on[line] = 0;
    store_text(form.prefix[line], "");
    form.suffix_on[line] = 0;
    store_text(form.suffix[line], "");
    form.decimal_places[line] = 0;
    show_input_mark = false;
    form.partial_on[line] = 0;
    form.partial_start_low[line] = 0;
    form.partial_start_high[line] = 0;
    form.partial_length[line] = kPartialLength;
    form.leading_code_on[line] = 0;
    store_text(form.leading_code[line], "");
    form.check_digit[line] = 0;
    form.auto_enter[line] = kAutoEnterScanEnter;
}

int total_length(const FormRecord& form, std::size_t line) {
    return split_length(form.max_length_high[line], form.max_length_low[line]);
}

// The reset of a "nil" or "extension" line; the data type, `fixed_length_high`, `decimal_places`
// and `check_digit` stay. The type fit that follows every line's normalisation clears
// `max_length_high` of a line that is not "large data", here and for image lines, and the file
// path flags of a line that is not "image".
void reset_unused_line(FormRecord& form, std::size_t line) {
    form.link[line] = 0;
    clear_slot(form.prompt[line]);
    form.input_source[line] = kInputSourceAll;
    form.min_length[line] = 0;
    form.extra_length[line] = 0;
    form.fixed_length_on[line] = 0;
    form.alignment[line] = 0;
    form.fixed_length_low[line] = 0;
    form.initial_on[line] = 0;
    store_text(form.initial_text[line], "");
    form.prefix_on[line] = 0;
    store_text(form.prefix[line], "");
    form.suffix_on[line] = 0;
    store_text(form.suffix[line], "");
    form.partial_on[line] = 0;
    form.partial_start_low[line] = 0;
    form.partial_start_high[line] = 0;
    form.partial_length[line] = kPartialLength;
    form.leading_code_on[line] = 0;
    store_text(form.leading_code[line], "");
    if (form.data_type[line] == kTypeNil) {
        form.max_length_low[line] = kMaxLineLength;
        form.input_mark[line] = 0;
        form.auto_enter[line] = kAutoEnterScanEnter;
    }
}

void normalise_image_line(FormRecord& form, std::size_t line) {
    form.input_source[line] = kInputSourceKeypad;
    if (form.edit_file_path[line] != 0) return;
    form.min_length[line] = 0;
    form.max_length_low[line] = kMaxLineLength;
    form.check_file_path[line] = 0;
    form.input_mark[line] = 0;
    form.initial_on[line] = 0;
    store_text(form.initial_text[line], "");
    if (form.save_file_path[line] != 0) return;
    form.extra_length[line] = 0;
    form.fixed_length_on[line] = 0;
    form.alignment[line] = 0;
    form.fixed_length_low[line] = 0;
}

// The total length of the first "large data" line among lines 1-12, else that of line 13.
int large_data_reference(const FormRecord& form) {
    for (std::size_t line = 0; line < kShownLines; ++line) {
        if (form.data_type[line] == kTypeLargeData) return total_length(form, line);
    }
    return total_length(form, kShownLines);
}

void normalise_2d_line(FormRecord& form, std::size_t line, bool two_d_reader) {
    if (!two_d_reader) {
        form.data_type[line] = kTypeNil;
        reset_unused_line(form, line);
        return;
    }
    const bool large = form.data_type[line] == kTypeLargeData;
    if (large) {
        form.input_source[line] = 0;
        form.auto_enter[line] = kAutoEnterScanEnter;
    } else {
        form.input_source[line] = kInputSourceKeypad;
        form.partial_on[line] = 1;
        form.auto_enter[line] = kAutoEnterNo;
    }
    const int reference = large ? total_length(form, line) : large_data_reference(form);
    if (split_length(form.partial_start_high[line], form.partial_start_low[line]) > reference) {
        form.partial_start_high[line] = static_cast<Byte>(reference / kMaxLineLength);
        form.partial_start_low[line] = static_cast<Byte>(reference % kMaxLineLength);
    }
}

void normalise_line(FormRecord& form, std::size_t line, bool two_d_reader) {
    fit_line_to_type(form, line);
    if (total_length(form, line) > kMaxLargeDataLength) {
        store_split_length(kMaxLargeDataLength, form.max_length_high[line],
                           form.max_length_low[line]);
    }
    const int smallest = std::min(total_length(form, line), kMaxLineLength);
    form.min_length[line] = static_cast<Byte>(std::min<int>(form.min_length[line], smallest));

    switch (form.data_type[line]) {
        case kTypeFixedData:
        case kTypePrompt:
        case kTypePause:
            form.link[line] = 0;
            break;
        case kTypeImage:
            normalise_image_line(form, line);
            break;
        case kTypeNil:
        case kTypeExtension:
            reset_unused_line(form, line);
            break;
        case kTypeLargeData:
        case kTypeReadFrom2D:
            normalise_2d_line(form, line, two_d_reader);
            break;
        default:
            break;
    }
    // A "large data" line that the reader cannot read has just become "nil".
    fit_line_to_type(form, line);
    const auto codes = [](const auto& slot) { return slot_text_length(slot); };
    std::size_t extra = form.fixed_length_on[line] == 1 ? form.fixed_length_low[line] : 0;
    if (form.prefix_on[line] == 1) extra += codes(form.prefix[line]);
    if (form.suffix_on[line] == 1) extra += codes(form.suffix[line]);
    form.extra_length[line] = static_cast<Byte>(extra);
}

void normalise_form(FormRecord& form, bool two_d_reader) {
    form.handover_field = 0;
    form.no_key_field = form.key_field == 0 ? 1 : 0;
    if (form.record_mode == 1 || form.record_mode == 3) form.key_field = 0;
    if (form.export_rename == 1) {
        remove_trailing_spaces(form.export_name);
        cut_text(form.export_name, kExportNameLength);
    }
    form.last_input_line = 0;
    for (std::size_t line = 0; line < kFormLines; ++line) {
        normalise_line(form, line, two_d_reader);
        if (takes_input(form, line)) form.last_input_line = static_cast<Byte>(line + 1);
    }
}

}  // namespace

void clear_foreign_properties(std::span<FormRecord, kFormCount> working, InputMarkStates& marks) {
    for (std::size_t f = 0; f < kFormCount; ++f) {
        for (std::size_t line = 0; line < kShownLines; ++line) {
            if (!keeps_properties(working[f], line)) {
                clear_line_properties(working[f], line, marks[f][line]);
            }
        }
    }
}

void normalise_forms(DesignDocument& document) {
    copy_lookup_lengths(document.forms, document.lookups);
    const bool two_d_reader = has_2d_reader(document.reader_working);
    for (FormRecord& form : document.forms) normalise_form(form, two_d_reader);
}

void apply_form_page(DesignDocument& document, std::span<FormRecord, kFormCount> working,
                     InputMarkStates& marks) {
    clear_foreign_properties(working, marks);
    std::copy(working.begin(), working.end(), document.forms.begin());
    normalise_forms(document);
    document.modified = true;
}

}  // namespace tc
