#include <string>

#include "app/t73/design_check.h"

namespace tc::t73 {
namespace {

constexpr int kMaxScreenCode = 30;
constexpr int kMaxLookupFile = 5;
constexpr int kMaxKeyField = 12;
constexpr int kMaxLength = 160;
constexpr int kMaxLargeDataLength = 2048;
constexpr int kMaxPromptLength = 30;
constexpr Byte kInputSourceRfid = 2;

std::string form_name(std::size_t form) {
    return "Form " + std::to_string(form + 1);
}

std::string line_name(std::size_t form, std::size_t line) {
    return form_name(form) + " line " + std::to_string(line + 1);
}

// Lines of type "nil" and "extension" are not in use: the Form page resets them and the reset
// values (a new design's input source "RFID", for one) mean nothing there.
bool line_in_use(Byte data_type) {
    return data_type != kTypeNil && data_type != kTypeExtension;
}

void check_screen_code(const std::string& where, const char* field, Byte code,
                       std::vector<std::string>& problems) {
    if (code > kMaxScreenCode) {
        problems.push_back(where + ": " + field + " " + std::to_string(code) +
                           " is not a screen code (0-30)");
    }
}

void check_line_lengths(const FormRecord& form, std::size_t f, std::size_t i,
                        std::vector<std::string>& problems) {
    const std::string where = line_name(f, i);
    const Byte type = form.data_type[i];
    const bool large = type == kTypeLargeData;
    if (!large) {
        if (form.max_length_high[i] != 0) {
            problems.push_back(where + ": max_length_high " +
                               std::to_string(form.max_length_high[i]) +
                               " on a line that is not \"large data\"");
        }
        if (form.fixed_length_high[i] != 0) {
            problems.push_back(where + ": fixed_length_high " +
                               std::to_string(form.fixed_length_high[i]) +
                               " on a line that is not \"large data\"");
        }
        if (form.max_length_low[i] > kMaxLength) {
            problems.push_back(where + ": max_length_low " +
                               std::to_string(form.max_length_low[i]) + " above 160");
        }
        if (type != kTypeImage && form.fixed_length_low[i] > kMaxLength) {
            problems.push_back(where + ": fixed_length_low " +
                               std::to_string(form.fixed_length_low[i]) + " above 160");
        }
    }
    const int max_length = large ? form.max_length_high[i] * kMaxLength + form.max_length_low[i]
                                 : form.max_length_low[i];
    if (large) {
        const int fixed_length = form.fixed_length_high[i] * kMaxLength + form.fixed_length_low[i];
        if (max_length > kMaxLargeDataLength) {
            problems.push_back(where + ": \"large data\" maximum length " +
                               std::to_string(max_length) + " above 2048");
        }
        if (fixed_length > kMaxLargeDataLength) {
            problems.push_back(where + ": \"large data\" fixed length " +
                               std::to_string(fixed_length) + " above 2048");
        }
    }
    const int min_length = form.min_length[i];
    if (min_length > kMaxLength) {
        problems.push_back(where + ": min_length " + std::to_string(min_length) + " above 160");
    } else if (min_length > max_length) {
        problems.push_back(where + ": min_length " + std::to_string(min_length) +
                           " above the maximum length " + std::to_string(max_length));
    }
}

void check_form(const FormRecord& form, std::size_t f, const DesignRecords& records,
                std::vector<std::string>& problems) {
    const std::string where = form_name(f);
    check_screen_code(where, "esc_target", form.esc_target, problems);
    check_screen_code(where, "next_target", form.next_target, problems);
    if (form.lookup_file > kMaxLookupFile) {
        problems.push_back(where + ": lookup_file " + std::to_string(form.lookup_file) +
                           " above 5");
    }
    if (form.key_field > kMaxKeyField) {
        problems.push_back(where + ": key_field " + std::to_string(form.key_field) + " above 12");
    }

    const bool two_d_reader = records.reader[reader::kReaderTypeBits] == reader::kType2D;
    const bool rfid_reader = (records.reader[reader::kRfidReader] & 0x01) != 0;
    int large_data_lines = 0;
    for (const Byte type : form.data_type) large_data_lines += type == kTypeLargeData ? 1 : 0;
    if (large_data_lines > 1) {
        problems.push_back(where + ": " + std::to_string(large_data_lines) +
                           " \"large data\" lines (at most one)");
    }

    for (std::size_t i = 0; i < kFormLines; ++i) {
        const std::string line = line_name(f, i);
        const Byte type = form.data_type[i];
        if (type > kTypeReadFrom2D) {
            problems.push_back(line + ": data_type " + std::to_string(type) + " above 18");
        }
        check_line_lengths(form, f, i, problems);
        const std::size_t prompt_length = slot_text_length(form.prompt[i]);
        if (prompt_length > kMaxPromptLength) {
            problems.push_back(line + ": prompt of " + std::to_string(prompt_length) +
                               " characters (at most 30)");
        }
        if (type == kTypeReadFrom2D && large_data_lines == 0) {
            problems.push_back(line + ": \"read from 2D\" without a \"large data\" line");
        }
        if ((type == kTypeLargeData || type == kTypeReadFrom2D) && !two_d_reader) {
            problems.push_back(
                line + ": \"" + (type == kTypeLargeData ? "large data" : "read from 2D") +
                "\" without the 2D reader (reader type byte 404 is " +
                std::to_string(records.reader[reader::kReaderTypeBits]) + ", not 64)");
        }
        if (line_in_use(type) && form.input_source[i] == kInputSourceRfid && !rfid_reader) {
            problems.push_back(line + ": input source \"RFID\" without the RFID reader");
        }
    }
}

}  // namespace

void check_forms(const DesignRecords& records, std::vector<std::string>& problems) {
    for (std::size_t f = 0; f < kFormCount; ++f) check_form(records.forms[f], f, records, problems);
}

}  // namespace tc::t73
