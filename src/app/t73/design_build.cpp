#include <algorithm>
#include <set>
#include <string>

#include "app/t73/design_blocks.h"
#include "app/t73/design_json.h"
#include "app/t73/field_values.h"

namespace tc::t73 {
namespace {

std::string member_path(const std::string& path, std::string_view name) {
    return path.empty() ? std::string(name) : path + "." + std::string(name);
}

std::string index_path(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

Byte named_value_from_json(const std::vector<std::string>& names, const Json& value,
                           const std::string& path) {
    if (!value.is_string()) return byte_from_json(value, path);
    const auto& name = value.get_ref<const std::string&>();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end()) return static_cast<Byte>(found - names.begin());
    std::string known;
    for (const std::string& each : names) known += (known.empty() ? "\"" : ", \"") + each + "\"";
    throw FieldError(path, "unknown value \"" + name + "\" (one of " + known + ", or a number)");
}

void entry_from_json(const RecordLayout& layout, const FieldLayout& field, const Json& value,
                     std::span<Byte> bytes, const std::string& path) {
    switch (field.kind) {
        case FieldKind::Number: {
            const auto* names = value_names(layout, field.name);
            bytes[0] = names != nullptr ? named_value_from_json(*names, value, path)
                                        : byte_from_json(value, path);
            return;
        }
        case FieldKind::Text:
            slot_from_json(value, bytes, path);
            return;
        case FieldKind::Hex:
            hex_from_json(value, bytes, path);
            return;
    }
}

void field_from_json(const RecordLayout& layout, const FieldLayout& field, const Json& object,
                     std::span<Byte> record, const std::string& path) {
    const Json& value = member(object, field.name, path);
    const std::string field_path = member_path(path, field.name);
    if (field.count == 1) {
        entry_from_json(layout, field, value, record.subspan(field.offset, field.size), field_path);
        return;
    }
    expect_array(value, field.count, field_path);
    for (std::size_t i = 0; i < field.count; ++i) {
        entry_from_json(layout, field, value[i],
                        record.subspan(field.offset + i * field.size, field.size),
                        index_path(field_path, i));
    }
}

void split_entry_from_json(const SplitLength& split, const Json& value, Byte& low, Byte& high,
                           const std::string& path) {
    if (value.is_object()) {
        reject_unknown_members(
            value, path, [](const std::string& name) { return name == "low" || name == "high"; });
        low = byte_from_json(member(value, "low", path), path + ".low");
        high = byte_from_json(member(value, "high", path), path + ".high");
        return;
    }
    if (!value.is_number_integer()) {
        throw FieldError(path, "expected a length (a number, or {\"low\", \"high\"}), got " +
                                   std::string(value.type_name()));
    }
    const std::int64_t longest = 255 * split.base + split.base - 1;
    const auto length = value.is_number_unsigned()
                            ? static_cast<std::int64_t>(
                                  std::min<std::uint64_t>(value.get<std::uint64_t>(), longest + 1))
                            : value.get<std::int64_t>();
    if (length < 0 || length > longest) {
        throw FieldError(path,
                         "length " + value.dump() + " is out of 0-" + std::to_string(longest));
    }
    unsigned low_value = 0;
    unsigned high_value = 0;
    store_split(split, static_cast<unsigned>(length), low_value, high_value);
    low = static_cast<Byte>(low_value);
    high = static_cast<Byte>(high_value);
}

// A split length as one number per entry, or as its two byte fields (the raw form).
void split_from_json(const RecordLayout& layout, const SplitLength& split, const Json& object,
                     std::span<Byte> record, const std::string& path) {
    const FieldLayout& low = layout_field(layout, split.low);
    const FieldLayout& high = layout_field(layout, split.high);
    const bool joined = object.contains(std::string(split.name));
    if (joined &&
        (object.contains(std::string(split.low)) || object.contains(std::string(split.high)))) {
        throw FieldError(member_path(path, split.name), "given both as one length and as " +
                                                            std::string(split.low) + " and " +
                                                            std::string(split.high));
    }
    if (!joined) {
        field_from_json(layout, low, object, record, path);
        field_from_json(layout, high, object, record, path);
        return;
    }
    const Json& value = member(object, split.name, path);
    const std::string field_path = member_path(path, split.name);
    if (low.count == 1) {
        split_entry_from_json(split, value, record[low.offset], record[high.offset], field_path);
        return;
    }
    expect_array(value, low.count, field_path);
    for (std::size_t i = 0; i < low.count; ++i) {
        split_entry_from_json(split, value[i], record[low.offset + i], record[high.offset + i],
                              index_path(field_path, i));
    }
}

void record_from_json(const RecordLayout& layout, const Json& object, std::span<Byte> record,
                      const std::string& path) {
    if (!object.is_object()) {
        throw FieldError(path, "expected a " + std::string(layout.name) +
                                   " record (an object), got " + object.type_name());
    }
    const auto splits = split_lengths(layout);
    reject_unknown_members(object, path, [&](const std::string& name) {
        return std::any_of(layout.fields.begin(), layout.fields.end(),
                           [&](const FieldLayout& field) { return field.name == name; }) ||
               std::any_of(splits.begin(), splits.end(),
                           [&](const SplitLength& split) { return split.name == name; });
    });
    for (const SplitLength& split : splits) split_from_json(layout, split, object, record, path);
    for (const FieldLayout& field : layout.fields) {
        if (split_of(layout, field.name) == nullptr)
            field_from_json(layout, field, object, record, path);
    }
}

void block_from_json(const RecordBlock& block, const Json& design, std::span<Byte> image) {
    const Json& value = member(design, block.name, "");
    const std::string path(block.name);
    if (block.count == 0) {
        record_from_json(block.layout, value, image.subspan(block.offset, block.layout.size), path);
        return;
    }
    expect_array(value, block.count, path);
    for (std::size_t i = 0; i < block.count; ++i) {
        record_from_json(block.layout, value[i],
                         image.subspan(block.offset + i * block.layout.size, block.layout.size),
                         index_path(path, i));
    }
}

void reader_from_json(const Json& rows, std::span<Byte> record) {
    const std::string path(kReaderName);
    if (!rows.is_object()) {
        throw FieldError(
            path, std::string("expected an object of rows by offset, got ") + rows.type_name());
    }
    reject_unknown_members(rows, path, [&](const std::string& name) {
        for (std::size_t row = 0; row < record.size(); row += kReaderRowSize) {
            if (name == std::to_string(row)) return true;
        }
        return false;
    });
    for (std::size_t row = 0; row < record.size(); row += kReaderRowSize) {
        const std::string key = std::to_string(row);
        const Json& bytes = member(rows, key, path);
        const std::size_t length = std::min(kReaderRowSize, record.size() - row);
        const std::string row_path = member_path(path, key);
        expect_array(bytes, length, row_path);
        for (std::size_t i = 0; i < length; ++i) {
            record[row + i] = byte_from_json(bytes[i], index_path(row_path, i));
        }
    }
}

void device_texts_from_json(const Json& texts, std::span<Byte> image) {
    const std::string path(kDeviceTextsName);
    std::set<std::string> known;
    for_each_device_text([&](int id, std::size_t offset) {
        const std::string key = std::to_string(id);
        slot_from_json(member(texts, key, path), image.subspan(offset, texts::kDeviceSlotSize),
                       member_path(path, key));
        known.insert(key);
    });
    reject_unknown_members(texts, path,
                           [&](const std::string& name) { return known.count(name) > 0; });
}

}  // namespace

std::vector<Byte> build_design(const Json& design) {
    if (!design.is_object()) throw FieldError("(top level)", "expected an object");
    reject_unknown_members(design, "", [](const std::string& name) {
        if (name == kFormatName || name == kHeaderName || name == kReaderName ||
            name == kReservedBlockName || name == kDeviceTextsName ||
            name == system_settings_block().name) {
            return true;
        }
        const auto& blocks = record_blocks_before_reader();
        return std::any_of(blocks.begin(), blocks.end(),
                           [&](const RecordBlock& block) { return block.name == name; });
    });

    if (design.contains(std::string(kFormatName))) {
        const Json& format = design[std::string(kFormatName)];
        if (!format.is_string() || (format != kFormat && format != kFirstFormat)) {
            throw FieldError(std::string(kFormatName), format.dump() +
                                                           " is not a format this t73 reads (\"" +
                                                           std::string(kFormat) + "\")");
        }
    }
    std::vector<Byte> image(kDesignFileSize, 0);
    const std::span<Byte> bytes(image);
    slot_from_json(member(design, kHeaderName, ""), bytes.first(kHeaderSize),
                   std::string(kHeaderName));
    for (const RecordBlock& block : record_blocks_before_reader())
        block_from_json(block, design, bytes);
    reader_from_json(member(design, kReaderName, ""),
                     bytes.subspan(kReaderOffset, kReaderSettingsSize));
    block_from_json(system_settings_block(), design, bytes);
    if (design.contains(std::string(kReservedBlockName))) {
        hex_from_json(design[std::string(kReservedBlockName)],
                      bytes.subspan(kReservedOffset, kReservedSize),
                      std::string(kReservedBlockName));
    }
    device_texts_from_json(member(design, kDeviceTextsName, ""), bytes);
    return image;
}

}  // namespace tc::t73
