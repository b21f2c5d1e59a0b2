// A save that fails tells the user which file and why, and keeps the changes marked as unsaved.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/fault_test_support.h"
#include "document/test_files.h"
#include "shell/session.h"
#include "ui/headless_host.h"

namespace tc::shell {
namespace {

class SaveFailure : public ::testing::Test {
  protected:
    SaveFailure() {
        session_.start_up();
        std::filesystem::create_directory(taken_);
        store_text(session_.document().forms[0].prompt[0], "UNSAVED WORK");
        session_.document().modified = true;
    }

    const ui::HeadlessHost::ShownMessage& only_message() const {
        EXPECT_EQ(host_.messages().size(), 1u);
        return host_.messages().back();
    }

    test::TempFolder folder_;
    ui::HeadlessHost host_;
    Session session_{folder_.path(), host_};
    const std::string taken_ = folder_.file("taken.T73");  // a folder where the file should go
};

TEST_F(SaveFailure, SaveCommandsTellWhyAndKeepTheDesignUntilItIsSaved) {
    DesignDocument& doc = session_.document();
    doc.file_name = taken_;
    session_.command_save();
    EXPECT_EQ(only_message().text, test::cannot_save_message(taken_, EISDIR));
    EXPECT_EQ(only_message().title, "Error");
    EXPECT_EQ(only_message().style, 48u);
    EXPECT_TRUE(doc.modified);

    host_.clear_record();
    const std::string missing = folder_.file("missing/design.T73");
    host_.answer_next_file_dialog(missing);
    session_.command_save_as();
    EXPECT_EQ(only_message().text, test::cannot_save_message(missing, ENOENT));
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(slot_text(doc.forms[0].prompt[0]), "UNSAVED WORK");

    // Closing asks the save prompt; Cancel keeps the program open.
    host_.clear_record();
    host_.answer_next_message(ui::kIdCancel);
    EXPECT_FALSE(session_.request_close());
    EXPECT_EQ(only_message().text, "Save current program ?");

    // Yes tries again and tells again; the program stays open with the design, as on Cancel.
    host_.clear_record();
    host_.answer_next_message(ui::kIdYes);
    EXPECT_FALSE(session_.request_close());
    ASSERT_EQ(host_.messages().size(), 2u);
    EXPECT_EQ(host_.messages()[1].text, test::cannot_save_message(missing, ENOENT));
    EXPECT_TRUE(doc.modified);

    // The same for New and Open: the unsaved design stays.
    for (const auto& command : {&Session::command_new, &Session::command_open}) {
        host_.clear_record();
        host_.answer_next_message(ui::kIdYes);
        (session_.*command)();
        EXPECT_EQ(host_.messages().size(), 2u);
        EXPECT_TRUE(host_.file_dialogs().empty());
        EXPECT_TRUE(doc.modified);
        EXPECT_EQ(doc.file_name, missing);
        EXPECT_EQ(slot_text(doc.forms[0].prompt[0]), "UNSAVED WORK");
    }

    // A save that works lets closing go on.
    doc.file_name = folder_.file("design.T73");
    host_.clear_record();
    host_.answer_next_message(ui::kIdYes);
    EXPECT_TRUE(session_.request_close());
    EXPECT_EQ(std::filesystem::file_size(doc.file_name), kDesignFileSize);
}

TEST_F(SaveFailure, TranslatedMessageTakesThePathAndReasonOnlyWhereItAsks) {
    DesignDocument& doc = session_.document();
    doc.file_name = taken_;
    const std::string reason = std::generic_category().message(EISDIR);
    const std::string shown = ui::shown_file_name(taken_);
    texts::ProgramTexts& texts = session_.texts();
    texts.set_language_active(true);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Speichern von %s fehlgeschlagen (%s)",
         "Speichern von " + shown + " fehlgeschlagen (" + reason + ")"},
        // Anything else that looks like a placeholder stays as it is.
        {"%d %n %s %x %s %s %%s", "%d %n " + shown + " %x " + reason + " %s %%s"},
        {"No placeholder", "No placeholder"},
        {"Only %s", "Only " + shown}};
    for (const auto& [translated, message] : cases) {
        texts.read_language_entries("Lang\r\n2803=" + translated + "\r\n");
        host_.clear_record();
        session_.command_save();
        EXPECT_EQ(only_message().text, message);
        EXPECT_TRUE(doc.modified);
    }
}

}  // namespace
}  // namespace tc::shell
