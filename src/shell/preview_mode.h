#pragma once

#include <memory>
#include <optional>

#include "preview/keys.h"
#include "preview/screen.h"
#include "preview/walkthrough.h"
#include "shell/session.h"

namespace tc::shell {

// The terminal picture's screen: the start screen of the design, or in preview mode a walk
// through the design on the picture's keypad. The design is only read.
class PreviewMode {
  public:
    explicit PreviewMode(Session& session) : session_(session) {}

    bool on() const { return walkthrough_ != nullptr; }
    void toggle();

    // The design may have changed (New, Open, the sheet's OK): a walk starts again from the
    // start screen.
    void design_changed();

    // What the screen shows now.
    preview::Screen screen() const;

    // In preview mode only: a key of the picture, a character typed on the keyboard, and the
    // scanner window (asks for the code that the reader reads). Each asks for a lookup file when
    // the walk reaches a line that checks against one not chosen yet.
    void press(preview::Key key);
    void type(char c);
    void read_code();

  private:
    void ask_for_lookup_file();

    Session& session_;
    std::unique_ptr<preview::Walkthrough> walkthrough_;
};

}  // namespace tc::shell
