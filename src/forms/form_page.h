#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/design_document.h"
#include "forms/form_list_items.h"
#include "forms/form_page_state.h"
#include "texts/program_texts.h"
#include "ui/property_sheet.h"

namespace tc {

// The Form page of the editor sheet (FORMDLG): shows one of the twenty Forms at a time, its links
// and options at the top and lines 1-12 as a grid below. It edits working copies of the Forms
// that the sheet's OK applies to the design document; every invalid entry is corrected in place.
class FormPage : public ui::Page {
  public:
    FormPage(DesignDocument& document, const texts::ProgramTexts& texts,
             const form_items::NumberTexts& form_numbers);

    void take_over() override;

    // The Barcode page switched the RFID reader on or off: switching it off turns every input
    // source "RFID" of every working Form into "all"; the input source lists are refilled.
    void rfid_switched(bool on);
    // The Barcode page chose another reader: without the 2D reader the shown Form loses its
    // "large data" and "read from 2D" lines at once, as confirming the sheet would.
    void reader_switched() {
        if (created()) remove_2d_types();
    }

    const std::array<FormRecord, kFormCount>& working_forms() const { return forms_; }
    std::size_t current_form() const { return current_; }
    std::size_t current_line() const { return current_line_; }
    const InputMarkStates& input_marks() const { return marks_; }

  protected:
    void on_created() override;
    void on_shown() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    void on_dropdown_opened(int id) override;

  private:
    // The identifier of a grid row's control in the column named by `column`.
    static int row_control(int (*column)(int), std::size_t row) {
        return column(static_cast<int>(row));
    }
    FormRecord& form() { return forms_[current_]; }
    const FormRecord& form() const { return forms_[current_]; }
    Byte type_of(std::size_t row) const { return form().data_type[row]; }
    bool has_lookup_file() const;
    bool msqi() const { return form().msqi_enabled != 0; }
    bool two_d_reader() const { return has_2d_reader(document_.reader_working); }
    int total_max_length(std::size_t row) const;
    int max_length_shown(std::size_t row) const;

    // Creation and showing (form_page.cpp).
    void relabel();
    void fill_lists();
    void show_form();
    void show_link_heading();
    void enable_record_dependent_controls();
    void disable_nil_rows();
    void data_type_chosen(std::size_t row, bool chosen);
    void open_line_dialog(std::size_t row);
    void open_advanced_dialog();

    // The rules of one grid row (form_page_rows.cpp).
    void update_line_controls(std::size_t row);
    void fill_link_list(std::size_t row);
    bool link_list_wanted(std::size_t row) const;
    void reset_line_properties(std::size_t row);
    void reset_line(std::size_t row);
    void show_input_source(std::size_t row, Byte code);
    void enable_line_fields(std::size_t row, bool enabled);
    void prompt_changed(std::size_t row);
    void min_length_changed(std::size_t row);
    void max_length_changed(std::size_t row);

    // The data type lists, the MSQI layout and the 2D reader's types (form_page_layouts.cpp).
    void apply_msqi_layout(bool on);
    void apply_msqi_rows(bool lookup_file);
    void remove_msqi_layout();
    void remove_2d_types();
    void show_link_state(std::size_t row);
    void adjust_2d_items(std::size_t row);
    std::optional<std::string> extra_type_item(std::size_t row) const;
    void set_type_list(std::size_t row, std::optional<std::string_view> extra);
    void show_type(std::size_t row);

    DesignDocument& document_;
    const texts::ProgramTexts& texts_;
    const form_items::NumberTexts& numbers_;
    std::array<FormRecord, kFormCount> forms_{};
    std::size_t current_ = 0;
    std::size_t current_line_ = 0;
    InputMarkStates marks_{};
    bool rfid_ = false;
};

}  // namespace tc
