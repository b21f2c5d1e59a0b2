#include "app/t73/run_t73.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <string>

#include "app/t73/commands.h"
#include "app/t73/preview_command.h"
#include "platform/platform.h"

namespace tc::t73 {
namespace {

constexpr const char* kDescription =
    "t73 makes, converts and checks Terminal Composer design files (*.T73) with the same code as "
    "the program. A file name \"-\" means standard input or standard output.";

constexpr const char* kExitCodes =
    "Exit codes: 0 done; 1 check found broken rules; 2 usage (unknown command, bad arguments); "
    "3 a file or stream could not be read or written, or was refused (the reason is printed).";

constexpr const char* kLanguageHelp =
    "language of the program texts (the name a language file gives itself); needs "
    "--program-dir";
constexpr const char* kProgramDirHelp =
    "folder with the language files (*.lng); without --language, the language its INI file (or "
    "the user's, for an installed program) names. Nothing in it is written.";

// The options every command takes, for the help of each command.
std::string global_options_help() {
    return std::string("Global options (before or after the command):\n") +
           "  --language NAME      " + kLanguageHelp + "\n" + "  --program-dir DIR    " +
           kProgramDirHelp + "\n\n" + kExitCodes;
}

// The parsed command line.
struct Arguments {
    std::string language;
    std::string program_dir;
    std::string in_path;
    std::string out_path = "-";
    std::string json_path;
    std::string help_topic;
    std::string screen = "start";
    bool json = false;
};

CLI::App* add_command(CLI::App& app, const std::string& name, const std::string& description) {
    CLI::App* command = app.add_subcommand(name, description);
    command->footer(global_options_help());
    command->fallthrough();
    return command;
}

}  // namespace

int run_t73(const std::vector<std::string>& args, const ToolStreams& io) {
    CLI::App app{kDescription, "t73"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("t73 ") + TC_VERSION);
    app.footer(kExitCodes);

    Arguments a;
    auto* language_option = app.add_option("--language", a.language, kLanguageHelp);
    auto* program_dir_option = app.add_option("--program-dir", a.program_dir, kProgramDirHelp)
                                   ->check(CLI::ExistingDirectory);
    language_option->needs(program_dir_option);

    auto* new_command =
        add_command(app, "new", "save a new design to OUT as the program's Save does");
    new_command->add_option("OUT", a.out_path, "design file to write")->required();

    auto* resave_command = add_command(
        app, "resave",
        "open IN as the program's Open does (header check, fix-ups) and save it to OUT");
    resave_command->add_option("IN", a.in_path, "design file to open")->required();
    resave_command->add_option("OUT", a.out_path, "design file to write")->required();

    auto* confirm_command = add_command(
        app, "confirm",
        "open IN as resave does, show the five pages of the editor sheet once without an edit, "
        "confirm it with OK and save to OUT");
    confirm_command->add_option("IN", a.in_path, "design file to open")->required();
    confirm_command->add_option("OUT", a.out_path, "design file to write")->required();

    auto* dump_command = add_command(
        app, "dump", "write the whole design of IN as JSON to standard output, byte for byte");
    dump_command->add_option("IN", a.in_path, "design file to read")->required();

    auto* build_command =
        add_command(app, "build", "write the design file that JSON (a dump) describes to OUT");
    build_command->add_option("JSON", a.json_path, "JSON form of a design")->required();
    build_command->add_option("OUT", a.out_path, "design file to write")->required();

    auto* check_command = add_command(
        app, "check",
        "list every broken rule of the records of IN, as the file holds them, each with the JSON "
        "path of its field, or \"ok\"");
    check_command->add_option("IN", a.in_path, "design file to check")->required();
    check_command->add_flag("--json", a.json,
                            "the list as a JSON array of {\"path\", \"problem\"}");

    auto* report_command = add_command(
        app, "report",
        "write one HTML page describing IN for those who process the terminal's data: the Forms "
        "in use with their saved record layouts, Menus, Lookups, changed settings, broken rules");
    report_command->add_option("IN", a.in_path, "design file to describe")->required();
    report_command->add_option("-o,--output", a.out_path,
                               "HTML file to write (else standard output)");

    auto* preview_command = add_command(
        app, "preview", "draw the terminal picture showing one screen of IN to a PNG file");
    preview_command->add_option("IN", a.in_path, "design file to show")->required();
    preview_command->add_option("--screen", a.screen, "start, main, form:N or menu:N")
        ->capture_default_str();
    preview_command->add_option("-o,--output", a.out_path, "PNG file to write")->required();

    auto* map_command = add_command(
        app, "map", "write the map of IN's screens and their Esc, Next and item links as SVG");
    map_command->add_option("IN", a.in_path, "design file to map")->required();
    map_command->add_option("-o,--output", a.out_path, "SVG file to write (else standard output)");

    auto* help_command = add_command(app, "help", "this help, or the help of COMMAND");
    help_command->add_option("COMMAND", a.help_topic, "a command");

    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, io.out, io.err);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e, io.out, io.err);
    } catch (const CLI::ParseError& e) {
        if (app.get_subcommands().empty() && !app.remaining().empty()) {
            io.err << "t73: unknown command \"" << app.remaining().front() << "\"\n"
                   << "Commands: new, resave, confirm, dump, build, check, report, preview, map, "
                      "help (t73 help).\n";
            return kExitUsage;
        }
        app.exit(e, io.out, io.err);
        return kExitUsage;
    }

    LanguageOptions options;
    if (language_option->count() > 0) options.language = a.language;
    if (program_dir_option->count() > 0) options.program_dir = platform::to_path(a.program_dir);

    int code = kExitUsage;
    if (help_command->parsed()) {
        const auto commands = app.get_subcommands({});
        const auto topic = std::find_if(commands.begin(), commands.end(),
                                        [&](CLI::App* c) { return c->get_name() == a.help_topic; });
        if (a.help_topic.empty()) {
            // help() would describe the command that was given, which is "help" itself.
            io.out << app.get_formatter()->make_help(&app, "t73", CLI::AppFormatMode::Normal);
            code = kExitOk;
        } else if (topic != commands.end()) {
            io.out << (*topic)->help("t73");
            code = kExitOk;
        } else {
            io.err << "t73: unknown command \"" << a.help_topic << "\"\n";
        }
    }
    if (new_command->parsed()) code = command_new(options, a.out_path, io);
    if (resave_command->parsed()) code = command_resave(options, a.in_path, a.out_path, io);
    if (confirm_command->parsed()) code = command_confirm(options, a.in_path, a.out_path, io);
    if (dump_command->parsed()) code = command_dump(options, a.in_path, io);
    if (build_command->parsed()) code = command_build(a.json_path, a.out_path, io);
    if (check_command->parsed()) code = command_check(options, a.in_path, a.json, io);
    if (report_command->parsed()) code = command_report(options, a.in_path, a.out_path, io);
    if (preview_command->parsed())
        code = command_preview(options, a.in_path, a.screen, a.out_path, io);
    if (map_command->parsed()) code = command_map(options, a.in_path, a.out_path, io);

    if (!io.out.flush()) {
        io.err << "t73: standard output: cannot be written: " << output_failure_reason(io.out)
               << "\n";
        return kExitIo;
    }
    return code;
}

}  // namespace tc::t73
