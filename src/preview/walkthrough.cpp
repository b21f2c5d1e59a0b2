#include "preview/walkthrough.h"

#include <algorithm>
#include <vector>

#include "forms/derive_before_save.h"
#include "forms/record_fields.h"
#include "preview/line_input.h"
#include "texts/text_slot.h"

namespace tc::preview {
namespace {

constexpr Byte kMainScreen = 0;
constexpr Byte kFirstMenuCode = kFormCount + 1;
constexpr Byte kLastMenuCode = kFormCount + kMenuCount;
constexpr std::size_t kLinkedFields = 12;
constexpr std::size_t kNoLine = kFormLines;

// Device texts that label the screens.
constexpr int kMainMenuBar = 3021;
constexpr int kMainMenuBarEntries = 4;
constexpr int kMenuTitle = 3301;
constexpr int kMenuEnter = 3302;
constexpr int kMenuEsc = 3303;
constexpr int kFormTitle = 3321;
constexpr int kFormEnter = 3322;
constexpr int kFormEsc = 3323;
constexpr int kFormSave = 3324;

// The letters of the digit keys in ALPHA mode, pressed again for the next one.
constexpr std::array<std::string_view, 10> kKeyLetters{" ",   ".,-", "ABC",  "DEF", "GHI",
                                                       "JKL", "MNO", "PQRS", "TUV", "WXYZ"};

std::optional<int> digit_of(Key key) {
    if (key < Key::Digit0 || key > Key::Digit9) return std::nullopt;
    return static_cast<int>(key) - static_cast<int>(Key::Digit0);
}

std::string without_trailing_spaces(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

bool is_menu(Byte code) {
    return code >= kFirstMenuCode && code <= kLastMenuCode;
}

bool is_form(Byte code) {
    return code >= 1 && code <= kFormCount;
}

}  // namespace

// The design as the walk-through reads it: a copy with the derived values worked out.
struct Walkthrough::Design {
    std::array<MenuRecord, kMenuCount> menus;
    std::array<FormRecord, kFormCount> forms;
    std::array<LookupRecord, kLookupCount> lookups;
    ReaderSettingsRecord reader;
    SystemSettingsRecord system;
    texts::DeviceTextTables device_texts;
};

Byte start_screen_code(const SystemSettingsRecord& system) {
    return system.start_screen == 1 ? kFirstMenuCode : 1;
}

std::tm Walkthrough::local_time() {
    const std::time_t now = std::time(nullptr);
    std::tm time{};
    if (const std::tm* local = std::localtime(&now)) time = *local;
    return time;
}

Walkthrough::Walkthrough(const DesignDocument& design, const texts::ProgramTexts& texts,
                         Clock clock)
    : design_(std::make_unique<Design>(Design{design.menus, design.forms, design.lookups,
                                              design.reader, design.system, design.device_texts})),
      texts_(texts),
      clock_(std::move(clock)) {
    derive_before_save(
        {design_->forms, design_->menus, design_->lookups, design_->reader, design_->system});
    go_to(start_screen_code(design_->system));
}

Walkthrough::~Walkthrough() = default;

std::string Walkthrough::device_text(int id) const {
    return without_trailing_spaces(slot_text(design_->device_texts.slot(id)));
}

std::string Walkthrough::program_text(int id) const {
    return texts_.load_program_text(id);
}

void Walkthrough::go_to(Byte code) {
    code_ = code;
    selected_ = 0;
    record_.reset();
    alpha_ = false;
    last_letter_key_.reset();
    if (is_form(code_)) enter_form();
}

void Walkthrough::enter_form() {
    const FormRecord& form = design_->forms[code_ - 1];
    data_ = CollectedData{};
    data_.handover = handover_;
    data_.record_number = records_written_ + 1;
    handover_.clear();
    for (std::size_t line = 0; line < kFormLines; ++line) {
        // On "lookup" lines the initial-value switch means "Save field data".
        if (form.initial_on[line] != 0 && form.data_type[line] != kTypeLookup) {
            data_.lines[line] = slot_text(form.initial_text[line]);
        }
    }
    advance_from(0);
}

// Moves to the first line from `line` on that takes input; false when none does.
bool Walkthrough::advance_from(std::size_t line) {
    const FormRecord& form = design_->forms[code_ - 1];
    alpha_ = false;
    last_letter_key_.reset();
    for (; line < kFormLines; ++line) {
        if (is_entry_line(form, line)) {
            line_ = line;
            return true;
        }
    }
    line_ = kNoLine;
    return false;
}

void Walkthrough::next_line() {
    if (!advance_from(line_ + 1)) finish_form();
}

void Walkthrough::finish_form() {
    const FormRecord& form = design_->forms[code_ - 1];
    const std::string delimiter = field_delimiter(design_->system);
    data_.time = clock_();
    const std::vector<std::string> fields = saved_record_fields(form, data_, delimiter);
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) joined += (i == 0 ? "" : delimiter) + fields[i];
    if (saves_counted_record(form)) {
        ++records_written_;
        record_ = joined;
        return;
    }
    // "pass down" hands the collected data to the next Form.
    const Byte next = form.next_target;
    handover_ = form.record_mode == 3 ? joined : std::string();
    go_to(next);
    message_ = program_text(kTextNoRecord);
}

void Walkthrough::press(Key key) {
    message_.clear();
    if (code_ == kMainScreen || code_ > kLastMenuCode) {
        if (key == Key::Enter || key == Key::Ok) go_to(start_screen_code(design_->system));
        return;
    }
    if (is_menu(code_)) {
        press_on_menu(key);
        return;
    }
    press_on_form(key);
}

void Walkthrough::press_on_menu(Key key) {
    const MenuRecord& menu = design_->menus[code_ - kFirstMenuCode];
    std::vector<std::size_t> items;
    for (std::size_t item = 0; item < kMenuItems; ++item) {
        if (menu.item_name[item][0] != 0) items.push_back(item);
    }
    if (key == Key::Escape) {
        go_to(menu.esc_target);
        return;
    }
    if (items.empty()) return;
    if (const auto digit = digit_of(key)) {
        const std::size_t chosen = *digit == 0 ? 9 : static_cast<std::size_t>(*digit - 1);
        if (chosen < items.size()) selected_ = chosen;
        return;
    }
    switch (key) {
        case Key::Up:
        case Key::Left:
            selected_ = (selected_ + items.size() - 1) % items.size();
            return;
        case Key::Down:
        case Key::Right:
            selected_ = (selected_ + 1) % items.size();
            return;
        case Key::Enter:
        case Key::Ok: {
            const std::size_t item = items[selected_];
            std::string handed;
            if (menu.save_caption != 0) handed = slot_text(menu.caption);
            if (menu.save_selected_item != 0) {
                if (!handed.empty()) handed += field_delimiter(design_->system);
                handed += slot_text(menu.item_name[item]);
            }
            handover_ = handed;
            go_to(menu.item_target[item]);
            return;
        }
        default:
            return;
    }
}

void Walkthrough::press_on_form(Key key) {
    const FormRecord& form = design_->forms[code_ - 1];
    if (key == Key::Escape) {
        go_to(form.esc_target);
        return;
    }
    if (record_) {
        if (key == Key::Enter || key == Key::Ok) go_to(form.next_target);
        return;
    }
    // A Form without input lines is complete with ENT.
    if (line_ == kNoLine) {
        if (key == Key::Enter || key == Key::Ok) finish_form();
        return;
    }
    if (form.data_type[line_] == kTypePause) {
        next_line();
        return;
    }
    std::string& value = data_.lines[line_];
    const auto digit = digit_of(key);
    switch (key) {
        case Key::Enter:
        case Key::Ok:
            complete_line();
            return;
        case Key::Backspace:
            if (!value.empty()) value.pop_back();
            last_letter_key_.reset();
            return;
        case Key::Alpha:
            alpha_ = !alpha_;
            last_letter_key_.reset();
            return;
        case Key::Star:
            type_character('.');
            return;
        case Key::Hash:
            type_character('-');
            return;
        default:
            break;
    }
    if (!digit) return;
    if (!alpha_) {
        type_character(static_cast<char>('0' + *digit));
        return;
    }
    const std::string_view letters = kKeyLetters[static_cast<std::size_t>(*digit)];
    if (last_letter_key_ == key && !value.empty()) {
        // The same key again: the next letter takes the last one's place.
        const std::string before = value.substr(0, value.size() - 1);
        const char next = letters[++letter_presses_ % letters.size()];
        if (const int refusal = refuse_character(form, line_, before, next)) {
            message_ = device_text(refusal);
            return;
        }
        value = before + next;
        return;
    }
    letter_presses_ = 0;
    type_character(letters[0]);
    last_letter_key_ = message_.empty() ? std::optional<Key>(key) : std::nullopt;
}

void Walkthrough::type(char c) {
    message_.clear();
    if (!is_form(code_) || record_ || line_ == kNoLine) return;
    if (design_->forms[code_ - 1].data_type[line_] == kTypePause) {
        next_line();
        return;
    }
    last_letter_key_.reset();
    type_character(c);
}

void Walkthrough::type_character(char c) {
    const FormRecord& form = design_->forms[code_ - 1];
    if (!takes_keys(form, line_)) {
        message_ = program_text(kTextScanTheCode);
        return;
    }
    std::string& value = data_.lines[line_];
    if (const int refusal = refuse_character(form, line_, value, c)) {
        message_ = device_text(refusal);
        return;
    }
    value += c;
}

void Walkthrough::scan(std::string_view data) {
    message_.clear();
    if (!is_form(code_) || record_ || line_ == kNoLine) return;
    const FormRecord& form = design_->forms[code_ - 1];
    if (!takes_scan(form, line_)) {
        message_ = program_text(kTextNoScan);
        return;
    }
    const std::string value = scanned_part(form, line_, data);
    if (const int refusal = refuse_value(form, line_, value)) {
        message_ = device_text(refusal);
        return;
    }
    data_.lines[line_] = value;
    // "Auto ENTER" on "Scan+ENTER" completes the line with the scan.
    if (form.auto_enter[line_] == 1) complete_line();
}

void Walkthrough::complete_line() {
    const FormRecord& form = design_->forms[code_ - 1];
    std::string& value = data_.lines[line_];
    if (const int refusal = refuse_value(form, line_, value)) {
        message_ = device_text(refusal);
        return;
    }
    if (form.data_type[line_] == kTypeLookup && lookup_refuses(value)) return;
    next_line();
}

// Checks a "lookup" line's input against the chosen lookup file, doing what the Lookup's
// "Action when the input data has no match" says; true when the line must be entered again.
bool Walkthrough::lookup_refuses(const std::string& value) {
    const FormRecord& form = design_->forms[code_ - 1];
    const Byte link = form.link[line_];
    if (form.lookup_file == 0 || form.lookup_file > kLookupCount || link == 0 ||
        link > 3 * kLinkedFields) {
        return false;
    }
    const std::optional<LookupFile>& file = lookup_files_[form.lookup_file - 1];
    if (!file || file->contains((link - 1) % kLinkedFields + 1, value)) return false;
    const Byte action = design_->lookups[form.lookup_file - 1].no_match_action;
    // 1 and 3 warn, 4 clears, 5 warns and clears; 0 and 2 carry on.
    if (action == 1 || action == 3 || action == 5) message_ = device_text(kDataNotFound);
    if (action != 4 && action != 5) return false;
    data_.lines[line_].clear();
    return true;
}

std::optional<std::size_t> Walkthrough::lookup_file_wanted() const {
    if (!is_form(code_) || record_ || line_ == kNoLine) return std::nullopt;
    const FormRecord& form = design_->forms[code_ - 1];
    if (form.data_type[line_] != kTypeLookup || form.lookup_file == 0 ||
        form.lookup_file > kLookupCount || lookup_asked_[form.lookup_file - 1]) {
        return std::nullopt;
    }
    return form.lookup_file;
}

void Walkthrough::set_lookup_file(std::size_t lookup, std::string_view contents) {
    lookup_asked_[lookup - 1] = true;
    lookup_files_[lookup - 1].emplace(design_->lookups[lookup - 1], contents);
}

void Walkthrough::decline_lookup_file(std::size_t lookup) {
    lookup_asked_[lookup - 1] = true;
    lookup_files_[lookup - 1].reset();
}

Screen Walkthrough::screen() const {
    Screen screen = is_menu(code_) ? menu_screen() : is_form(code_) ? form_screen() : main_screen();
    screen.message = message_;
    return screen;
}

Screen Walkthrough::main_screen() const {
    Screen screen;
    screen.title = "7350";
    for (int entry = 0; entry < kMainMenuBarEntries; ++entry) {
        const std::string text = device_text(kMainMenuBar + entry);
        if (!text.empty()) screen.rows.push_back({text, RowStyle::Text});
    }
    // ENT runs the application: the last entry ("Run") is the chosen one.
    if (!screen.rows.empty()) {
        screen.rows.back().style = RowStyle::Selected;
        screen.focus = screen.rows.size() - 1;
    }
    screen.soft_left = device_text(kMenuEnter);
    return screen;
}

Screen Walkthrough::menu_screen() const {
    const std::size_t index = code_ - kFirstMenuCode;
    const MenuRecord& menu = design_->menus[index];
    Screen screen;
    const std::string caption = slot_text(menu.caption);
    screen.title = menu.caption_on != 0 && !caption.empty()
                       ? caption
                       : device_text(kMenuTitle) + " " + std::to_string(index + 1);
    for (std::size_t item = 0; item < kMenuItems; ++item) {
        if (menu.item_name[item][0] == 0) continue;
        const std::size_t number = screen.rows.size() + 1;
        const bool chosen = screen.rows.size() == selected_;
        if (chosen) screen.focus = screen.rows.size();
        screen.rows.push_back({std::to_string(number % 10) + ". " + slot_text(menu.item_name[item]),
                               chosen ? RowStyle::Selected : RowStyle::Text});
    }
    if (screen.rows.empty()) screen.rows.push_back({program_text(kTextNoItems), RowStyle::Text});
    screen.soft_left = device_text(kMenuEnter);
    screen.soft_right = device_text(kMenuEsc);
    return screen;
}

Screen Walkthrough::form_screen() const {
    const std::size_t index = code_ - 1;
    const FormRecord& form = design_->forms[index];
    Screen screen;
    screen.title =
        device_text(kFormTitle) + " " + std::to_string(index + 1) + (alpha_ ? "  ABC" : "");
    screen.soft_right = device_text(kFormEsc);
    if (record_) {
        screen.soft_left = device_text(kFormEnter);
        screen.title = device_text(kFormTitle) + " " + std::to_string(index + 1) + ": " +
                       device_text(kFormSave);
        screen.rows.push_back({program_text(kTextRecordWritten), RowStyle::Text});
        for (std::size_t at = 0; at < record_->size(); at += kScreenColumns) {
            screen.rows.push_back({record_->substr(at, kScreenColumns), RowStyle::Text});
        }
        if (record_->empty()) screen.rows.push_back({"", RowStyle::Text});
        return screen;
    }
    screen.soft_left = device_text(kFormEnter);
    for (std::size_t line = 0; line < kFormLines; ++line) {
        const Byte type = form.data_type[line];
        if (type == kTypeNil || type == kTypeExtension) continue;
        const std::string prompt = slot_text(form.prompt[line]);
        if (!prompt.empty()) screen.rows.push_back({prompt, RowStyle::Text});
        const bool current = line == line_;
        if (current) screen.focus = screen.rows.size();
        if (type == kTypePause) {
            if (current) screen.rows.push_back({device_text(kPressAKey), RowStyle::Selected});
        } else if (is_entry_line(form, line)) {
            screen.rows.push_back(
                {data_.lines[line], current ? RowStyle::ActiveField : RowStyle::Field,
                 std::clamp<std::size_t>(max_length(form, line), 1, kScreenColumns - 2)});
        } else if (type == kTypeFixedData) {
            screen.rows.push_back({slot_text(form.initial_text[line]), RowStyle::Text});
        } else if (type == kTypeCounter) {
            screen.rows.push_back({std::to_string(data_.record_number), RowStyle::Text});
        } else if (type == kTypePassDown) {
            screen.rows.push_back({data_.handover, RowStyle::Text});
        }
    }
    return screen;
}

}  // namespace tc::preview
