// The error category of our own file rules, shared by the POSIX and the Windows file calls.
#include <string>

#include "document/file_io.h"

namespace tc {
namespace {

class FileErrorCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "file"; }
    std::string message(int value) const override {
        switch (static_cast<FileError>(value)) {
            case FileError::not_regular_file:
                return "Not a regular file (a device, pipe or socket)";
        }
        return "Unknown file error";
    }
};

}  // namespace

const std::error_category& file_error_category() {
    static const FileErrorCategory category;
    return category;
}

std::error_code make_error_code(FileError error) {
    return {static_cast<int>(error), file_error_category()};
}

}  // namespace tc
