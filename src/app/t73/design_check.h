#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
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

// One broken rule: where it is in the JSON form of the design ("forms[2].max_length[3]") and
// what is wrong, naming the place as the program shows it ("Form 3 line 4").
struct Problem {
    std::string path;
    std::string text;
};
using Problems = std::vector<Problem>;

// Every broken rule, by kind of record, unfinished texts last; empty when the design is sound.
// `image` is the whole design file, for the device texts; without it they are not checked.
Problems check_design(const DesignRecords& records, std::span<const Byte> image = {});

// The parts of check_design.
void check_forms(const DesignRecords& records, Problems& problems);
void check_menus(const DesignRecords& records, Problems& problems);
void check_lookups(const DesignRecords& records, Problems& problems);
void check_system_settings(const DesignRecords& records, Problems& problems);
void check_reader_settings(const DesignRecords& records, Problems& problems);
// Texts without their terminating zero, in the records and the device texts of a whole image.
void check_unfinished_texts(std::span<const Byte> image, Problems& problems);

// A design file image of the records; header and device texts are zero.
std::vector<Byte> design_image(const DesignRecords& records);

// Paths into the JSON form of a design.
std::string record_path(std::string_view block, std::size_t index, std::string_view field);
std::string entry_path(std::string_view block, std::size_t index, std::string_view field,
                       std::size_t entry);
std::string reader_byte_path(std::size_t offset);

}  // namespace tc::t73
