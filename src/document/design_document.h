#pragma once

#include <array>
#include <string>

#include "forms/form_record.h"
#include "lookups/lookup_record.h"
#include "menus/menu_record.h"
#include "reader/reader_settings_record.h"
#include "settings/system_settings_record.h"
#include "texts/device_texts.h"

namespace tc {

inline constexpr std::size_t kMaxPathLength = 260;

// The one design document: the stored records, the editing copies that the file does not hold,
// and the program-wide values that go with them.
struct DesignDocument {
    std::array<MenuRecord, kMenuCount> menus{};
    std::array<FormRecord, kFormCount> forms{};
    std::array<LookupRecord, kLookupCount> lookups{};
    ReaderSettingsRecord reader{};
    SystemSettingsRecord system{};
    texts::DeviceTextTables device_texts{};

    ReaderSettingsRecord reader_working{};               // edited by the Barcode page
    std::array<LookupRecord, kLookupCount> lookups_working{};  // read by the Form designer

    std::string file_name;  // current file name, empty for a design never saved or opened
    bool modified = false;
    bool rfid = false;  // an RFID reader is fitted
    ReaderStates reader_states{};
};

// Turns the document into a new design (records reset, modified flag cleared). The file name,
// the device text tables and the Lookups' working copy are not touched.
void reset_design_document(DesignDocument& doc, const texts::ProgramTexts& texts);

// Copies the stored reader record into the working copy and derives the RFID flag and the reader
// states from it.
void load_reader_working_copy(DesignDocument& doc);

}  // namespace tc
