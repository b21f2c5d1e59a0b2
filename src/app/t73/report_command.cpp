#include <filesystem>
#include <memory>

#include "app/t73/commands.h"
#include "app/t73/design_report.h"
#include "app/t73/run_t73.h"
#include "document/file_io.h"
#include "forms/derive_before_save.h"
#include "platform/platform.h"

namespace tc::t73 {
namespace {

// The records that a new design is saved with, in the session's language.
void new_design_records(shell::Session& session, DesignRecords& records) {
    const DesignDocument& doc = session.document();
    records.menus = doc.menus;
    records.forms = doc.forms;
    records.lookups = doc.lookups;
    records.reader = doc.reader;
    records.system = doc.system;
    derive_before_save(
        {records.forms, records.menus, records.lookups, records.reader, records.system});
}

}  // namespace

std::vector<std::string> report_findings(const DesignRecords& design, std::span<const Byte> image) {
    std::vector<std::string> findings;
    for (const Problem& problem : check_design(design, image))
        findings.push_back(problem.path + ": " + problem.text);
    return findings;
}

int command_report(const LanguageOptions& options, const std::string& in_path,
                   const std::string& out_path, const ToolStreams& io) {
    const auto bytes = read_accepted_file(options, in_path, io);
    if (!bytes) return kExitIo;
    std::string error;
    const auto tool = ToolSession::start(options, error);
    if (!tool) {
        io.err << "t73: " << error << "\n";
        return kExitIo;
    }
    auto design = std::make_unique<DesignRecords>();
    auto new_design = std::make_unique<DesignRecords>();
    read_design_records(*bytes, *design);
    new_design_records(tool->session(), *new_design);

    const std::string html = design_report_html({
        .file_name = in_path == "-" ? std::string("standard input")
                                    : platform::to_file_name(platform::to_path(in_path).filename()),
        .design = *design,
        .new_design = *new_design,
        .findings = report_findings(*design, *bytes),
        .texts = tool->session().texts(),
    });
    const std::span bytes_of_page(reinterpret_cast<const Byte*>(html.data()), html.size());
    return write_output(out_path, bytes_of_page, io) ? kExitOk : kExitIo;
}

}  // namespace tc::t73
