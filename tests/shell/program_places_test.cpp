#include "shell/program_places.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "document/design_file.h"
#include "document/test_files.h"
#include "platform/platform.h"
#include "shell/session.h"
#include "ui/headless_host.h"

namespace tc::shell {
namespace {

namespace fs = std::filesystem;

// Where the user's configuration folder is named: %APPDATA% on Windows, else $XDG_CONFIG_HOME
// (with $HOME/.config as the fallback).
#ifdef _WIN32
constexpr const char* kConfigVariable = "APPDATA";
#else
constexpr const char* kConfigVariable = "XDG_CONFIG_HOME";
#endif

// Sets an environment variable for the life of the object and puts the old value back.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { set(old_); }

  private:
    void set(const std::optional<std::string>& value) {
#ifdef _WIN32
        ::_putenv_s(name_, value ? value->c_str() : "");
#else
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
#endif
    }

    const char* name_;
    std::optional<std::string> old_;
};

void write_language_file(const fs::path& path, const std::string& name, const std::string& save) {
    test::write_text(path, name + "\r\n2651=" + save + "\r\n");
}

TEST(ProgramPlaces, TheIniFileMovesToTheUserFolderOnlyWhenTheProgramDirectoryIsReadOnly) {
    const fs::path program = "/opt/tc/share/tc7350";
    const fs::path home = "/home/someone/.config";

    ProgramPlaces places = choose_program_places(program, true, home);
    EXPECT_EQ(places.program_dir, program);
    EXPECT_EQ(places.settings_dir, program);
    EXPECT_EQ(places.language_dirs, std::vector<fs::path>{program});

    places = choose_program_places(program, false, home);
    EXPECT_EQ(places.program_dir, program);
    EXPECT_EQ(places.settings_dir, home / "tc7350");
    EXPECT_EQ(places.language_dirs, (std::vector<fs::path>{program, home / "tc7350"}));

    // Without a configuration home there is nowhere else to go.
    places = choose_program_places(program, false, std::nullopt);
    EXPECT_EQ(places.settings_dir, program);
    EXPECT_EQ(places.language_dirs, std::vector<fs::path>{program});
}

TEST(ProgramPlaces, AnInstalledProgramFindsItsFilesUnderShare) {
    test::TempFolder prefix;
    fs::create_directories(prefix.path() / "bin");
    // Before the shared folder exists, the program's own folder is the program directory.
    EXPECT_EQ(program_dir_for_executable(prefix.path() / "bin" / "tc7350"), prefix.path() / "bin");
    fs::create_directories(prefix.path() / "share" / "tc7350");
    EXPECT_EQ(program_dir_for_executable(prefix.path() / "bin" / "tc7350"),
              prefix.path() / "share" / "tc7350");
    // A build tree: the folder of the program file.
    fs::create_directories(prefix.path() / "build" / "src");
    EXPECT_EQ(program_dir_for_executable(prefix.path() / "build" / "src" / "tc7350"),
              prefix.path() / "build" / "src");
}

TEST(ProgramPlaces, TheOperatingSystemIsAskedWhetherTheFolderCanBeWrittenAndWhereTheUserLives) {
    test::TempFolder folder;
    test::write_text(folder.path() / "file", "x");
    EXPECT_TRUE(platform::is_writable_directory(folder.path()));
    EXPECT_FALSE(platform::is_writable_directory(folder.path() / "file"));
    EXPECT_FALSE(platform::is_writable_directory(folder.path() / "missing"));

    {
        ScopedEnvironment config(kConfigVariable, (folder.path() / "config").string());
        EXPECT_EQ(platform::user_config_home(), folder.path() / "config");
        // A program directory that cannot be written: one that is a file, one that is missing.
        for (const fs::path& program : {folder.path() / "file", folder.path() / "missing"}) {
            const ProgramPlaces places = find_program_places(program);
            EXPECT_EQ(places.settings_dir, folder.path() / "config" / "tc7350");
        }
        EXPECT_EQ(find_program_places(folder.path()).settings_dir, folder.path());
    }
#ifndef _WIN32
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", std::string("relative/config"));
        ScopedEnvironment home("HOME", (folder.path() / "home").string());
        EXPECT_EQ(platform::user_config_home(), folder.path() / "home" / ".config");
    }
#endif
    {
        ScopedEnvironment config(kConfigVariable, std::nullopt);
        ScopedEnvironment home("HOME", std::nullopt);
        EXPECT_EQ(platform::user_config_home(), std::nullopt);
    }

    const auto made = platform::make_temporary_directory("tc-places-");
    ASSERT_TRUE(made.has_value());
    EXPECT_TRUE(fs::is_directory(*made));
    EXPECT_EQ(made->filename().string().rfind("tc-places-", 0), 0u);
    EXPECT_TRUE(fs::is_empty(*made));
    fs::remove(*made);
}

TEST(ProgramPlaces, SessionKeepsItsIniFileAndFindsLanguagesInTheUserFolder) {
    test::TempFolder root;
    const fs::path program = root.path() / "share" / "tc7350";
    const fs::path user = root.path() / "config" / "tc7350";
    fs::create_directories(program);
    write_language_file(program / "Shipped.lng", "Shipped", "Shipped save?");
    const ProgramPlaces places{program, user, {program, user}};

    {
        // The user's folder does not exist yet: the shipped language is offered, and the first
        // save makes the folder and writes the INI file there, not beside the program.
        ui::HeadlessHost host;
        Session session(places, host);
        session.start_up();
        ASSERT_EQ(session.texts().language_files().size(), 1u);
        EXPECT_FALSE(session.texts().language_active());
        EXPECT_EQ(session.places().settings_dir, user);
        const std::string design = root.file("design.T73");
        ASSERT_TRUE(save_design_file(session.document(), design, session.file_context()));
        EXPECT_EQ(test::read_text(user / "TC7350.ini"), design + "\r0\r0\r0\r" + design + "\r");
        EXPECT_FALSE(fs::exists(program / "TC7350.ini"));

        session.preferences().language = "Own";
        EXPECT_TRUE(session.write_preferences());
    }

    // A language file of the user's own is found after the shipped ones and can be chosen.
    write_language_file(user / "Own.lng", "Own", "Own save?");
    ui::HeadlessHost host;
    Session session(places, host);
    session.start_up();
    const auto& files = session.texts().language_files();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "Shipped");
    EXPECT_EQ(files[1].name, "Own");
    EXPECT_EQ(files[1].path, user / "Own.lng");
    EXPECT_TRUE(session.texts().language_active());
    EXPECT_EQ(session.texts().load_program_text(2651), "Own save?");
    EXPECT_EQ(session.preferences().language, "Own");
}

}  // namespace
}  // namespace tc::shell
