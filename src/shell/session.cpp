#include "shell/session.h"

#include <system_error>

#include "document/lifecycle.h"
#include "texts/device_texts.h"

namespace tc::shell {

Session::Session(std::filesystem::path program_dir, ui::Host& host)
    : Session(find_program_places(program_dir), host) {}

Session::Session(ProgramPlaces places, ui::Host& host)
    : places_(std::move(places)),
      host_(host),
      texts_(std::make_unique<texts::ProgramTexts>()),
      document_(std::make_unique<DesignDocument>()),
      file_context_{*texts_, host_, [this](const std::string& path) { path_used(path); }} {
    // Dialog layouts name their captions by program text.
    host_.set_caption_source([&texts = *texts_](int id) { return texts.load_program_text(id); });
}

void Session::start_up() {
    read_preferences();
    texts_->start_languages(places_.language_dirs, preferences_.language);
    texts::fill_text_tables(*texts_, document_->device_texts);
    reset_design_document(*document_, *texts_);
    // The last file becomes the current file name only when it was opened, so that a Save after a
    // rejected or missing last file cannot write over it.
    if (preferences_.auto_preload && preferences_.last_file != kUnknownLastFile) {
        const std::string last_file = preferences_.last_file;
        if (open_design_file(*document_, last_file, file_context_)) {
            document_->file_name = last_file;
        }
    }
}

void Session::command_new() {
    if (document_->modified && save_prompt(*document_, file_context_) == ui::kIdCancel) return;
    document_->file_name.clear();
    reset_design_document(*document_, *texts_);
    open_editor_sheet();
}

void Session::command_open() {
    if (document_->modified && save_prompt(*document_, file_context_) == ui::kIdCancel) return;
    // A cancelled or failed Open gives the design back whole, under its own name and with its
    // modified flag: nothing of it is lost, and a later Save cannot write a reset design over a
    // file.
    const auto previous = std::make_unique<DesignDocument>(*document_);
    reset_design_document(*document_, *texts_);
    // Re-reading the preferences leaves the current file name alone: only start-up takes the last
    // file as the name.
    read_preferences();
    put_window_in_place();
    if (!open_dialog(*document_, file_context_)) {
        *document_ = *previous;
        return;
    }
    open_editor_sheet();
}

void Session::command_save() {
    if (save_or_save_as(*document_, file_context_)) document_->modified = false;
}

void Session::command_save_as() {
    if (save_as(*document_, file_context_)) document_->modified = false;
}

void Session::command_recent_file(std::size_t index) {
    if (index >= preferences_.recent_files.size()) return;
    // A copy: opening reorders the list the path came from.
    command_open_file(std::string(preferences_.recent_files[index]));
}

void Session::command_open_file(const std::string& path) {
    if (open_design_file(*document_, path, file_context_)) document_->file_name = path;
    open_editor_sheet();
}

bool Session::request_close() {
    return !document_->modified || save_prompt(*document_, file_context_) != ui::kIdCancel;
}

bool Session::read_preferences() {
    return read_ini_file(places_.settings_dir, preferences_);
}

bool Session::write_preferences() {
    if (places_.settings_dir != places_.program_dir) {
        std::error_code error;
        std::filesystem::create_directories(places_.settings_dir, error);
    }
    return write_ini_file(places_.settings_dir, preferences_);
}

void Session::path_used(const std::string& path) {
    update_recent_files(preferences_, path);
    write_preferences();
}

}  // namespace tc::shell
