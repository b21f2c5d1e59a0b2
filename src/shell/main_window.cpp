#include "shell/main_window.h"

#include "shell/about_box.h"
#include "shell/application_map_dialog.h"
#include "shell/editor_sheet.h"
#include "shell/preferences_dialog.h"

namespace tc::shell {
namespace {

constexpr int kFirstLanguageMenuEntry = 31;  // the language entries 31-38 name the eight commands
constexpr int kTextMapItem = 2511;

ui::MenuItem separator() {
    ui::MenuItem item;
    item.separator = true;
    return item;
}

}  // namespace

ui::Menu build_popup_menu(const texts::ProgramTexts& texts,
                          const std::vector<std::string>& recent_files) {
    ui::Menu menu{
        {kCommandNew, "&New\tCtrl+N"},
        {kCommandOpen, "&Open...\tCtrl+O"},
        {kCommandSave, "&Save\tCtrl+S"},
        {kCommandSaveAs, "Save &As..."},
        separator(),
        {kCommandEdit, "&Edit\tCtrl+E"},
        {kCommandPreview, texts.load_program_text(preview::kTextPreviewItem)},
        {kCommandMap, texts.load_program_text(kTextMapItem)},
        {kCommandPreferences, "&Preferences..."},
        separator(),
        {kCommandAbout, "A&bout..."},
        {kCommandExit, "E&xit\tAlt+F4"},
    };
    if (texts.language_active()) {
        for (ui::MenuItem& item : menu) {
            if (!item.separator && item.command <= kCommandExit) {
                item.text =
                    texts.language_entry(kFirstLanguageMenuEntry + item.command - kCommandNew);
            }
        }
    }
    // The recent files stand between Preferences... and About..., from position 10 on.
    constexpr std::ptrdiff_t kFirstRecentPosition = 10;
    ui::Menu recent;
    for (std::size_t i = 0; i < recent_files.size(); ++i) {
        recent.push_back({kCommandFirstRecentFile + static_cast<int>(i),
                          recent_file_menu_text(i, recent_files[i])});
    }
    if (!recent.empty()) recent.push_back(separator());
    menu.insert(menu.begin() + kFirstRecentPosition, recent.begin(), recent.end());
    return menu;
}

MainWindow::MainWindow(Session& session, WindowListener& window)
    : session_(session), window_(window), preview_(session) {
    session_.open_editor_sheet = [this] { open_editor_sheet(session_); };
    session_.put_window_in_place = [this] { put_in_place(); };
}

void MainWindow::create() {
    session_.start_up();
    put_in_place();
    rebuild_popup_menu();
}

void MainWindow::execute(int command) {
    const int id = command & 0xFFFF;
    switch (id) {
        case kCommandNew:
            session_.command_new();
            break;
        case kCommandOpen:
            session_.command_open();
            break;
        case kCommandSave:
            session_.command_save();
            break;
        case kCommandSaveAs:
            session_.command_save_as();
            break;
        case kCommandEdit:
            open_editor_sheet(session_);
            break;
        case kCommandPreview:
            preview_.toggle();
            return;
        case kCommandMap: {
            const DesignDocument& doc = session_.document();
            ApplicationMapDialog map(preview::application_map(doc.forms, doc.menus, doc.system));
            session_.host().run_modal(map);
            return;
        }
        case kCommandPreferences:
            run_preferences();
            break;
        case kCommandAbout: {
            AboutBox about;
            session_.host().run_modal(about);
            break;
        }
        case kCommandExit:
            request_close();
            return;
        default: {
            // An id below the first recent file wraps round to an index far past the list.
            const auto index = static_cast<std::size_t>(id - kCommandFirstRecentFile);
            if (index >= session_.preferences().recent_files.size()) return;
            session_.command_recent_file(index);
        }
    }
    // Saving, opening and the Preferences dialog read or rewrite the recent-file list and may
    // change the language, so the menu is built again to show them as they are now.
    rebuild_popup_menu();
    preview_.design_changed();
}

void MainWindow::open_file(const std::string& path) {
    session_.command_open_file(path);
    rebuild_popup_menu();
    preview_.design_changed();
}

void MainWindow::request_close() {
    if (!session_.request_close()) return;
    popup_menu_.clear();
    window_.destroy();
}

void MainWindow::show_popup_menu(ui::Point screen_position) {
    const int command = session_.host().popup_menu(popup_menu_, screen_position);
    if (command != 0) execute(command);
}

void MainWindow::rebuild_popup_menu() {
    popup_menu_ = build_popup_menu(session_.texts(), session_.preferences().recent_files);
}

void MainWindow::put_in_place() {
    window_.put_in_place(WindowPlacement{session_.preferences().always_on_top, kMainWindowBounds});
}

void MainWindow::run_preferences() {
    run_preferences_dialog(session_);
    put_in_place();
}

}  // namespace tc::shell
