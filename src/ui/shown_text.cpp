#include "ui/shown_text.h"

namespace tc::ui {
namespace {

constexpr char kFileNameMark = '\0';

}  // namespace

std::string shown_file_name(std::string_view file_name) {
    std::string shown(1, kFileNameMark);
    shown += file_name;
    shown += kFileNameMark;
    return shown;
}

std::vector<std::string_view> shown_text_parts(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t mark = text.find(kFileNameMark, start);
        parts.push_back(text.substr(start, mark - start));
        if (mark == std::string_view::npos) return parts;
        start = mark + 1;
    }
}

}  // namespace tc::ui
