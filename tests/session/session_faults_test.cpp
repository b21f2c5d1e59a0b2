// Short sessions that once ended in bytes the user never saw, in a design the checker rejects, or
// in a lost value; each acts as a person does on the headless host.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/t73_test_support.h"
#include "lookups/lookup_page.h"
#include "reader/barcode_page_values.h"
#include "reader/symbology_dialogs.h"
#include "reader/symbology_members.h"
#include "resources/barcode_page_layout.h"
#include "resources/form_dialog_layouts.h"
#include "resources/form_page_layout.h"
#include "session/random_user.h"
#include "settings/settings_page.h"

namespace tc::session_test {
namespace {

namespace form_ids = resources::form_page_ids;
namespace barcode_ids = resources::barcode_page_ids;
using Sheet = ui::PropertySheet;

constexpr std::size_t kFormPage = 0;
constexpr std::size_t kLookupPage = 2;
constexpr std::size_t kBarcodePage = 3;
constexpr std::size_t kSettingsPage = 4;
constexpr int kWarningText = 2854;  // "Invalid value!"

class SessionFaults : public testing::Test {
  protected:
    SessionFaults() { session.start_up(); }

    DesignDocument& doc() { return session.document(); }
    FormRecord& form() { return doc().forms[0]; }

    void set_reader(Byte type_bits) {
        doc().reader[reader::kReaderTypeBits] = type_bits;
        load_reader_working_copy(doc());
    }

    // One opening of the editor sheet with `script` as the user.
    void sheet(std::function<void(Sheet&)> script) {
        host.on_sheet(std::move(script));
        shell::open_editor_sheet(session);
    }
    static ui::Page& page(Sheet& s, std::size_t index) {
        s.show_page(index);
        return *s.page(index);
    }

    // What the checker finds in the design as Save writes it.
    std::vector<std::string> problems() {
        const std::string path = dir.file("check.T73");
        EXPECT_TRUE(save_design_file(doc(), path, session.file_context()));
        return design_problems(file_bytes(path));
    }
    std::size_t warnings() const {
        std::size_t count = 0;
        for (const auto& m : host.messages())
            count += m.text == texts::builtin_text(kWarningText) ? 1 : 0;
        return count;
    }

    t73::test::TempDir dir;
    ui::HeadlessHost host;
    shell::Session session{dir.path(), host};
};

TEST_F(SessionFaults, ACancelledReaderChoiceDoesNotReachTheNextSheet) {
    set_reader(reader::kType2D);
    form().data_type[0] = kTypeLargeData;
    sheet([](Sheet& s) {
        page(s, kBarcodePage).user_chooses(barcode_ids::kReaderList, 1);
        s.user_presses_cancel();
    });
    sheet([](Sheet& s) { s.user_presses_ok(); });
    EXPECT_EQ(form().data_type[0], kTypeLargeData);
    EXPECT_EQ(doc().reader_working[reader::kReaderTypeBits], reader::kType2D);
}

// A list byte without an item (a damaged file) shows no item and is kept; "None" keeps every
// reader-specific byte.
TEST_F(SessionFaults, BarcodeListsKeepBytesThatHaveNoItem) {
    struct Case {
        std::size_t byte;
        Byte value;
        int list;
    };
    const Case cases[] = {{78, 2, barcode_ids::kScanModeList},
                          {80, 9, barcode_ids::kReadRedundancyList},
                          {352, 12, barcode_ids::kGoodReadList},
                          {385, 0, barcode_ids::kFrequencyList}};
    set_reader(reader::kType1D);
    for (const Case& c : cases) doc().reader[c.byte] = c.value;
    load_reader_working_copy(doc());
    sheet([&](Sheet& s) {
        ui::Page& barcode = page(s, kBarcodePage);
        for (const Case& c : cases) EXPECT_EQ(barcode.selection(c.list), -1) << c.byte;
        s.user_presses_ok();
    });
    for (const Case& c : cases) EXPECT_EQ(doc().reader[c.byte], c.value) << c.byte;

    const ReaderSettingsRecord before = doc().reader;
    sheet([](Sheet& s) {
        page(s, kBarcodePage).user_chooses(barcode_ids::kReaderList, 0);
        s.user_presses_ok();
    });
    ReaderSettingsRecord expected = before;
    expected[reader::kReaderTypeBits] = 0;
    EXPECT_EQ(doc().reader.bytes, expected.bytes);
}

// Reader-type bits that mix readers (a damaged file) show the reader the page is laid out for, and
// OK stores that reader; a decode time-out out of its range shows the value OK stores.
TEST_F(SessionFaults, TheBarcodePageShowsTheReaderAndTimeOutThatOkStores) {
    struct Case {
        Byte bits;
        int item;
        Byte stored;
    };
    const Case cases[] = {{0xC4, 1, reader::kType1D},
                          {0x04, 2, reader::kType2D},
                          {0x80, 1, reader::kType1D},
                          {0x42, 2, reader::kType2D}};
    for (const Case& c : cases) {
        doc().reader[barcode_values::kDecodeTimeOut2D] = 253;
        set_reader(c.bits);
        sheet([&](Sheet& s) {
            ui::Page& barcode = page(s, kBarcodePage);
            EXPECT_EQ(barcode.selection(barcode_ids::kReaderList), c.item) << int{c.bits};
            if (c.item == 2) {
                EXPECT_EQ(barcode.text(barcode_ids::kDecodeTimeOutEdit), "99");
            }
            s.user_presses_ok();
        });
        EXPECT_EQ(doc().reader[reader::kReaderTypeBits], c.stored) << int{c.bits};
    }
}

// What a type change leaves in a line: only what the new type may hold, and the lengths the row
// shows.
TEST_F(SessionFaults, ATypeChangeKeepsOnlyWhatTheNewTypeHolds) {
    set_reader(reader::kType2D);
    FormRecord& f = form();
    // Line 1 "large data" of 500 with a fixed length of 500 and a partial start of 300.
    f.data_type[0] = kTypeLargeData;
    f.max_length_high[0] = f.fixed_length_high[0] = 3;
    f.max_length_low[0] = f.fixed_length_low[0] = 20;
    f.fixed_length_on[0] = 1;
    f.partial_start_high[0] = 1;
    f.partial_start_low[0] = 140;
    // Line 2 "image" with its file path flags and a long initial path.
    f.data_type[1] = kTypeImage;
    f.edit_file_path[1] = f.save_file_path[1] = f.check_file_path[1] = 1;
    f.fixed_length_low[1] = 255;
    f.initial_on[1] = 1;
    store_text(f.initial_text[1], std::string(100, 'p'));
    sheet([](Sheet& s) {
        ui::Page& forms = page(s, kFormPage);
        for (const int row : {0, 1}) forms.user_chooses(form_ids::data_type_list(row), kTypeText);
        forms.user_chooses(form_ids::data_type_list(2), kTypeBoolean);
        forms.user_chooses(form_ids::data_type_list(2), kTypeInteger);
        for (const int row : {0, 1, 2}) {
            EXPECT_EQ(forms.text(form_ids::min_length_edit(row)), "0");
            EXPECT_EQ(forms.text(form_ids::max_length_edit(row)), "160");
        }
        s.user_presses_ok();
    });
    EXPECT_EQ(f.max_length_high[0], 0);
    EXPECT_EQ(f.fixed_length_high[0], 0);
    EXPECT_EQ(f.fixed_length_low[0], 160);
    EXPECT_EQ(f.partial_start_high[0] * 160 + f.partial_start_low[0], 160);
    EXPECT_EQ(f.edit_file_path[1] + f.save_file_path[1] + f.check_file_path[1], 0);
    EXPECT_EQ(f.fixed_length_low[1], 160);
    EXPECT_EQ(slot_text(f.initial_text[1]).size(), 10U);
    EXPECT_EQ(f.min_length[2], 0);
    EXPECT_EQ(f.max_length_low[2], 160);
    EXPECT_TRUE(problems().empty());
}

// A Form page control shows what confirming stores, and a new sheet on the result shows the same.
TEST_F(SessionFaults, FormControlsShowWhatIsStored) {
    struct Case {
        const char* what;
        std::function<void(DesignDocument&)> set;
        std::function<void(Sheet&)> act;
        int control;
        bool enabled;
        std::string shown;
    };
    const auto on_form_page = [](auto act) { return [act](Sheet& s) { act(page(s, kFormPage)); }; };
    const auto click_in = [this](const char* dialog, int check, int button) {
        return [this, dialog, check, button](Sheet& s) {
            host.on_dialog(dialog, [check](ui::Dialog& d) {
                d.user_clicks(check);
                d.user_presses_ok();
            });
            page(s, kFormPage).user_clicks(button);
        };
    };
    const Case cases[] = {
        {"key field under update lookup", [](DesignDocument&) {}, on_form_page([](ui::Page& forms) {
             forms.user_chooses(form_ids::kKeyFieldList, 7);
             forms.user_chooses(form_ids::kRecordList, 1);
         }),
         form_ids::kKeyFieldList, false, "none"},
        {"MSQI row after a lookup file is chosen",
         [](DesignDocument& d) { d.forms[0].msqi_enabled = 1; },
         on_form_page([](ui::Page& forms) { forms.user_chooses(form_ids::kLookupList, 1); }),
         form_ids::data_type_list(2), true, "nil"},
        {"image lengths without Edit file path",
         [](DesignDocument& d) {
             d.forms[0].data_type[0] = kTypeImage;
             d.forms[0].edit_file_path[0] = d.forms[0].save_file_path[0] = 1;
             d.forms[0].min_length[0] = 160;
         },
         click_in("IMAGEPROPERTIESDLG", resources::image_properties_ids::kEditPathCheck,
                  form_ids::more_button(0)),
         form_ids::min_length_edit(0), false, "0"},
        {"a boolean line made the MSQI text line",
         [](DesignDocument& d) { d.forms[0].data_type[0] = kTypeBoolean; },
         click_in("ADVANCEDLG", resources::advanced_ids::kMsqiCheck, form_ids::kAdvancedButton),
         form_ids::max_length_edit(0), true, "160"},
        {"line 1 after MSQI on a damaged Lookup's key field",
         [](DesignDocument& d) {
             d.lookups[0].field_count = 2;
             d.lookups[0].key_field = 35;
             d.forms[0].lookup_file = 1;
             d.forms[0].msqi_enabled = 1;
         },
         click_in("ADVANCEDLG", resources::advanced_ids::kMsqiCheck, form_ids::kAdvancedButton),
         form_ids::link_list(0), true, "field 12"},
        {"a large data line when the reader is taken away",
         [](DesignDocument& d) { d.forms[0].data_type[0] = kTypeLargeData; },
         [](Sheet& s) {
             page(s, kFormPage);
             page(s, kBarcodePage).user_chooses(barcode_ids::kReaderList, 0);
         },
         form_ids::data_type_list(0), true, "nil"},
    };
    const DesignDocument fresh = doc();
    for (const Case& c : cases) {
        doc().forms = fresh.forms;
        doc().lookups = fresh.lookups;
        c.set(doc());
        doc().lookups_working = doc().lookups;
        set_reader(reader::kType2D);
        PageView left;
        sheet([&](Sheet& s) {
            c.act(s);
            const ui::Page& forms = *s.page(kFormPage);
            EXPECT_EQ(forms.enabled(c.control), c.enabled) << c.what;
            const ui::Control& control = forms.control(c.control);
            EXPECT_EQ(control.selection < 0 ? control.text : control.items[control.selection],
                      c.shown)
                << c.what;
            left = view_of(kFormPage, forms);
            s.user_presses_ok();
        });
        sheet([&](Sheet& s) {
            EXPECT_EQ(view_of(kFormPage, page(s, kFormPage)).controls, left.controls) << c.what;
        });
    }
}

TEST_F(SessionFaults, ALargeDataLineDroppedByA1DReaderKeepsNoHighBytes) {
    set_reader(reader::kType1D);
    form().data_type[0] = kTypeLargeData;
    form().fixed_length_high[0] = 3;
    sheet([](Sheet& s) { s.user_presses_ok(); });
    EXPECT_EQ(form().data_type[0], kTypeNil);
    EXPECT_EQ(form().fixed_length_high[0], 0);
    EXPECT_TRUE(problems().empty());
}

TEST_F(SessionFaults, AnImageCaptureTickSurvivesAVisitToAnotherPage) {
    set_reader(reader::kType2D);
    doc().reader[reader::kImageCapture] = 1;
    load_reader_working_copy(doc());
    sheet([](Sheet& s) {
        page(s, kSettingsPage).user_clicks(SettingsPage::kImageCaptureCheck);
        page(s, kFormPage);
        EXPECT_TRUE(page(s, kSettingsPage).checked(SettingsPage::kImageCaptureCheck));
        s.user_presses_ok();
    });
    EXPECT_EQ(doc().system.security_image_capture, 1);
}

// Reader-type bits of the second 2D kind (a damaged file) are stored as the 2D reader once the
// Barcode page is open; until then they stay, and saving drops image capture without the 2D bit.
TEST_F(SessionFaults, ImageCaptureFollowsTheReaderThatOkStores) {
    doc().reader[reader::kImageCapture] = 1;
    set_reader(0x1C);
    sheet([](Sheet& s) {
        EXPECT_FALSE(page(s, kSettingsPage).enabled(SettingsPage::kImageCaptureCheck));
        page(s, kBarcodePage);
        ui::Page& settings = page(s, kSettingsPage);
        EXPECT_TRUE(settings.enabled(SettingsPage::kImageCaptureCheck));
        settings.user_clicks(SettingsPage::kImageCaptureCheck);
        s.user_presses_ok();
    });
    EXPECT_EQ(doc().reader[reader::kReaderTypeBits], reader::kType2D);
    EXPECT_EQ(doc().system.security_image_capture, 1);
    EXPECT_TRUE(problems().empty());
}

// A carriage return never becomes a delimiter: typed or pasted it is refused with one warning and
// the previous value stays; read from a file it becomes 0 after one warning.
TEST_F(SessionFaults, CarriageReturnsAreNeverDelimiters) {
    doc().system.data_delimiter_1 = ',';
    sheet([](Sheet& s) {
        page(s, kSettingsPage).user_types(SettingsPage::text_edit(1), "\r");
        EXPECT_EQ(s.page(kSettingsPage)->text(SettingsPage::text_edit(1)), ",");
        s.user_presses_ok();
    });
    EXPECT_EQ(doc().system.data_delimiter_1, ',');
    EXPECT_EQ(warnings(), 1U);

    doc().system.data_delimiter_1 = 13;
    doc().lookups[2].delimiter = 13;
    sheet([](Sheet& s) {
        page(s, kSettingsPage);
        page(s, kLookupPage);
        s.user_presses_ok();
    });
    EXPECT_EQ(doc().system.data_delimiter_1, 0);
    EXPECT_EQ(doc().lookups[2].delimiter, 0);
    EXPECT_EQ(warnings(), 3U);
    EXPECT_TRUE(problems().empty());
}

TEST_F(SessionFaults, TheElrReaderHasNoBooklandOrCheckAlgorithmRule) {
    doc().reader[105] = 0;  // EAN-13 off: Bookland EAN is disabled when the page loads
    doc().reader[158] = 0;  // MSI "Check Digits :" shows "One Check Digit"
    doc().reader[154] = 1;  // MSI on
    set_reader(reader::kTypeElr);
    bool algorithm_enabled = false;
    host.on_dialog("MSIDLG_1D_ELR", [&](ui::Dialog& d) {
        algorithm_enabled = d.enabled(symbology::control_id(3, symbology::kMain));
    });
    sheet([](Sheet& s) {
        ui::Page& barcode = page(s, kBarcodePage);
        EXPECT_FALSE(barcode.enabled(barcode_ids::slot_check(6)));
        barcode.user_clicks(barcode_ids::slot_check(5));
        EXPECT_FALSE(barcode.enabled(barcode_ids::slot_check(6)));
        barcode.user_clicks(barcode_ids::slot_more(19));
    });
    EXPECT_TRUE(algorithm_enabled);
}

// Each member takes its title and captions from its own block of texts, one after the other.
TEST_F(SessionFaults, EverySymbologyDialogIsRelabelledFromItsTextBlock) {
    struct Case {
        const char* member;
        int first_text;
        std::size_t byte;  // a control of the member and the text it takes
        int part;
        int text;
    };
    const Case cases[] = {
        {"CODE39DLG_1D", 651, 5, symbology::kMain, 655},
        {"INTERLEAVE25DLG_1D", 701, 19, symbology::kMain, 706},
        {"INTERLEAVE25DLG_1D", 701, 21, symbology::kFirstChoice + 1, 710},
        {"MSIDLG_2D", 1101, 256, symbology::kLabel, 1105},
        {"EAN128DLG_1D_ELR", 1031, 728, symbology::kLabel, 1032},
        {"MSIDLG_1D_ELR", 961, 159, symbology::kMain, 964},
    };
    std::string language = "Test\r\n";
    for (const Case& c : cases) {
        for (int id = c.first_text; id <= c.text; ++id) {
            language += std::to_string(id) + "=T" + std::to_string(id) + "\r\n";
        }
    }
    language += "712=Abbrechen\r\n";
    session.texts().read_language_entries(language);
    session.texts().set_language_active(true);
    SymbologyContext context{doc().reader_working, session.texts(), host, nullptr, {}};
    for (const Case& c : cases) {
        host.on_dialog(c.member, [&](ui::Dialog& d) {
            const symbology::Member& m = *symbology::find_member(c.member);
            EXPECT_EQ(d.title(), "T" + std::to_string(c.first_text)) << c.member;
            const auto index = *symbology::binding_of(m, c.byte);
            EXPECT_EQ(d.text(symbology::control_id(index, c.part)), "T" + std::to_string(c.text))
                << c.member;
            if (c.first_text == 701) {
                EXPECT_EQ(d.text(ui::kIdCancel), "Abbrechen");
            }
        });
        run_symbology_dialog(c.member, context);
    }
}

}  // namespace
}  // namespace tc::session_test
