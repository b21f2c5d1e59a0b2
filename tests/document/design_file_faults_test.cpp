// Saving and opening when things go wrong, with the program's own code on real files: the previous
// design file always survives whole, no temporary file stays behind, and the user is told.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

#include "document/design_file.h"
#include "document/document_test_support.h"
#include "document/fault_test_support.h"
#include "document/file_io.h"
#include "document/lifecycle.h"
#include "document/test_files.h"
#include "texts/device_texts.h"
#include "ui/headless_host.h"

namespace tc {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFileSize = 154298;

std::unique_ptr<DesignDocument> new_design(const texts::ProgramTexts& texts,
                                           const std::string& marker) {
    auto doc = std::make_unique<DesignDocument>();
    texts::fill_text_tables(texts, doc->device_texts);
    reset_design_document(*doc, texts);
    store_text(doc->forms[0].prompt[0], marker);
    return doc;
}

// The first prompt of Form 1 as a design file holds it.
std::string first_prompt_in(const std::vector<Byte>& file) {
    constexpr std::size_t kFirstPrompt = 13390 + 65;
    return slot_text(std::span<const Byte>(file).subspan(kFirstPrompt, 51));
}

class SaveFaults : public ::testing::Test {
  protected:
    SaveFaults() {
        // What the design files held before: a whole design of its own.
        const auto previous = new_design(texts_, "PREVIOUS DESIGN");
        FileContext quiet{texts_, host_, nullptr};
        EXPECT_TRUE(save_design_file(*previous, folder_.file("previous.T73"), quiet));
        previous_ = test::read_bytes(folder_.file("previous.T73"));
        fs::remove(folder_.file("previous.T73"));
    }

    // Saves the design under `path` as the Save command does, expecting it to fail with `error`:
    // one "Error" message names the file and the reason, nothing is reported as used, and the
    // folder holds what it held before.
    void expect_refused(const std::string& path, int error) {
        expect_refused(path, std::error_code(error, std::generic_category()));
    }
    void expect_refused(const std::string& path, std::error_code error) {
        SCOPED_TRACE(path);
        const fs::path folder = fs::path(path).parent_path();
        const bool folder_exists = fs::exists(folder);
        const auto before = folder_exists ? test::entries_of(folder) : std::vector<std::string>{};
        host_.clear_record();
        doc_->file_name = path;
        EXPECT_FALSE(save_or_save_as(*doc_, context_));
        ASSERT_EQ(host_.messages().size(), 1u);
        EXPECT_EQ(host_.messages()[0].text, test::cannot_save_message(path, error));
        EXPECT_EQ(host_.messages()[0].title, "Error");
        EXPECT_EQ(host_.messages()[0].style, 48u);
        EXPECT_TRUE(used_.empty());
        if (folder_exists) {
            EXPECT_EQ(test::entries_of(folder), before);
        }
    }

    void put_previous(const std::string& path) { test::write_bytes(path, previous_); }
    void expect_previous(const std::string& path) {
        EXPECT_TRUE(test::read_bytes(path) == previous_) << path << " is not the previous design";
    }

    test::TempFolder folder_;
    const texts::ProgramTexts texts_;
    ui::HeadlessHost host_;
    std::vector<std::string> used_;
    FileContext context_{texts_, host_, [this](const std::string& path) { used_.push_back(path); }};
    std::unique_ptr<DesignDocument> doc_ = new_design(texts_, "EDITED DESIGN");
    std::vector<Byte> previous_;
};

// Limits the size of files this process may write, so that a write fails part-way with EFBIG.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previous_handler_);
    }

  private:
    rlimit previous_{};
    void (*previous_handler_)(int) = nullptr;
};

TEST_F(SaveFaults, TargetThatIsNoWritableFileIsRefusedBeforeAnythingIsWritten) {
    const fs::path taken = folder_.path() / "taken.T73";
    fs::create_directory(taken);
    test::write_text(taken / "inside", "kept");
    const fs::path fifo = folder_.path() / "fifo.T73";
    test::make_fifo(fifo);
    const fs::path device = folder_.path() / "device.T73";
    const bool device_made = test::make_device(device);
    if (!device_made) std::cout << "[   NOTE   ] no device node can be made here\n";
    // Made read-only by its owner: refused whoever runs the program, root too.
    const std::string read_only = folder_.file("read-only.T73");
    put_previous(read_only);
    fs::permissions(read_only, fs::perms::owner_read | fs::perms::group_read);

    const std::pair<fs::path, std::error_code> refused[] = {
        {taken, std::make_error_code(std::errc::is_a_directory)},
        {fifo, FileError::not_regular_file},
        {device, FileError::not_regular_file},
        {read_only, std::make_error_code(std::errc::permission_denied)},
    };
    for (const auto& [target, reason] : refused) {
        if (target == device && !device_made) continue;
        expect_refused(target.string(), reason);
        // Also behind a symbolic link, which stays.
        const fs::path link = folder_.path() / ("link-to-" + target.filename().string());
        fs::create_symlink(target, link);
        expect_refused(link.string(), reason);
        EXPECT_TRUE(fs::is_symlink(link));
    }
    EXPECT_EQ(test::read_text(taken / "inside"), "kept");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(!device_made || fs::is_character_file(device));
    expect_previous(read_only);
}

TEST_F(SaveFaults, FailedSaveKeepsThePreviousFileTellsWhyAndLeavesNothing) {
    // The folder does not exist.
    expect_refused(folder_.file("missing/design.T73"), ENOENT);
    EXPECT_FALSE(fs::exists(folder_.path() / "missing"));

    // The disk is full part-way through the write: a file size limit (works for every user)...
    const std::string limited = folder_.file("limited.T73");
    put_previous(limited);
    {
        FileSizeLimit limit(64 * 1024);
        expect_refused(limited, EFBIG);
    }
    expect_previous(limited);

    // ... and a small disk that holds the previous design but not a second one beside it.
    test::SmallDisk small(folder_.path() / "small", "200k");
    if (small.mounted()) {
        const std::string full = (folder_.path() / "small" / "full.T73").string();
        put_previous(full);
        expect_refused(full, ENOSPC);
        expect_previous(full);
    } else {
        std::cout << "[   NOTE   ] no tmpfs can be mounted here: the full disk is the size limit\n";
    }
}

TEST_F(SaveFaults, FolderThatRefusesNewFilesGetsAWritableFileWrittenInPlaceOnly) {
    // As root, the files belong to root and the ordinary user has the rights of others.
    const bool root = ::geteuid() == 0;
    const fs::path locked = folder_.path() / "locked";
    fs::create_directory(locked);
    const std::string shared = (locked / "design.T73").string();
    put_previous(shared);
    fs::permissions(shared, static_cast<fs::perms>(root ? 0666 : 0600));
    fs::permissions(locked, static_cast<fs::perms>(0555));
    struct stat before {};
    ASSERT_EQ(::stat(shared.c_str(), &before), 0);
    // A file this user may not write, in a folder where anyone may make and rename files.
    const fs::path open = folder_.path() / "open";
    fs::create_directory(open);
    fs::permissions(open, static_cast<fs::perms>(0777));
    const std::string not_mine = (open / "design.T73").string();
    put_previous(not_mine);
    fs::permissions(not_mine, static_cast<fs::perms>(root ? 0644 : 0444));

    test::run_as_ordinary_user([&] {
        host_.clear_record();
        doc_->file_name = shared;
        EXPECT_TRUE(save_or_save_as(*doc_, context_));
        EXPECT_TRUE(host_.messages().empty());
        struct stat info {};
        ASSERT_EQ(::stat(shared.c_str(), &info), 0);
        EXPECT_EQ(info.st_ino, before.st_ino) << "not written in place";
        EXPECT_EQ(first_prompt_in(test::read_bytes(shared)), "EDITED DESIGN");
        EXPECT_EQ(test::read_bytes(shared).size(), kFileSize);

        used_.clear();
        expect_refused((locked / "new.T73").string(), EACCES);
        expect_refused(not_mine, EACCES);
    });
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(test::entries_of(locked), std::vector<std::string>{"design.T73"});
    expect_previous(not_mine);
    EXPECT_EQ(test::entries_of(open), std::vector<std::string>{"design.T73"});

    test::SmallDisk disk(folder_.path() / "disk", "1m");
    if (disk.mounted()) {
        const std::string on_disk = (folder_.path() / "disk" / "design.T73").string();
        put_previous(on_disk);
        ASSERT_TRUE(disk.make_read_only());
        expect_refused(on_disk, EROFS);
        expect_previous(on_disk);
    }
}

// The temporary files that are open in process `pid` inside `folder`: an unnamed one shows as
// "<folder>/#<inode> (deleted)".
std::vector<std::string> open_files_in(pid_t pid, const fs::path& folder) {
    std::vector<std::string> open;
    std::error_code error;
    for (fs::directory_iterator it("/proc/" + std::to_string(pid) + "/fd", error), end;
         !error && it != end; it.increment(error)) {
        std::error_code link_error;
        const std::string target = fs::read_symlink(it->path(), link_error).string();
        if (!link_error && target.starts_with(folder.string() + "/")) open.push_back(target);
    }
    return open;
}

TEST_F(SaveFaults, KilledSaveLeavesAWholeDesignFileAndNoTemporaryFile) {
    // Two designs that a child process saves over each other until it is killed.
    const auto design_a = new_design(texts_, "DESIGN A");
    const auto design_b = new_design(texts_, "DESIGN B");
    FileContext quiet{texts_, host_, nullptr};
    const std::string path = folder_.file("design.T73");
    ASSERT_TRUE(save_design_file(*design_b, path, quiet));
    const std::vector<Byte> bytes_b = test::read_bytes(path);
    ASSERT_TRUE(save_design_file(*design_a, path, quiet));
    const std::vector<Byte> bytes_a = test::read_bytes(path);
    // Saving again writes the same bytes, so every whole file is one of the two. How long it takes
    // sets the pauses before the kills: a slow (sanitizer) build must still be caught writing.
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(save_design_file(*design_a, path, quiet));
    const auto save_us = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - started)
                             .count();
    ASSERT_EQ(test::read_bytes(path), bytes_a);
    ASSERT_EQ(bytes_a.size(), kFileSize);

    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause_us(0, std::max<int>(4000, 3 * save_us));
    int kills = 0;
    int kills_while_writing = 0;
    int leftovers = 0;
    while (kills < 200 && kills_while_writing < 10) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned i = 0;; ++i) save_design_file(i % 2 ? *design_b : *design_a, path, quiet);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(pause_us(random)));
        // Stopped first, so that what it has open can be looked at before it dies.
        ::kill(child, SIGSTOP);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, WUNTRACED), child);
        // Writing: its temporary file is open and has no name yet.
        const std::string leftover = ".design.T73.tmp-" + std::to_string(child) + "-";
        const std::vector<std::string> open = open_files_in(child, folder_.path());
        const std::vector<std::string> names_when_stopped = folder_.entries();
        const bool unnamed_open = std::any_of(open.begin(), open.end(), [](const std::string& f) {
            return f.size() > 10 && f.compare(f.size() - 10, 10, " (deleted)") == 0;
        });
        const bool named =
            std::any_of(names_when_stopped.begin(), names_when_stopped.end(),
                        [&](const std::string& name) { return name.starts_with(leftover); });
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ++kills;

        const std::vector<Byte> now = test::read_bytes(path);
        ASSERT_TRUE(now == bytes_a || now == bytes_b)
            << "a mixed or partial file after kill " << kills;
        const std::vector<std::string> names = folder_.entries();
        if (unnamed_open && !named) {
            ++kills_while_writing;
            EXPECT_EQ(names, std::vector<std::string>{"design.T73"}) << "kill " << kills;
        } else {
            // Killed between naming its file and the rename: a whole design in a hidden leftover
            // (one of an earlier kill may still wait for the next save to remove it).
            for (const std::string& name : names) {
                if (name == "design.T73") continue;
                EXPECT_TRUE(name.starts_with(".design.T73.tmp-")) << name;
                const std::vector<Byte> left = test::read_bytes(folder_.path() / name);
                EXPECT_TRUE(left == bytes_a || left == bytes_b) << "a partial leftover " << name;
                leftovers += name.starts_with(leftover);
            }
        }
    }
    std::cout << "[   NOTE   ] " << kills << " saves killed, " << kills_while_writing
              << " of them while writing; " << leftovers << " hidden leftovers\n";
    EXPECT_GT(kills_while_writing, 0);

    // The next save of the file removes what killed processes may have left.
    ASSERT_TRUE(save_design_file(*doc_, path, quiet));
    EXPECT_EQ(folder_.entries(), std::vector<std::string>{"design.T73"});
    EXPECT_EQ(first_prompt_in(test::read_bytes(path)), "EDITED DESIGN");
}

TEST_F(SaveFaults, NextSaveRemovesOnlyLeftoversOfProcessesThatEnded) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string dead = ".design.T73.tmp-" + std::to_string(ended) + "-0";
    // This process's first temporary name is taken: the save takes the next one.
    const std::string alive = ".design.T73.tmp-" + std::to_string(::getpid()) + "-0";
    const std::string other_file = ".other.T73.tmp-" + std::to_string(ended) + "-0";
    const std::string unrelated = ".design.T73.tmp-notes";
    const std::string no_counter = ".design.T73.tmp-" + std::to_string(ended) + "x";
    for (const std::string& name : {dead, alive, other_file, unrelated, no_counter}) {
        test::write_text(folder_.file(name), "left");
    }

    FileContext quiet{texts_, host_, nullptr};
    ASSERT_TRUE(save_design_file(*doc_, folder_.file("design.T73"), quiet));
    std::vector<std::string> expected{alive, other_file, unrelated, no_counter, "design.T73"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder_.entries(), expected);
}

TEST_F(SaveFaults, SaveThroughALinkWritesTheLinkedFileAndKeepsTheLink) {
    fs::create_directory(folder_.path() / "real");
    const std::string real = (folder_.path() / "real" / "design.T73").string();
    put_previous(real);
    const std::string link = folder_.file("link.T73");
    fs::create_symlink(real, link);

    FileContext quiet{texts_, host_, nullptr};
    ASSERT_TRUE(save_design_file(*doc_, link, quiet));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), real);
    EXPECT_EQ(first_prompt_in(test::read_bytes(real)), "EDITED DESIGN");
    EXPECT_EQ(test::entries_of(folder_.path() / "real"), std::vector<std::string>{"design.T73"});
}

class OpenFaults : public SaveFaults {
  protected:
    OpenFaults() {
        FileContext quiet{texts_, host_, nullptr};
        const auto doc = new_design(texts_, "DESIGN A");
        EXPECT_TRUE(save_design_file(*doc, folder_.file("image.T73"), quiet));
        image_a_ = test::read_bytes(folder_.file("image.T73"));
        fs::remove(folder_.file("image.T73"));
        // What the document holds after the file is opened.
        auto loaded = new_design(texts_, "");
        load_design_file_bytes(*loaded, image_a_, texts_);
        loaded_a_ = test::document_bytes(*loaded);
    }

    std::vector<Byte> image_a_, loaded_a_;
};

TEST_F(OpenFaults, FileIsOpenedOnceAndReadWholeBeforeItIsChecked) {
    const std::string path = folder_.file("design.T73");
    test::write_bytes(path, image_a_);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, path.c_str(), IN_OPEN | IN_CLOSE), 0);

    ASSERT_TRUE(open_design_file(*doc_, path, context_));
    EXPECT_EQ(test::document_bytes(*doc_), loaded_a_);

    int opens = 0;
    int closes = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            opens += (event->mask & IN_OPEN) != 0;
            closes += (event->mask & IN_CLOSE) != 0;
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(closes, 1);
}

// The bytes this process has read so far, as the kernel counts them; -1 where it does not.
long long bytes_read_so_far() {
    std::ifstream io("/proc/self/io");
    for (std::string key; io >> key;) {
        long long value = 0;
        io >> value;
        if (key == "rchar:") return value;
    }
    return -1;
}

TEST_F(OpenFaults, HugeFileIsOpenedWithoutReadingWhatLiesBehindTheDesign) {
    // A design followed by 256 MB more (a sparse file: it takes no room on the disk).
    const std::string path = folder_.file("huge.T73");
    test::write_bytes(path, image_a_);
    fs::resize_file(path, 256ull << 20);
    const long long before = bytes_read_so_far();
    if (before < 0) GTEST_SKIP() << "no /proc/self/io here";
    ASSERT_TRUE(open_design_file(*doc_, path, context_));
    EXPECT_LT(bytes_read_so_far() - before, 1 << 20);
    EXPECT_EQ(test::document_bytes(*doc_), loaded_a_);
}

TEST_F(OpenFaults, FileThatCannotBeReadIsNamedWithTheReasonAndChangesNothing) {
    const fs::path pipe = folder_.path() / "pipe.T73";
    test::make_fifo(pipe);
    const fs::path device = folder_.path() / "device.T73";
    const bool device_made = test::make_device(device);
    const fs::path unreadable = folder_.path() / "unreadable.T73";
    test::write_bytes(unreadable, image_a_);
    fs::permissions(unreadable, fs::perms::none);

    const auto expect_told = [&](const fs::path& path, std::error_code reason) {
        SCOPED_TRACE(path.string());
        const std::vector<Byte> before = test::document_bytes(*doc_);
        host_.clear_record();
        bool opened = true;
        EXPECT_TRUE(test::returns_without_waiting(
            pipe, [&] { opened = open_design_file(*doc_, path.string(), context_); }));
        EXPECT_FALSE(opened);
        ASSERT_EQ(host_.messages().size(), 1u);
        EXPECT_EQ(host_.messages()[0].text, test::cannot_open_message(path.string(), reason));
        EXPECT_EQ(host_.messages()[0].title, "Error");
        EXPECT_EQ(test::document_bytes(*doc_), before);
        EXPECT_TRUE(used_.empty());
    };
    expect_told(folder_.path() / "vanished.T73",
                std::make_error_code(std::errc::no_such_file_or_directory));
    expect_told(folder_.path(), std::make_error_code(std::errc::is_a_directory));
    expect_told(pipe, FileError::not_regular_file);
    if (device_made) expect_told(device, FileError::not_regular_file);
    test::run_as_ordinary_user(
        [&] { expect_told(unreadable, std::make_error_code(std::errc::permission_denied)); });
}

}  // namespace
}  // namespace tc
