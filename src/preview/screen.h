#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tc::preview {

// The terminal's screen as the preview lays it out: a title bar, rows of text, a bar for the soft
// keys or a message. Characters are Windows-1252 bytes.
inline constexpr std::size_t kScreenColumns = 30;
inline constexpr std::size_t kScreenRows = 7;

enum class RowStyle {
    Text,
    Selected,     // the chosen Menu item
    Field,        // an input field, `field_width` characters wide
    ActiveField,  // the field that takes the next key
};

struct ScreenRow {
    std::string text;
    RowStyle style = RowStyle::Text;
    std::size_t field_width = 0;
};

struct Screen {
    std::string title;
    std::vector<ScreenRow> rows;
    std::size_t focus = 0;  // the row that must be in view
    std::string soft_left;  // the soft key labels of the bottom bar
    std::string soft_right;
    std::string message;  // shown in the bottom bar instead of the soft keys
    std::string mark;     // the preview's mark in the title bar, empty outside preview mode

    // The first row in view: the rows scroll so that `focus` is shown.
    std::size_t first_visible_row() const;

    // The screen as plain lines: the title (and the mark), each row ('>' before the chosen item and
    // the active field, a field as "[value___]"), then the message or the soft keys.
    std::vector<std::string> lines() const;
};

// A field's text as the screen shows it: the value's end in a box of `width` places.
std::string field_text(const std::string& value, std::size_t width);

}  // namespace tc::preview
