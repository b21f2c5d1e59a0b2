#include "preview/screen.h"

#include <algorithm>

namespace tc::preview {

std::size_t Screen::first_visible_row() const {
    if (rows.size() <= kScreenRows || focus < kScreenRows) return 0;
    const std::size_t first = focus + 1 - kScreenRows;
    return std::min(first, rows.size() - kScreenRows);
}

std::string field_text(const std::string& value, std::size_t width) {
    if (value.size() >= width) return value.substr(value.size() - width);
    return value + std::string(width - value.size(), '_');
}

std::vector<std::string> Screen::lines() const {
    std::vector<std::string> lines{mark.empty() ? title : title + " | " + mark};
    for (const ScreenRow& row : rows) {
        const bool marked = row.style == RowStyle::Selected || row.style == RowStyle::ActiveField;
        const bool field = row.style == RowStyle::Field || row.style == RowStyle::ActiveField;
        lines.push_back(std::string(marked ? ">" : "") +
                        (field ? "[" + field_text(row.text, row.field_width) + "]" : row.text));
    }
    lines.push_back(!message.empty() ? message : soft_left + " | " + soft_right);
    return lines;
}

}  // namespace tc::preview
