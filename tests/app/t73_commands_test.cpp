#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "document/design_file.h"
#include "document/fault_test_support.h"
#include "shell/preferences.h"
#include "shell/session.h"
#include "t73_test_support.h"
#include "texts/device_texts.h"
#include "ui/headless_host.h"

namespace tc::t73 {
namespace {

using test::read_bytes;
using test::run_tool;
using test::TempDir;
using test::ToolRun;
using test::write_bytes;

std::string text_at(const std::vector<Byte>& bytes, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset));
}

TEST(T73Commands, NewSavesWhatTheProgramSavesAtStartUp) {
    TempDir dir;
    const ToolRun run = run_tool({"new", dir.file("new.T73")});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    const std::vector<Byte> written = read_bytes(dir.file("new.T73"));
    ASSERT_EQ(written.size(), kDesignFileSize);

    // The program itself: start up in a program directory of its own and save.
    TempDir program_dir;
    ui::HeadlessHost host;
    shell::Session session(program_dir.path(), host);
    session.start_up();
    ASSERT_TRUE(
        save_design_file(session.document(), dir.file("program.T73"), session.file_context()));
    EXPECT_TRUE(written == read_bytes(dir.file("program.T73")));
}

TEST(T73Commands, ResaveOpensAsTheProgramDoes) {
    TempDir dir;
    std::vector<Byte> design = test::new_design_bytes();
    ASSERT_EQ(design.size(), kDesignFileSize);
    const std::string prompt(40, 'p');
    std::copy(prompt.begin(), prompt.end(), design.begin() + kFormsOffset + 65);
    design[kFormsOffset + 4130] = 0x5A;  // a reserved byte is carried through
    write_bytes(dir.file("in.T73"), design);

    const ToolRun run = run_tool({"resave", dir.file("in.T73"), dir.file("out.T73")});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    const std::vector<Byte> saved = read_bytes(dir.file("out.T73"));
    ASSERT_EQ(saved.size(), kDesignFileSize);
    EXPECT_EQ(text_at(saved, kFormsOffset + 65), std::string(30, 'p'));  // cut when opened
    EXPECT_EQ(saved[kFormsOffset + 4130], 0x5A);
}

TEST(T73Commands, UsageHelpAndVersionFollowTheConventions) {
    struct Usage {
        std::vector<std::string> args;
        int exit_code;
        std::vector<const char*> out;  // each in the output
        const char* err;               // in the error output
    };
    const std::vector<Usage> cases = {
        {{"frobnicate", "x"}, 2, {}, "unknown command \"frobnicate\""},
        {{}, 2, {}, ""},
        {{"resave", "only-one.T73"}, 2, {}, "OUT"},
        {{"--language", "Deutsch", "new", "x.T73"}, 2, {}, "--program-dir"},  // needs its folder
        {{"--help"},
         0,
         {"new", "resave", "confirm", "dump", "build", "check", "report", "help", "--language",
          "--program-dir", "--version", "1 check found broken rules", "3 a file or stream"},
         ""},
        {{"help"}, 0, {"resave", "--program-dir", "Exit codes"}, ""},
        {{"help", "report"}, 0, {"--output", "--language", "--program-dir", "Exit codes: 0"}, ""},
        {{"check", "--help"}, 0, {"--json", "--language", "--program-dir"}, ""},
        {{"help", "launch"}, 2, {}, "unknown command \"launch\""},
        {{"--version"}, 0, {"t73 1."}, ""},
    };
    for (const Usage& usage : cases) {
        const ToolRun run = run_tool(usage.args);
        SCOPED_TRACE(usage.args.empty() ? "(none)" : usage.args.front() + " " + run.out + run.err);
        EXPECT_EQ(run.exit_code, usage.exit_code);
        for (const char* text : usage.out) EXPECT_NE(run.out.find(text), std::string::npos) << text;
        EXPECT_NE(run.err.find(usage.err), std::string::npos);
    }
}

#ifndef _WIN32
TEST(T73Commands, InputsAndOutputsThatFailGiveTheSystemsReasonAndExitCode3) {
    TempDir dir;
    const std::string design = dir.file("new.T73");
    ASSERT_EQ(run_tool({"new", design}).exit_code, 0);
    std::filesystem::create_directory(dir.file("folder"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    // The link leads to a device node of our own where one can be made, else to the pipe.
    const bool device_made = tc::test::make_device(dir.file("device"));
    std::filesystem::create_symlink(dir.file(device_made ? "device" : "fifo"), dir.file("link"));
    test::write_text(dir.file("design.json"), run_tool({"dump", design}).out);
    struct Failure {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Failure> cases = {
        {{"new", dir.file("missing/new.T73")},
         dir.file("missing/new.T73") + ": cannot be written: No such file or directory"},
        {{"dump", dir.file("missing.T73")},
         dir.file("missing.T73") + ": cannot be read: No such file or directory"},
        {{"check", dir.file("folder")}, dir.file("folder") + ": cannot be read: Is a directory"},
        {{"resave", dir.file("fifo"), dir.file("out.T73")},  // refused at once, not waited on
         dir.file("fifo") + ": cannot be read: Not a regular file (a device, pipe or socket)"},
        {{"build", dir.file("missing.json"), dir.file("out.T73")},
         dir.file("missing.json") + ": cannot be read: No such file or directory"},
        {{"report", design, "-o", dir.file("missing/r.html")},
         dir.file("missing/r.html") + ": cannot be written: No such file or directory"},
        {{"dump", "-"}, "standard input: Format of this TC file is incorrect!"},
        // Outputs that are not regular files are left as they are, never replaced by one.
        {{"new", dir.file("fifo")},
         dir.file("fifo") + ": cannot be written: Not a regular file (a device, pipe or socket)"},
        {{"build", dir.file("design.json"), dir.file("folder")},
         dir.file("folder") + ": cannot be written: Is a directory"},
        {{"report", design, "-o", dir.file("link")},
         dir.file("link") + ": cannot be written: Not a regular file (a device, pipe or socket)"},
        {{"resave", design, dir.file("link")},
         dir.file("link") + ": cannot be written: Not a regular file (a device, pipe or socket)"},
    };
    for (const Failure& failure : cases) {
        SCOPED_TRACE(failure.args.front());
        const ToolRun run = run_tool(failure.args);
        EXPECT_EQ(run.exit_code, 3);
        EXPECT_EQ(run.err, "t73: " + failure.err + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.T73")));
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("fifo")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link")));
    EXPECT_TRUE(!device_made || std::filesystem::is_character_file(dir.file("device")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));

    // Standard output on a full disk or a closed pipe.
    const std::string t73 = "\"" + std::string(tc::test::kT73Path) + "\" ";
    for (const std::string command : {"dump", "check", "report"}) {
        SCOPED_TRACE(command);
        const ToolRun run = test::run_binary(
            dir, "--version >/dev/null; (" + t73 + command + " \"" + design + "\" >/dev/full)");
        EXPECT_EQ(run.exit_code, 3);
        EXPECT_EQ(run.err, "t73: standard output: cannot be written: No space left on device\n");
    }
    const ToolRun run = test::run_binary(
        dir, "--version >/dev/null; { (" + t73 + "dump \"" + design + "\"; echo $? >&2) | true; }");
    EXPECT_EQ(run.err, "t73: standard output: cannot be written: Broken pipe\n3\n");
}
#endif

TEST(T73Commands, MinusIsStandardInputAndOutputWhereverAFileIsReadOrWritten) {
    const ToolRun made = run_tool({"new", "-"});
    ASSERT_EQ(made.exit_code, 0) << made.err;
    EXPECT_TRUE(std::vector<Byte>(made.out.begin(), made.out.end()) == test::new_design_bytes());
    EXPECT_FALSE(std::filesystem::exists("-"));

    TempDir dir;
    test::write_text(dir.file("made.T73"), made.out);
    for (const char* command : {"resave", "confirm"}) {
        SCOPED_TRACE(command);
        ASSERT_EQ(run_tool({command, dir.file("made.T73"), dir.file("out.T73")}).exit_code, 0);
        const std::vector<Byte> saved = read_bytes(dir.file("out.T73"));
        EXPECT_EQ(run_tool({command, "-", "-"}, made.out).out,
                  std::string(saved.begin(), saved.end()));
    }
    const ToolRun dumped = run_tool({"dump", "-"}, made.out);
    EXPECT_EQ(dumped.exit_code, 0);
    EXPECT_EQ(run_tool({"build", "-", "-"}, dumped.out).out, made.out);
    EXPECT_EQ(run_tool({"check", "-"}, made.out).out, "ok\n");
    const ToolRun report = run_tool({"report", "-", "-o", "-"}, made.out);
    EXPECT_EQ(report.exit_code, 0);
    EXPECT_NE(report.out.find("Design report: standard input"), std::string::npos);
}

TEST(T73Commands, LanguageComesFromTheProgramDirectoryWhichStaysUntouched) {
    TempDir user_dir;
    test::write_text(user_dir.file("test.lng"),
                     "Testish\r\n11=Formular \r\n3001=Zeigen\r\n2801=Falsches Format!\r\n");
    TempDir dir;
    ToolRun run = run_tool({"--language", "Testish", "--program-dir", user_dir.path().string(),
                            "new", dir.file("new.T73")});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    const std::vector<Byte> design = read_bytes(dir.file("new.T73"));
    ASSERT_EQ(design.size(), kDesignFileSize);
    EXPECT_EQ(text_at(design, kFormsOffset + 29), "Formular 01");  // Form 1 export_name
    EXPECT_EQ(text_at(design, kDeviceTextsOffset), "Zeigen");      // text 3001, the first slot
    // Nothing was written beside the language file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(user_dir.path()), {}), 1);

    // Without --language, the language that the folder's INI file names; the INI file is read only.
    shell::Preferences preferences;
    preferences.language = "Testish";
    preferences.auto_preload = true;
    preferences.last_file = dir.file("missing.T73");
    ASSERT_TRUE(shell::write_ini_file(user_dir.path(), preferences));
    const std::vector<Byte> ini = read_bytes(shell::ini_path(user_dir.path()).string());
    run = run_tool({"--program-dir", user_dir.path().string(), "new", dir.file("by-ini.T73")});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(text_at(read_bytes(dir.file("by-ini.T73")), kFormsOffset + 29), "Formular 01");
    EXPECT_TRUE(read_bytes(shell::ini_path(user_dir.path()).string()) == ini);

    write_bytes(dir.file("bad.T73"), std::vector<Byte>(10, 'X'));
    run = run_tool({"--program-dir", user_dir.path().string(), "--language", "Testish", "dump",
                    dir.file("bad.T73")});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_NE(run.err.find("Falsches Format!"), std::string::npos) << run.err;

    run = run_tool({"--language", "Nowhere", "--program-dir", user_dir.path().string(), "new",
                    dir.file("other.T73")});
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_NE(run.err.find("Nowhere"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("other.T73")));
}

}  // namespace
}  // namespace tc::t73
