#include "app/t73/commands.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "app/t73/design_check.h"
#include "app/t73/design_json.h"
#include "app/t73/json_writer.h"
#include "app/t73/run_t73.h"
#include "document/design_file.h"
#include "document/file_io.h"
#include "shell/editor_sheet.h"
#include "ui/property_sheet.h"

namespace tc::t73 {
namespace {

std::unique_ptr<ToolSession> start_session(const LanguageOptions& options, std::ostream& err) {
    std::string error;
    auto tool = ToolSession::start(options, error);
    if (!tool) err << "t73: " << error << "\n";
    return tool;
}

// Opens `path` as the program's Open does; a rejected file gets the program's message.
bool open_as_program(ToolSession& tool, const std::string& path, std::ostream& err) {
    shell::Session& session = tool.session();
    tool.host().clear_record();
    if (open_design_file(session.document(), path, session.file_context())) return true;
    const std::string message = tool.last_message();
    err << "t73: " << path << ": " << (message.empty() ? "cannot be opened" : message) << "\n";
    return false;
}

bool save_as_program(ToolSession& tool, const std::string& path, std::ostream& err) {
    shell::Session& session = tool.session();
    if (save_design_file(session.document(), path, session.file_context())) return true;
    err << "t73: " << path << ": cannot be written\n";
    return false;
}

std::optional<std::string> read_text(const std::string& path, std::istream& in) {
    if (path == "-") return std::string(std::istreambuf_iterator<char>(in), {});
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return contents.str();
}

}  // namespace

std::optional<std::vector<Byte>> read_accepted_file(const LanguageOptions& options,
                                                    const std::string& path, std::ostream& err) {
    auto tool = start_session(options, err);
    if (!tool || !open_as_program(*tool, path, err)) return std::nullopt;
    auto bytes = read_file_start(path, kDesignFileSize);
    if (!bytes || bytes->size() < kDesignFileSize) {
        err << "t73: " << path << ": cannot be read whole\n";
        return std::nullopt;
    }
    bytes->resize(kDesignFileSize);
    return bytes;
}

int command_new(const LanguageOptions& options, const std::string& out_path, std::ostream& err) {
    auto tool = start_session(options, err);
    if (!tool || !save_as_program(*tool, out_path, err)) return kExitFailure;
    return kExitOk;
}

int command_resave(const LanguageOptions& options, const std::string& in_path,
                   const std::string& out_path, std::ostream& err) {
    auto tool = start_session(options, err);
    if (!tool || !open_as_program(*tool, in_path, err)) return kExitFailure;
    if (!save_as_program(*tool, out_path, err)) return kExitFailure;
    return kExitOk;
}

int command_confirm(const LanguageOptions& options, const std::string& in_path,
                    const std::string& out_path, std::ostream& err) {
    auto tool = start_session(options, err);
    if (!tool || !open_as_program(*tool, in_path, err)) return kExitFailure;
    tool->host().on_sheet([](ui::PropertySheet& sheet) {
        for (std::size_t page = 0; page < sheet.page_count(); ++page) sheet.show_page(page);
        sheet.user_presses_ok();
    });
    shell::open_editor_sheet(tool->session());
    if (!save_as_program(*tool, out_path, err)) return kExitFailure;
    return kExitOk;
}

int command_dump(const LanguageOptions& options, const std::string& in_path, std::ostream& out,
                 std::ostream& err) {
    const auto bytes = read_accepted_file(options, in_path, err);
    if (!bytes) return kExitFailure;
    write_json(out, dump_design(*bytes));
    return kExitOk;
}

int command_build(const std::string& json_path, const std::string& out_path, std::istream& in,
                  std::ostream& err) {
    const auto text = read_text(json_path, in);
    if (!text) {
        err << "t73: " << json_path << ": cannot be read\n";
        return kExitFailure;
    }
    Json json;
    try {
        json = Json::parse(*text);
    } catch (const Json::exception& e) {  // bad syntax, but also a number too large for a double
        err << "t73: " << json_path << ": not valid JSON: " << e.what() << "\n";
        return kExitFailure;
    }
    std::vector<Byte> image;
    try {
        image = build_design(json);
    } catch (const FieldError& e) {
        err << "t73: " << json_path << ": " << e.what() << "\n";
        return kExitFailure;
    }
    if (!write_file_atomically(out_path, image)) {
        err << "t73: " << out_path << ": cannot be written\n";
        return kExitFailure;
    }
    return kExitOk;
}

int command_check(const LanguageOptions& options, const std::string& in_path, std::ostream& out,
                  std::ostream& err) {
    const auto bytes = read_accepted_file(options, in_path, err);
    if (!bytes) return kExitFailure;
    auto records = std::make_unique<DesignRecords>();
    read_design_records(*bytes, *records);
    const std::vector<std::string> problems = check_design(*records);
    if (problems.empty()) {
        out << "ok\n";
        return kExitOk;
    }
    for (const std::string& problem : problems) out << problem << "\n";
    return kExitFailure;
}

}  // namespace tc::t73
