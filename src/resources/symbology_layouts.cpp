#include "resources/symbology_layouts.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "reader/symbology_members.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc::resources {
namespace {

using symbology::BindingKind;
using symbology::control_id;
using symbology::Part;
using ui::Caption;
using ui::ControlKind;
using ui::ControlTemplate;
using ui::Rect;

constexpr int kMargin = 12;
constexpr int kInset = 16;            // controls inside the dialog's margin or a group box
constexpr int kAverageCharWidth = 7;  // of the dialog font at 96 DPI
constexpr int kMinWidth = 380;
constexpr int kMaxWidth = 720;
constexpr int kTextSlack = 60;  // room for translated captions and the check mark
constexpr int kRowHeight = 20;
constexpr int kCheckStep = 24;
constexpr int kLabelStep = 20;
constexpr int kListHeight = 24;
constexpr int kListStep = 32;
constexpr int kEditHeight = 22;
constexpr int kEditStep = 30;
constexpr int kEditWidth = 56;
constexpr int kChoiceStep = 22;
constexpr int kGroupTop = 20;
constexpr int kGroupBottom = 8;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kLengthLabelChars = 16;  // "Fixed Length 1 :"

std::size_t caption_length(const Caption& caption) {
    return caption.text_id < 0 ? caption.literal.size()
                               : texts::builtin_text(caption.text_id).size();
}

// Wide enough for the longest caption or list item of the member.
int dialog_width(const symbology::Member& member) {
    std::size_t chars = caption_length(member.title);
    for (const symbology::Binding& b : member.bindings) {
        std::size_t own = caption_length(b.caption);
        if (b.kind == BindingKind::Number || b.kind == BindingKind::Character) {
            own += (kEditWidth + 8) / kAverageCharWidth;
        }
        chars = std::max(chars, own);
        for (const Caption& c : b.choices) chars = std::max(chars, caption_length(c) + 4);
        for (const int item : b.items) chars = std::max(chars, texts::builtin_text(item).size());
    }
    chars = std::max<std::size_t>(chars, kLengthLabelChars);
    const int width = static_cast<int>(chars) * kAverageCharWidth + 2 * kInset + kTextSlack;
    return std::clamp(width, kMinWidth, kMaxWidth);
}

class LayoutBuilder {
  public:
    explicit LayoutBuilder(int width) : width_(width) {}

    void check(int id, Caption caption) {
        add({id, ControlKind::CheckBox, caption, Rect{kInset, y_, inner(), kRowHeight}});
        y_ += kCheckStep;
    }

    void list(int label, int id, Caption caption) {
        add({label, ControlKind::Label, caption, Rect{kInset, y_, inner(), kRowHeight - 2}});
        y_ += kLabelStep;
        add({id, ControlKind::DropDownList, Caption{}, Rect{kInset, y_, inner(), kListHeight}});
        y_ += kListStep;
    }

    void edit(int label, int id, Caption caption, int limit, unsigned style) {
        const int edit_x = width_ - kInset - kEditWidth;
        add({label, ControlKind::Label, caption,
             Rect{kInset, y_ + 3, edit_x - kInset - 8, kRowHeight - 2}});
        add({id, ControlKind::Edit, Caption{}, Rect{edit_x, y_, kEditWidth, kEditHeight}, limit,
             style});
        y_ += kEditStep;
    }

    void radio_group(std::size_t index, const symbology::Binding& b) {
        const int count = static_cast<int>(b.choices.size());
        const int height = kGroupTop + count * kChoiceStep + kGroupBottom;
        add({control_id(index, Part::kMain), ControlKind::GroupBox, b.caption,
             Rect{kMargin, y_, width_ - 2 * kMargin, height}});
        for (int c = 0; c < count; ++c) {
            add({control_id(index, Part::kFirstChoice + c), ControlKind::RadioButton,
                 b.choices[static_cast<std::size_t>(c)],
                 Rect{kInset + 8, y_ + kGroupTop + c * kChoiceStep, inner() - 16, kRowHeight}, 0,
                 c == 0 ? ui::kStyleGroupStart : ui::kStyleNone});
        }
        y_ += height + kGroupBottom;
    }

    void lengths(std::size_t index, int digits) {
        edit(control_id(index, Part::kFirstLengthLabel), control_id(index, Part::kFirstLengthEdit),
             Caption{}, digits, ui::kStyleDigitsOnly);
        edit(control_id(index, Part::kSecondLengthLabel),
             control_id(index, Part::kSecondLengthEdit), Caption{}, digits, ui::kStyleDigitsOnly);
    }

    ui::DialogTemplate finish(std::string_view name, Caption title, Caption ok, Caption cancel) {
        y_ += 8;
        add({ui::kIdOk, ControlKind::Button, ok,
             Rect{width_ - kMargin - 2 * kButtonWidth - 8, y_, kButtonWidth, kButtonHeight}, 0,
             ui::kStyleDefaultButton});
        add({ui::kIdCancel, ControlKind::Button, cancel,
             Rect{width_ - kMargin - kButtonWidth, y_, kButtonWidth, kButtonHeight}});
        return ui::DialogTemplate{name, title, width_, y_ + kButtonHeight + kMargin,
                                  std::move(controls_)};
    }

  private:
    int inner() const { return width_ - 2 * kInset; }
    void add(ControlTemplate control) { controls_.push_back(control); }

    int width_;
    int y_ = kMargin;
    std::vector<ControlTemplate> controls_;
};

ui::DialogTemplate build_layout(const symbology::Member& member) {
    LayoutBuilder layout(dialog_width(member));
    for (std::size_t i = 0; i < member.bindings.size(); ++i) {
        const symbology::Binding& b = member.bindings[i];
        const int main = control_id(i, Part::kMain);
        const int label = control_id(i, Part::kLabel);
        switch (b.kind) {
            case BindingKind::Check:
                layout.check(main, b.caption);
                break;
            case BindingKind::Radio:
                layout.radio_group(i, b);
                break;
            case BindingKind::List:
                layout.list(label, main, b.caption);
                break;
            case BindingKind::Number:
                layout.edit(label, main, b.caption, b.digits, ui::kStyleDigitsOnly);
                break;
            case BindingKind::Character:
                layout.edit(label, main, b.caption, b.digits, ui::kStyleNone);
                break;
            case BindingKind::FixedOrMaxMin:
                layout.radio_group(i, b);
                layout.lengths(i, b.digits);
                break;
            case BindingKind::AnyLengthRange:
                layout.list(label, main, b.caption);
                layout.lengths(i, b.digits);
                break;
        }
    }
    return layout.finish(member.name, member.title, member.ok, member.cancel);
}

}  // namespace

const ui::DialogTemplate& symbology_layout(const symbology::Member& member) {
    static const std::map<std::string_view, ui::DialogTemplate> layouts = [] {
        std::map<std::string_view, ui::DialogTemplate> built;
        for (const symbology::Member& m : symbology::members())
            built.emplace(m.name, build_layout(m));
        return built;
    }();
    return layouts.at(member.name);
}

}  // namespace tc::resources
