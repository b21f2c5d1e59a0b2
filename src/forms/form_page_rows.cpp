#include <algorithm>

#include "forms/form_page.h"
#include "forms/length_input.h"
#include "resources/form_page_layout.h"

namespace tc {
namespace {

using namespace resources::form_page_ids;

constexpr Byte kInputSourceReader = 0;
constexpr Byte kInputSourceKeypad = 1;
constexpr Byte kInputSourceAll = 3;
constexpr Byte kPartialLength = 20;
constexpr Byte kAutoEnterScanEnter = 1;
constexpr std::size_t kPromptLength = 30;
constexpr std::size_t kLinkItemsWithoutSignedFields = 13;
constexpr Byte kLinkedFields = 12;

// How a row's controls stand for its data type: the input source a disabled list is set to
// (none: the list is enabled), and whether the prompt, the lengths and "more..." are enabled.
struct LineControls {
    bool prompt = true;
    bool clear_prompt = false;
    std::optional<Byte> fixed_source;
    bool lengths = true;
    bool more = true;
};

LineControls line_controls(Byte type, bool edit_file_path) {
    switch (type) {
        case kTypeNil:
        case kTypeExtension:
            return {false, true, kInputSourceAll, false, false};
        case kTypeText:
        case kTypeInteger:
        case kTypeReal:
        case kTypeLetter:
        case kTypeAuto:
        case kTypeAlphameric:
            return {};
        case kTypeBoolean:
            return {true, false, std::nullopt, false, true};
        case kTypeLookup:
        case kTypeFixedData:
            return {true, false, kInputSourceAll, false, true};
        case kTypeImage:
            return {true, false, kInputSourceAll, edit_file_path, true};
        case kTypeMsqi:
            return {true, false, kInputSourceAll, true, true};
        case kTypeLargeData:
            return {true, false, kInputSourceReader, true, true};
        case kTypeReadFrom2D:
            return {true, false, kInputSourceKeypad, true, true};
        default:  // "prompt", "counter", "pass down", "pause"
            return {true, false, kInputSourceAll, false, false};
    }
}

}  // namespace

void FormPage::update_line_controls(std::size_t row) {
    const LineControls rule = line_controls(type_of(row), form().edit_file_path[row] != 0);
    const int prompt = row_control(prompt_edit, row);
    enable(prompt, rule.prompt);
    if (rule.clear_prompt) set_text(prompt, "");
    if (rule.fixed_source) show_input_source(row, *rule.fixed_source);
    enable(row_control(input_source_list, row), !rule.fixed_source);
    if (!rule.lengths) {
        set_text(row_control(min_length_edit, row), "0");
        set_text(row_control(max_length_edit, row), std::to_string(kMaxLineLength));
    } else {
        // What the edits show is stored again for the row's type: a row that was "boolean"
        // shows 0 and 160 but held 1 and 1.
        min_length_changed(row);
        max_length_changed(row);
    }
    enable(row_control(min_length_edit, row), rule.lengths);
    enable(row_control(max_length_edit, row), rule.lengths);
    show_link_state(row);
    enable(row_control(more_button, row), rule.more);
}

// A disabled link list shows "nil"; the stored link stays.
void FormPage::show_link_state(std::size_t row) {
    const bool link = link_list_wanted(row);
    enable(row_control(link_list, row), link);
    set_selection(row_control(link_list, row), link ? form().link[row] : 0);
}

// Whether the row's link list is enabled, for its data type and the Form's layout.
bool FormPage::link_list_wanted(std::size_t row) const {
    const Byte type = type_of(row);
    if (msqi()) return row != 0 && has_lookup_file() && type != kTypeNil;
    switch (type) {
        case kTypeText:
        case kTypeInteger:
        case kTypeReal:
        case kTypeLetter:
        case kTypeAuto:
        case kTypeBoolean:
        case kTypeAlphameric:
        case kTypeMsqi:
        case kTypeReadFrom2D:
            return true;
        case kTypeLookup:
        case kTypeImage:
            return has_lookup_file();
        case kTypeLargeData:
            return total_max_length(row) <= kMaxLineLength || form().partial_on[row] != 0;
        default:
            return false;
    }
}

void FormPage::fill_link_list(std::size_t row) {
    Byte type = type_of(row);
    if (msqi() && type != kTypeNil && row >= 2) type = kTypeLookup;
    const bool lookup_file = has_lookup_file();
    show_link_heading();
    const std::vector<std::string> items =
        form_items::link_items(lookup_file, type, texts_, numbers_);
    Byte& link = form().link[row];
    if (lookup_file) {
        if (msqi() && row == 0) {
            const LookupRecord& lookup = document_.lookups_working[form().lookup_file - 1];
            link = static_cast<Byte>(lookup.field_count != 0 ? lookup.key_field + 1 : 0);
        }
        // Folded after the key field of a damaged Lookup too, so that the list has its item.
        if (items.size() == kLinkItemsWithoutSignedFields && link > kLinkedFields) {
            link =
                static_cast<Byte>(link % kLinkedFields == 0 ? kLinkedFields : link % kLinkedFields);
        }
    } else if (msqi()) {
        // Rows 3-12 become "nil" rows with their controls disabled in the MSQI layout that follows.
        link = 0;
    }
    set_items(row_control(link_list, row), items);
    show_link_state(row);
}

void FormPage::enable_line_fields(std::size_t row, bool enabled) {
    for (int (*column)(int) : {prompt_edit, input_source_list, min_length_edit, max_length_edit,
                               link_list, more_button}) {
        enable(row_control(column, row), enabled);
    }
}

void FormPage::show_input_source(std::size_t row, Byte code) {
    form().input_source[row] = code;
    set_selection(row_control(input_source_list, row), form_items::input_source_item(code, rfid_));
}

void FormPage::reset_line_properties(std::size_t row) {
    FormRecord& f = form();
    f.fixed_length_on[row] = 0;
    f.alignment[row] = 0;
    f.fixed_length_low[row] = 0;
    f.initial_on[row] = 0;
    store_text(f.initial_text[row], "");
    f.prefix_on[row] = 0;
    store_text(f.prefix[row], "");
    f.suffix_on[row] = 0;
    store_text(f.suffix[row], "");
    f.input_mark[row] = 0;
    f.decimal_places[row] = 0;
    marks_[current_][row] = false;
    const bool two_d = f.data_type[row] == kTypeLargeData || f.data_type[row] == kTypeReadFrom2D;
    f.partial_on[row] = two_d ? 1 : 0;
    f.partial_start_low[row] = two_d ? 1 : 0;
    f.partial_start_high[row] = 0;
    f.partial_length[row] = kPartialLength;
    f.leading_code_on[row] = 0;
    store_text(f.leading_code[row], "");
    f.check_digit[row] = 0;
    f.auto_enter[row] = kAutoEnterScanEnter;
    f.edit_file_path[row] = 0;
    f.save_file_path[row] = 0;
    f.check_file_path[row] = 0;
}

// The row becomes an empty "nil" row; the stored link stays.
void FormPage::reset_line(std::size_t row) {
    form().data_type[row] = kTypeNil;
    set_selection(row_control(data_type_list, row), 0);
    show_input_source(row, kInputSourceAll);
    set_selection(row_control(link_list, row), 0);
    set_text(row_control(prompt_edit, row), "");
    set_text(row_control(min_length_edit, row), "0");
    set_text(row_control(max_length_edit, row), std::to_string(kMaxLineLength));
}

void FormPage::prompt_changed(std::size_t row) {
    store_text(form().prompt[row], text(row_control(prompt_edit, row)).substr(0, kPromptLength));
}

void FormPage::min_length_changed(std::size_t row) {
    const int id = row_control(min_length_edit, row);
    const LengthInput input = read_length(text(id), kMaxLineLength, true);
    if (input.rewrite) return set_text(id, *input.rewrite);
    if (type_of(row) == kTypeBoolean) {
        form().min_length[row] = 1;
        return;
    }
    // Never above the maximum, which confirming the page would lower it to.
    const int most = std::min(total_max_length(row), kMaxLineLength);
    if (input.value > most) return set_text(id, std::to_string(most));
    form().min_length[row] = static_cast<Byte>(input.value);
}

void FormPage::max_length_changed(std::size_t row) {
    const int id = row_control(max_length_edit, row);
    const Byte type = type_of(row);
    const int limit = type == kTypeLargeData ? kMaxLargeDataLength : kMaxLineLength;
    const LengthInput input = read_length(text(id), limit, true);
    if (input.rewrite) return set_text(id, *input.rewrite);
    FormRecord& f = form();
    store_split_length(input.value, f.max_length_high[row], f.max_length_low[row]);
    // "boolean" takes exactly one character.
    if (type == kTypeBoolean) {
        store_split_length(1, f.max_length_high[row], f.max_length_low[row]);
    } else {
        min_length_changed(row);  // the minimum stays within the new maximum
    }
    if (input.value > kMaxLineLength && f.partial_on[row] == 0) {
        f.link[row] = 0;
        const int list = row_control(link_list, row);
        set_selection(list, 0);
        enable(list, false);
    } else {
        show_link_state(row);
    }
}

}  // namespace tc
