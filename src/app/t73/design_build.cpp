#include <algorithm>
#include <set>
#include <string>

#include "app/t73/design_blocks.h"
#include "app/t73/design_json.h"

namespace tc::t73 {
namespace {

std::string member_path(const std::string& path, std::string_view name) {
    return path.empty() ? std::string(name) : path + "." + std::string(name);
}

std::string index_path(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

void entry_from_json(FieldKind kind, const Json& value, std::span<Byte> bytes,
                     const std::string& path) {
    switch (kind) {
        case FieldKind::Number:
            bytes[0] = byte_from_json(value, path);
            return;
        case FieldKind::Text:
            slot_from_json(value, bytes, path);
            return;
        case FieldKind::Hex:
            hex_from_json(value, bytes, path);
            return;
    }
}

void record_from_json(const RecordLayout& layout, const Json& object, std::span<Byte> record,
                      const std::string& path) {
    if (!object.is_object()) {
        throw FieldError(path, "expected a " + std::string(layout.name) +
                                   " record (an object), got " + object.type_name());
    }
    reject_unknown_members(object, path, [&](const std::string& name) {
        return std::any_of(layout.fields.begin(), layout.fields.end(),
                           [&](const FieldLayout& field) { return field.name == name; });
    });
    for (const FieldLayout& field : layout.fields) {
        const Json& value = member(object, field.name, path);
        const std::string field_path = member_path(path, field.name);
        if (field.count == 1) {
            entry_from_json(field.kind, value, record.subspan(field.offset, field.size),
                            field_path);
            continue;
        }
        expect_array(value, field.count, field_path);
        for (std::size_t i = 0; i < field.count; ++i) {
            entry_from_json(field.kind, value[i],
                            record.subspan(field.offset + i * field.size, field.size),
                            index_path(field_path, i));
        }
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
        if (name == kHeaderName || name == kReaderName || name == kReservedBlockName ||
            name == kDeviceTextsName || name == system_settings_block().name) {
            return true;
        }
        const auto& blocks = record_blocks_before_reader();
        return std::any_of(blocks.begin(), blocks.end(),
                           [&](const RecordBlock& block) { return block.name == name; });
    });

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
