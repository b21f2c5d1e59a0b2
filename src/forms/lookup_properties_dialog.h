#pragma once

#include "forms/form_dialog.h"
#include "forms/form_page_state.h"
#include "forms/line_codes.h"
#include "shell/code_picker.h"

namespace tc {

// The Lookup properties dialog (LOOKUPPROPERTIESDLG) of a "lookup" line: whether the field's data
// is saved, and then its fixed length and its prefix and suffix codes.
class LookupPropertiesDialog : public FormDialog {
  public:
    explicit LookupPropertiesDialog(const LineDialogContext& context);

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    bool on_ok() override;
    void on_cancel() override { restore_backup(); }

  private:
    void update_enabling();

    std::size_t line_;
    std::string form_number_;
    std::string line_number_;
    CodeBuffer prefix_codes_{};
    CodeBuffer suffix_codes_{};
    shell::CodeField prefix_field_;
    shell::CodeField suffix_field_;
};

}  // namespace tc
