#include "ui/headless_host.h"

#include <gtest/gtest.h>

namespace tc::ui {
namespace {

TEST(HeadlessHost, AnswersAsScriptedThenWithFirstButtonAndRecordsEverything) {
    HeadlessHost host;
    host.answer_next_message(kIdNo);
    EXPECT_EQ(host.message_box("Save current program ?", "TC", kMbYesNoCancel | kMbIconQuestion),
              kIdNo);
    EXPECT_EQ(host.message_box("again", "TC", kMbYesNoCancel), kIdYes);
    EXPECT_EQ(host.message_box("Invalid value!", "Warning", 48), kIdOk);
    ASSERT_EQ(host.messages().size(), 3u);
    EXPECT_EQ(host.messages()[0].text, "Save current program ?");
    EXPECT_EQ(host.messages()[2].title, "Warning");
    EXPECT_EQ(host.messages()[2].style, 48u);

    host.answer_next_file_dialog("/tmp/a.T73");
    FileDialogRequest request;
    request.default_extension = "T73";
    EXPECT_EQ(host.save_file_dialog(request), std::optional<std::string>("/tmp/a.T73"));
    EXPECT_EQ(host.open_file_dialog(request), std::nullopt);
    ASSERT_EQ(host.file_dialogs().size(), 2u);
    EXPECT_TRUE(host.file_dialogs()[0].save);
    EXPECT_FALSE(host.file_dialogs()[1].save);
}

}  // namespace
}  // namespace tc::ui
