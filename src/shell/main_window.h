#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/preview_mode.h"
#include "shell/session.h"
#include "shell/terminal_outline.h"
#include "texts/program_texts.h"
#include "ui/geometry.h"
#include "ui/menu.h"

namespace tc::shell {

// Command identifiers shared by the popup menu, the shortcuts and the dispatcher.
inline constexpr int kCommandNew = 31;
inline constexpr int kCommandOpen = 32;
inline constexpr int kCommandSave = 33;
inline constexpr int kCommandSaveAs = 34;
inline constexpr int kCommandEdit = 35;
inline constexpr int kCommandPreferences = 36;
inline constexpr int kCommandAbout = 37;
inline constexpr int kCommandExit = 38;
inline constexpr int kCommandPreview = 39;
inline constexpr int kCommandMap = 40;
inline constexpr int kCommandFirstRecentFile = 50;  // 50-59 are set aside, 50-53 are used

inline constexpr std::string_view kMainWindowTitle = "Terminal Composer";

// Where "put in place" puts the main window, in screen coordinates.
inline constexpr ui::Rect kMainWindowBounds{300, 50, 260, 482};

// The shortcuts: Ctrl with a letter key.
struct Accelerator {
    char key;
    int command;
};
inline constexpr std::array<Accelerator, 5> kAccelerators{{
    {'N', kCommandNew},
    {'O', kCommandOpen},
    {'S', kCommandSave},
    {'E', kCommandEdit},
    {'P', kCommandPreview},
}};

// The popup menu: New, Open..., Save, Save As..., a separator, Edit, Preview, Application map...,
// Preferences..., a separator,
// the recent files (commands 50 on) with a separator after them when there is any, About...,
// Exit. While a language is active the eight command items show its entries 31-38 (Preview its
// program text).
ui::Menu build_popup_menu(const texts::ProgramTexts& texts,
                          const std::vector<std::string>& recent_files);

// The window as "put in place" wants it.
struct WindowPlacement {
    bool topmost = false;
    ui::Rect bounds{};
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// What the main window logic asks of the real window (the wxWidgets frame implements it).
class WindowListener {
  public:
    virtual ~WindowListener() = default;
    // Make the window topmost or not as told, move and size it to `placement.bounds`, show it.
    virtual void put_in_place(const WindowPlacement& placement) = 0;
    // The close request was allowed: destroy the window and end the program with exit code 0.
    virtual void destroy() = 0;
};

// The main window's logic. The frame:
// - creates the Session with the program directory and its host, then the MainWindow with itself
//   as listener, gives the window the shape kTerminalOutline and calls create();
// - passes the four shortcuts (kAccelerators) and every menu command to execute();
// - for a popup request of the skin (skin.h) calls show_popup_menu() with the screen position;
// - passes a close request (Alt+F4, the system menu's Close) to request_close().
class MainWindow {
  public:
    MainWindow(Session& session, WindowListener& window);

    // The start-up that the window's creation runs: the session's start-up (INI file, languages,
    // device texts, new design, Auto-preload), put in place, and the popup menu for the skin.
    void create();

    // Dispatches a command identifier; only its low 16 bits count. Unknown commands do nothing.
    void execute(int command);

    // Opens a design file handed to the program (its command line), as a recent file is opened.
    void open_file(const std::string& path);

    // Asks the save prompt when the design is modified; destroys the window unless cancelled.
    void request_close();

    // Pops up the menu at a screen position and executes the chosen command.
    void show_popup_menu(ui::Point screen_position);

    const ui::Menu& popup_menu() const { return popup_menu_; }

    // The terminal picture's screen and, in preview mode, its keypad.
    PreviewMode& preview() { return preview_; }

  private:
    void rebuild_popup_menu();
    void put_in_place();
    void run_preferences();

    Session& session_;
    WindowListener& window_;
    ui::Menu popup_menu_;
    PreviewMode preview_;
};

}  // namespace tc::shell
