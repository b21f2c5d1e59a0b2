#pragma once

#include <cstddef>

#include "reader/symbology_dialogs.h"
#include "reader/symbology_members.h"
#include "ui/dialog.h"

namespace tc {

// The one dialog class of the symbology family: it loads the member's bytes from the working copy
// into the controls, keeps the enabling rules, corrects numbers while the user types, validates
// and stores on OK, and puts the working copy back on Cancel.
class SymbologyDialog : public ui::Dialog {
  public:
    SymbologyDialog(const symbology::Member& member, const ui::DialogTemplate& layout,
                    SymbologyContext& context);

  protected:
    void on_created() override;
    void on_shown() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    bool on_ok() override;
    void on_cancel() override;

  private:
    const symbology::Binding& binding(std::size_t index) const { return member_.bindings[index]; }
    bool owns(int id) const;
    std::size_t binding_index(int id) const;

    void relabel();
    void load(std::size_t index);
    void apply_rules();
    void apply_dependency(std::size_t index);
    void update_length(std::size_t index);
    void choose_length_mode(std::size_t index, bool first_was_enabled, bool second_was_enabled);

    int position(std::size_t index) const;  // what a master shows: checked box 1, list item, ...
    int chosen_choice(std::size_t index) const;
    void select_choice(std::size_t index, int choice);
    int list_position(const symbology::Binding& b, Byte value) const;
    void show_number(int id, int value);
    int number_in(int id) const;  // the edit's number, -1 when it holds none

    bool confirm_coupon_preamble();
    bool validate();
    bool refuse(int id);
    void store(std::size_t index);
    void store_lengths(const symbology::Binding& b, std::size_t index);

    const symbology::Member& member_;
    SymbologyContext& context_;
    ReaderSettingsRecord& working_;
    ReaderSettingsRecord backup_{};
    bool visible_ = false;  // corrections apply to typing, not to the values loaded on opening
};

}  // namespace tc
