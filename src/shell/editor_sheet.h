#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "shell/session.h"
#include "ui/property_sheet.h"

namespace tc::shell {

// What the pages of one opening of the editor sheet share: the session they edit and the form
// number texts "1" to "20" that the Form page and its dialogs build list items with.
struct EditorSheetContext {
    Session& session;
    std::array<std::string, 20> form_numbers;
};

// The form number texts "1" to "20".
std::array<std::string, 20> make_form_number_texts();

// One page of the editor sheet: its dialog template, the program text of its tab title and the
// factory that creates its logic when the page is first shown.
struct EditorPage {
    const ui::DialogTemplate& (*layout)();
    int title_id;
    std::unique_ptr<ui::Page> (*make)(EditorSheetContext& context);
};

// The five pages in their order: Form, Menu, Lookup, Barcode, Settings, each with its layout,
// its title text and how it is made.
const std::array<EditorPage, 5>& editor_pages();

// The sheet's caption: the program's name (text 1), " - [ ", the current file name or, for a
// design without one (empty or "Unknow"), the new-file text (text 2), and " ]". The file name is
// shown whole (ui/shown_text.h).
std::string editor_sheet_caption(const std::string& program_name, const std::string& new_file,
                                 const std::string& file_name);

// Builds and runs the editor sheet modally through the session's host. When it is confirmed with
// OK, every page that was shown takes over its editing data, in page order.
void open_editor_sheet(Session& session);

// Lets the session's host build the sheet's windows before the person asks for them (Edit then
// shows at once). The design is left as it was.
void prepare_editor_sheet(Session& session);

}  // namespace tc::shell
