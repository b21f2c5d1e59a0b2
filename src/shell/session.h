#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "document/design_document.h"
#include "document/design_file.h"
#include "shell/preferences.h"
#include "shell/program_places.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc::shell {

// Everything one run of the program holds: the program directory, the preferences, the program
// texts, the design document and the host that shows what needs a person. The GUI and `t73` both
// drive the document through it.
class Session {
  public:
    // The INI file is kept in the program directory when it can be written, else in the user's
    // configuration folder (see ProgramPlaces).
    Session(std::filesystem::path program_dir, ui::Host& host);
    Session(ProgramPlaces places, ui::Host& host);

    // The start-up sequence without windows: read the INI file, start the languages, fill the
    // device text tables, reset the design, and with Auto-preload open the last file.
    void start_up();

    // Main window commands. `open_editor_sheet` is called where the command opens the editor.
    void command_new();
    void command_open();
    void command_save();
    void command_save_as();
    void command_recent_file(std::size_t index);  // index from 0
    // Opens the design file `path` as a recent file is opened (a file handed to the program).
    void command_open_file(const std::string& path);
    // Closing the main window: false when the user chose Cancel at the save prompt.
    bool request_close();

    // Reads the INI file into the preferences; whether anything was read.
    bool read_preferences();
    // Writes the preferences to the INI file, making the user's configuration folder first when
    // the file is kept there; false when it cannot be written.
    bool write_preferences();

    std::function<void()> open_editor_sheet = [] {};
    // Called by the Open command after its reset and the re-read of the INI file, where the main
    // window is put back in place.
    std::function<void()> put_window_in_place = [] {};

    DesignDocument& document() { return *document_; }
    const DesignDocument& document() const { return *document_; }
    texts::ProgramTexts& texts() { return *texts_; }
    Preferences& preferences() { return preferences_; }
    const std::filesystem::path& program_dir() const { return places_.program_dir; }
    const ProgramPlaces& places() const { return places_; }
    ui::Host& host() { return host_; }
    FileContext& file_context() { return file_context_; }

  private:
    void path_used(const std::string& path);

    ProgramPlaces places_;
    ui::Host& host_;
    Preferences preferences_;
    std::unique_ptr<texts::ProgramTexts> texts_;
    std::unique_ptr<DesignDocument> document_;
    FileContext file_context_;
};

}  // namespace tc::shell
