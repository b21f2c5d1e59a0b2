#pragma once

#include "shell/preferences.h"
#include "shell/session.h"
#include "ui/dialog.h"

namespace tc::shell {

inline constexpr std::string_view kDefaultLanguageItem = "Default <English>";

// The Preferences dialog PREFERENCESDLG. It reads the INI file again when it opens and edits a
// copy of the preferences. OK makes the copy the preferences, rewrites the INI file, loads the
// chosen language from the language files found at start-up and refills the device text tables;
// Cancel drops the copy. The caller rebuilds the popup menu and puts the window in place.
class PreferencesDialog : public ui::Dialog {
  public:
    explicit PreferencesDialog(Session& session);

    const Preferences& copy() const { return copy_; }

  protected:
    void on_created() override;
    void on_command(int id) override;
    bool on_ok() override;

  private:
    Session& session_;
    Preferences copy_;
};

// Runs the Preferences dialog modally; returns its result (kIdOk or kIdCancel).
int run_preferences_dialog(Session& session);

}  // namespace tc::shell
