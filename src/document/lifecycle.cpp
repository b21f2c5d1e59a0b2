#include "document/lifecycle.h"

#include <filesystem>
#include <system_error>

#include "platform/platform.h"
#include "texts/message_box.h"

namespace tc {
namespace {

constexpr std::string_view kDesignExtension = "T73";

std::string current_directory() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : platform::to_file_name(folder);
}

// The folder of a file name; a bare file name, or none, lies in the current directory.
std::string folder_of(const std::string& path) {
    const std::filesystem::path folder = platform::to_path(path).parent_path();
    return folder.empty() ? current_directory() : platform::to_file_name(folder);
}

// The file dialogs' filter entries come from the built-in texts, whatever the language.
std::pair<std::string, std::string> builtin_filter(int description_id, int pattern_id) {
    return {std::string(texts::builtin_text(description_id)),
            std::string(texts::builtin_text(pattern_id))};
}

// Saves to `path`; when that fails, the user is told which file and why.
bool save_telling_failure(DesignDocument& doc, const std::string& path, FileContext& context) {
    std::error_code reason;
    if (save_design_file(doc, path, context, reason)) return true;
    show_file_failure(context, kMessageCannotSave, path, reason);
    return false;
}

}  // namespace

int save_prompt(DesignDocument& doc, FileContext& context) {
    const int button = context.host.message_box(context.texts.load_program_text(kTextSavePrompt),
                                                context.texts.load_program_text(kTextProgramTitle),
                                                ui::kMbYesNoCancel | ui::kMbIconQuestion);
    if (button != ui::kIdYes) return button;
    // A design that could not be written is not given up: the caller stops as on Cancel (the
    // user has been told why). A cancelled Save As dialog still lets the caller go on.
    if (!save_or_save_as(doc, context) && !doc.file_name.empty()) return ui::kIdCancel;
    return button;
}

bool save_or_save_as(DesignDocument& doc, FileContext& context) {
    if (doc.file_name.empty()) return save_as(doc, context);
    return save_telling_failure(doc, doc.file_name, context);
}

bool save_as(DesignDocument& doc, FileContext& context) {
    ui::FileDialogRequest request;
    request.filters = {builtin_filter(kTextDesignFilter, kTextDesignPattern)};
    request.initial_folder = current_directory();
    request.default_extension = kDesignExtension;
    request.confirm_overwrite = true;
    const std::optional<std::string> chosen = context.host.save_file_dialog(request);
    if (!chosen) return false;
    doc.file_name = *chosen;
    return save_telling_failure(doc, doc.file_name, context);
}

bool open_dialog(DesignDocument& doc, FileContext& context) {
    ui::FileDialogRequest request;
    request.filters = {builtin_filter(kTextDesignFilter, kTextDesignPattern),
                       builtin_filter(kTextAllFilter, kTextAllPattern)};
    request.initial_name = platform::to_file_name(platform::to_path(doc.file_name).filename());
    request.initial_folder = folder_of(doc.file_name);
    request.default_extension = kDesignExtension;
    const std::optional<std::string> chosen = context.host.open_file_dialog(request);
    if (!chosen || !open_design_file(doc, *chosen, context)) return false;
    doc.file_name = *chosen;
    return true;
}

}  // namespace tc
