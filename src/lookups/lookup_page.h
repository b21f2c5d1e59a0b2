#pragma once

#include <array>

#include "document/design_document.h"
#include "lookups/lookup_record.h"
#include "texts/program_texts.h"
#include "ui/property_sheet.h"

namespace tc {

// The Lookup page of the editor sheet (LOOKUPDLG): edits the five Lookups one at a time in a page
// copy that the sheet's OK stores, and keeps the design's working copy of the Lookups (read by the
// Form page) up to date whenever the user leaves the page.
class LookupPage : public ui::Page {
  public:
    // Control identifiers of LOOKUPDLG.
    static constexpr int kIdLabel = 301;
    static constexpr int kLookupList = 302;
    static constexpr int kFieldCountLabel = 303;
    static constexpr int kFieldCountList = 304;
    static constexpr int kFieldPropertyGroup = 305;
    static constexpr int kFixedLengthRadio = 306;
    static constexpr int kDelimiterRadio = 307;
    static constexpr int kDelimiterEdit = 308;
    static constexpr int kAsciiLabel = 309;
    static constexpr int kExportRenameCheck = 310;
    static constexpr int kExportNameEdit = 311;
    static constexpr int kExtensionLabel = 312;
    static constexpr int kAutoExportCheck = 313;
    static constexpr int kSaveModeLabel = 314;
    static constexpr int kOverwriteRadio = 315;
    static constexpr int kAppendRadio = 316;
    static constexpr int kAutoDeleteCheck = 317;
    static constexpr int kBadFormatLabel = 318;
    static constexpr int kBadFormatList = 319;
    static constexpr int kNoMatchLabel = 320;
    static constexpr int kNoMatchList = 321;
    static constexpr int kResetButton = 322;
    static constexpr int kFieldLabel = 323;
    static constexpr int kDataTypeLabel = 324;
    static constexpr int kFieldNameLabel = 325;
    static constexpr int kLengthLabel = 326;
    static constexpr int kKeyFieldLabel = 327;

    // Fields 1-12 are shown, one row each.
    static constexpr int kShownFields = 12;
    static constexpr int field_number_label(int field) { return 400 + field; }
    static constexpr int field_type_list(int field) { return 420 + field; }
    static constexpr int field_name_edit(int field) { return 440 + field; }
    static constexpr int field_length_edit(int field) { return 460 + field; }
    static constexpr int key_field_radio(int field) { return 480 + field; }

    LookupPage(DesignDocument& document, const texts::ProgramTexts& texts);

    void take_over() override;

    const std::array<LookupRecord, kLookupCount>& page_copy() const { return lookups_; }
    std::size_t current_lookup() const { return current_; }

  protected:
    void on_created() override;
    void on_hidden() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    void on_focus_lost(int id) override;

  private:
    void relabel();
    void fill_lists();
    void show_lookup();
    void enable_fields();
    void select_key_field(int field);
    void show_delimiter_kind(bool delimited);
    void drop_carriage_return_delimiters();
    void refuse_delimiter();
    void show_field(int field);
    void drop_unused_fields();
    void delimiter_changed();
    std::string text_within(int id, std::size_t limit);
    void length_changed(int field);
    LookupRecord& lookup() { return lookups_[current_]; }

    DesignDocument& document_;
    const texts::ProgramTexts& texts_;
    std::array<LookupRecord, kLookupCount> lookups_{};
    std::size_t current_ = 0;
};

}  // namespace tc
