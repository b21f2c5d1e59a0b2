#include "reader/image_capture_dialog.h"

#include <span>
#include <string>
#include <vector>

#include "reader/number_text.h"
#include "resources/reader_dialog_layouts.h"
#include "ui/dialog.h"

namespace tc {
namespace {

using namespace resources::image_capture_ids;

constexpr std::size_t kAutoexposure = 302;
constexpr std::size_t kIllumination = 303;
constexpr std::size_t kGain = 304;
constexpr std::size_t kExposureTime = 305;
constexpr std::size_t kAimPattern = 306;
constexpr std::size_t kResolution = 307;
constexpr std::size_t kOptimizedForQuality = 308;
constexpr std::size_t kJpegQuality = 309;
constexpr std::size_t kJpegSize = 310;
constexpr std::size_t kImageFormat = 311;
constexpr std::size_t kBitsPerPixel = 312;
constexpr std::size_t kAutoFileName = 466;
constexpr std::size_t kImageStore = 467;
constexpr std::size_t kImageStoreSize = 261;
constexpr std::size_t kFileTitle = 729;
constexpr std::size_t kFileTitleSize = 6;
constexpr std::size_t kNamingRule = 735;

// Check boxes that store 1 or 0 into their byte as soon as they are clicked.
struct StoredCheck {
    int id;
    std::size_t offset;
};
constexpr StoredCheck kChecks[] = {
    {kIlluminationCheck, kIllumination}, {kAutoexposureCheck, kAutoexposure},
    {kAimPatternCheck, kAimPattern},     {kOptimizedCheck, kOptimizedForQuality},
    {kAutoNameCheck, kAutoFileName},     {kNamingRuleCheck, kNamingRule},
};

// Numeric edits, kept within their range while the user types.
struct NumberEdit {
    int id;
    std::size_t offset;
    int minimum;
    int maximum;
};
constexpr NumberEdit kNumberEdits[] = {
    {kGainEdit, kGain, 79, 127},
    {kQualityEdit, kJpegQuality, 5, 100},
    {kSizeEdit, kJpegSize, 5, 150},
};

// Lists whose items are consecutive program texts.
struct ListTexts {
    int id;
    int first_text;
    int count;
};
constexpr ListTexts kLists[] = {
    {kExposureList, 1901, 6},
    {kResolutionList, 1915, 3},
    {kFormatList, 1921, 2},
    {kBitsList, 1931, 3},
};

constexpr int kExposureStep = 5;  // milliseconds per item
constexpr Byte kResolutionValues[] = {0, 1, 3};
constexpr Byte kJpeg = 1;
constexpr Byte kBmp = 3;
constexpr int kBmpItem = 1;

class ImageCaptureDialog : public ui::Dialog {
  public:
    ImageCaptureDialog(ReaderSettingsRecord& working, const texts::ProgramTexts& texts)
        : ui::Dialog(resources::image_capture_layout()), working_(working), texts_(texts) {}

  protected:
    void on_created() override;
    void on_shown() override { visible_ = true; }
    void on_command(int id) override;
    void on_edit_changed(int id) override;
    void on_selection_changed(int id) override;
    void on_cancel() override { working_ = backup_; }

  private:
    void enable_by_choices();
    std::span<Byte> text_field(std::size_t offset, std::size_t size) {
        return std::span<Byte>(working_.bytes).subspan(offset, size);
    }

    ReaderSettingsRecord& working_;
    const texts::ProgramTexts& texts_;
    ReaderSettingsRecord backup_{};
    bool visible_ = false;
};

int resolution_item(Byte value) {
    for (int item = 0; item < static_cast<int>(std::size(kResolutionValues)); ++item) {
        if (kResolutionValues[item] == value) return item;
    }
    return -1;
}

void ImageCaptureDialog::on_created() {
    backup_ = working_;
    for (const ListTexts& list : kLists) {
        std::vector<std::string> items;
        for (int id = list.first_text; id < list.first_text + list.count; ++id) {
            items.push_back(texts_.load_program_text(id));
        }
        set_items(list.id, std::move(items));
    }
    for (const StoredCheck& check : kChecks) set_checked(check.id, working_[check.offset] != 0);
    for (const NumberEdit& edit : kNumberEdits) {
        set_text(edit.id, std::to_string(working_[edit.offset]));
    }
    set_selection(kExposureList, working_[kExposureTime] / kExposureStep - 1);
    set_selection(kResolutionList, resolution_item(working_[kResolution]));
    set_selection(kFormatList, working_[kImageFormat] == kBmp ? kBmpItem : 0);
    set_selection(kBitsList, working_[kBitsPerPixel]);
    set_text(kStoreEdit, slot_text(text_field(kImageStore, kImageStoreSize)));
    set_text(kFileTitleEdit, slot_text(text_field(kFileTitle, kFileTitleSize)));
    enable_by_choices();
}

void ImageCaptureDialog::enable_by_choices() {
    const bool manual_exposure = !checked(kAutoexposureCheck);
    for (const int id : {kExposureLabel, kExposureList, kGainLabel, kGainEdit}) {
        enable(id, manual_exposure);
    }
    const bool bmp = selection(kFormatList) == kBmpItem;
    const bool optimized = checked(kOptimizedCheck);
    enable(kOptimizedCheck, !bmp);
    enable(kQualityLabel, !bmp && optimized);
    enable(kQualityEdit, !bmp && optimized);
    enable(kSizeLabel, !bmp && !optimized);
    enable(kSizeEdit, !bmp && !optimized);
    enable(kBitsLabel, bmp);
    enable(kBitsList, bmp);
    const bool auto_name = checked(kAutoNameCheck);
    for (const int id : {kFileTitleLabel, kFileTitleEdit, kNamingRuleCheck}) enable(id, auto_name);
}

void ImageCaptureDialog::on_command(int id) {
    for (const StoredCheck& check : kChecks) {
        if (check.id != id) continue;
        toggle(id);
        working_[check.offset] = checked(id);
        enable_by_choices();
        return;
    }
}

void ImageCaptureDialog::on_edit_changed(int id) {
    if (id == kStoreEdit) {
        store_text(text_field(kImageStore, kImageStoreSize), text(id));
        return;
    }
    if (id == kFileTitleEdit) {
        store_text(text_field(kFileTitle, kFileTitleSize), text(id));
        return;
    }
    for (const NumberEdit& edit : kNumberEdits) {
        if (edit.id != id) continue;
        if (visible_) {
            // The corrected text comes back through this handler and is stored then.
            if (auto shown = corrected_number_text(text(id), edit.minimum, edit.maximum)) {
                return set_text(id, *shown);
            }
        }
        working_[edit.offset] = static_cast<Byte>(number_value(text(id), 0, 255));
        return;
    }
}

void ImageCaptureDialog::on_selection_changed(int id) {
    const int item = selection(id);
    if (id == kExposureList) {
        working_[kExposureTime] = static_cast<Byte>((item + 1) * kExposureStep);
    } else if (id == kResolutionList) {
        working_[kResolution] = kResolutionValues[item];
    } else if (id == kFormatList) {
        working_[kImageFormat] = item == kBmpItem ? kBmp : kJpeg;
    } else if (id == kBitsList) {
        working_[kBitsPerPixel] = static_cast<Byte>(item);
    }
    enable_by_choices();
}

}  // namespace

int run_image_capture_dialog(ReaderSettingsRecord& working, const texts::ProgramTexts& texts,
                             ui::Host& host) {
    ImageCaptureDialog dialog(working, texts);
    return host.run_modal(dialog) == ui::kIdOk ? 1 : 0;
}

}  // namespace tc
