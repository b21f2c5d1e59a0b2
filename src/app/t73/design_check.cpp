#include "app/t73/design_check.h"

#include <algorithm>
#include <cstring>

#include "app/t73/design_blocks.h"
#include "document/design_file.h"

namespace tc::t73 {
namespace {

template <typename Record>
void copy_record(std::span<const Byte> image, std::size_t offset, Record& record) {
    std::memcpy(&record, image.data() + offset, sizeof(Record));
}

template <typename Record, std::size_t Count>
void copy_records(std::span<const Byte> image, std::size_t offset,
                  std::array<Record, Count>& records) {
    for (std::size_t i = 0; i < Count; ++i)
        copy_record(image, offset + i * sizeof(Record), records[i]);
}

bool has_zero(std::span<const Byte> slot) {
    return std::find(slot.begin(), slot.end(), Byte{0}) != slot.end();
}

void check_block_texts(const RecordBlock& block, std::span<const Byte> image, Problems& problems) {
    const std::size_t records = block.count == 0 ? 1 : block.count;
    for (std::size_t r = 0; r < records; ++r) {
        const auto record = image.subspan(block.offset + r * block.layout.size, block.layout.size);
        for (const FieldLayout& field : block.layout.fields) {
            if (field.kind != FieldKind::Text) continue;
            for (std::size_t i = 0; i < field.count; ++i) {
                if (has_zero(record.subspan(field.offset + i * field.size, field.size))) continue;
                problems.push_back(
                    {field.count == 1
                         ? record_path(block.name, block.count == 0 ? SIZE_MAX : r, field.name)
                         : entry_path(block.name, block.count == 0 ? SIZE_MAX : r, field.name, i),
                     "text has no terminating zero within its " + std::to_string(field.size) +
                         " bytes"});
            }
        }
    }
}

}  // namespace

std::string record_path(std::string_view block, std::size_t index, std::string_view field) {
    std::string path(block);
    if (index != SIZE_MAX) path += "[" + std::to_string(index) + "]";
    return path + "." + std::string(field);
}

std::string entry_path(std::string_view block, std::size_t index, std::string_view field,
                       std::size_t entry) {
    return record_path(block, index, field) + "[" + std::to_string(entry) + "]";
}

std::string reader_byte_path(std::size_t offset) {
    const std::size_t row = offset / kReaderRowSize * kReaderRowSize;
    return std::string(kReaderName) + "." + std::to_string(row) + "[" +
           std::to_string(offset - row) + "]";
}

void read_design_records(std::span<const Byte> image, DesignRecords& records) {
    copy_records(image, kMenusOffset, records.menus);
    copy_records(image, kFormsOffset, records.forms);
    copy_records(image, kLookupsOffset, records.lookups);
    copy_record(image, kReaderOffset, records.reader);
    copy_record(image, kSystemOffset, records.system);
}

void check_unfinished_texts(std::span<const Byte> image, Problems& problems) {
    for (const RecordBlock& block : record_blocks_before_reader())
        check_block_texts(block, image, problems);
    check_block_texts(system_settings_block(), image, problems);
    for_each_device_text([&](int id, std::size_t offset) {
        if (has_zero(image.subspan(offset, texts::kDeviceSlotSize))) return;
        problems.push_back({std::string(kDeviceTextsName) + "." + std::to_string(id),
                            "device text " + std::to_string(id) +
                                " has no terminating zero within its " +
                                std::to_string(texts::kDeviceSlotSize) + " bytes"});
    });
}

std::vector<Byte> design_image(const DesignRecords& records) {
    std::vector<Byte> image(kDesignFileSize, 0);
    const auto put = [&](std::size_t offset, const auto& record) {
        std::memcpy(image.data() + offset, &record, sizeof record);
    };
    put(kMenusOffset, records.menus);
    put(kFormsOffset, records.forms);
    put(kLookupsOffset, records.lookups);
    put(kReaderOffset, records.reader);
    put(kSystemOffset, records.system);
    return image;
}

Problems check_design(const DesignRecords& records, std::span<const Byte> image) {
    std::vector<Byte> own_image;
    if (image.empty()) {
        own_image = design_image(records);
        image = own_image;
    }
    Problems problems;
    check_menus(records, problems);
    check_forms(records, problems);
    check_lookups(records, problems);
    check_reader_settings(records, problems);
    check_system_settings(records, problems);
    check_unfinished_texts(image, problems);
    return problems;
}

}  // namespace tc::t73
