#include <filesystem>
#include <memory>

#include "app/t73/commands.h"
#include "app/t73/design_report.h"
#include "app/t73/run_t73.h"
#include "document/file_io.h"
#include "forms/derive_before_save.h"

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

int command_report(const LanguageOptions& options, const std::string& in_path,
                   const std::optional<std::string>& out_path, std::ostream& out,
                   std::ostream& err) {
    const auto bytes = read_accepted_file(options, in_path, err);
    if (!bytes) return kExitFailure;
    std::string error;
    const auto tool = ToolSession::start(options, error);
    if (!tool) {
        err << "t73: " << error << "\n";
        return kExitFailure;
    }
    auto design = std::make_unique<DesignRecords>();
    auto new_design = std::make_unique<DesignRecords>();
    read_design_records(*bytes, *design);
    new_design_records(tool->session(), *new_design);

    const std::string html = design_report_html({
        .file_name = std::filesystem::path(in_path).filename().string(),
        .design = *design,
        .new_design = *new_design,
        .findings = check_design(*design),
        .texts = tool->session().texts(),
    });
    if (!out_path) {
        out << html;
        return kExitOk;
    }
    if (!write_file_atomically(
            *out_path, std::span(reinterpret_cast<const Byte*>(html.data()), html.size()))) {
        err << "t73: " << *out_path << ": cannot be written\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tc::t73
