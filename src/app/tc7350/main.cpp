// tc7350: the Terminal Composer window program.
//
// tc7350 [FILE.T73] opens the design file at start, as a recent file is opened (a file manager
// hands a file over this way). Options for tests:
//   --program-dir DIR   use DIR as the program directory instead of the executable's directory
//   --smoke-test DIR    drive the program without a person and save screenshots into DIR
#include <wx/app.h>
#include <wx/image.h>
#include <wx/stdpaths.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "shell/program_places.h"
#include "ui/wx/main_frame.h"
#include "ui/wx/smoke_test.h"
#include "ui/wx/wx_host.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> program_dir;
    std::optional<std::filesystem::path> smoke_test_dir;
    std::optional<std::filesystem::path> design_file;
};

// Reads the command line as the system hands it over: file names stay the file system's bytes,
// which a conversion through the locale (not yet set up at this point) would lose.
std::optional<Options> parse_options(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with('-')) {
            if (options.design_file) return std::nullopt;
            options.design_file = std::filesystem::absolute(argument);
            continue;
        }
        if (i + 1 >= argc) return std::nullopt;
        const std::filesystem::path value = argv[++i];
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
            frame->CallAfter(
                [frame, path = options_.design_file->string()] { frame->open_file(path); });
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
    std::optional<Options> options = parse_options(argc, argv);
    if (!options) {
        std::fputs("usage: tc7350 [--program-dir DIR] [--smoke-test OUTDIR] [FILE.T73]\n", stderr);
        return 2;
    }
    wxApp::SetInstance(new Tc7350App(std::move(*options)));
    return wxEntry(argc, argv);
}
