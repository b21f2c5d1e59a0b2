#include "app/t73/design_check.h"

#include <cstring>

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

}  // namespace

void read_design_records(std::span<const Byte> image, DesignRecords& records) {
    copy_records(image, kMenusOffset, records.menus);
    copy_records(image, kFormsOffset, records.forms);
    copy_records(image, kLookupsOffset, records.lookups);
    copy_record(image, kReaderOffset, records.reader);
    copy_record(image, kSystemOffset, records.system);
}

std::vector<std::string> check_design(const DesignRecords& records) {
    std::vector<std::string> problems;
    check_menus(records, problems);
    check_forms(records, problems);
    check_lookups(records, problems);
    check_reader_settings(records, problems);
    check_system_settings(records, problems);
    return problems;
}

}  // namespace tc::t73
