// tc7350: the Terminal Composer window program.
//
// Options (for tests; the program itself takes none):
//   --program-dir DIR   use DIR as the program directory instead of the executable's directory
//   --smoke-test DIR    drive the program without a person and save screenshots into DIR
#include <wx/app.h>
#include <wx/image.h>
#include <wx/stdpaths.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "shell/program_places.h"
#include "ui/wx/main_frame.h"
#include "ui/wx/smoke_test.h"
#include "ui/wx/wx_host.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> program_dir;
    std::optional<std::filesystem::path> smoke_test_dir;
};

std::optional<Options> parse_options(int argc, wxChar** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const wxString option = argv[i];
        if (i + 1 >= argc) return std::nullopt;
        const std::filesystem::path value(wxString(argv[++i]).fn_str().data());
        if (option == "--program-dir") {
            options.program_dir = value;
        } else if (option == "--smoke-test") {
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
    return tc::shell::program_dir_for_executable(std::filesystem::path(exe.fn_str().data()));
}

class Tc7350App : public wxApp {
  public:
    bool OnInit() override {
        const std::optional<Options> options = parse_options(argc, argv);
        if (!options) {
            std::fputs("usage: tc7350 [--program-dir DIR] [--smoke-test OUTDIR]\n", stderr);
            return false;
        }
        wxImage::AddHandler(new wxPNGHandler);
        auto* frame =
            new tc::ui::wx::MainFrame(options->program_dir.value_or(default_program_dir()), host_);
        host_.set_main_window(frame);
        SetTopWindow(frame);
        frame->create();
        if (options->smoke_test_dir) {
            smoke_test_ = std::make_unique<tc::ui::wx::SmokeTest>(*frame, *options->smoke_test_dir);
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
    tc::ui::wx::WxHost host_;
    std::unique_ptr<tc::ui::wx::SmokeTest> smoke_test_;
};

}  // namespace

wxIMPLEMENT_APP(Tc7350App);
