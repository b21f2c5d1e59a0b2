#pragma once

#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <iostream>
#include <string>
#include <system_error>

#include "ui/shown_text.h"

namespace tc::test {

// The message a failed save shows for `path` for the reason `error`.
inline std::string cannot_save_message(const std::string& path, std::error_code error) {
    return "Cannot save " + ui::shown_file_name(path) + ": " + error.message();
}
inline std::string cannot_save_message(const std::string& path, int error) {
    return cannot_save_message(path, std::error_code(error, std::generic_category()));
}

// The message of an Open that cannot read `path` for the reason `error`.
inline std::string cannot_open_message(const std::string& path, std::error_code error) {
    return "Cannot open " + ui::shown_file_name(path) + ": " + error.message();
}
inline std::string cannot_open_message(const std::string& path, int error) {
    return cannot_open_message(path, std::error_code(error, std::generic_category()));
}

#ifndef _WIN32
// A small tmpfs mounted on an empty folder, for a full or read-only disk; it needs the privilege
// to mount (tests run as root in CI). mounted() tells whether it could be made.
class SmallDisk {
  public:
    SmallDisk(const std::filesystem::path& folder, const std::string& size) : folder_(folder) {
        std::filesystem::create_directories(folder_);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }

    bool mounted() const { return mounted_; }
    bool make_read_only() {
        return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

// Runs `read` (which opens `fifo` somewhere inside) and reports whether it returned within a few
// seconds. A reader stuck waiting for a writer of the pipe is set free before reporting.
inline bool returns_without_waiting(const std::filesystem::path& fifo,
                                    const std::function<void()>& read) {
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    done.wait();
    return false;
}

inline void make_fifo(const std::filesystem::path& path) {
    ::mkfifo(path.c_str(), 0600);
}

// A character device node of our own at `path` (the null device's numbers), never one of the
// system's; false where this process may not make one.
inline bool make_device(const std::filesystem::path& path) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
}

// Runs `scenario` as a user without root's rights, since root may write where nobody else may: in
// this process when it has none, else in a child process that gives them up. A failure in the
// child fails the test. False when no such user can be had here.
inline bool run_as_ordinary_user(const std::function<void()>& scenario) {
    if (::geteuid() != 0) {
        scenario();
        return true;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        scenario();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) {
        std::cout << "[   NOTE   ] cannot become another user here\n";
        return false;
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "failed as an ordinary user (see above)";
    return true;
}
#endif

}  // namespace tc::test
