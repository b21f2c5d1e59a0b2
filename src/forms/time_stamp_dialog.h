#pragma once

#include "forms/form_dialog.h"

namespace tc {

// The date and time stamp dialog (TIMESTAMPDLG) of the current Form: where the stamp goes, which
// date and time parts it has and how they are written, with the resulting patterns shown live.
class TimeStampDialog : public FormDialog {
  public:
    TimeStampDialog(FormRecord& form, const texts::ProgramTexts& texts);

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    void on_cancel() override { restore_backup(); }

  private:
    void show_date_pattern();
    void show_time_pattern();
};

}  // namespace tc
