#include "app/t73/tool_io.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "document/file_io.h"
#include "platform/platform.h"

namespace tc::t73 {

std::streambuf::int_type DescriptorBuffer::overflow(int_type c) {
    if (!write_buffered()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int DescriptorBuffer::sync() {
    return write_buffered() ? 0 : -1;
}

bool DescriptorBuffer::write_buffered() {
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
        const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        next += written;
    }
    // What could not be written is dropped: the run fails and says so.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

std::string output_failure_reason(const std::ostream& out) {
    const auto* buffer = dynamic_cast<const DescriptorBuffer*>(out.rdbuf());
    if (buffer != nullptr && buffer->error() != 0) return std::strerror(buffer->error());
    return "write error";
}

std::string input_name(const std::string& path) {
    return path == "-" ? "standard input" : path;
}

std::string output_name(const std::string& path) {
    return path == "-" ? "standard output" : path;
}

std::optional<std::vector<Byte>> read_input(const std::string& path, std::istream& in,
                                            std::size_t limit, std::string& reason) {
    std::vector<Byte> bytes;
    if (path == "-") {
        std::array<char, 1 << 16> chunk;
        while (bytes.size() < limit && in) {
            in.read(chunk.data(),
                    static_cast<std::streamsize>(std::min(chunk.size(), limit - bytes.size())));
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + in.gcount());
        }
        if (in.bad()) {
            reason = "read error";
            return std::nullopt;
        }
        return bytes;
    }
    const std::filesystem::path file_path = platform::to_path(path);
    std::error_code ec;
    const auto status = std::filesystem::status(file_path, ec);
    if (ec) {
        reason = ec.message();
        return std::nullopt;
    }
    if (std::filesystem::is_directory(status)) {
        reason = std::strerror(EISDIR);
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        reason = make_error_code(FileError::not_regular_file).message();
        return std::nullopt;
    }
    errno = 0;
    std::ifstream file(file_path, std::ios::binary);
    if (!file) {
        reason = errno != 0 ? std::strerror(errno) : "cannot be opened";
        return std::nullopt;
    }
    std::array<char, 1 << 16> chunk;
    while (bytes.size() < limit && file) {
        file.read(chunk.data(),
                  static_cast<std::streamsize>(std::min(chunk.size(), limit - bytes.size())));
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + file.gcount());
    }
    if (file.bad()) {
        reason = errno != 0 ? std::strerror(errno) : "read error";
        return std::nullopt;
    }
    return bytes;
}

bool write_output(const std::string& path, std::span<const Byte> bytes, const ToolStreams& io) {
    if (path == "-") {
        io.out.write(reinterpret_cast<const char*>(bytes.data()),
                     static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(io.out);  // the run reports a failed standard output
    }
    const std::error_code reason = write_file_safely(platform::to_path(path), bytes);
    if (!reason) return true;
    io.err << "t73: " << path << ": cannot be written: " << reason.message() << "\n";
    return false;
}

}  // namespace tc::t73
