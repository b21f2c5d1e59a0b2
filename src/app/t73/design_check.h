#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "forms/form_record.h"
#include "lookups/lookup_record.h"
#include "menus/menu_record.h"
#include "reader/reader_settings_record.h"
#include "settings/system_settings_record.h"

namespace tc::t73 {

// The records of a design file exactly as the file holds them (no open fix-ups applied).
struct DesignRecords {
    std::array<MenuRecord, kMenuCount> menus{};
    std::array<FormRecord, kFormCount> forms{};
    std::array<LookupRecord, kLookupCount> lookups{};
    ReaderSettingsRecord reader{};
    SystemSettingsRecord system{};
};

// Copies the records out of a whole design file image.
void read_design_records(std::span<const Byte> image, DesignRecords& records);

// One line per broken invariant of the records, in record order; empty when the design is sound.
std::vector<std::string> check_design(const DesignRecords& records);

// The parts of check_design, one per kind of record.
void check_forms(const DesignRecords& records, std::vector<std::string>& problems);
void check_menus(const DesignRecords& records, std::vector<std::string>& problems);
void check_lookups(const DesignRecords& records, std::vector<std::string>& problems);
void check_system_settings(const DesignRecords& records, std::vector<std::string>& problems);
void check_reader_settings(const DesignRecords& records, std::vector<std::string>& problems);

}  // namespace tc::t73
