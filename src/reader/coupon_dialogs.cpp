#include "reader/coupon_dialogs.h"

#include "reader/barcode_slots.h"
#include "resources/reader_dialog_layouts.h"
#include "ui/dialog.h"

namespace tc {
namespace {

// The bytes of the reader settings record that the coupon rules change.
constexpr std::size_t kUpcA = 191;
constexpr std::size_t kEan13 = 195;
constexpr std::size_t kUpcAPreamble = 202;
constexpr std::size_t kCouponCode = 208;
constexpr std::size_t kGs1128 = 211;

constexpr Byte kNoPreamble = 0;
constexpr Byte kSystemCharacter = 1;
constexpr Byte kCountryCode = 2;  // "System Character && Country Code"

// The texts of the note's two forms: title, first line, second line.
struct NoteTexts {
    int title;
    int first_line;
    int second_line;
};
constexpr NoteTexts kNoteForms[] = {{565, 582, 583}, {585, 582, 584}};

constexpr int kUpcANoPreambleText = 581;
constexpr int kUpcASystemCharacterText = 580;
constexpr int kUpcACountryCodeText = 586;

int confirmed(int result) {
    return result == ui::kIdOk ? 1 : 0;
}

class CouponNote : public ui::Dialog {
  public:
    CouponNote(const texts::ProgramTexts& texts, int form)
        : ui::Dialog(resources::coupon_note_layout()), texts_(texts), form_(form) {}

  protected:
    void on_created() override {
        const NoteTexts& note = kNoteForms[form_ == 2 ? 1 : 0];
        set_title(texts_.load_program_text(note.title));
        set_text(resources::coupon_note_ids::kFirstLine, texts_.load_program_text(note.first_line));
        set_text(resources::coupon_note_ids::kSecondLine,
                 texts_.load_program_text(note.second_line));
    }

  private:
    const texts::ProgramTexts& texts_;
    int form_;
};

class CouponContent : public ui::Dialog {
  public:
    CouponContent(SymbologyContext& context, int selection)
        : ui::Dialog(resources::coupon_content_layout()),
          context_(context),
          selection_(selection) {}

  protected:
    void on_created() override;
    bool on_ok() override;

  private:
    bool on(std::size_t offset) const { return context_.working[offset] != 0; }
    void page_follows(int slot, std::size_t offset) {
        if (context_.page != nullptr) context_.page->set_slot(slot, on(offset));
    }

    SymbologyContext& context_;
    int selection_;
};

void CouponContent::on_created() {
    using namespace resources::coupon_content_ids;
    const ReaderSettingsRecord& working = context_.working;
    const Byte preamble = working[kUpcAPreamble];
    if (preamble == kNoPreamble) {
        set_text(kUpcALine, context_.texts.load_program_text(kUpcANoPreambleText));
    } else if (preamble == kCountryCode) {
        set_text(kUpcALine, context_.texts.load_program_text(kUpcACountryCodeText));
    } else {
        set_text(kUpcALine, context_.texts.load_program_text(kUpcASystemCharacterText));
    }

    const bool upc_a = selection_ == kCouponUpcA || selection_ == kCouponBoth;
    const bool ean_13 = selection_ == kCouponEan13 || selection_ == kCouponBoth;
    show(kUpcACouponMark, upc_a);
    show(kEan13CouponMark, ean_13);
    if (selection_ == kCouponNone) {
        // Nothing is switched on: the marks say what stays on.
        show(kUpcAMark, on(kUpcA) && preamble < kCountryCode);
        show(kEan13Mark, on(kEan13));
        show(kGs1128Mark, on(kGs1128));
    } else {
        show(kUpcAMark, upc_a);
        show(kEan13Mark, ean_13);
        show(kGs1128Mark, true);
    }
}

bool CouponContent::on_ok() {
    ReaderSettingsRecord& working = context_.working;
    if (selection_ == kCouponUpcA || selection_ == kCouponBoth) {
        working[kUpcA] = 1;
        if (working[kUpcAPreamble] == kCountryCode) working[kUpcAPreamble] = kSystemCharacter;
    } else if (selection_ == kCouponEan13) {
        working[kUpcA] = 0;
    }
    page_follows(slots::kUpcA, kUpcA);

    if (selection_ == kCouponEan13 || selection_ == kCouponBoth) {
        working[kEan13] = 1;
    } else if (selection_ == kCouponUpcA) {
        working[kEan13] = 0;
    }
    page_follows(slots::kEan13, kEan13);

    working[kCouponCode] = selection_ == kCouponNone ? 0 : 1;
    page_follows(slots::kCouponCode, kCouponCode);

    // Coupons need GS1-128 (the page's box follows its byte at once, so the byte tells both).
    if (on(kCouponCode)) {
        working[kGs1128] = 1;
        page_follows(slots::kGs1128, kGs1128);
    }
    return true;
}

class CouponSetting : public ui::Dialog {
  public:
    explicit CouponSetting(SymbologyContext& context)
        : ui::Dialog(resources::coupon_setting_layout()), context_(context) {}

  protected:
    void on_created() override;
    void on_command(int id) override;
    bool on_ok() override;
    void on_cancel() override { context_.working = backup_; }

  private:
    SymbologyContext& context_;
    ReaderSettingsRecord backup_{};
};

void CouponSetting::on_created() {
    using namespace resources::coupon_setting_ids;
    const ReaderSettingsRecord& working = context_.working;
    backup_ = working;
    set_checked(kUpcACheck, working[kUpcA] != 0 && working[kUpcAPreamble] < kCountryCode);
    set_checked(kEan13Check, working[kEan13] != 0);
}

void CouponSetting::on_command(int id) {
    using namespace resources::coupon_setting_ids;
    if (id == kEan13Check) return toggle(id);
    if (id != kUpcACheck) return;
    toggle(id);
    if (!checked(id) || context_.working[kUpcAPreamble] != kCountryCode) return;
    // Reading UPC-A coupons needs the preamble without the country code.
    if (run_coupon_note(context_.host, context_.texts, 1) == 1) {
        context_.working[kUpcAPreamble] = kSystemCharacter;
    } else {
        set_checked(id, false);
    }
}

bool CouponSetting::on_ok() {
    using namespace resources::coupon_setting_ids;
    int selection = kCouponNone;
    if (checked(kUpcACheck)) selection |= kCouponUpcA;
    if (checked(kEan13Check)) selection |= kCouponEan13;
    if (run_coupon_content(context_, selection) == 1) return true;
    context_.working = backup_;
    end_dialog(ui::kIdCancel);
    return false;
}

}  // namespace

int run_coupon_note(ui::Host& host, const texts::ProgramTexts& texts, int form) {
    CouponNote note(texts, form);
    return confirmed(host.run_modal(note));
}

int run_coupon_content(SymbologyContext& context, int selection) {
    CouponContent content(context, selection);
    return confirmed(context.host.run_modal(content));
}

int run_coupon_setting(SymbologyContext& context) {
    CouponSetting setting(context);
    return confirmed(context.host.run_modal(setting));
}

}  // namespace tc
