#include "app/t73/commands.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/t73/design_check.h"
#include "app/t73/design_json.h"
#include "app/t73/json_writer.h"
#include "document/design_file.h"
#include "document/file_io.h"
#include "platform/platform.h"
#include "shell/editor_sheet.h"
#include "ui/property_sheet.h"

namespace tc::t73 {
namespace {

std::unique_ptr<ToolSession> start_session(const LanguageOptions& options, const ToolStreams& io) {
    std::string error;
    auto tool = ToolSession::start(options, error);
    if (!tool) io.err << "t73: " << error << "\n";
    return tool;
}

// Reads `path` and opens it as the program's Open does; a refused file gets the program's
// message. Returns the bytes as the file holds them.
std::optional<std::vector<Byte>> open_as_program(ToolSession& tool, const std::string& path,
                                                 const ToolStreams& io) {
    std::string reason;
    auto bytes = read_input(path, io.in, kDesignFileSize, reason);
    if (!bytes) {
        io.err << "t73: " << input_name(path) << ": cannot be read: " << reason << "\n";
        return std::nullopt;
    }
    // The program opens a file by its name: it gets a copy in the session's folder.
    const std::string copy = platform::to_file_name(tool.scratch_file("opened.T73"));
    if (const std::error_code ec = write_file_safely(platform::to_path(copy), *bytes)) {
        io.err << "t73: " << copy << ": cannot be written: " << ec.message() << "\n";
        return std::nullopt;
    }
    shell::Session& session = tool.session();
    tool.host().clear_record();
    if (open_design_file(session.document(), copy, session.file_context())) return bytes;
    const std::string message = tool.last_message();
    io.err << "t73: " << input_name(path) << ": "
           << (message.empty() ? "cannot be opened" : message) << "\n";
    return std::nullopt;
}

bool save_as_program(ToolSession& tool, const std::string& path, const ToolStreams& io) {
    shell::Session& session = tool.session();
    const std::string target =
        path == "-" ? platform::to_file_name(tool.scratch_file("saved.T73")) : path;
    std::error_code reason;
    if (!save_design_file(session.document(), target, session.file_context(), reason)) {
        io.err << "t73: " << output_name(target) << ": cannot be written: " << reason.message()
               << "\n";
        return false;
    }
    if (path != "-") return true;
    const auto bytes = read_whole_file(platform::to_path(target));
    return bytes && write_output(path, *bytes, io);
}

int open_and_save(const LanguageOptions& options, const std::string& in_path,
                  const std::string& out_path, bool confirm, const ToolStreams& io) {
    auto tool = start_session(options, io);
    if (!tool || !open_as_program(*tool, in_path, io)) return kExitIo;
    if (confirm) {
        tool->host().on_sheet([](ui::PropertySheet& sheet) {
            for (std::size_t page = 0; page < sheet.page_count(); ++page) sheet.show_page(page);
            sheet.user_presses_ok();
        });
        shell::open_editor_sheet(tool->session());
    }
    return save_as_program(*tool, out_path, io) ? kExitOk : kExitIo;
}

}  // namespace

std::optional<std::vector<Byte>> read_accepted_file(const LanguageOptions& options,
                                                    const std::string& path,
                                                    const ToolStreams& io) {
    auto tool = start_session(options, io);
    if (!tool) return std::nullopt;
    auto bytes = open_as_program(*tool, path, io);
    if (bytes) bytes->resize(kDesignFileSize);
    return bytes;
}

int command_new(const LanguageOptions& options, const std::string& out_path,
                const ToolStreams& io) {
    auto tool = start_session(options, io);
    if (!tool || !save_as_program(*tool, out_path, io)) return kExitIo;
    return kExitOk;
}

int command_resave(const LanguageOptions& options, const std::string& in_path,
                   const std::string& out_path, const ToolStreams& io) {
    return open_and_save(options, in_path, out_path, false, io);
}

int command_confirm(const LanguageOptions& options, const std::string& in_path,
                    const std::string& out_path, const ToolStreams& io) {
    return open_and_save(options, in_path, out_path, true, io);
}

int command_dump(const LanguageOptions& options, const std::string& in_path,
                 const ToolStreams& io) {
    const auto bytes = read_accepted_file(options, in_path, io);
    if (!bytes) return kExitIo;
    write_json(io.out, dump_design(*bytes));
    return kExitOk;
}

int command_build(const std::string& json_path, const std::string& out_path,
                  const ToolStreams& io) {
    std::string reason;
    const auto text = read_input(json_path, io.in, SIZE_MAX, reason);
    if (!text) {
        io.err << "t73: " << input_name(json_path) << ": cannot be read: " << reason << "\n";
        return kExitIo;
    }
    std::vector<Byte> image;
    try {
        image = build_design(parse_design_json(std::string(text->begin(), text->end())));
    } catch (const FieldError& e) {
        io.err << "t73: " << input_name(json_path) << ": " << e.what() << "\n";
        return kExitIo;
    }
    return write_output(out_path, image, io) ? kExitOk : kExitIo;
}

int command_check(const LanguageOptions& options, const std::string& in_path, bool as_json,
                  const ToolStreams& io) {
    const auto bytes = read_accepted_file(options, in_path, io);
    if (!bytes) return kExitIo;
    auto records = std::make_unique<DesignRecords>();
    read_design_records(*bytes, *records);
    const std::vector<Problem> problems = check_design(*records);
    if (as_json) {
        Json list = Json::array();
        for (const Problem& problem : problems)
            list.push_back({{"path", problem.path}, {"problem", problem.text}});
        write_json(io.out, list);
    } else if (problems.empty()) {
        io.out << "ok\n";
    } else {
        for (const Problem& problem : problems)
            io.out << problem.path << ": " << problem.text << "\n";
    }
    return problems.empty() ? kExitOk : kExitRulesBroken;
}

}  // namespace tc::t73
