#pragma once

#include "document/design_document.h"
#include "settings/system_settings_record.h"
#include "texts/program_texts.h"
#include "ui/property_sheet.h"

namespace tc {

// The Settings page of the editor sheet (SETTINGSDLG): edits the system settings in a page copy
// that the sheet's OK stores into the design document. The security check boxes and "Auto run
// the application." are read from their controls only then.
class SettingsPage : public ui::Page {
  public:
    // Control identifiers of SETTINGSDLG.
    static constexpr int kStartLabel = 501;
    static constexpr int kStartList = 502;
    static constexpr int kDelimiterGroup = 503;
    static constexpr int kDelimiterCountLabel = 504;
    static constexpr int kDelimiterCountList = 505;
    static constexpr int kAsciiLabel = 506;
    static constexpr int kTextLabel = 507;
    static constexpr int kResetButton = 508;
    static constexpr int kSystemGroup = 509;
    static constexpr int kPreloadLabel = 510;
    static constexpr int kPreloadList = 511;
    static constexpr int kAutoRunCheck = 512;
    static constexpr int kDeletionLabel = 513;
    static constexpr int kDeletionList = 514;
    static constexpr int kEntryLabel = 515;
    static constexpr int kEntryList = 516;
    static constexpr int kStayRadio = 517;
    static constexpr int kDisplayTimeEdit = 518;
    static constexpr int kDisplayTimeLabel = 519;
    static constexpr int kPressEnterRadio = 520;
    static constexpr int kVibratorLabel = 521;
    static constexpr int kVibratorList = 522;
    static constexpr int kExportStoreLabel = 523;
    static constexpr int kExportStoreEdit = 524;
    static constexpr int kDeleteDatabaseCheck = 525;
    static constexpr int kSecurityGroup = 526;
    static constexpr int kPasswordLabel = 527;
    static constexpr int kPasswordEdit = 528;
    static constexpr int kImageCaptureCheck = 529;
    static constexpr int kCameraGroup = 530;
    static constexpr int kResolutionLabel = 531;
    static constexpr int kResolutionList = 532;
    static constexpr int kFlashLabel = 533;
    static constexpr int kFlashList = 534;
    static constexpr int kColorLabel = 535;
    static constexpr int kColorList = 536;
    static constexpr int kFormatLabel = 537;
    static constexpr int kFormatList = 538;
    static constexpr int kImageStoreLabel = 539;
    static constexpr int kImageStoreEdit = 540;
    static constexpr int kAutoFileNameCheck = 541;
    static constexpr int kFileTitleLabel = 542;
    static constexpr int kFileTitleEdit = 543;
    static constexpr int kNamingRuleCheck = 544;
    static constexpr int kTimeStampCheck = 545;

    // The two delimiters (1, 2): an "ASCII :" edit above a "Text :" edit.
    static constexpr int ascii_edit(int delimiter) { return 550 + delimiter; }
    static constexpr int text_edit(int delimiter) { return 560 + delimiter; }

    // The security check box of `security_flags` index 0-11; index 9 ("Warning Beep") has none.
    static constexpr int kWarningBeepFlag = 9;
    static constexpr int kSettingsFlag = 5;
    static constexpr int security_check(int index) { return 600 + index; }

    SettingsPage(DesignDocument& document, const texts::ProgramTexts& texts);

    void take_over() override;

    // The Barcode page switched "Image Capture": the "2D Image Capture" box follows the reader
    // settings' working copy.
    void image_capture_switched();

    const SystemSettingsRecord& page_copy() const { return settings_; }
    int delimiter_count() const { return delimiter_count_; }

  protected:
    void on_created() override;
    void on_shown() override;
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;

  private:
    void relabel();
    void fill_lists();
    void show_settings();
    void show_delimiters();
    void show_security();
    void show_camera();
    void refresh_image_capture();
    void enable_delimiters();
    void enable_display_time();
    void drop_unusable_delimiters();
    void drop_unusable_password();
    void delimiter_count_chosen(int count);
    void refuse_delimiter();
    void ascii_changed(int delimiter);
    void character_changed(int delimiter);
    bool cut_to_limit(int id, std::size_t limit);
    void display_time_changed();
    void password_changed();
    void select_display_time_kind(bool stay);
    Byte& delimiter_field(int delimiter);

    DesignDocument& document_;
    const texts::ProgramTexts& texts_;
    SystemSettingsRecord settings_{};
    int delimiter_count_ = 0;
};

}  // namespace tc
