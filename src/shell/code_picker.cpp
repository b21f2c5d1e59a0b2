#include "shell/code_picker.h"

#include <algorithm>
#include <array>
#include <optional>

#include "resources/shell_layouts.h"
#include "texts/message_box.h"

namespace tc::shell {
namespace {

namespace ids = resources::code_picker_ids;

constexpr int kCodesPerColumn = CodePicker::kCodesPerColumn;

constexpr std::size_t kMaxPrefixSuffixCodes = 10;
constexpr int kTextTooManyCharacters = 2853;

// The keys that codes 0x00-0x1C stand for; the disabled separators 0x1D-0x1F have no key of their
// own and show their ASCII names.
constexpr std::array<std::string_view, 0x20> kControlLabels{
    "NUL",   "Ins",  "Del",   "Home", "End", "Up",  "Down", "Left", "BS", "HT", "LF",
    "Right", "PgUp", "Enter", "PgDn", "F1",  "F2",  "F3",   "F4",   "F5", "F6", "F7",
    "F8",    "F9",   "F10",   "F11",  "F12", "ESC", "Exec", "GS",   "RS", "US"};

// Where each arrow key moves the selection in the grid: a column is a high nibble, a row a low one.
struct ArrowStep {
    ui::Key key;
    int columns;
    int rows;
};
constexpr std::array<ArrowStep, 4> kArrowSteps{{
    {ui::Key::Left, -1, 0},
    {ui::Key::Right, 1, 0},
    {ui::Key::Up, 0, -1},
    {ui::Key::Down, 0, 1},
}};

// The code in a column and row of the grid; none outside it.
std::optional<Byte> grid_code(int column, int row) {
    if (column < 0 || column >= kCodesPerColumn || row < 0 || row >= kCodesPerColumn) {
        return std::nullopt;
    }
    return static_cast<Byte>(column * kCodesPerColumn + row);
}

}  // namespace

std::size_t max_code_count(CodeFieldRole role) {
    return role == CodeFieldRole::PrefixSuffix ? kMaxPrefixSuffixCodes : 1;
}

std::string code_label(Byte code) {
    if (code < kControlLabels.size()) return std::string(kControlLabels[code]);
    if (code == 0x20) return "SP";
    if (code == 0x26) return "&&";
    if (code == 0x7F) return "DEL";
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    return std::to_string(code);
}

bool is_disabled_code(Byte code) {
    return code == 0x00 || code == 0x0A || code == 0x0D || (code >= 0x1D && code <= 0x1F);
}

std::string code_labels_text(std::span<const Byte> codes) {
    std::string text;
    for (const Byte code : codes) {
        if (code == 0) break;
        text += code_label(code);
        text += ' ';
    }
    return text;
}

std::string code_field_text(std::string_view labels_text) {
    std::string text;
    for (std::size_t i = 0; i < labels_text.size(); ++i) {
        text += labels_text[i];
        if (labels_text.substr(i, 3) == "&& ") ++i;
    }
    return text;
}

CodePicker::CodePicker(const texts::ProgramTexts& texts, CodeFieldRole role, std::span<Byte> codes)
    : ui::Dialog(resources::code_picker_layout()),
      texts_(texts),
      max_count_(max_code_count(role)),
      codes_(codes) {}

void CodePicker::on_created() {
    if (texts_.language_active()) {
        set_title(texts_.language_entry(81));
        set_text(ids::kResultLabel, texts_.language_entry(82));
        set_text(ids::kClear, texts_.language_entry(83));
        set_text(ui::kIdOk, texts_.language_entry(84));
        set_text(ui::kIdCancel, texts_.language_entry(85));
    }
    selected_ = 0x20;
    set_focus(ids::kGrid);
    picked_.clear();
    for (const Byte code : codes_.first(std::min(codes_.size(), max_count_))) {
        if (code == 0) break;
        picked_.push_back(code);
    }
    resulting_text_ = code_labels_text(picked_);
    text_on_opening_ = resulting_text_;
    field_text_ = code_field_text(text_on_opening_);
}

void CodePicker::on_command(int id) {
    if (id != ids::kClear) return;
    picked_.clear();
    resulting_text_.clear();
    invalidate(ids::kResultBox);
}

// A point left of or above the grid falls in its header column or row (division rounds toward
// zero), which holds no code.
void CodePicker::on_area_clicked(int id, ui::Point p) {
    if (id != ids::kGrid) return;
    const ui::Rect area = control(ids::kGrid).rect;
    const int column = p.x / (area.width / kGridCells) - 1;
    const int row = p.y / (area.height / kGridCells) - 1;
    const std::optional<Byte> code = grid_code(column, row);
    if (!code || is_disabled_code(*code)) return;
    select(*code);
    pick(*code);
}

void CodePicker::on_area_key(int id, ui::Key key) {
    if (id != ids::kGrid) return;
    if (key == ui::Key::Space || key == ui::Key::Enter) return pick(selected_);
    const auto step = std::find_if(kArrowSteps.begin(), kArrowSteps.end(),
                                   [key](const ArrowStep& s) { return s.key == key; });
    if (step == kArrowSteps.end()) return;
    int column = selected_ / kCodesPerColumn;
    int row = selected_ % kCodesPerColumn;
    std::optional<Byte> code;
    do {
        column += step->columns;
        row += step->rows;
        code = grid_code(column, row);
        if (!code) return;
    } while (is_disabled_code(*code));
    select(*code);
}

void CodePicker::select(Byte code) {
    selected_ = code;
    invalidate(ids::kGrid);
}

void CodePicker::pick(Byte code) {
    if (picked_.size() >= max_count_) {
        texts::text_message_box(texts_, host(), texts::kTitleWarning, kTextTooManyCharacters,
                                texts::kWarningStyle);
        return;
    }
    picked_.push_back(code);
    resulting_text_ += code_label(code);
    resulting_text_ += ' ';
    invalidate(ids::kResultBox);
}

bool CodePicker::on_ok() {
    const std::size_t kept = std::min(picked_.size(), codes_.size());
    std::copy_n(picked_.begin(), kept, codes_.begin());
    std::fill(codes_.begin() + static_cast<std::ptrdiff_t>(kept), codes_.end(), Byte{0});
    field_text_ = code_field_text(resulting_text_);
    return true;
}

void CodePicker::on_cancel() {
    field_text_ = code_field_text(text_on_opening_);
}

CodeField::CodeField(int control_id, CodeFieldRole role, std::span<Byte> codes)
    : control_id_(control_id), role_(role), codes_(codes) {}

std::string CodeField::text() const {
    return code_field_text(
        code_labels_text(codes_.first(std::min(codes_.size(), max_code_count(role_)))));
}

std::string CodeField::pick(ui::Host& host, const texts::ProgramTexts& texts) {
    CodePicker picker(texts, role_, codes_);
    host.run_modal(picker);
    return picker.field_text();
}

}  // namespace tc::shell
