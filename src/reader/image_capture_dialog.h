#pragma once

#include "reader/reader_settings_record.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc {

// IMAGECAPTUREDLG_2D: the 2D imager's picture-taking settings. Every change goes into the working
// copy of the reader settings at once; Cancel puts the working copy back as it was when the dialog
// opened. Returns 1 for OK, 0 for Cancel.
int run_image_capture_dialog(ReaderSettingsRecord& working, const texts::ProgramTexts& texts,
                             ui::Host& host);

}  // namespace tc
