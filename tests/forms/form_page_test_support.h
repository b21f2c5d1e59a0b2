#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "forms/form_page.h"
#include "resources/form_page_layout.h"
#include "shell/sheet_test_support.h"

namespace tc::test {

namespace page_ids = resources::form_page_ids;

// Opens a data type list and chooses an item in it, as a user does.
inline void choose_type(ui::Dialog& page, int row, int item) {
    page.user_opens_dropdown(page_ids::data_type_list(row));
    page.user_chooses(page_ids::data_type_list(row), item);
}

// The editor sheet on its first page, the Form page.
class FormPageTest : public SheetTest {
  protected:
    // The saved reader settings: each sheet starts from them.
    void use_2d_reader() { document->reader[reader::kReaderTypeBits] = reader::kType2D; }

    // Runs the sheet; the script acts on the Form page and ends the sheet (or leaves it, which
    // cancels it).
    void run_page(const std::function<void(ui::PropertySheet&, FormPage&)>& script) {
        SheetTest::run_page<FormPage>(0, script);
    }

    DesignDocument* document = &session.document();
    texts::ProgramTexts* texts = &session.texts();
};

}  // namespace tc::test
