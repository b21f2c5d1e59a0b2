#include <algorithm>

#include "forms/form_page.h"
#include "forms/length_input.h"
#include "forms/line_type_fit.h"
#include "resources/form_page_layout.h"

namespace tc {
namespace {

using namespace resources::form_page_ids;

constexpr Byte kInputSourceAll = 3;
constexpr std::size_t kMsqiRows = 2;  // rows 1 and 2 carry the MSQI lines

}  // namespace

std::optional<std::string> FormPage::extra_type_item(std::size_t row) const {
    const std::vector<std::string>& types = items(row_control(data_type_list, row));
    if (types.size() <= form_items::kExtraTypeItem) return std::nullopt;
    return types[form_items::kExtraTypeItem];
}

// The row's list becomes "nil" and the fifteen types, followed by `extra` when given.
void FormPage::set_type_list(std::size_t row, std::optional<std::string_view> extra) {
    std::vector<std::string> types = form_items::data_type_items(texts_);
    if (extra) types.emplace_back(*extra);
    set_items(row_control(data_type_list, row), std::move(types));
    show_type(row);
}

void FormPage::show_type(std::size_t row) {
    set_selection(row_control(data_type_list, row),
                  form_items::shown_type_item(type_of(row), msqi(), row));
}

void FormPage::apply_msqi_layout(bool on) {
    if (!on) return remove_msqi_layout();
    FormRecord& f = form();
    f.record_mode = 0;
    set_selection(kRecordList, 0);
    enable(kRecordList, false);
    // "save" keeps the export options open.
    enable(kAdvancedButton, true);
    f.key_field = 0;
    set_selection(kKeyFieldList, 0);
    enable(kKeyFieldList, false);
    f.next_target = static_cast<Byte>(current_ + 1);
    set_selection(kNextList, f.next_target);
    enable(kNextList, false);

    const bool lookup_file = has_lookup_file();
    for (std::size_t row = 0; row < kMsqiRows; ++row) {
        if (extra_type_item(row) != std::string(form_items::kMsqi)) {
            set_type_list(row, form_items::kMsqi);
        }
        show_input_source(row, kInputSourceAll);
        const int max_edit = row_control(max_length_edit, row);
        set_text(max_edit, std::to_string(std::min(length_value(text(max_edit)), kMaxLineLength)));
    }
    const Byte msqi_types[kMsqiRows] = {kTypeText, kTypeMsqi};
    for (std::size_t row = 0; row < kMsqiRows; ++row) {
        // As any type change: only what the new type holds, and the lengths the row shows.
        if (f.data_type[row] != msqi_types[row]) {
            f.data_type[row] = msqi_types[row];
            fit_changed_line(f, row);
            min_length_changed(row);
            max_length_changed(row);
        }
        show_type(row);
        enable_line_fields(row, true);
        enable(row_control(data_type_list, row), false);
        enable(row_control(input_source_list, row), false);
        fill_link_list(row);
    }
    enable(row_control(link_list, 0), false);
    enable(row_control(link_list, 1), lookup_file);
    if (f.initial_on[1] == 0) {
        f.initial_on[1] = 1;
        store_text(f.initial_text[1], "0");
    }
    apply_msqi_rows(lookup_file);
}

// Rows 3-12 of an MSQI Form hold nothing but "lookup" lines, and those only with a lookup file.
// The controls of the rows left "nil" are disabled after the layout, their link lists too.
void FormPage::apply_msqi_rows(bool lookup_file) {
    for (std::size_t row = kMsqiRows; row < kShownLines; ++row) {
        set_items(row_control(data_type_list, row), form_items::msqi_data_type_items(texts_));
        const Byte type = type_of(row);
        if (!lookup_file || (type != kTypeNil && type != kTypeLookup)) reset_line(row);
        show_type(row);
        enable(row_control(data_type_list, row), lookup_file);
        enable(row_control(link_list, row), lookup_file);
    }
}

// The lists of rows 1 and 2 lose "MSQI" and every list is enabled again, whatever the Form shown
// before had disabled; the link lists follow the rows' data types.
void FormPage::remove_msqi_layout() {
    enable(kLookupList, true);
    enable(kRecordList, true);
    enable(kNextList, true);
    enable_record_dependent_controls();
    const Byte first_type = type_of(0);
    enable(row_control(input_source_list, 0),
           (first_type >= kTypeText && first_type <= kTypeBoolean) ||
               first_type == kTypeAlphameric || first_type == kTypeMsqi);
    for (std::size_t row = 0; row < kMsqiRows; ++row) {
        if (extra_type_item(row) == std::string(form_items::kMsqi)) {
            if (type_of(row) == kTypeMsqi) reset_line(row);
            set_type_list(row, std::nullopt);
            show_link_state(row);
        }
        enable(row_control(data_type_list, row), true);
    }
    for (std::size_t row = kMsqiRows; row < kShownLines; ++row) {
        set_type_list(row, std::nullopt);
        const Byte type = type_of(row);
        if (type == kTypeLargeData || type == kTypeReadFrom2D) adjust_2d_items(row);
        show_type(row);
        enable(row_control(data_type_list, row), true);
    }
}

void FormPage::remove_2d_types() {
    if (two_d_reader()) return;
    for (std::size_t row = 0; row < kShownLines; ++row) {
        const std::optional<std::string> extra = extra_type_item(row);
        if (extra == std::string(form_items::kLargeData) ||
            extra == std::string(form_items::kReadFrom2D)) {
            set_type_list(row, std::nullopt);
        }
        const Byte type = type_of(row);
        if (type != kTypeLargeData && type != kTypeReadFrom2D) continue;
        form().data_type[row] = kTypeNil;
        set_selection(row_control(data_type_list, row), 0);
        reset_line_properties(row);
        fill_link_list(row);
        update_line_controls(row);
    }
}

// A Form has at most one "large data" line, and "read from 2D" lines only beside it: the first
// "large data" row offers "large data", the others "read from 2D"; without one, no row keeps
// "read from 2D" and no length stays above 160.
void FormPage::adjust_2d_items(std::size_t row) {
    std::optional<std::size_t> large_data_row;
    for (std::size_t other = 0; other < kShownLines; ++other) {
        if (type_of(other) == kTypeLargeData) {
            large_data_row = other;
            break;
        }
    }
    const std::optional<std::string> extra = extra_type_item(row);
    if (!large_data_row) {
        for (std::size_t other = 0; other < kShownLines; ++other) {
            if (type_of(other) != kTypeReadFrom2D) continue;
            form().data_type[other] = kTypeNil;
            set_selection(row_control(data_type_list, other), 0);
            reset_line_properties(other);
            fill_link_list(other);
            update_line_controls(other);
        }
        for (std::size_t other = 0; other < kShownLines; ++other) {
            const int max_edit = row_control(max_length_edit, other);
            if (length_value(text(max_edit)) > kMaxLineLength) {
                set_text(max_edit, std::to_string(kMaxLineLength));
            }
        }
        set_type_list(row, form_items::kLargeData);
    } else if (*large_data_row == row) {
        if (extra != std::string(form_items::kLargeData))
            set_type_list(row, form_items::kLargeData);
    } else if (extra != std::string(form_items::kReadFrom2D)) {
        set_type_list(row, form_items::kReadFrom2D);
    }
}

}  // namespace tc
