#pragma once

#include <array>

#include "forms/form_dialog.h"
#include "forms/form_page_state.h"
#include "forms/line_codes.h"
#include "shell/code_picker.h"

namespace tc {

// The Properties dialog (FORMPROPERTIESDLG) of a Form line of any type but "lookup" and "image":
// fixed length, initial value, prefix and suffix codes, input mark, decimal places and the
// barcode options. Every change goes into the working record at once; Cancel puts back the whole
// record as it was when the dialog opened.
class PropertiesDialog : public FormDialog {
  public:
    // `start_position_limit`: the largest start position of a partial read (the "large data"
    // line's maximum length on "large data" and "read from 2D" lines, else 160).
    PropertiesDialog(const LineDialogContext& context, int start_position_limit);

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    bool on_ok() override;
    void on_cancel() override;

  private:
    Byte type() const { return form_.data_type[line_]; }
    bool barcode_input() const;
    void show_fixed_length();
    void show_initial_value();
    void show_codes();
    void show_input_mark();
    void show_barcode_options();
    void fit_partial_reading();
    void update_enabling();
    void fixed_length_changed();
    void initial_text_changed();
    void start_position_changed();
    void partial_length_changed();

    std::size_t line_;
    bool& show_input_mark_;
    bool show_input_mark_on_opening_ = false;
    std::string form_number_;
    std::string line_number_;
    int start_position_limit_;
    CodeBuffer prefix_codes_{};
    CodeBuffer suffix_codes_{};
    shell::CodeField prefix_field_;
    shell::CodeField suffix_field_;
};

// The most characters of an initial value (a file path on "image") a line of `type` takes.
std::size_t initial_text_limit(Byte type);

// The initial value as a line of `type` keeps it: "integer" digits only, "real" and "auto(+/-)"
// digits and a lone ".", "boolean" one of 1 0 T F t f Y N y n, "alphameric" the leading letters
// and digits, "letter" the leading letters; other types keep the text.
std::string filter_initial_text(Byte type, std::string_view text);

// Whether the edit shows the filtered text rather than what was typed.
bool rewrites_initial_text(Byte type);

}  // namespace tc
