#include "forms/line_type_fit.h"

#include <algorithm>
#include <string>

#include "forms/form_page_state.h"
#include "forms/properties_dialog.h"

namespace tc {
namespace {

constexpr int kMaxImageFixedLength = 255;

void clip_split_length(Byte& high, Byte& low, int limit) {
    store_split_length(std::min(split_length(high, low), limit), high, low);
}

}  // namespace

void fit_line_to_type(FormRecord& form, std::size_t line) {
    const Byte type = form.data_type[line];
    const bool large = type == kTypeLargeData;
    if (!large) {
        clip_split_length(form.max_length_high[line], form.max_length_low[line], kMaxLineLength);
    }
    const int fixed_limit = large                ? kMaxLargeDataLength
                            : type == kTypeImage ? kMaxImageFixedLength
                                                 : kMaxLineLength;
    const int fixed = std::min(
        split_length(form.fixed_length_high[line], form.fixed_length_low[line]), fixed_limit);
    form.fixed_length_high[line] = static_cast<Byte>(large ? fixed / kMaxLineLength : 0);
    form.fixed_length_low[line] = static_cast<Byte>(large ? fixed % kMaxLineLength : fixed);
    if (!large && type != kTypeReadFrom2D) {
        clip_split_length(form.partial_start_high[line], form.partial_start_low[line],
                          kMaxLineLength);
    }
    if (type != kTypeImage) {
        form.edit_file_path[line] = 0;
        form.save_file_path[line] = 0;
        form.check_file_path[line] = 0;
    }
}

void fit_changed_line(FormRecord& form, std::size_t line) {
    fit_line_to_type(form, line);
    const Byte type = form.data_type[line];
    const std::string initial = slot_text(form.initial_text[line]);
    const std::string kept =
        filter_initial_text(type, std::string_view(initial).substr(0, initial_text_limit(type)));
    if (kept != initial) store_text(form.initial_text[line], kept);
}

}  // namespace tc
