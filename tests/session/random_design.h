#pragma once

// Designs of random valid records, for random users to start from: random values in the records
// of a design that the checker accepts, and back to that design's value wherever the checker then
// finds fault, first field by field and at last record by record.

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/t73/design_blocks.h"
#include "app/t73/design_check.h"
#include "forms/derive_before_save.h"
#include "forms/line_takes_input.h"

namespace tc::session_test {

namespace random_design_detail {

constexpr std::size_t kReaderSize = kSystemOffset - kReaderOffset;

inline std::vector<t73::RecordBlock> record_blocks() {
    std::vector<t73::RecordBlock> blocks(t73::record_blocks_before_reader().begin(),
                                         t73::record_blocks_before_reader().end());
    blocks.push_back(t73::system_settings_block());
    return blocks;
}

// How much of the design a checker's path puts back: the field (entry) it names, the record it is
// in (a row of the reader settings), or the whole reader settings record.
enum class Reach { Field, Record, Reader };

// The bytes that a checker's path names, as far as `reach`. Empty when it names none of a record.
inline std::vector<std::pair<std::size_t, std::size_t>> spans_of(std::string_view path,
                                                                 Reach reach) {
    const bool whole_record = reach != Reach::Field;
    const std::size_t field_start = path.find('.');
    if (field_start == std::string_view::npos) return {};
    std::string_view block = path.substr(0, field_start);
    std::size_t index = 0;
    if (const std::size_t open = block.find('['); open != std::string_view::npos) {
        index = std::stoul(std::string(block.substr(open + 1)));
        block = block.substr(0, open);
    }
    std::string_view field = path.substr(field_start + 1);
    std::size_t entry = SIZE_MAX;
    if (const std::size_t open = field.find('['); open != std::string_view::npos) {
        entry = std::stoul(std::string(field.substr(open + 1)));
        field = field.substr(0, open);
    }
    if (block == t73::kReaderName) {
        const std::size_t row = std::stoul(std::string(field));
        if (reach == Reach::Reader) return {{kReaderOffset, kReaderSize}};
        if (reach == Reach::Record) return {{kReaderOffset + row, t73::kReaderRowSize}};
        return {{kReaderOffset + row + entry, 1}};
    }
    for (const t73::RecordBlock& b : record_blocks()) {
        if (b.name != block) continue;
        const std::size_t record = b.offset + index * b.layout.size;
        if (whole_record) return {{record, b.layout.size}};
        std::vector<std::pair<std::size_t, std::size_t>> spans;
        for (const t73::FieldLayout& f : b.layout.fields) {
            // "max_length" names both bytes of a split length.
            if (f.name != field && !f.name.starts_with(std::string(field) + "_")) continue;
            const bool one = entry < f.count;
            spans.emplace_back(record + f.offset + (one ? entry * f.size : 0),
                               one ? f.size : f.bytes());
        }
        return spans;
    }
    return {};
}

// Sets what the pages set when they are applied and derives the records as saving does, so that
// the figures match what was drawn.
inline t73::Problems derive_and_check(std::vector<Byte>& image) {
    t73::DesignRecords records;
    t73::read_design_records(image, records);
    for (FormRecord& form : records.forms) {
        form.last_input_line = 0;
        for (std::size_t line = 0; line < kFormLines; ++line) {
            if (takes_input(form, line)) form.last_input_line = static_cast<Byte>(line + 1);
        }
    }
    for (MenuRecord& menu : records.menus) {
        menu.item_count = static_cast<Byte>(
            std::ranges::count_if(menu.item_name, [](const auto& name) { return name[0] != 0; }));
    }
    derive_before_save(
        {records.forms, records.menus, records.lookups, records.reader, records.system});
    const std::vector<Byte> derived = t73::design_image(records);
    std::copy(derived.begin() + kMenusOffset, derived.begin() + kReservedOffset,
              image.begin() + kMenusOffset);
    return t73::check_design(records, image);
}

}  // namespace random_design_detail

// A design that the checker accepts, drawn from `seed`, starting from `base` (which it accepts).
inline std::vector<Byte> random_valid_design(const std::vector<Byte>& base, unsigned seed) {
    using namespace random_design_detail;
    std::mt19937 random(seed);
    const auto below = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    // Mostly the small values that mean something, sometimes any byte.
    const auto value = [&below]() {
        static constexpr std::size_t kRanges[] = {2, 4, 16, 31, 161, 256};
        return static_cast<Byte>(below(kRanges[below(std::size(kRanges))]));
    };
    std::vector<Byte> image = base;
    // Each record changes a little, much or not at all: records with few changes keep them.
    const auto changes = [&below]() {
        static constexpr std::size_t kOneIn[] = {0, 40, 12, 4};
        const std::size_t one_in = kOneIn[below(std::size(kOneIn))];
        return [&below, one_in]() { return one_in != 0 && below(one_in) == 0; };
    };
    for (const t73::RecordBlock& b : record_blocks()) {
        for (std::size_t r = 0; r < std::max<std::size_t>(b.count, 1); ++r) {
            const auto change = changes();
            for (const t73::FieldLayout& f : b.layout.fields) {
                for (std::size_t e = 0; e < f.count; ++e) {
                    Byte* at = image.data() + b.offset + r * b.layout.size + f.offset + e * f.size;
                    if (f.kind == t73::FieldKind::Number && change()) *at = value();
                    if (f.kind != t73::FieldKind::Text || !change()) continue;
                    static const char kLetters[] = "AZaz09 _-.\\:\xE9\xFF";
                    std::memset(at, 0, f.size);
                    for (std::size_t i = below(f.size); i-- > 0;) {
                        at[i] = static_cast<Byte>(kLetters[below(sizeof kLetters - 1)]);
                    }
                }
            }
        }
    }
    for (std::size_t row = 0; row < kReaderSize; row += t73::kReaderRowSize) {
        const auto change = changes();
        for (std::size_t i = row; i < std::min(row + t73::kReaderRowSize, kReaderSize); ++i) {
            if (change()) image[kReaderOffset + i] = value();
        }
    }
    for (int round = 0; round < 16; ++round) {
        const t73::Problems problems = derive_and_check(image);
        if (problems.empty()) return image;
        // Field by field first; then about half of the record at a time, so that a rule between
        // fields leaves some of the record's changes; at last whole records.
        const Reach reach = round < 12 ? (round < 4 ? Reach::Field : Reach::Record) : Reach::Reader;
        const bool halves = round >= 4 && round < 10;
        for (const t73::Problem& problem : problems) {
            for (const auto& [offset, size] : spans_of(problem.path, reach)) {
                for (std::size_t i = offset; i < offset + size; ++i) {
                    if (!halves || below(2) == 0) image[i] = base[i];
                }
            }
        }
    }
    return base;
}

}  // namespace tc::session_test
