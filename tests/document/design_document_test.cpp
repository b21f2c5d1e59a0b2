#include "document/design_document.h"

#include <gtest/gtest.h>

#include <memory>

#include "document/document_test_support.h"

namespace tc {
namespace {

using test::raw;

TEST(DesignDocument, ResetMakesANewDesignAndKeepsNameTextsAndLookupCopy) {
    const texts::ProgramTexts texts;
    auto doc = std::make_unique<DesignDocument>();
    test::fill_document(*doc, 7);
    doc->file_name = "kept.T73";
    doc->modified = true;
    doc->rfid = true;
    doc->reader_states = ReaderStates{2, 2};
    const auto before = std::make_unique<DesignDocument>(*doc);

    reset_design_document(*doc, texts);

    // Every record as its own reset leaves it, each given its position.
    const auto expected = std::make_unique<DesignDocument>(*before);
    for (int i = 0; i < 20; ++i) reset_form(expected->forms[i], i, texts);
    for (int i = 0; i < 10; ++i) reset_menu(expected->menus[i], i);
    for (int i = 0; i < 5; ++i) reset_lookup(expected->lookups[i], i, texts);
    reset_reader_settings(expected->reader);
    reset_system_settings(expected->system, texts);
    EXPECT_EQ(raw(doc->forms), raw(expected->forms));
    EXPECT_EQ(raw(doc->menus), raw(expected->menus));
    EXPECT_EQ(raw(doc->lookups), raw(expected->lookups));
    EXPECT_EQ(raw(doc->reader), raw(expected->reader));
    EXPECT_EQ(raw(doc->system), raw(expected->system));

    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_EQ(raw(doc->forms[i].reserved_4130), raw(before->forms[i].reserved_4130));
    }

    // The program-wide values: the reader states are cleared, not derived from the new record.
    EXPECT_FALSE(doc->modified);
    EXPECT_FALSE(doc->rfid);
    EXPECT_EQ(doc->reader_states.one_d, 0);
    EXPECT_EQ(doc->reader_states.two_d, 0);
    EXPECT_EQ(raw(doc->reader_working), raw(doc->reader));

    EXPECT_EQ(doc->file_name, "kept.T73");
    EXPECT_EQ(raw(doc->device_texts), raw(before->device_texts));
    EXPECT_EQ(raw(doc->lookups_working), raw(before->lookups_working));
}

TEST(DesignDocument, ReaderWorkingCopyTakesTheRecordAndItsFlags) {
    auto doc = std::make_unique<DesignDocument>();
    test::fill_pattern(doc->reader, 1);
    test::fill_pattern(doc->reader_working, 2);
    for (const auto& [type, rfid, one_d, two_d] :
         {std::tuple{Byte{0x01}, Byte{0}, 2, 0}, std::tuple{Byte{0x40}, Byte{1}, 0, 2},
          std::tuple{Byte{0x02}, Byte{0x80}, 1, 0}, std::tuple{Byte{0x00}, Byte{0}, 0, 0}}) {
        doc->reader[404] = type;
        doc->reader[736] = rfid;
        load_reader_working_copy(*doc);
        EXPECT_EQ(raw(doc->reader_working), raw(doc->reader));
        EXPECT_EQ(doc->rfid, rfid != 0);
        EXPECT_EQ(doc->reader_states.one_d, one_d) << int{type};
        EXPECT_EQ(doc->reader_states.two_d, two_d) << int{type};
    }
}

}  // namespace
}  // namespace tc
