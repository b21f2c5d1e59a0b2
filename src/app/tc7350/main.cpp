// tc7350: the Terminal Composer window program.
//
// tc7350 [FILE.T73] opens the design file at start, as a recent file is opened (a file manager
// hands a file over this way). Options for tests:
//   --program-dir DIR   use DIR as the program directory instead of the executable's directory
//   --smoke-test DIR    drive the program without a person and save screenshots into DIR
#include <wx/app.h>
#include <wx/image.h>
#include <wx/stdpaths.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "shell/program_places.h"
#include "ui/wx/main_frame.h"
#include "ui/wx/smoke_test.h"
#include "ui/wx/wx_host.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> program_dir;
    std::optional<std::filesystem::path> smoke_test_dir;
    std::optional<std::string> design_file;
};

// File names stay the text the platform layer gives them (the file system's bytes, or UTF-8 read
// from Windows' wide command line), which a conversion through the locale (not yet set up at this
// point) would lose.
std::optional<Options> parse_options(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with('-')) {
            if (options.design_file) return std::nullopt;
            options.design_file = tc::platform::to_file_name(
                std::filesystem::absolute(tc::platform::to_path(argument)));
            continue;
        }
        if (i + 1 >= arguments.size()) return std::nullopt;
        const std::filesystem::path value = tc::platform::to_path(arguments[++i]);
        if (argument == "--program-dir") {
            options.program_dir = value;
        } else if (argument == "--smoke-test") {
            options.smoke_test_dir = value;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// Beside the program file, or <prefix>/share/tc7350 for an installed program.
std::filesystem::path default_program_dir() {
    const wxString exe = wxStandardPaths::Get().GetExecutablePath();
#ifdef _WIN32
    const std::filesystem::path exe_path(exe.ToStdWstring());
#else
    const std::filesystem::path exe_path(exe.fn_str().data());
#endif
    return tc::shell::program_dir_for_executable(exe_path);
}

class Tc7350App : public wxApp {
  public:
    explicit Tc7350App(Options options) : options_(std::move(options)) {}

    bool OnInit() override {
        wxImage::AddHandler(new wxPNGHandler);
        auto* frame =
            new tc::ui::wx::MainFrame(options_.program_dir.value_or(default_program_dir()), host_);
        host_.set_main_window(frame);
        SetTopWindow(frame);
        frame->create();
        if (options_.design_file) {
            // From the event loop, once the main window is shown: the editor sheet opens on it.
            frame->CallAfter([frame, path = *options_.design_file] { frame->open_file(path); });
        }
        if (options_.smoke_test_dir) {
            smoke_test_ = std::make_unique<tc::ui::wx::SmokeTest>(*frame, *options_.smoke_test_dir);
            smoke_test_->start();
        }
        return true;
    }

    int OnRun() override {
        const int exit_code = wxApp::OnRun();
        const bool smoke_test_failed = smoke_test_ && smoke_test_->failed();
        smoke_test_.reset();
        return smoke_test_failed ? 1 : exit_code;
    }

  private:
    Options options_;
    tc::ui::wx::WxHost host_;
    std::unique_ptr<tc::ui::wx::SmokeTest> smoke_test_;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef __WXGTK__
    // The program draws nothing with OpenGL. Without this, GTK loads the OpenGL driver at start to
    // choose its visuals, the first time on a display: with a software renderer that is 50 MB
    // more memory and a start up to a second slower.
    ::setenv("GDK_GL", "disable", 0);
#endif
    std::optional<Options> options =
        parse_options(tc::platform::command_line_arguments(argc, argv));
    if (!options) {
        std::fputs("usage: tc7350 [--program-dir DIR] [--smoke-test OUTDIR] [FILE.T73]\n", stderr);
        return 2;
    }
    wxApp::SetInstance(new Tc7350App(std::move(*options)));
    return wxEntry(argc, argv);
}
