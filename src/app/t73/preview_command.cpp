#include "app/t73/preview_command.h"

#include <charconv>
#include <memory>
#include <span>

#include "app/t73/application_map_svg.h"
#include "app/t73/commands.h"
#include "app/t73/run_t73.h"
#include "document/design_file.h"
#include "document/file_io.h"
#include "preview/png_image.h"
#include "preview/raster_painter.h"
#include "preview/walkthrough.h"
#include "shell/terminal_picture.h"

namespace tc::t73 {
namespace {

// The screen code that "start", "main", "form:N" or "menu:N" names.
std::optional<Byte> screen_code(const std::string& screen, const SystemSettingsRecord& system) {
    if (screen == "start") return preview::start_screen_code(system);
    if (screen == "main") return Byte{0};
    const std::size_t colon = screen.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string kind = screen.substr(0, colon);
    int number = 0;
    const char* first = screen.data() + colon + 1;
    const char* last = screen.data() + screen.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc{} || end != last || first == last) return std::nullopt;
    if (kind == "form" && number >= 1 && number <= static_cast<int>(kFormCount)) {
        return static_cast<Byte>(number);
    }
    if (kind == "menu" && number >= 1 && number <= static_cast<int>(kMenuCount)) {
        return static_cast<Byte>(kFormCount + number);
    }
    return std::nullopt;
}

}  // namespace

int command_preview(const LanguageOptions& options, const std::string& in_path,
                    const std::string& screen, const std::string& out_path, const ToolStreams& io) {
    std::ostream& err = io.err;
    std::string error;
    const auto tool = ToolSession::start(options, error);
    if (!tool) {
        err << "t73: " << error << "\n";
        return kExitIo;
    }
    shell::Session& session = tool->session();
    if (!open_design_file(session.document(), in_path, session.file_context())) {
        const std::string message = tool->last_message();
        err << "t73: " << in_path << ": " << (message.empty() ? "cannot be opened" : message)
            << "\n";
        return kExitIo;
    }
    const std::optional<Byte> code = screen_code(screen, session.document().system);
    if (!code) {
        err << "t73: --screen " << screen << ": not start, main, form:1-20 or menu:1-10\n";
        return kExitUsage;
    }
    preview::Walkthrough walk(session.document(), session.texts());
    walk.go_to(*code);
    preview::RasterPainter painter(shell::kPictureWidth, shell::kPictureHeight);
    shell::paint_terminal_picture(painter, walk.screen());
    const std::vector<Byte> png =
        preview::png_file(painter.width(), painter.height(), painter.rgb());
    return write_output(out_path, png, io) ? kExitOk : kExitIo;
}

int command_map(const LanguageOptions& options, const std::string& in_path,
                const std::string& out_path, const ToolStreams& io) {
    const auto bytes = read_accepted_file(options, in_path, io);
    if (!bytes) return kExitIo;
    auto design = std::make_unique<DesignRecords>();
    read_design_records(*bytes, *design);
    // A file of its own names the SVG namespace; within the report's HTML the element needs none.
    std::string svg = application_map_svg(design_map(*design));
    svg.insert(svg.find(' '), " xmlns=\"http://www.w3.org/2000/svg\"");
    svg.insert(0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    return write_output(out_path, std::span(reinterpret_cast<const Byte*>(svg.data()), svg.size()),
                        io)
               ? kExitOk
               : kExitIo;
}

}  // namespace tc::t73
