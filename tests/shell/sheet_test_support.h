#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "document/test_files.h"
#include "shell/editor_sheet.h"
#include "shell/record_bytes.h"
#include "shell/session.h"
#include "ui/headless_host.h"

namespace tc::test {

// A started session on the headless host: the tests open the real editor sheet, switch to a page
// as a user does and act on it.
class SheetTest : public ::testing::Test {
  protected:
    SheetTest() { session.start_up(); }

    // Opens the editor sheet, shows page `index` (0 Form ... 4 Settings) and gives it to the
    // script, which ends the sheet (or leaves it open, which cancels it).
    template <typename Page>
    void run_page(std::size_t index, const std::function<void(ui::PropertySheet&, Page&)>& script) {
        host.on_sheet([&](ui::PropertySheet& sheet) {
            sheet.show_page(index);
            script(sheet, dynamic_cast<Page&>(*sheet.page(index)));
        });
        shell::open_editor_sheet(session);
    }

    // Opens the sheet on page `index`, lets the script act and confirms the sheet.
    template <typename Page>
    void apply_page(std::size_t index, const std::function<void(Page&)>& script) {
        run_page<Page>(index, [&](ui::PropertySheet& sheet, Page& page) {
            script(page);
            sheet.user_presses_ok();
        });
    }

    // Makes a language active whose file holds `entries` ("id=text" lines).
    void use_language(const std::string& entries) {
        texts().read_language_entries("Test\r\n" + entries);
        texts().set_language_active(true);
    }

    DesignDocument& document() { return session.document(); }
    texts::ProgramTexts& texts() { return session.texts(); }

    TempFolder folder;
    ui::HeadlessHost host;
    shell::Session session{folder.path(), host};
};

}  // namespace tc::test
