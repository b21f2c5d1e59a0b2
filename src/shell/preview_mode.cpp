#include "shell/preview_mode.h"

#include "document/file_io.h"
#include "ui/dialog.h"
#include "ui/host.h"

namespace tc::shell {
namespace {

constexpr int kTextCodeLabel = 2508;
constexpr int kTextLookupFilter = 2509;
constexpr int kTextScanTitle = 2510;
constexpr int kCodeEdit = 100;

const ui::DialogTemplate& read_code_layout() {
    static const ui::DialogTemplate layout{
        "PREVIEWSCANDLG",
        ui::Caption{kTextScanTitle},
        320,
        96,
        {
            {101, ui::ControlKind::Label, ui::Caption{kTextCodeLabel}, ui::Rect{12, 14, 296, 16}},
            {kCodeEdit, ui::ControlKind::Edit, ui::Caption{}, ui::Rect{12, 32, 296, 22}, 2048},
            {ui::kIdOk, ui::ControlKind::Button, ui::Caption{-1, "OK"}, ui::Rect{140, 62, 80, 24},
             0, ui::kStyleDefaultButton},
            {ui::kIdCancel, ui::ControlKind::Button, ui::Caption{-1, "Cancel"},
             ui::Rect{228, 62, 80, 24}},
        },
    };
    return layout;
}

// Asks for the data that the reader reads: what the user types or pastes.
class ReadCodeDialog : public ui::Dialog {
  public:
    ReadCodeDialog() : ui::Dialog(read_code_layout()) {}
    std::string code;

  protected:
    void on_shown() override { set_focus(kCodeEdit); }
    bool on_ok() override {
        code = text(kCodeEdit);
        return true;
    }
};

}  // namespace

void PreviewMode::toggle() {
    if (walkthrough_) {
        walkthrough_.reset();
        return;
    }
    walkthrough_ = std::make_unique<preview::Walkthrough>(session_.document(), session_.texts());
    ask_for_lookup_file();
}

void PreviewMode::design_changed() {
    if (!walkthrough_) return;
    walkthrough_.reset();
    toggle();
}

preview::Screen PreviewMode::screen() const {
    if (!walkthrough_) return preview::Walkthrough(session_.document(), session_.texts()).screen();
    preview::Screen screen = walkthrough_->screen();
    screen.mark = session_.texts().load_program_text(preview::kTextPreviewMark);
    return screen;
}

void PreviewMode::press(preview::Key key) {
    if (!walkthrough_) return;
    walkthrough_->press(key);
    ask_for_lookup_file();
}

void PreviewMode::type(char c) {
    if (!walkthrough_) return;
    walkthrough_->type(c);
    ask_for_lookup_file();
}

void PreviewMode::read_code() {
    if (!walkthrough_) return;
    ReadCodeDialog dialog;
    if (session_.host().run_modal(dialog) != ui::kIdOk) return;
    walkthrough_->scan(dialog.code);
    ask_for_lookup_file();
}

// A line that checks its input against a Lookup asks once for a file of that Lookup's records;
// without one (Cancel) the input is not checked.
void PreviewMode::ask_for_lookup_file() {
    const std::optional<std::size_t> lookup = walkthrough_->lookup_file_wanted();
    if (!lookup) return;
    ui::FileDialogRequest request;
    request.filters = {{session_.texts().load_program_text(kTextLookupFilter) + " " +
                            std::to_string(*lookup) + " (*.txt)",
                        "*.txt"},
                       {"*.*", "*.*"}};
    const std::optional<std::string> path = session_.host().open_file_dialog(request);
    const auto contents = path ? read_whole_file(*path) : std::nullopt;
    if (!contents) {
        walkthrough_->decline_lookup_file(*lookup);
        return;
    }
    walkthrough_->set_lookup_file(
        *lookup,
        std::string_view(reinterpret_cast<const char*>(contents->data()), contents->size()));
}

}  // namespace tc::shell
