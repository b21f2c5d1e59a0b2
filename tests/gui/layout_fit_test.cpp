#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menuitem.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "reader/symbology_members.h"
#include "resources/barcode_page_layout.h"
#include "resources/form_dialog_layouts.h"
#include "resources/form_page_layout.h"
#include "resources/menu_lookup_settings_layouts.h"
#include "resources/reader_dialog_layouts.h"
#include "resources/shell_layouts.h"
#include "resources/symbology_layouts.h"
#include "texts/program_texts.h"
#include "ui/wx/dialog_font.h"
#include "ui/wx/dialog_widgets.h"
#include "ui/wx/text_conversion.h"
#include "ui/wx/wx_host.h"

namespace tc::ui::wx {
namespace {

std::vector<const DialogTemplate*> every_layout() {
    std::vector<const DialogTemplate*> layouts{&resources::form_page_layout(),
                                               &resources::menu_page_layout(),
                                               &resources::lookup_page_layout(),
                                               &resources::barcode_page_layout(),
                                               &resources::settings_page_layout(),
                                               &resources::properties_dialog_layout(),
                                               &resources::lookup_properties_dialog_layout(),
                                               &resources::image_properties_dialog_layout(),
                                               &resources::time_stamp_dialog_layout(),
                                               &resources::advanced_dialog_layout(),
                                               &resources::coupon_setting_layout(),
                                               &resources::coupon_content_layout(),
                                               &resources::coupon_note_layout(),
                                               &resources::rfid_dialog_layout(),
                                               &resources::image_capture_layout(),
                                               &resources::preferences_dialog_layout(),
                                               &resources::about_box_layout(),
                                               &resources::code_picker_layout()};
    for (const symbology::Member& member : symbology::members()) {
        layouts.push_back(&resources::symbology_layout(member));
    }
    return layouts;
}

int width_needed(const Control& c, wxWindow& widget) {  // as the toolkit measures it
    if (c.kind == ControlKind::Edit || c.kind == ControlKind::CodeField) return 0;  // no caption
    int text_width = 0;
    widget.GetTextExtent(wxStripMenuCodes(to_display(c.text), wxStrip_Mnemonics), &text_width,
                         nullptr);
    switch (c.kind) {
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return widget.GetBestSize().x;
        case ControlKind::Button: {
            wxButton exact(widget.GetParent(), wxID_ANY, to_display(c.text), wxDefaultPosition,
                           wxDefaultSize, wxBU_EXACTFIT);
            return exact.GetBestSize().x;
        }
        case ControlKind::GroupBox:
            return text_width + widget.FromDIP(12);  // the frame's corner before the caption
        default:
            return text_width;
    }
}

// Every page and dialog, built on the wx host with the built-in texts and with every language file
// that ships, in the text size this process runs with (CTest runs it at 100 % and at 125 %):
// no caption is wider than its control, no control leaves its window.
TEST(LayoutFit, EveryCaptionFitsItsControlInEveryLanguage) {
    const char* folder = std::getenv("TC_LANGUAGE_DIR");
    ASSERT_NE(folder, nullptr) << "TC_LANGUAGE_DIR names the folder of the shipped language files";
    std::vector<std::string> languages{"0"};
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        if (file.path().extension() == ".lng") languages.push_back(file.path().stem().string());
    }
    ASSERT_GE(languages.size(), 2u);
    WxHost host;
    for (const std::string& language : languages) {
        texts::ProgramTexts texts;
        texts.start_languages(folder, language);
        const TextSource source = [&texts](int id) { return texts.load_program_text(id); };
        for (const DialogTemplate* layout : every_layout()) {
            Dialog dialog(*layout);
            dialog.create(host, source);
            wxDialog window(nullptr, wxID_ANY, "fit");  // as the dialogs and the sheet are
            window.SetFont(dialog_font());
            DialogWidgets widgets(dialog, window, [] {});
            window.SetClientSize(widgets.scale().size(layout->width, layout->height));
            const wxRect inside(window.GetClientSize());
            for (const Control& c : dialog.controls()) {
                wxWindow* widget = widgets.widget(c.id);
                const std::string where = language + " " + std::string(layout->name) + " control " +
                                          std::to_string(c.id) + " \"" + c.text + "\"";
                EXPECT_TRUE(inside.Contains(widget->GetRect())) << where << " leaves its window";
                EXPECT_LE(width_needed(c, *widget), widget->GetSize().x) << where;
            }
            widgets.detach();
        }
    }
}

}  // namespace
}  // namespace tc::ui::wx
