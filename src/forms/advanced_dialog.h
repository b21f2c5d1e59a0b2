#pragma once

#include <string>

#include "forms/form_dialog.h"

namespace tc {

// The Advanced dialog (ADVANCEDLG) of the current Form: read-once, export, data deletion and MSQI.
// The Form page applies the MSQI layout after OK.
class AdvancedDialog : public FormDialog {
  public:
    AdvancedDialog(FormRecord& form, std::string form_number, const texts::ProgramTexts& texts);

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_cancel() override { restore_backup(); }

  private:
    void show_save_mode();

    std::string form_number_;
};

}  // namespace tc
