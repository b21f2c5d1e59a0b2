#pragma once

#include "forms/form_dialog.h"
#include "forms/form_page_state.h"

namespace tc {

// The Image properties dialog (IMAGEPROPERTIESDLG) of an "image" line: whether the picture's file
// path is edited, saved and checked, its fixed length, the initial path and the input mark.
class ImagePropertiesDialog : public FormDialog {
  public:
    explicit ImagePropertiesDialog(const LineDialogContext& context);

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    bool on_ok() override;
    void on_cancel() override;

  private:
    void update_enabling();

    std::size_t line_;
    bool& show_input_mark_;
    bool show_input_mark_on_opening_ = false;
    std::string form_number_;
    std::string line_number_;
};

}  // namespace tc
