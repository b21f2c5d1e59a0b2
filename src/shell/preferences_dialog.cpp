#include "shell/preferences_dialog.h"

#include "resources/shell_layouts.h"
#include "texts/device_texts.h"
#include "ui/host.h"

namespace tc::shell {
namespace {

namespace ids = resources::preferences_ids;

// The language entries 66-71 relabel the title, the two check boxes, the label, OK and Cancel.
constexpr int kFirstLanguageEntry = 66;

}  // namespace

PreferencesDialog::PreferencesDialog(Session& session)
    : ui::Dialog(resources::preferences_dialog_layout()), session_(session) {}

void PreferencesDialog::on_created() {
    const texts::ProgramTexts& texts = session_.texts();
    if (texts.language_active()) {
        set_title(texts.language_entry(kFirstLanguageEntry));
        int entry = kFirstLanguageEntry + 1;
        for (const int id : {ids::kAutoPreload, ids::kAlwaysOnTop, ids::kLanguageLabel, ui::kIdOk,
                             ui::kIdCancel}) {
            set_text(id, texts.language_entry(entry++));
        }
    }

    // The re-read leaves the current file name alone (see Session::command_open).
    session_.read_preferences();
    copy_ = session_.preferences();
    set_checked(ids::kAutoPreload, copy_.auto_preload);
    set_checked(ids::kAlwaysOnTop, copy_.always_on_top);

    std::vector<std::string> items{std::string(kDefaultLanguageItem)};
    int chosen = 0;
    for (const texts::LanguageFile& file : texts.language_files()) {
        items.push_back(file.name);
        if (file.name == copy_.language) chosen = static_cast<int>(items.size()) - 1;
    }
    set_items(ids::kLanguageList, std::move(items));
    set_selection(ids::kLanguageList, chosen);
    if (texts.language_files().empty()) {
        enable(ids::kLanguageLabel, false);
        enable(ids::kLanguageList, false);
    }
}

void PreferencesDialog::on_command(int id) {
    if (id == ids::kAutoPreload) {
        toggle(id);
        copy_.auto_preload = checked(id);
    } else if (id == ids::kAlwaysOnTop) {
        toggle(id);
        copy_.always_on_top = checked(id);
    }
}

bool PreferencesDialog::on_ok() {
    const int chosen = selection(ids::kLanguageList);
    copy_.language = chosen > 0 ? items(ids::kLanguageList)[static_cast<std::size_t>(chosen)]
                                : std::string(kDefaultLanguage);
    session_.preferences() = copy_;
    session_.write_preferences();

    texts::ProgramTexts& texts = session_.texts();
    texts.set_language_active(texts.load_language(copy_.language) == 1);
    texts::fill_text_tables(texts, session_.document().device_texts);
    return true;
}

int run_preferences_dialog(Session& session) {
    PreferencesDialog dialog(session);
    return session.host().run_modal(dialog);
}

}  // namespace tc::shell
