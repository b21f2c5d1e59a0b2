#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "document/design_document.h"
#include "forms/form_page.h"
#include "resources/form_page_layout.h"
#include "shell/editor_sheet.h"
#include "ui/headless_host.h"

namespace tc::test {

namespace page_ids = resources::form_page_ids;

inline std::vector<Byte> bytes_of(const FormRecord& form) {
    std::vector<Byte> bytes(sizeof form);
    std::memcpy(bytes.data(), &form, sizeof form);
    return bytes;
}

// Opens a data type list and chooses an item in it, as a user does.
inline void choose_type(ui::Dialog& page, int row, int item) {
    page.user_opens_dropdown(page_ids::data_type_list(row));
    page.user_chooses(page_ids::data_type_list(row), item);
}

// A design document, the built-in texts and a headless host, with an editor sheet whose only page
// is the Form page.
class FormPageTest : public ::testing::Test {
  protected:
    FormPageTest() {
        reset_design_document(*document, *texts);
        host.set_caption_source([this](int id) { return texts->load_program_text(id); });
    }

    void use_2d_reader() { document->reader_working[reader::kReaderTypeBits] = reader::kType2D; }

    // Runs the sheet; the script acts on the Form page and ends the sheet (or leaves it, which
    // cancels it).
    int run_page(const std::function<void(ui::PropertySheet&, FormPage&)>& script) {
        ui::PropertySheet sheet(
            "Terminal Composer",
            {{"Form", [this] { return std::make_unique<FormPage>(*document, *texts, numbers); }}});
        host.on_sheet(
            [&](ui::PropertySheet& s) { script(s, dynamic_cast<FormPage&>(*s.page(0))); });
        return host.run_sheet(sheet);
    }

    std::unique_ptr<DesignDocument> document = std::make_unique<DesignDocument>();
    std::unique_ptr<texts::ProgramTexts> texts = std::make_unique<texts::ProgramTexts>();
    form_items::NumberTexts numbers = shell::make_form_number_texts();
    ui::HeadlessHost host;
};

}  // namespace tc::test
