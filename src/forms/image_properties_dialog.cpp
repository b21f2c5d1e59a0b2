#include "forms/image_properties_dialog.h"

#include "forms/form_list_items.h"
#include "forms/length_input.h"
#include "resources/form_dialog_layouts.h"
#include "ui/host.h"

namespace tc {
namespace {

using namespace resources::image_properties_ids;

constexpr int kTitleText = 301;
constexpr int kMaxImageFixedLength = 255;
constexpr std::size_t kPathLength = 160;

constexpr FormDialog::LanguageCaption kLanguageCaptions[] = {
    {kFormLabel, 302},        {kLineLabel, 303},      {kEditPathCheck, 304},
    {kSavePathCheck, 305},    {kCheckPathCheck, 306}, {kFixedLengthCheck, 307},
    {kInitialPathCheck, 309}, {kInputMarkCheck, 310}, {ui::kIdOk, 311},
    {ui::kIdCancel, 312},
};

}  // namespace

ImagePropertiesDialog::ImagePropertiesDialog(const LineDialogContext& context)
    : FormDialog(resources::image_properties_dialog_layout(), context.form, context.texts),
      line_(context.line),
      show_input_mark_(context.show_input_mark),
      form_number_(context.form_number),
      line_number_(context.line_number) {}

void ImagePropertiesDialog::on_created() {
    relabel(kTitleText, kLanguageCaptions);
    set_text(kFormNumber, form_number_);
    set_text(kLineNumber, line_number_);
    take_backup();
    show_input_mark_on_opening_ = show_input_mark_;
    show_input_mark_ = form_.input_mark[line_] != 0;
    set_checked(kEditPathCheck, form_.edit_file_path[line_] != 0);
    set_checked(kSavePathCheck, form_.save_file_path[line_] != 0);
    set_checked(kCheckPathCheck, form_.check_file_path[line_] != 0);
    set_checked(kFixedLengthCheck, form_.fixed_length_on[line_] != 0);
    set_text(kFixedLengthEdit, std::to_string(form_.fixed_length_low[line_]));
    set_items(kAlignmentList, form_items::alignment_items());
    set_selection(kAlignmentList, form_.alignment[line_]);
    set_checked(kInitialPathCheck, form_.initial_on[line_] != 0);
    set_text(kInitialPathEdit, slot_text(form_.initial_text[line_]));
    set_checked(kInputMarkCheck, show_input_mark_);
    const Byte mark = form_.input_mark[line_];
    set_text(kInputMarkEdit, mark == 0 ? std::string() : std::string{static_cast<char>(mark)});
    update_enabling();
}

// A path that is edited is also saved: "Save file path" is then checked and locked.
void ImagePropertiesDialog::update_enabling() {
    const bool edit = checked(kEditPathCheck);
    enable(kSavePathCheck, !edit);
    enable(kCheckPathCheck, edit);
    const bool fixed = edit || checked(kSavePathCheck);
    enable(kFixedLengthCheck, fixed);
    enable(kFixedLengthEdit, fixed && checked(kFixedLengthCheck));
    enable(kAlignmentList, fixed && checked(kFixedLengthCheck));
    enable(kInitialPathCheck, edit);
    enable(kInitialPathEdit, edit && checked(kInitialPathCheck));
    enable(kInputMarkCheck, edit);
    enable(kInputMarkEdit, edit && checked(kInputMarkCheck));
}

void ImagePropertiesDialog::on_command(int id) {
    const auto stored = [&](PerLine<kFormLines>& field) {
        toggle(id);
        field[line_] = checked(id);
    };
    switch (id) {
        case kEditPathCheck:
            stored(form_.edit_file_path);
            form_.save_file_path[line_] = form_.edit_file_path[line_];
            set_checked(kSavePathCheck, checked(id));
            break;
        case kSavePathCheck:
            stored(form_.save_file_path);
            break;
        case kCheckPathCheck:
            stored(form_.check_file_path);
            break;
        case kFixedLengthCheck:
            stored(form_.fixed_length_on);
            break;
        case kInitialPathCheck:
            stored(form_.initial_on);
            break;
        case kInputMarkCheck:
            toggle(id);
            show_input_mark_ = checked(id);
            break;
        default:
            return;
    }
    update_enabling();
}

void ImagePropertiesDialog::on_edit_changed(int id) {
    if (id == kFixedLengthEdit) {
        const LengthInput input = read_length(text(id), kMaxImageFixedLength);
        if (input.rewrite) return set_text(id, *input.rewrite);
        form_.fixed_length_low[line_] = static_cast<Byte>(input.value);
    } else if (id == kInitialPathEdit) {
        store_text(form_.initial_text[line_], text(id).substr(0, kPathLength));
    } else if (id == kInputMarkEdit) {
        if (const std::optional<Byte> mark = single_character(id)) form_.input_mark[line_] = *mark;
    }
}

// The alignment list is the dialog's only list, and a person's choice is always an item.
void ImagePropertiesDialog::on_selection_changed(int id) {
    form_.alignment[line_] = static_cast<Byte>(selection(id));
}

bool ImagePropertiesDialog::on_ok() {
    if (!show_input_mark_) form_.input_mark[line_] = 0;
    return true;
}

void ImagePropertiesDialog::on_cancel() {
    restore_backup();
    show_input_mark_ = show_input_mark_on_opening_;
}

}  // namespace tc
