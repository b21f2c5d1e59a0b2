#include <string>
#include <string_view>
#include <utility>

#include "app/t73/design_check.h"
#include "app/t73/design_report.h"
#include "forms/form_page_state.h"
#include "forms/line_takes_input.h"

namespace tc::t73 {
namespace {

constexpr int kMaxScreenCode = 30;
constexpr int kMaxLookupFile = 5;
constexpr int kMaxKeyField = 12;
constexpr int kMaxLength = 160;
constexpr int kMaxLargeDataLength = 2048;
constexpr int kMaxPromptLength = 30;
constexpr Byte kInputSourceRfid = 2;

// Lines of type "nil" and "extension" are not in use: the Form page resets them and the reset
// values (a new design's input source "RFID", for one) mean nothing there.
bool line_in_use(Byte data_type) {
    return data_type != kTypeNil && data_type != kTypeExtension;
}

// Reports the problems of one Form; `form_path` and `line_path` give the JSON paths.
class FormChecker {
  public:
    FormChecker(const FormRecord& form, std::size_t index, const DesignRecords& records,
                Problems& problems)
        : form_(form), index_(index), records_(records), problems_(problems) {}

    void check() {
        check_screen_code("esc_target", form_.esc_target);
        check_screen_code("next_target", form_.next_target);
        if (form_.lookup_file > kMaxLookupFile)
            add(path("lookup_file"), number(form_.lookup_file) + " is above 5");
        if (form_.key_field > kMaxKeyField)
            add(path("key_field"), number(form_.key_field) + " is above 12");
        int large_data_lines = 0;
        for (const Byte type : form_.data_type) large_data_lines += type == kTypeLargeData ? 1 : 0;
        if (large_data_lines > 1)
            add(path("data_type"),
                number(large_data_lines) + " \"large data\" lines (at most one)");
        for (std::size_t line = 0; line < kFormLines; ++line)
            check_line(line, large_data_lines > 0);
        check_last_input_line();
        check_record_figures();
    }

  private:
    static std::string number(int value) { return std::to_string(value); }

    std::string path(std::string_view field) const { return record_path("forms", index_, field); }
    std::string path(std::string_view field, std::size_t line) const {
        return entry_path("forms", index_, field, line);
    }
    std::string where() const { return "Form " + number(static_cast<int>(index_) + 1); }
    std::string where(std::size_t line) const {
        return where() + " line " + number(static_cast<int>(line) + 1);
    }

    void add(std::string field_path, const std::string& text) {
        problems_.push_back({std::move(field_path), text});
    }
    void add(std::string field_path, std::size_t line, const std::string& text) {
        problems_.push_back({std::move(field_path), text + " (" + where(line) + ")"});
    }

    void check_screen_code(std::string_view field, Byte code) {
        if (code > kMaxScreenCode)
            add(path(field), number(code) + " is not a screen code (0-30) (" + where() + ")");
    }

    void check_lengths(std::size_t line) {
        const Byte type = form_.data_type[line];
        const bool large = type == kTypeLargeData;
        const int both_max_bytes =
            split_length(form_.max_length_high[line], form_.max_length_low[line]);
        const int max_length = large ? both_max_bytes : form_.max_length_low[line];
        const int fixed = split_length(form_.fixed_length_high[line], form_.fixed_length_low[line]);
        if (!large) {
            if (form_.max_length_high[line] != 0 || form_.max_length_low[line] > kMaxLength) {
                add(path("max_length", line), line,
                    "maximum length " + number(both_max_bytes) +
                        " above 160 on a line that is not \"large data\"");
            }
            const bool fixed_too_long =
                type != kTypeImage && form_.fixed_length_low[line] > kMaxLength;
            if (form_.fixed_length_high[line] != 0 || fixed_too_long) {
                add(path("fixed_length", line), line,
                    "fixed length " + number(fixed) +
                        " above 160 on a line that is not \"large data\"");
            }
        } else {
            if (max_length > kMaxLargeDataLength)
                add(path("max_length", line), line,
                    "\"large data\" maximum length " + number(max_length) + " above 2048");
            if (fixed > kMaxLargeDataLength)
                add(path("fixed_length", line), line,
                    "\"large data\" fixed length " + number(fixed) + " above 2048");
        }
        const int min_length = form_.min_length[line];
        if (min_length > kMaxLength) {
            add(path("min_length", line), line, number(min_length) + " above 160");
        } else if (min_length > max_length) {
            add(path("min_length", line), line,
                number(min_length) + " above the maximum length " + number(max_length));
        }
    }

    // Values that only other types hold, which the Form page clears or clips when the line is
    // applied: a partial start beyond 160 (only "large data" and "read from 2D" read longer
    // codes) and the file path flags (only "image" has a file).
    void check_values_of_other_types(std::size_t line, Byte type) {
        const int partial_start =
            split_length(form_.partial_start_high[line], form_.partial_start_low[line]);
        if (partial_start > kMaxLength && type != kTypeLargeData && type != kTypeReadFrom2D) {
            add(path("partial_start", line), line,
                "partial start " + number(partial_start) +
                    " above 160 on a line that is not \"large data\" or \"read from 2D\"");
        }
        if (type == kTypeImage) return;
        const std::pair<std::string_view, Byte> flags[] = {
            {"edit_file_path", form_.edit_file_path[line]},
            {"save_file_path", form_.save_file_path[line]},
            {"check_file_path", form_.check_file_path[line]}};
        for (const auto& [name, flag] : flags) {
            if (flag != 0) {
                add(path(name, line), line,
                    std::string(name) + " " + number(flag) + " on a line that is not \"image\"");
            }
        }
    }

    void check_line(std::size_t line, bool has_large_data_line) {
        const Byte type = form_.data_type[line];
        if (type > kTypeReadFrom2D)
            add(path("data_type", line), line, number(type) + " is above 18");
        check_lengths(line);
        const std::size_t prompt_length = slot_text_length(form_.prompt[line]);
        if (prompt_length > kMaxPromptLength) {
            add(path("prompt", line), line,
                "prompt of " + number(static_cast<int>(prompt_length)) +
                    " characters (at most 30)");
        }
        if (type == kTypeReadFrom2D && !has_large_data_line)
            add(path("data_type", line), line, "\"read from 2D\" without a \"large data\" line");
        const Byte reader_type = records_.reader[reader::kReaderTypeBits];
        if ((type == kTypeLargeData || type == kTypeReadFrom2D) && reader_type != reader::kType2D) {
            add(path("data_type", line), line,
                std::string("\"") + (type == kTypeLargeData ? "large data" : "read from 2D") +
                    "\" without the 2D reader (reader type byte 404 is " + number(reader_type) +
                    ", not 64)");
        }
        if (line_in_use(type)) check_values_of_other_types(line, type);
        const bool rfid_reader = (records_.reader[reader::kRfidReader] & 0x01) != 0;
        if (line_in_use(type) && form_.input_source[line] == kInputSourceRfid && !rfid_reader)
            add(path("input_source", line), line, "input source \"RFID\" without the RFID reader");
    }

    void check_last_input_line() {
        int last = 0;
        for (std::size_t line = 0; line < kFormLines; ++line) {
            if (takes_input(form_, line)) last = static_cast<int>(line) + 1;
        }
        if (form_.last_input_line == last) return;
        add(path("last_input_line"),
            number(form_.last_input_line) + ", but the last line that takes input is " +
                (last == 0 ? std::string("none (0)") : "line " + number(last)) + " (" + where() +
                ")");
    }

    // The figures the terminal reads for the saved record, against the layout the Form's lines
    // give (as the report shows it).
    void check_record_figures() {
        const SavedRecordLayout layout = saved_record_layout(form_);
        const int stored_length = form_.record_length_high * 256 + form_.record_length_low;
        const auto differs = [&](std::string_view field, int stored, int derived,
                                 const char* what) {
            if (stored == derived) return;
            add(path(field), number(stored) + " " + what + ", but the Form's lines give " +
                                 number(derived) + " (" + where() + " saved record)");
        };
        differs("field_count", form_.field_count, static_cast<int>(layout.fields.size()), "fields");
        differs("key_position", form_.key_position, static_cast<int>(layout.key_position),
                "as key position");
        differs("record_length", stored_length, static_cast<int>(layout.length), "bytes");
    }

    const FormRecord& form_;
    std::size_t index_;
    const DesignRecords& records_;
    Problems& problems_;
};

}  // namespace

void check_forms(const DesignRecords& records, Problems& problems) {
    for (std::size_t f = 0; f < kFormCount; ++f)
        FormChecker(records.forms[f], f, records, problems).check();
}

}  // namespace tc::t73
