#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <streambuf>
#include <string>
#include <vector>

#include "texts/text_slot.h"

namespace tc::t73 {

// The streams a run of the tool reads and writes: standard input, output and error.
struct ToolStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// A stream buffer on a file descriptor that keeps the system's reason when a write fails, so
// that a full disk or a closed pipe on standard output is reported as what it is.
class DescriptorBuffer : public std::streambuf {
  public:
    explicit DescriptorBuffer(int descriptor) : descriptor_(descriptor) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;
    ~DescriptorBuffer() override { sync(); }

    // The errno of the first failed write, 0 while every write succeeded.
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool write_buffered();

    int descriptor_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

// Why `out` could not be written: the system's reason when it writes to a descriptor.
std::string output_failure_reason(const std::ostream& out);

// How messages name a file argument: "-" is "standard input" or "standard output".
std::string input_name(const std::string& path);
std::string output_name(const std::string& path);

// The first `limit` bytes of the regular file `path` ("-": of standard input), or nothing with
// the system's reason. A folder, device, pipe or socket is refused without reading it.
std::optional<std::vector<Byte>> read_input(const std::string& path, std::istream& in,
                                            std::size_t limit, std::string& reason);

// Writes `bytes` to `path` through the program's safe write, or to standard output for "-". A
// failure is reported on the error stream with the system's reason; returns false then.
bool write_output(const std::string& path, std::span<const Byte> bytes, const ToolStreams& io);

}  // namespace tc::t73
