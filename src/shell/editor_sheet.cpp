#include "shell/editor_sheet.h"

#include <functional>
#include <memory>

#include "forms/form_page.h"
#include "lookups/lookup_page.h"
#include "menus/menu_page.h"
#include "reader/barcode_page.h"
#include "resources/barcode_page_layout.h"
#include "resources/form_page_layout.h"
#include "resources/menu_lookup_settings_layouts.h"
#include "settings/settings_page.h"
#include "ui/host.h"
#include "ui/shown_text.h"

namespace tc::shell {
namespace {

constexpr int kTextProgramName = 1;
constexpr int kTextNewFile = 2;

// Texts 1-7 are the program name, the new-file text and the page titles. While a language is
// active they are taken as its table holds them.
std::string sheet_text(const texts::ProgramTexts& texts, int id) {
    return texts.language_active() ? texts.language_entry(id) : texts.load_program_text(id);
}

}  // namespace

std::array<std::string, 20> make_form_number_texts() {
    std::array<std::string, 20> numbers;
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = std::to_string(i + 1);
    return numbers;
}

const std::array<EditorPage, 5>& editor_pages() {
    static const std::array<EditorPage, 5> pages{{
        {&resources::form_page_layout, 3,
         [](EditorSheetContext& c) -> std::unique_ptr<ui::Page> {
             return std::make_unique<FormPage>(c.session.document(), c.session.texts(),
                                               c.form_numbers);
         }},
        {&resources::menu_page_layout, 4,
         [](EditorSheetContext& c) -> std::unique_ptr<ui::Page> {
             return std::make_unique<MenuPage>(c.session.document(), c.session.texts());
         }},
        {&resources::lookup_page_layout, 5,
         [](EditorSheetContext& c) -> std::unique_ptr<ui::Page> {
             return std::make_unique<LookupPage>(c.session.document(), c.session.texts());
         }},
        {&resources::barcode_page_layout, 6,
         [](EditorSheetContext& c) -> std::unique_ptr<ui::Page> {
             return std::make_unique<BarcodePage>(c.session.document(), c.session.texts());
         }},
        {&resources::settings_page_layout, 7,
         [](EditorSheetContext& c) -> std::unique_ptr<ui::Page> {
             return std::make_unique<SettingsPage>(c.session.document(), c.session.texts());
         }},
    }};
    return pages;
}

std::string editor_sheet_caption(const std::string& program_name, const std::string& new_file,
                                 const std::string& file_name) {
    const bool named = !file_name.empty() && file_name != kUnknownLastFile;
    return program_name + " - [ " + (named ? ui::shown_file_name(file_name) : new_file) + " ]";
}

namespace {

// Hands `use` an editor sheet over the session's design. The sheet starts from the saved
// records, so that nothing of an earlier sheet reaches the pages through the working copies;
// unless it was confirmed, the whole document is put back as it was before, the working copies
// and the program-wide values included.
void with_editor_sheet(Session& session, const std::function<void(ui::PropertySheet&)>& use) {
    DesignDocument& document = session.document();
    const auto before = std::make_unique<DesignDocument>(document);
    load_reader_working_copy(document);
    document.lookups_working = document.lookups;
    EditorSheetContext context{session, make_form_number_texts()};
    const texts::ProgramTexts& texts = session.texts();
    std::vector<ui::PropertySheet::PageEntry> entries;
    for (const EditorPage& page : editor_pages()) {
        entries.push_back({sheet_text(texts, page.title_id),
                           [&context, make = page.make] { return make(context); }, &page.layout()});
    }
    ui::PropertySheet sheet(
        editor_sheet_caption(sheet_text(texts, kTextProgramName), sheet_text(texts, kTextNewFile),
                             session.document().file_name),
        std::move(entries));
    use(sheet);
    if (sheet.result() != ui::kIdOk) document = *before;
}

}  // namespace

void open_editor_sheet(Session& session) {
    with_editor_sheet(session,
                      [&session](ui::PropertySheet& sheet) { session.host().run_sheet(sheet); });
}

void prepare_editor_sheet(Session& session) {
    with_editor_sheet(
        session, [&session](ui::PropertySheet& sheet) { session.host().prepare_sheet(sheet); });
}

}  // namespace tc::shell
