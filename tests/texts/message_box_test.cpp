#include "texts/message_box.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/headless_host.h"

namespace tc::texts {
namespace {

TEST(TextMessageBox, ShowsTheMessageTextUnderTheTitleTextOrNothing) {
    ProgramTexts texts;
    ui::HeadlessHost host;
    // The warnings' texts, titles and style are checked where the pages show them.
    EXPECT_EQ(text_message_box(texts, host, kTitleWarning, 2854, kWarningStyle), ui::kIdOk);
    ASSERT_EQ(host.messages().size(), 1u);

    host.answer_next_message(ui::kIdCancel);
    EXPECT_EQ(text_message_box(texts, host, kTitleError, 2651, kWarningStyle), ui::kIdCancel);
    EXPECT_EQ(host.messages()[1].title, "Error");
    EXPECT_EQ(host.messages()[1].text, "Save current program ?");

    host.clear_record();
    EXPECT_EQ(text_message_box(texts, host, kTitleWarning, 4999, kWarningStyle), 0);
    EXPECT_EQ(text_message_box(texts, host, 4999, 2651, kWarningStyle), 0);
    EXPECT_TRUE(host.messages().empty());

    texts.read_language_entries("Deutsch\r\n2602=Achtung\r\n4999=" + std::string(200, 'm') +
                                "\r\n");
    texts.set_language_active(true);
    EXPECT_EQ(text_message_box(texts, host, kTitleWarning, 4999, kWarningStyle), ui::kIdOk);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].title, "Achtung");
    EXPECT_EQ(host.messages()[0].text, std::string(160, 'm'));
}

}  // namespace
}  // namespace tc::texts
