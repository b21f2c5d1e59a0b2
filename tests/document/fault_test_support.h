#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <system_error>

namespace tc::test {

// The message a failed save shows for `path` when the operating system answered `error`.
inline std::string cannot_save_message(const std::string& path, int error) {
    return "Cannot save " + path + ": " + std::generic_category().message(error);
}

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

}  // namespace tc::test
