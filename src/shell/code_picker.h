#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/program_texts.h"
#include "texts/text_slot.h"
#include "ui/dialog.h"
#include "ui/host.h"

namespace tc::shell {

// What a code field holds, which decides how many codes it takes.
enum class CodeFieldRole {
    PrefixSuffix,   // prefix or suffix codes of a Form or Lookup line: up to 10 codes
    RfidDelimiter,  // the RFID field delimiter: one code
};

std::size_t max_code_count(CodeFieldRole role);

// The key name that the grid, the resulting text and the code fields show for `code`. The
// ampersand is written "&&", as the platform's labels need it.
std::string code_label(Byte code);

// Codes that cannot be picked: 0x00, LF, Enter and 0x1D-0x1F.
bool is_disabled_code(Byte code);

// The labels of `codes` up to the first zero byte, each followed by a blank ("A A Enter ").
std::string code_labels_text(std::span<const Byte> codes);

// The text as a code field shows it: every "&& " written as "& ".
std::string code_field_text(std::string_view labels_text);

// The character grid dialog GRIDDLG. It loads the codes of the field's buffer when it opens;
// OK writes the picked codes followed by zero bytes into the buffer (so the delimiter field's
// one-byte buffer receives the picked code itself); Cancel leaves the buffer alone.
// After the dialog has run, field_text() is the text the code field must show.
class CodePicker : public ui::Dialog {
  public:
    static constexpr int kGridCells = 17;  // a heading row and column around 16 x 16 codes
    static constexpr int kCodesPerColumn = 16;

    CodePicker(const texts::ProgramTexts& texts, CodeFieldRole role, std::span<Byte> codes);

    // Clicks in the grid area are in the area's own coordinates; the grid has 17 x 17 cells of
    // the area's width and height divided by 17, headings in the top row and left column.
    void paint_area(int id, ui::Painter& painter, ui::Rect area) const override;

    const std::vector<Byte>& picked_codes() const { return picked_; }
    const std::string& resulting_text() const { return resulting_text_; }
    Byte selected_code() const { return selected_; }
    const std::string& field_text() const { return field_text_; }

  protected:
    void on_created() override;
    void on_command(int id) override;
    void on_area_clicked(int id, ui::Point p) override;
    // In the grid the arrow keys move the selection to the next cell that can be picked; Space
    // and Enter pick the selected code, as a click on it does.
    void on_area_key(int id, ui::Key key) override;
    bool on_ok() override;
    void on_cancel() override;

  private:
    void select(Byte code);
    void pick(Byte code);
    void paint_grid(ui::Painter& painter, ui::Rect area) const;
    void paint_result(ui::Painter& painter, ui::Rect area) const;

    const texts::ProgramTexts& texts_;
    std::size_t max_count_;
    std::span<Byte> codes_;
    std::vector<Byte> picked_;
    std::string resulting_text_;
    std::string text_on_opening_;
    Byte selected_ = 0x20;
    std::string field_text_;
};

// A code field of a dialog: the edit control that opens the code picker when clicked, with the
// code buffer that the owning dialog fills before the picker can open. The owning dialog passes
// clicks on the control to pick() and shows the returned text:
//     if (id == prefix_.control_id()) set_text(id, prefix_.pick(host(), texts));
class CodeField {
  public:
    CodeField(int control_id, CodeFieldRole role, std::span<Byte> codes);

    int control_id() const { return control_id_; }
    std::span<const Byte> codes() const { return codes_; }

    // The field's text for its present codes.
    std::string text() const;

    // Runs the code picker for the field and returns the text the field must show: the picked
    // codes' labels after OK (the buffer then holds the picked codes), the labels it had when the
    // picker opened after Cancel.
    std::string pick(ui::Host& host, const texts::ProgramTexts& texts);

  private:
    int control_id_;
    CodeFieldRole role_;
    std::span<Byte> codes_;
};

}  // namespace tc::shell
