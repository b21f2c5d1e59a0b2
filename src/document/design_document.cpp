#include "document/design_document.h"

namespace tc {

void reset_design_document(DesignDocument& doc, const texts::ProgramTexts& texts) {
    doc.modified = false;
    for (std::size_t i = 0; i < kFormCount; ++i) {
        reset_form(doc.forms[i], static_cast<int>(i), texts);
    }
    for (std::size_t i = 0; i < kMenuCount; ++i) {
        reset_menu(doc.menus[i], static_cast<int>(i));
    }
    for (std::size_t i = 0; i < kLookupCount; ++i) {
        reset_lookup(doc.lookups[i], static_cast<int>(i), texts);
    }
    doc.reader_states = ReaderStates{};
    reset_reader_settings(doc.reader);
    reset_system_settings(doc.system, texts);
    doc.rfid = false;
    doc.reader_working = doc.reader;
}

void load_reader_working_copy(DesignDocument& doc) {
    doc.reader_working = doc.reader;
    doc.rfid = doc.reader_working[reader::kRfidReader] != 0;
    doc.reader_states = derive_reader_states(doc.reader_working);
}

}  // namespace tc
