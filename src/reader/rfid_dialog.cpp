#include "reader/rfid_dialog.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "reader/number_text.h"
#include "resources/reader_dialog_layouts.h"
#include "shell/code_picker.h"
#include "ui/dialog.h"

namespace tc {
namespace {

using namespace resources::rfid_ids;

constexpr std::size_t kDecodeUid = 321;
constexpr std::size_t kDecodeUserData = 322;
constexpr std::size_t kDelimiterPresent = 323;
constexpr std::size_t kDelimiter = 324;  // the character and a NUL
constexpr std::size_t kStartingPosition = 328;
constexpr std::size_t kReadingLength = 329;

// The starting position -1 ("from the end") is stored as 255.
constexpr int kFromTheEnd = -1;
constexpr Byte kFromTheEndByte = 255;
constexpr int kStartLimit = 255;  // this and above are refused
constexpr int kMaxReadingLength = 255;

// The starting position as typed: nothing when it is not a whole number with an optional minus.
std::optional<int> signed_number(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) value = std::min(value * 10 + (c - '0'), kStartLimit);
    return negative ? -value : value;
}

class RfidDialog : public ui::Dialog {
  public:
    RfidDialog(ReaderSettingsRecord& working, const texts::ProgramTexts& texts, bool& modified)
        : ui::Dialog(resources::rfid_dialog_layout()),
          working_(working),
          texts_(texts),
          modified_(modified),
          delimiter_field_(kDelimiterField, shell::CodeFieldRole::RfidDelimiter, delimiter_) {}

  protected:
    void on_created() override;
    void on_shown() override { visible_ = true; }
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    bool on_ok() override;
    void on_cancel() override { working_ = backup_; }

  private:
    void enable_by_boxes();
    void correct_starting_position();

    ReaderSettingsRecord& working_;
    const texts::ProgramTexts& texts_;
    bool& modified_;
    ReaderSettingsRecord backup_{};
    // The picked delimiter code: the code picker writes into it.
    std::array<Byte, 1> delimiter_{};
    shell::CodeField delimiter_field_;
    bool visible_ = false;
};

void RfidDialog::on_created() {
    backup_ = working_;
    set_checked(kUidCheck, working_[kDecodeUid] != 0);
    set_checked(kUserDataCheck, working_[kDecodeUserData] != 0);
    const Byte start = working_[kStartingPosition];
    set_text(kStartEdit,
             start == kFromTheEndByte ? std::to_string(kFromTheEnd) : std::to_string(start));
    set_text(kLengthEdit, std::to_string(working_[kReadingLength]));
    delimiter_[0] = working_[kDelimiter];
    set_text(kDelimiterField, delimiter_field_.text());
    enable_by_boxes();
}

void RfidDialog::enable_by_boxes() {
    const bool uid = checked(kUidCheck);
    if (!uid) set_checked(kUserDataCheck, false);
    enable(kUserDataCheck, uid);
    const bool user_data = checked(kUserDataCheck);  // never without the UID, as just made sure
    for (const int id : {kStartLabel, kStartEdit, kLengthLabel, kLengthEdit, kLengthUnit,
                         kDelimiterLabel, kDelimiterField}) {
        enable(id, user_data);
    }
}

void RfidDialog::on_command(int id) {
    if (id == kUidCheck || id == kUserDataCheck) {
        toggle(id);
        enable_by_boxes();
    } else if (id == kDelimiterField) {
        set_text(id, delimiter_field_.pick(host(), texts_));
    }
}

void RfidDialog::on_edit_changed(int id) {
    if (!visible_) return;
    if (id == kStartEdit) return correct_starting_position();
    if (id == kLengthEdit) {
        if (auto shown = corrected_number_text(text(id), 0, kMaxReadingLength)) {
            set_text(id, *shown);
        }
    }
}

// A lone minus sign is the start of a negative number; every other text becomes a number from -1
// to 254, and whatever lies outside that range becomes -1.
void RfidDialog::correct_starting_position() {
    const std::string typed = text(kStartEdit);
    if (typed == "-") return;
    int value = signed_number(typed).value_or(kFromTheEnd);
    if (value < kFromTheEnd || value >= kStartLimit) value = kFromTheEnd;
    const std::string shown = std::to_string(value);
    if (shown != typed) set_text(kStartEdit, shown);
}

bool RfidDialog::on_ok() {
    working_[kDecodeUid] = checked(kUidCheck) ? 1 : 0;
    working_[kDecodeUserData] = checked(kUserDataCheck) ? 1 : 0;
    const int start = signed_number(text(kStartEdit)).value_or(0);
    working_[kStartingPosition] = static_cast<Byte>(start);
    working_[kReadingLength] =
        static_cast<Byte>(number_value(text(kLengthEdit), 0, kMaxReadingLength));
    // The picked code itself is the delimiter, so that "SP" stands for a space.
    working_[kDelimiter] = delimiter_[0];
    working_[kDelimiter + 1] = 0;
    working_[kDelimiterPresent] = delimiter_[0] != 0 ? 1 : 0;
    modified_ = true;
    return true;
}

}  // namespace

int run_rfid_dialog(ReaderSettingsRecord& working, const texts::ProgramTexts& texts, ui::Host& host,
                    bool& modified) {
    RfidDialog dialog(working, texts, modified);
    return host.run_modal(dialog) == ui::kIdOk ? 1 : 0;
}

}  // namespace tc
