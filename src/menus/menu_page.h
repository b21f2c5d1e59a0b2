#pragma once

#include <array>

#include "document/design_document.h"
#include "menus/menu_record.h"
#include "texts/program_texts.h"
#include "ui/property_sheet.h"

namespace tc {

// The Menu page of the editor sheet (MENUDLG): edits the ten Menus one at a time in a page copy
// that the sheet's OK stores into the design document.
class MenuPage : public ui::Page {
  public:
    // Control identifiers of MENUDLG.
    static constexpr int kIdLabel = 101;
    static constexpr int kMenuList = 102;
    static constexpr int kEscLabel = 103;
    static constexpr int kEscList = 104;
    static constexpr int kCaptionCheck = 105;
    static constexpr int kCaptionEdit = 106;
    static constexpr int kDataGroup = 107;
    static constexpr int kSaveCaptionCheck = 108;
    static constexpr int kSaveSelectedCheck = 109;
    static constexpr int kResetButton = 110;
    static constexpr int kItemNoLabel = 111;
    static constexpr int kItemNameLabel = 112;
    static constexpr int kNextLabel = 113;

    // Items 1-10 are shown, one row each.
    static constexpr int kShownItems = 10;
    static constexpr int item_number_label(int item) { return 200 + item; }
    static constexpr int item_name_edit(int item) { return 220 + item; }
    static constexpr int item_next_list(int item) { return 240 + item; }

    MenuPage(DesignDocument& document, const texts::ProgramTexts& texts);

    void take_over() override;

    const std::array<MenuRecord, kMenuCount>& page_copy() const { return menus_; }
    std::size_t current_menu() const { return current_; }

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;

  private:
    void relabel();
    void fill_lists();
    void show_menu();
    MenuRecord& menu() { return menus_[current_]; }

    DesignDocument& document_;
    const texts::ProgramTexts& texts_;
    std::array<MenuRecord, kMenuCount> menus_{};
    std::size_t current_ = 0;
};

}  // namespace tc
