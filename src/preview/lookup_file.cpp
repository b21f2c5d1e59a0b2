#include "preview/lookup_file.h"

#include <algorithm>

namespace tc::preview {
namespace {

std::vector<std::string> split_delimited(std::string_view line, char delimiter) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at = line.find(delimiter); at != std::string_view::npos;
         at = line.find(delimiter, start)) {
        fields.emplace_back(line.substr(start, at - start));
        start = at + 1;
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

std::vector<std::string> split_fixed(std::string_view line, const LookupRecord& lookup) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t field = 0; field < lookup.field_count && field < kLookupFields; ++field) {
        const std::size_t length =
            lookup.field_length_high[field] * 160u + lookup.field_length_low[field];
        std::string value(line.substr(std::min(start, line.size()), length));
        // Fixed-length fields are padded with spaces.
        value.erase(value.find_last_not_of(' ') + 1);
        fields.push_back(std::move(value));
        start += length;
    }
    return fields;
}

}  // namespace

LookupFile::LookupFile(const LookupRecord& lookup, std::string_view contents) {
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string_view::npos) end = contents.size();
        std::string_view line = contents.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        start = end + 1;
        if (line.empty()) continue;
        records_.push_back(lookup.delimiter == 0
                               ? split_fixed(line, lookup)
                               : split_delimited(line, static_cast<char>(lookup.delimiter)));
    }
}

bool LookupFile::contains(std::size_t field, std::string_view value) const {
    return std::ranges::any_of(records_, [&](const std::vector<std::string>& record) {
        return field >= 1 && field <= record.size() && record[field - 1] == value;
    });
}

}  // namespace tc::preview
