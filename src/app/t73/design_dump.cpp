#include <algorithm>
#include <string>

#include "app/t73/design_blocks.h"
#include "app/t73/design_json.h"
#include "app/t73/field_values.h"

namespace tc::t73 {
namespace {

Json entry_to_json(const RecordLayout& layout, const FieldLayout& field,
                   std::span<const Byte> bytes) {
    switch (field.kind) {
        case FieldKind::Number: {
            const auto* names = value_names(layout, field.name);
            if (names != nullptr && bytes[0] < names->size()) return (*names)[bytes[0]];
            return bytes[0];
        }
        case FieldKind::Text:
            return slot_to_json(bytes);
        case FieldKind::Hex:
            return to_hex(bytes);
    }
    return nullptr;
}

Json split_entry_to_json(const SplitLength& split, Byte low, Byte high) {
    if (joins_losslessly(split, low, high)) return low + high * split.base;
    return Json{{"low", low}, {"high", high}};
}

// A split length as one number per entry (where the two bytes are what the program stores
// for that number, else as {"low", "high"}).
Json split_to_json(const RecordLayout& layout, const SplitLength& split,
                   std::span<const Byte> record) {
    const FieldLayout& low = layout_field(layout, split.low);
    const FieldLayout& high = layout_field(layout, split.high);
    if (low.count == 1) return split_entry_to_json(split, record[low.offset], record[high.offset]);
    Json entries = Json::array();
    for (std::size_t i = 0; i < low.count; ++i)
        entries.push_back(
            split_entry_to_json(split, record[low.offset + i], record[high.offset + i]));
    return entries;
}

Json record_to_json(const RecordLayout& layout, std::span<const Byte> record) {
    Json object = Json::object();
    for (const FieldLayout& field : layout.fields) {
        if (const SplitLength* split = split_of(layout, field.name)) {
            if (split->low == field.name)
                object[std::string(split->name)] = split_to_json(layout, *split, record);
            continue;
        }
        if (field.count == 1) {
            object[std::string(field.name)] =
                entry_to_json(layout, field, record.subspan(field.offset, field.size));
            continue;
        }
        Json entries = Json::array();
        for (std::size_t i = 0; i < field.count; ++i) {
            entries.push_back(entry_to_json(
                layout, field, record.subspan(field.offset + i * field.size, field.size)));
        }
        object[std::string(field.name)] = std::move(entries);
    }
    return object;
}

Json block_to_json(const RecordBlock& block, std::span<const Byte> image) {
    if (block.count == 0)
        return record_to_json(block.layout, image.subspan(block.offset, block.layout.size));
    Json records = Json::array();
    for (std::size_t i = 0; i < block.count; ++i) {
        records.push_back(record_to_json(
            block.layout, image.subspan(block.offset + i * block.layout.size, block.layout.size)));
    }
    return records;
}

Json reader_to_json(std::span<const Byte> record) {
    Json rows = Json::object();
    for (std::size_t row = 0; row < record.size(); row += kReaderRowSize) {
        const auto bytes = record.subspan(row, std::min(kReaderRowSize, record.size() - row));
        Json values = Json::array();
        for (const Byte b : bytes) values.push_back(b);
        rows[std::to_string(row)] = std::move(values);
    }
    return rows;
}

}  // namespace

Json dump_design(std::span<const Byte> image) {
    Json design = Json::object();
    design[std::string(kFormatName)] = std::string(kFormat);
    design[std::string(kHeaderName)] = slot_to_json(image.first(kHeaderSize));
    for (const RecordBlock& block : record_blocks_before_reader()) {
        design[std::string(block.name)] = block_to_json(block, image);
    }
    design[std::string(kReaderName)] =
        reader_to_json(image.subspan(kReaderOffset, kReaderSettingsSize));
    const RecordBlock& system = system_settings_block();
    design[std::string(system.name)] = block_to_json(system, image);
    const auto reserved = image.subspan(kReservedOffset, kReservedSize);
    if (std::any_of(reserved.begin(), reserved.end(), [](Byte b) { return b != 0; })) {
        design[std::string(kReservedBlockName)] = to_hex(reserved);
    }
    Json device_texts = Json::object();
    for_each_device_text([&](int id, std::size_t offset) {
        device_texts[std::to_string(id)] =
            slot_to_json(image.subspan(offset, texts::kDeviceSlotSize));
    });
    design[std::string(kDeviceTextsName)] = std::move(device_texts);
    return design;
}

}  // namespace tc::t73
