#include "forms/advanced_dialog.h"

#include "forms/form_page_state.h"
#include "resources/form_dialog_layouts.h"
#include "ui/host.h"

namespace tc {
namespace {

using namespace resources::advanced_ids;

constexpr int kTitleText = 171;  // "Form #"
constexpr std::size_t kExportNameLength = 20;

constexpr FormDialog::LanguageCaption kLanguageCaptions[] = {
    {kReadOnceCheck, 172},   {kExportRenameCheck, 173}, {kExtensionLabel, 174},
    {kAutoExportCheck, 175}, {kSaveModeLabel, 314},     {kOverwriteRadio, 315},
    {kAppendRadio, 316},     {kMsqiCheck, 317},         {ui::kIdOk, 318},
    {ui::kIdCancel, 319},    {kAutoDeleteCheck, 320},
};

struct AdvancedCheck {
    int id;
    Byte FormRecord::*field;
};
constexpr AdvancedCheck kChecks[] = {
    {kReadOnceCheck, &FormRecord::read_once},     {kExportRenameCheck, &FormRecord::export_rename},
    {kAutoExportCheck, &FormRecord::auto_export}, {kAutoDeleteCheck, &FormRecord::auto_delete},
    {kMsqiCheck, &FormRecord::msqi_enabled},
};

}  // namespace

AdvancedDialog::AdvancedDialog(FormRecord& form, std::string form_number,
                               const texts::ProgramTexts& texts)
    : FormDialog(resources::advanced_dialog_layout(), form, texts),
      form_number_(std::move(form_number)) {}

void AdvancedDialog::on_created() {
    relabel(kTitleText, kLanguageCaptions);
    set_title(caption_text(texts_, kTitleText) + form_number_);
    take_backup();
    for (const AdvancedCheck& check : kChecks) set_checked(check.id, form_.*check.field != 0);
    set_text_limit(kExportNameEdit, kExportNameLength);
    set_text(kExportNameEdit, slot_text(form_.export_name));
    enable(kExportNameEdit, form_.export_rename != 0);
    show_save_mode();
}

void AdvancedDialog::show_save_mode() {
    set_checked(kOverwriteRadio, form_.save_mode == 0);
    set_checked(kAppendRadio, form_.save_mode == 1);
    const bool auto_export = form_.auto_export != 0;
    for (const int id : {kSaveModeLabel, kOverwriteRadio, kAppendRadio}) enable(id, auto_export);
}

void AdvancedDialog::on_command(int id) {
    if (id == kOverwriteRadio || id == kAppendRadio) {
        form_.save_mode = id == kAppendRadio ? 1 : 0;
        return show_save_mode();
    }
    for (const AdvancedCheck& check : kChecks) {
        if (check.id != id) continue;
        toggle(id);
        form_.*check.field = checked(id);
    }
    if (id == kExportRenameCheck) enable(kExportNameEdit, form_.export_rename != 0);
    if (id == kAutoExportCheck) show_save_mode();
}

void AdvancedDialog::on_edit_changed(int id) {
    if (id == kExportNameEdit) {
        store_text(form_.export_name, text(id).substr(0, kExportNameLength));
    }
}

}  // namespace tc
