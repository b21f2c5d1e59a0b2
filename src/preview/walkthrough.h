#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "document/design_document.h"
#include "preview/keys.h"
#include "preview/lookup_file.h"
#include "preview/saved_record.h"
#include "preview/screen.h"
#include "texts/program_texts.h"

namespace tc::preview {

// Program texts of the preview.
inline constexpr int kTextPreviewItem = 2501;
inline constexpr int kTextPreviewMark = 2502;
inline constexpr int kTextScanTheCode = 2503;
inline constexpr int kTextNoScan = 2504;
inline constexpr int kTextRecordWritten = 2505;
inline constexpr int kTextNoRecord = 2506;
inline constexpr int kTextNoItems = 2507;

// The screen code of the start screen: Form 1 or Menu 1, from "Program start from :".
Byte start_screen_code(const SystemSettingsRecord& system);

// A walk through the designed application as the terminal would run it, on a copy of the design
// (with the values derived before saving): keys in, screen out. The design itself is never
// changed. It starts on the start screen.
class Walkthrough {
  public:
    using Clock = std::function<std::tm()>;

    Walkthrough(const DesignDocument& design, const texts::ProgramTexts& texts,
                Clock clock = local_time);
    ~Walkthrough();

    // Shows screen `code` (0 main, 1-20 Form, 21-30 Menu) as it is when reached.
    void go_to(Byte code);

    void press(Key key);
    // A character typed on the computer's keyboard, taken as the keypad would type it.
    void type(char c);
    // Data read by the reader (or RFID reader) into the current line.
    void scan(std::string_view data);

    // The Lookup (1-5) whose file the current line checks against while no file was chosen or
    // declined for it; the host then asks for one.
    std::optional<std::size_t> lookup_file_wanted() const;
    void set_lookup_file(std::size_t lookup, std::string_view contents);
    void decline_lookup_file(std::size_t lookup);

    Screen screen() const;
    Byte screen_code() const { return code_; }

    static std::tm local_time();

  private:
    struct Design;

    void enter_form();
    void press_on_menu(Key key);
    void press_on_form(Key key);
    void type_character(char c);
    void complete_line();
    bool lookup_refuses(const std::string& value);
    bool advance_from(std::size_t line);
    void next_line();
    void finish_form();
    Screen menu_screen() const;
    Screen form_screen() const;
    Screen main_screen() const;
    std::string device_text(int id) const;
    std::string program_text(int id) const;

    std::unique_ptr<Design> design_;
    const texts::ProgramTexts& texts_;
    Clock clock_;

    Byte code_ = 0;
    std::size_t selected_ = 0;  // the chosen item among the named ones
    std::size_t line_ = 0;      // the Form line taking input
    CollectedData data_;
    std::string handover_;               // for the next Form
    std::optional<std::string> record_;  // shown once the Form is complete
    std::string message_;
    bool alpha_ = false;
    std::optional<Key> last_letter_key_;
    std::size_t letter_presses_ = 0;
    unsigned records_written_ = 0;
    std::array<std::optional<LookupFile>, kLookupCount> lookup_files_;
    std::array<bool, kLookupCount> lookup_asked_{};
};

}  // namespace tc::preview
