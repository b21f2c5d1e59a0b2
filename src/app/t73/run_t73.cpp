#include "app/t73/run_t73.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#include "app/t73/commands.h"
#include "app/t73/design_report.h"
#include "app/t73/preview_command.h"

namespace tc::t73 {
namespace {

constexpr const char* kDescription =
    "t73 makes, converts and checks Terminal Composer design files (*.T73) with the same code as "
    "the program.";

}  // namespace

int run_t73(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{kDescription, "t73"};
    app.require_subcommand(1);

    LanguageOptions options;
    std::string language;
    std::string program_dir;
    auto* language_option = app.add_option(
        "--language", language,
        "language of the program texts (the name a language file gives itself); needs "
        "--program-dir");
    auto* program_dir_option = app.add_option("--program-dir", program_dir,
                                              "folder with the language files (*.lng); without "
                                              "--language, the language its INI file "
                                              "names. Nothing in it is written.")
                                   ->check(CLI::ExistingDirectory);
    language_option->needs(program_dir_option);

    std::string in_path;
    std::string out_path;
    std::string json_path;

    auto* new_command =
        app.add_subcommand("new", "save a new design to OUT as the program's Save does");
    new_command->add_option("OUT", out_path, "design file to write")->required();

    auto* resave_command = app.add_subcommand(
        "resave", "open IN as the program's Open does (header check, fix-ups) and save it to OUT");
    resave_command->add_option("IN", in_path, "design file to open")->required();
    resave_command->add_option("OUT", out_path, "design file to write")->required();

    auto* confirm_command = app.add_subcommand(
        "confirm",
        "open IN as resave does, show the five pages of the editor sheet once without an edit, "
        "confirm it with OK and save to OUT");
    confirm_command->add_option("IN", in_path, "design file to open")->required();
    confirm_command->add_option("OUT", out_path, "design file to write")->required();

    auto* dump_command = app.add_subcommand(
        "dump", "write the whole design of IN as JSON to standard output, byte for byte");
    dump_command->add_option("IN", in_path, "design file to read")->required();

    auto* build_command = app.add_subcommand(
        "build", "write the design file that JSON (a dump; - for standard input) describes to OUT");
    build_command->add_option("JSON", json_path, "JSON form of a design")->required();
    build_command->add_option("OUT", out_path, "design file to write")->required();

    auto* check_command = app.add_subcommand(
        "check", "list every broken rule of the records of IN, as the file holds them, or \"ok\"");
    check_command->add_option("IN", in_path, "design file to check")->required();

    std::string report_path;
    auto* report_command = app.add_subcommand(
        "report",
        "write one HTML page describing IN for those who process the terminal's data: the Forms "
        "in use with their saved record layouts, Menus, Lookups, changed settings, broken rules");
    report_command->add_option("IN", in_path, "design file to describe")->required();
    auto* report_out_option =
        report_command->add_option("-o,--output", report_path, "HTML file to write (else stdout)");

    std::string screen = "start";
    auto* preview_command = app.add_subcommand(
        "preview", "draw the terminal picture showing one screen of IN to a PNG file");
    preview_command->add_option("IN", in_path, "design file to show")->required();
    preview_command->add_option("--screen", screen, "start, main, form:N or menu:N")
        ->capture_default_str();
    preview_command->add_option("-o,--output", out_path, "PNG file to write")->required();

    std::string map_path;
    auto* map_command = app.add_subcommand(
        "map", "write the map of IN's screens and their Esc, Next and item links as SVG");
    map_command->add_option("IN", in_path, "design file to map")->required();
    auto* map_out_option =
        map_command->add_option("-o,--output", map_path, "SVG file to write (else stdout)");

    for (CLI::App* command : app.get_subcommands({})) command->fallthrough();

    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        if (app.get_subcommands().empty() && !app.remaining().empty()) {
            err << "t73: unknown command \"" << app.remaining().front() << "\"\n"
                << "Commands: new, resave, confirm, dump, build, check, report, preview, map "
                   "(t73 --help).\n";
            return kExitUsage;
        }
        app.exit(e, out, err);
        return kExitUsage;
    }

    if (language_option->count() > 0) options.language = language;
    if (program_dir_option->count() > 0) options.program_dir = program_dir;

    if (new_command->parsed()) return command_new(options, out_path, err);
    if (resave_command->parsed()) return command_resave(options, in_path, out_path, err);
    if (confirm_command->parsed()) return command_confirm(options, in_path, out_path, err);
    if (dump_command->parsed()) return command_dump(options, in_path, out, err);
    if (build_command->parsed()) return command_build(json_path, out_path, std::cin, err);
    if (check_command->parsed()) return command_check(options, in_path, out, err);
    if (report_command->parsed()) {
        const auto output =
            report_out_option->count() > 0 ? std::optional(report_path) : std::nullopt;
        return command_report(options, in_path, output, out, err);
    }
    if (preview_command->parsed()) return command_preview(options, in_path, screen, out_path, err);
    if (map_command->parsed()) {
        const auto output = map_out_option->count() > 0 ? std::optional(map_path) : std::nullopt;
        return command_map(options, in_path, output, out, err);
    }
    return kExitUsage;
}

}  // namespace tc::t73
