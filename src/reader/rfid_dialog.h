#pragma once

#include "reader/reader_settings_record.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc {

// RFIDPARAMDLG: the RFID reader's decoding settings in the working copy of the reader settings.
// OK stores them and sets `modified`, the design document's modified flag; Cancel leaves the
// working copy as it was. Returns 1 for OK, 0 for Cancel.
int run_rfid_dialog(ReaderSettingsRecord& working, const texts::ProgramTexts& texts, ui::Host& host,
                    bool& modified);

}  // namespace tc
