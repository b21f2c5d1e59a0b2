#include "ui/wx/text_conversion.h"

#include <gtest/gtest.h>

namespace tc::ui::wx {
namespace {

TEST(WxTextConversion, Windows1252BytesShowAsTheirCharactersAndComeBackUnchanged) {
    // Characters of the upper half that Windows-1252 places where Latin-1 has control codes.
    EXPECT_EQ(to_display("\x80"), wxString(wchar_t{0x20AC}));
    EXPECT_EQ(to_display("\x93"
                         "A\x94"),
              wxString(L"\u201CA\u201D"));
    EXPECT_EQ(to_display("caf\xE9"), wxString(L"caf\u00E9"));
    EXPECT_EQ(from_display(wxString(L"\u20AC 5")), "\x80 5");
    EXPECT_EQ(from_display(wxString(L"\u00FC")), "\xFC");

    // Every byte value survives, also the five that Windows-1252 leaves undefined, alone or in a
    // text with others.
    std::string all;
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(from_display(to_display(one)), one) << "byte " << b;
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(to_display(all).length(), all.size());
    EXPECT_EQ(from_display(to_display(all)), all);

    // What Windows-1252 cannot hold becomes '?', the rest of the text stays.
    EXPECT_EQ(from_display(wxString(L"a\u4E2Db")), "a?b");
    EXPECT_EQ(to_display(""), wxString());
    EXPECT_EQ(from_display(wxString()), "");
}

}  // namespace
}  // namespace tc::ui::wx
