#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/t73/field_layout.h"
#include "document/design_file.h"
#include "forms/form_record.h"
#include "lookups/lookup_record.h"
#include "menus/menu_record.h"
#include "texts/device_texts.h"

namespace tc::t73 {

// The blocks of records in a design file and the names they go by in its JSON form.
struct RecordBlock {
    std::string_view name;
    std::size_t offset;
    const RecordLayout& layout;
    std::size_t count;  // 0: a single record, not an array
};

// The blocks between the header and the reader settings record, in file order.
inline const std::array<RecordBlock, 3>& record_blocks_before_reader() {
    static const std::array<RecordBlock, 3> blocks{{
        {"menus", kMenusOffset, kMenuLayout, kMenuCount},
        {"forms", kFormsOffset, kFormLayout, kFormCount},
        {"lookups", kLookupsOffset, kLookupLayout, kLookupCount},
    }};
    return blocks;
}

// The block behind the reader settings record.
inline const RecordBlock& system_settings_block() {
    static const RecordBlock block{"system_settings", kSystemOffset, kSystemSettingsLayout, 0};
    return block;
}

// The first member of the JSON form names its format and version.
inline constexpr std::string_view kFormatName = "format";
inline constexpr std::string_view kFormat = "t73 design 2";
// Dumps without a format member, or with the first one, write every value as a number and every
// split length as its two byte fields; they are read as well.
inline constexpr std::string_view kFirstFormat = "t73 design 1";
inline constexpr std::string_view kHeaderName = "header";
inline constexpr std::string_view kReaderName = "reader_settings";
inline constexpr std::size_t kReaderRowSize = 16;
inline constexpr std::string_view kReservedBlockName = "reserved_block";
inline constexpr std::string_view kDeviceTextsName = "device_texts";

// Calls `visit(id, offset)` for each device text slot in file order.
template <typename Visit>
void for_each_device_text(Visit visit) {
    std::size_t offset = kDeviceTextsOffset;
    for (const texts::DeviceTable& table : texts::kDeviceTables) {
        for (int k = 0; k < table.slots; ++k) {
            visit(table.first_id + k, offset);
            offset += texts::kDeviceSlotSize;
        }
    }
}

}  // namespace tc::t73
