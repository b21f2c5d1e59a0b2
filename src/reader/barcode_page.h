#pragma once

#include <string_view>

#include "document/design_document.h"
#include "reader/reader_settings_record.h"
#include "reader/symbology_dialogs.h"
#include "texts/program_texts.h"
#include "ui/property_sheet.h"

namespace tc {

// The Barcode page of the editor sheet (BARCODEDLG): the reader fitted to the terminal, its
// good-read signals, the scanning settings of the reader and one check box per symbology. It edits
// the working copy of the reader settings, which the sheet's OK copies into the design document.
// The page is laid out for the reader mode of the working copy: the 1D list (also without a
// reader), the 2D list or the ELR list in the same 27 slots. The parameter dialogs reach the
// page's check boxes through its page handle.
class BarcodePage : public ui::Page, public BarcodePageHandle {
  public:
    // The pages the Barcode page tells about its RFID reader and its image capture.
    static constexpr std::size_t kFormPageIndex = 0;
    static constexpr std::size_t kSettingsPageIndex = 4;

    BarcodePage(DesignDocument& document, const texts::ProgramTexts& texts);

    void take_over() override;

    void set_slot(int slot, bool checked) override;

    // The reader mode the page is laid out for.
    ReaderMode layout_mode() const { return mode_; }

  protected:
    void on_created() override;
    void on_shown() override { visible_ = true; }
    void on_hidden() override { visible_ = false; }
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    void on_focus_lost(int id) override;

  private:
    // Loading (barcode_page.cpp).
    void fill_lists();
    void load_reader_group();
    void load_good_read();
    void load_mode();
    void enable_reader_controls();
    void show_mode_controls();
    void load_one_d();
    void load_two_d();
    void load_elr();
    void load_slots();
    void enable_same_barcode();
    void reader_chosen();
    void reset();
    void rfid_clicked();

    // Taking over (barcode_page_apply.cpp).
    void apply_one_d();
    void apply_two_d();
    void apply_elr();
    void apply_slots();
    Byte edit_byte(int id, int minimum, int maximum) const;

    // The symbology slots and their dialogs (barcode_page_slots.cpp).
    bool slot_checked(int slot) const;
    void slot_clicked(int slot);
    void two_d_slot_clicked(int slot);
    void coupon_clicked();
    void more_clicked(int slot);
    int open_dialog(std::string_view name);
    void enable_more(int slot, bool enabled);
    void follow_ean13();
    void follow_data_bar_2d();
    void coupon_off();
    void gs1_128_on();
    void tell_form_page();
    void tell_form_page_reader();
    void tell_settings_page();

    DesignDocument& document_;
    const texts::ProgramTexts& texts_;
    ReaderSettingsRecord& working_;
    ReaderMode mode_ = ReaderMode::None;
    bool reader_enabled_ = false;
    // Typing is corrected only while the page is on the screen.
    bool visible_ = false;
};

}  // namespace tc
