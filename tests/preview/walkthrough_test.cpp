#include "preview/walkthrough.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/test_files.h"
#include "forms/apply_form_page.h"
#include "shell/preview_mode.h"
#include "texts/text_slot.h"
#include "ui/headless_host.h"

namespace tc::preview {
namespace {

using Lines = std::vector<std::string>;

std::tm noon_on_7_december() {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 12;
    time.tm_min = 5;
    time.tm_sec = 9;
    return time;
}

void line(FormRecord& form, std::size_t at, Byte type, const char* prompt, Byte min, Byte max,
          Byte source = 1) {
    form.data_type[at] = type;
    store_text(form.prompt[at], prompt);
    form.min_length[at] = min;
    form.max_length_low[at] = max;
    form.input_source[at] = source;
}

void item(MenuRecord& menu, std::size_t at, const char* name, Byte target) {
    store_text(menu.item_name[at], name);
    menu.item_target[at] = target;
}

// A shop: Menu 1 (start) leads to Form 2 (a count) and Form 3 (a price check against Lookup 1).
void shop(DesignDocument& doc) {
    doc.system.start_screen = 1;
    doc.system.data_delimiter_1 = ';';
    item(doc.menus[0], 0, "Count", 2);
    item(doc.menus[0], 3, "Price", 3);
    doc.menus[0].save_selected_item = 1;
    FormRecord& count = doc.forms[1];
    count.esc_target = 21;
    count.next_target = 21;
    count.stamp_position = 2;
    line(count, 0, kTypeAlphameric, "Shelf", 0, 4, 3);
    line(count, 1, kTypePrompt, "Count it:", 0, 0);
    line(count, 2, kTypeInteger, "Qty", 2, 4);
    line(count, 3, kTypeLetter, "By", 0, 3);
    FormRecord& price = doc.forms[2];
    price.lookup_file = 1;
    line(price, 0, kTypeLookup, "EAN", 0, 13, 0);
    price.link[0] = 1;
    line(price, 1, kTypeInteger, "Qty", 1, 3);
    LookupRecord& articles = doc.lookups[0];
    articles.field_count = 2;
    articles.delimiter = ',';
    articles.field_length_low[0] = 13;
    articles.field_length_low[1] = 20;
    articles.no_match_action = 5;
}

struct Case {
    const char* name;
    std::function<void(DesignDocument&)> design;
    // Keys: digits, '*', '#'; E ENT, X ESC, B BS, A ALPHA, U up, D down; {data} a scan,
    // <text> typed on the keyboard, L a lookup file of the shop's articles.
    const char* keys;
    Lines screen;
};

void run_keys(Walkthrough& walk, std::string_view keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const char c = keys[i];
        if (c == '{' || c == '<') {
            const std::size_t end = keys.find(c == '{' ? '}' : '>', i);
            const std::string_view text = keys.substr(i + 1, end - i - 1);
            if (c == '{') walk.scan(text);
            for (const char t : c == '<' ? text : std::string_view()) walk.type(t);
            i = end;
        } else if (c >= '0' && c <= '9') {
            walk.press(static_cast<Key>(static_cast<int>(Key::Digit0) + (c - '0')));
        } else if (c == 'L') {
            walk.set_lookup_file(1, "4006381333931,Pen\r\n5000112637922,Ink\r\n");
        } else {
            constexpr std::string_view kCodes = "*#EXBAUD";
            constexpr Key kKeys[] = {Key::Star,      Key::Hash,  Key::Enter, Key::Escape,
                                     Key::Backspace, Key::Alpha, Key::Up,    Key::Down};
            walk.press(kKeys[kCodes.find(c)]);
        }
    }
}

TEST(Walkthrough, KeysLeadThroughTheDesignAsItsRecordsSay) {
    const Case cases[] = {
        {"a new design starts on an empty Form 1",
         [](DesignDocument&) {},
         "",
         {"Form 1", "Enter | Esc"}},
        {"ESC of a new Form leads to main, ENT runs the start screen again",
         [](DesignDocument&) {},
         "X",
         {"7350", "File", "Utilities", "About", ">Run", "Enter | "}},
        {"a Menu lists its named items, numbered in order",
         shop,
         "",
         {"Menu 1", ">1. Count", "2. Price", "Enter | Esc"}},
        {"a caption replaces the title; arrows wrap",
         [](DesignDocument& doc) {
             shop(doc);
             doc.menus[0].caption_on = 1;
             store_text(doc.menus[0].caption, "Shop");
         },
         "U",
         {"Shop", "1. Count", ">2. Price", "Enter | Esc"}},
        {"a digit chooses, ENT follows the item to its Form",
         shop,
         "1E",
         {"Form 2", "Shelf", ">[____]", "Count it:", "Qty", "[____]", "By", "[___]",
          "Enter | Esc"}},
        {"typed input that is too long is refused",
         shop,
         "1E<A1B2C>",
         {"Form 2", "Shelf", ">[A1B2]", "Count it:", "Qty", "[____]", "By", "[___]",
          "Data is too long !!"}},
        {"a letter on an integer line is refused",
         shop,
         "1E<S1>E<x>",
         {"Form 2", "Shelf", "[S1__]", "Count it:", "Qty", ">[____]", "By", "[___]",
          "Incorrect data type !!"}},
        {"a short value is refused at ENT",
         shop,
         "1E<S1>E7E",
         {"Form 2", "Shelf", "[S1__]", "Count it:", "Qty", ">[7___]", "By", "[___]",
          "Data is too short !!"}},
        {"ALPHA types letters, the same key again the next one",
         shop,
         "1E<S1>E12EA22833",
         {"Form 2  ABC", "Shelf", "[S1__]", "Count it:", "Qty", "[12__]", "By", ">[BTE]",
          "Enter | Esc"}},
        {"the completed Form shows its record: fields, delimiter, stamp at the bottom",
         shop,
         "1E<S1>E12EA22833E",
         {"Form 2: Save", "Record written:", "00000001;Count;S1;12;BTE;2026/", "12/07;12:05:09",
          "Enter | Esc"}},
        {"ENT after the record follows Next",
         shop,
         "1E<S1>E12EA22833EE",
         {"Menu 1", ">1. Count", "2. Price", "Enter | Esc"}},
        {"ESC follows the Form's Esc target",
         shop,
         "1E<S>X",
         {"Menu 1", ">1. Count", "2. Price", "Enter | Esc"}},
        {"a reader line refuses keys",
         shop,
         "2E1",
         {"Form 3", "EAN", ">[_____________]", "Qty", "[___]", "Scan: click the scanner"}},
        {"a scan that the lookup file lacks warns and clears",
         shop,
         "2EL{4006381333932}",
         {"Form 3", "EAN", ">[_____________]", "Qty", "[___]", "Data is not found !!"}},
        {"a scan found in the lookup file completes the line (Scan+ENTER)",
         shop,
         "2EL{4006381333931}",
         {"Form 3", "EAN", "[4006381333931]", "Qty", ">[___]", "Enter | Esc"}},
        {"without a lookup file the scan is not checked; a lookup line without \"Save field data\" "
         "is not saved",
         shop,
         "2E{4006381333932}5E",
         {"Form 3: Save", "Record written:", "00000001;Price;5", "Enter | Esc"}},
    };
    const texts::ProgramTexts texts;
    for (const Case& c : cases) {
        auto doc = std::make_unique<DesignDocument>();
        fill_text_tables(texts, doc->device_texts);
        reset_design_document(*doc, texts);
        c.design(*doc);
        normalise_forms(*doc);  // as the editor sheet's OK leaves them
        const auto before = std::make_unique<DesignDocument>(*doc);
        Walkthrough walk(*doc, texts, noon_on_7_december);
        run_keys(walk, c.keys);
        EXPECT_EQ(walk.screen().lines(), c.screen) << c.name;
        EXPECT_EQ(std::memcmp(doc->forms.data(), before->forms.data(), sizeof doc->forms), 0)
            << c.name << ": the walk changed the design";
    }
}

// The picture's preview mode: keys only while it is on, the scanner window's code read into the
// walk on OK only, and a line that checks against a Lookup asks once for its file.
TEST(PreviewMode, ReadsTheScannerWindowAndAsksOnceForTheLookupFile) {
    test::TempFolder folder;
    ui::HeadlessHost host;
    shell::Session session(folder.path(), host);
    session.start_up();
    shop(session.document());
    normalise_forms(session.document());
    shell::PreviewMode preview(session);
    preview.press(Key::Digit2);
    preview.read_code();
    EXPECT_EQ(preview.screen().lines().front(), "Menu 1");
    EXPECT_TRUE(host.dialogs_shown().empty());

    preview.toggle();
    test::write_text(folder.file("articles.txt"), "4006381333931,Pen\r\n");
    host.answer_next_file_dialog(folder.file("articles.txt"));
    preview.press(Key::Digit2);
    preview.press(Key::Enter);
    const auto scan = [&](const char* code, bool ok) {
        host.on_dialog("PREVIEWSCANDLG", [code, ok](ui::Dialog& d) {
            d.user_types(100, code);
            ok ? d.user_presses_ok() : d.user_presses_cancel();
        });
        preview.read_code();
        return preview.screen().lines();
    };
    EXPECT_EQ(scan("4006381333932", true).back(), "Data is not found !!");
    EXPECT_EQ(scan("4006381333931", false).at(2), ">[_____________]");
    EXPECT_EQ(scan("4006381333931", true), (Lines{"Form 3 | PREVIEW", "EAN", "[4006381333931]",
                                                  "Qty", ">[___]", "Enter | Esc"}));
    EXPECT_EQ(host.file_dialogs().size(), 1u);

    // A changed design starts the walk again; off, the start screen shows.
    preview.design_changed();
    EXPECT_EQ(preview.screen().lines().front(), "Menu 1 | PREVIEW");
    preview.toggle();
    EXPECT_FALSE(preview.on());
    EXPECT_EQ(preview.screen().lines().front(), "Menu 1");
}

}  // namespace
}  // namespace tc::preview
