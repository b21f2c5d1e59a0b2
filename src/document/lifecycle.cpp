#include "document/lifecycle.h"

#include <filesystem>
#include <system_error>

#include "texts/message_box.h"

namespace tc {
namespace {

constexpr std::string_view kDesignExtension = "T73";

std::string current_directory() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

// The folder of a path: everything before its last path separator (the root keeps its
// separator); a bare file name, or none, lies in the current directory.
std::string folder_of(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) return current_directory();
    return path.substr(0, separator == 0 ? 1 : separator);
}

// The file dialogs' filter entries come from the built-in texts, whatever the language.
std::pair<std::string, std::string> builtin_filter(int description_id, int pattern_id) {
    return {std::string(texts::builtin_text(description_id)),
            std::string(texts::builtin_text(pattern_id))};
}

// `text` with its first "%s" replaced by `first` and its second by `second`; nothing else in it is
// read as a placeholder, since a language file supplies the text.
std::string fill_in(std::string_view text, std::string_view first, std::string_view second) {
    std::string filled;
    int used = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (used < 2 && text.compare(i, 2, "%s") == 0) {
            filled += used++ == 0 ? first : second;
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

// Saves to `path`; when that fails, the user is told which file and why.
bool save_telling_failure(DesignDocument& doc, const std::string& path, FileContext& context) {
    std::error_code reason;
    if (save_design_file(doc, path, context, reason)) return true;
    const std::string title = context.texts.load_program_text(texts::kTitleError);
    const std::string text = context.texts.load_program_text(kTextCannotSave);
    if (!title.empty() && !text.empty()) {
        context.host.message_box(fill_in(text, path, reason.message()), title,
                                 texts::kWarningStyle);
    }
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
    request.initial_name = doc.file_name;
    request.initial_folder = folder_of(doc.file_name);
    request.default_extension = kDesignExtension;
    const std::optional<std::string> chosen = context.host.open_file_dialog(request);
    if (!chosen || !open_design_file(doc, *chosen, context)) return false;
    doc.file_name = *chosen;
    return true;
}

}  // namespace tc
