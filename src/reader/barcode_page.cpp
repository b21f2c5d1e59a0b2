#include "reader/barcode_page.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "reader/barcode_page_values.h"
#include "reader/barcode_slots.h"
#include "reader/number_text.h"
#include "reader/rfid_dialog.h"
#include "resources/barcode_page_layout.h"

namespace tc {
namespace {

using namespace resources::barcode_page_ids;
using namespace barcode_values;

// The controls each mode shows in the settings group; the others are hidden.
constexpr int kOneDControls[] = {
    kScanModeLabel, kScanModeList, kReadRedundancyLabel, kReadRedundancyList, kTimeOutLabel,
    kTimeOutEdit,   kTimeOutUnit,  kNegativeCheck,       kGtinCheck,
};
constexpr int kTwoDControls[] = {
    kIlluminationLabel,    kIlluminationList,    kAimingLabel,       kAimingList,
    kDecodeTimeOutLabel,   kDecodeTimeOutEdit,   kDecodeTimeOutUnit, kScanMode2DLabel,
    kScanMode2DList,       kSameBarcodeLabel,    kSameBarcodeEdit,   kSameBarcodeUnit,
    kRedundancyLevelLabel, kRedundancyLevelList, kSecurityLabel,     kSecurityList,
    kCodeIdLabel,          kCodeIdList,          kPostalButton,      kCompositeButton,
    kSymbologiesButton,    kMacroPdfButton,
};
constexpr int kElrControls[] = {kElrTimeOutLabel, kElrTimeOutEdit, kElrTimeOutUnit};
// The AIM duration is carried through the ELR mode without being shown.
constexpr int kNeverShown[] = {kAimDurationLabel, kAimDurationEdit, kAimDurationUnit};

// The good-read and buzzer controls with their labels.
constexpr int kGoodReadControls[] = {
    kGoodReadLabel,  kGoodReadList,  kLedLabel,    kLedEdit,    kLedUnit,
    kFrequencyLabel, kFrequencyList, kBuzzerLabel, kBuzzerEdit, kBuzzerUnit,
};

// Lists whose items are consecutive program texts.
struct ListTexts {
    int id;
    int first_text;
    int count;
};
constexpr ListTexts kLists[] = {
    {kReaderList, 1801, 3},         {kFrequencyList, 1891, 10},      {kScanModeList, 1831, 5},
    {kReadRedundancyList, 1841, 4}, {kIlluminationList, 1861, 2},    {kAimingList, 1861, 2},
    {kScanMode2DList, 3460, 2},     {kRedundancyLevelList, 1853, 4}, {kSecurityList, 1852, 4},
    {kCodeIdList, 502, 2},
};
constexpr int kMuteText = 1307;
constexpr int kSoundText = 1306;
constexpr int kSounds = 9;

// A numeric edit checked while the user types.
struct TypedRange {
    int id;
    int minimum;
    int maximum;
};
constexpr TypedRange kTypedRanges[] = {
    {kLedEdit, 0, 255},
    {kBuzzerEdit, 0, 255},
    {kSameBarcodeEdit, kMinSameBarcodeTimeOut, kMaxSameBarcodeTimeOut},
    {kElrTimeOutEdit, kMinDecodeTimeOut, kMaxDecodeTimeOut},
};

std::string number_text(Byte value) {
    return std::to_string(value);
}

}  // namespace

BarcodePage::BarcodePage(DesignDocument& document, const texts::ProgramTexts& texts)
    : ui::Page(resources::barcode_page_layout()),
      document_(document),
      texts_(texts),
      working_(document.reader_working) {}

// The page starts from the saved record: what an earlier, cancelled sheet left in the working
// copy is dropped.
void BarcodePage::on_created() {
    load_reader_working_copy(document_);
    fill_lists();
    load_reader_group();
    load_good_read();
    load_mode();
    // The Settings page's image capture follows the reader that this page now stores.
    tell_settings_page();
}

void BarcodePage::fill_lists() {
    for (const ListTexts& list : kLists) {
        std::vector<std::string> items;
        for (int id = list.first_text; id < list.first_text + list.count; ++id) {
            items.push_back(texts_.load_program_text(id));
        }
        set_items(list.id, std::move(items));
    }
    std::vector<std::string> sounds{texts_.load_program_text(kMuteText)};
    const std::string sound = texts_.load_program_text(kSoundText);
    for (int number = 1; number <= kSounds; ++number) {
        sounds.push_back(sound + " " + std::to_string(number));
    }
    set_items(kGoodReadList, std::move(sounds));
}

void BarcodePage::load_reader_group() {
    set_selection(kReaderList, reader_item(document_.reader_states.mode()));
    set_checked(kRfidCheck, (working_[kRfidReader] & kRfidFitted) != 0);
    enable(kRfidMore, checked(kRfidCheck));
}

void BarcodePage::load_good_read() {
    set_selection(kGoodReadList, working_[kGoodRead]);
    set_text(kLedEdit, number_text(working_[kLedDuration]));
    set_selection(kFrequencyList, working_[kBuzzerFrequency] - 1);
    set_text(kBuzzerEdit, number_text(working_[kBuzzerDuration]));
}

// Lays the page out for the reader mode of the reader states and loads the mode's values.
void BarcodePage::load_mode() {
    const ReaderStates states = document_.reader_states;
    mode_ = states.mode();
    reader_enabled_ = states.one_d != 0 || states.two_d != 0;
    enable_reader_controls();
    const auto slots = symbology_slots(mode_);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        set_text(slot_check(static_cast<int>(i) + 1),
                 texts_.load_program_text(slots[i].label_text));
    }
    show_mode_controls();
    switch (mode_) {
        case ReaderMode::TwoD:
            load_two_d();
            break;
        case ReaderMode::Elr:
            load_elr();
            break;
        case ReaderMode::OneD:
        case ReaderMode::None:
            load_one_d();
            break;
    }
    load_slots();
}

void BarcodePage::enable_reader_controls() {
    for (const auto& group :
         {std::span<const int>(kGoodReadControls), std::span<const int>(kOneDControls),
          std::span<const int>(kTwoDControls), std::span<const int>(kElrControls)}) {
        for (const int id : group) enable(id, reader_enabled_);
    }
    // No list reaches slot 27.
    for (int slot = 1; slot < kSlotCount; ++slot) {
        enable(slot_check(slot), reader_enabled_);
        enable(slot_more(slot), reader_enabled_);
    }
}

void BarcodePage::show_mode_controls() {
    std::span<const int> shown = kOneDControls;
    if (mode_ == ReaderMode::TwoD) shown = kTwoDControls;
    if (mode_ == ReaderMode::Elr) shown = kElrControls;
    for (const auto& group :
         {std::span<const int>(kOneDControls), std::span<const int>(kTwoDControls),
          std::span<const int>(kElrControls), std::span<const int>(kNeverShown)}) {
        for (const int id : group) {
            show(id, group.data() == shown.data());
        }
    }
    const auto slots = symbology_slots(mode_);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const bool used = slot <= static_cast<int>(slots.size());
        show(slot_check(slot), used);
        show(slot_more(slot), used && !slots[static_cast<std::size_t>(slot) - 1].dialog.empty());
    }
}

void BarcodePage::load_one_d() {
    set_selection(kScanModeList, scan_mode_item(working_[kScanMode1D]));
    set_selection(kReadRedundancyList, working_[kReadRedundancy]);
    set_text(kTimeOutEdit, number_text(working_[kTimeOut1D]));
    set_checked(kNegativeCheck, working_[kNegativeBarcode] != 0);
    set_checked(kGtinCheck, working_[kGtin] != 0);
}

void BarcodePage::load_two_d() {
    // The page offers the presentation mode only as the terminal's laser mode.
    working_[kScanMode2D] = kLaserScanMode2D;
    set_selection(kIlluminationList, working_[kIllumination]);
    set_selection(kAimingList, working_[kAiming] != 0 ? 1 : 0);
    // Shown within its range, as Apply stores it.
    set_text(kDecodeTimeOutEdit,
             std::to_string(std::clamp<int>(working_[kDecodeTimeOut2D], kMinDecodeTimeOut,
                                            kMaxDecodeTimeOut)));
    set_selection(kScanMode2DList, working_[kScanMode2D] - kPresentationScanMode2D);
    enable(kScanMode2DLabel, false);
    enable(kScanMode2DList, false);
    set_text(kSameBarcodeEdit, number_text(working_[kSameBarcodeTimeOut]));
    enable_same_barcode();
    set_selection(kRedundancyLevelList, working_[kRedundancyLevel] - 1);
    set_selection(kSecurityList, working_[kSecurityLevel]);
    set_selection(kCodeIdList, working_[kTransmitCodeId]);
}

void BarcodePage::load_elr() {
    set_text(kElrTimeOutEdit, number_text(working_[kDecodeTimeOutElr]));
    set_text(kAimDurationEdit, number_text(working_[kAimDurationElr]));
}

void BarcodePage::load_slots() {
    const auto slots = symbology_slots(mode_);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        set_checked(slot_check(slot), working_[slots[i].enable_byte] != 0);
        enable_more(slot, checked(slot_check(slot)));
    }
    if (mode_ == ReaderMode::TwoD) follow_data_bar_2d();
    if (mode_ == ReaderMode::TwoD || mode_ == ReaderMode::Elr) follow_ean13();
}

// "Same Barcode Time-out:" belongs to the presentation scan mode; while it is disabled it shows the
// value that Apply then stores.
void BarcodePage::enable_same_barcode() {
    const bool presentation = reader_enabled_ && selection(kScanMode2DList) == 0;
    for (const int id : {kSameBarcodeLabel, kSameBarcodeEdit, kSameBarcodeUnit}) {
        enable(id, presentation);
    }
    if (!presentation) set_text(kSameBarcodeEdit, number_text(kSameBarcodeTimeOutUnused));
}

void BarcodePage::on_command(int id) {
    if (id == kResetButton) return reset();
    if (id == kRfidCheck) return rfid_clicked();
    if (id == kRfidMore) {
        run_rfid_dialog(working_, texts_, host(), document_.modified);
        return;
    }
    if (id == kNegativeCheck || id == kGtinCheck) return toggle(id);
    if (id == kPostalButton) open_dialog("POSTALDLG_2D");
    if (id == kCompositeButton) open_dialog("COMPOSITEDLG_2D");
    if (id == kSymbologiesButton) open_dialog("SYMBOLOGIESDLG_2D");
    if (id == kMacroPdfButton) open_dialog("MACROPDFDLG_2D");
    // Only the mode's slots are shown.
    const int slot_count = static_cast<int>(symbology_slots(mode_).size());
    for (int slot = 1; slot <= slot_count; ++slot) {
        if (id == slot_check(slot)) return slot_clicked(slot);
        if (id == slot_more(slot)) return more_clicked(slot);
    }
}

void BarcodePage::rfid_clicked() {
    toggle(kRfidCheck);
    document_.rfid = checked(kRfidCheck);
    enable(kRfidMore, checked(kRfidCheck));
    tell_form_page();
}

void BarcodePage::on_selection_changed(int id) {
    if (id == kReaderList) return reader_chosen();
    if (id == kScanMode2DList) enable_same_barcode();
}

// The reader-specific bytes stay as they are, so that going back to a reader shows its settings.
void BarcodePage::reader_chosen() {
    working_[kReaderTypeBits] = reader_bits(selection(kReaderList));
    if (checked(kRfidCheck)) working_[kRfidReader] |= kRfidFitted;
    document_.reader_states = derive_reader_states(working_);
    load_mode();
    tell_settings_page();
    tell_form_page_reader();
}

// Reset works on the working copy only. An RFID reader that it removes is removed from the Form
// page too, whose lines could otherwise keep the input source "RFID".
void BarcodePage::reset() {
    const bool had_rfid = document_.rfid;
    reset_reader_settings(working_);
    document_.rfid = working_[kRfidReader] != 0;
    document_.reader_states = derive_reader_states(working_);
    load_reader_group();
    load_good_read();
    load_mode();
    tell_settings_page();
    tell_form_page_reader();
    if (had_rfid && !document_.rfid) tell_form_page();
}

void BarcodePage::on_edit_changed(int id) {
    if (!visible_) return;
    for (const TypedRange& range : kTypedRanges) {
        if (range.id != id) continue;
        if (auto shown = corrected_number_text(text(id), range.minimum, range.maximum)) {
            set_text(id, *shown);
        }
        return;
    }
}

// The time-outs of the 1D and 2D readers are checked when the user leaves them.
void BarcodePage::on_focus_lost(int id) {
    std::optional<std::string> shown;
    if (id == kTimeOutEdit) {
        shown = corrected_number_text(text(id), kMinTimeOut1D, kMaxTimeOut1D);
    } else if (id == kDecodeTimeOutEdit) {
        shown = corrected_number_text(text(id), kMinDecodeTimeOut, kMaxDecodeTimeOut);
    }
    if (shown) set_text(id, *shown);
}

}  // namespace tc
