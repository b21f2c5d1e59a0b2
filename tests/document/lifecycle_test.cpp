#include "document/lifecycle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>
#include <vector>

#include "document/document_test_support.h"
#include "document/test_files.h"
#include "ui/headless_host.h"

namespace tc {
namespace {

using Filters = std::vector<std::pair<std::string, std::string>>;

const std::pair<std::string, std::string> kDesignFilter{"Terminal Composer Files for 7350 (*.T73)",
                                                        "*.T73"};
const std::pair<std::string, std::string> kAllFilter{"All files (*.*)", "*.*"};

class Lifecycle : public ::testing::Test {
  protected:
    Lifecycle() {
        texts::fill_text_tables(texts_, doc_->device_texts);
        reset_design_document(*doc_, texts_);
    }

    std::size_t file_size(const std::string& name) const {
        return std::filesystem::file_size(folder_.path() / name);
    }

    test::TempFolder folder_;
    texts::ProgramTexts texts_;
    ui::HeadlessHost host_;
    std::vector<std::string> used_;
    FileContext context_{texts_, host_, [this](const std::string& path) { used_.push_back(path); }};
    std::unique_ptr<DesignDocument> doc_ = std::make_unique<DesignDocument>();
};

TEST_F(Lifecycle, SavePromptAsksWithProgramTextsAndSavesOnlyOnYes) {
    // The two texts follow the language; the file dialog's filter does not.
    texts_.read_language_entries("Deutsch\r\n0=Titel\r\n2651=Speichern ?\r\n21=Dateien\r\n");
    texts_.set_language_active(true);
    doc_->file_name = folder_.file("prompt.T73");

    host_.answer_next_message(ui::kIdNo);
    EXPECT_EQ(save_prompt(*doc_, context_), ui::kIdNo);
    host_.answer_next_message(ui::kIdCancel);
    EXPECT_EQ(save_prompt(*doc_, context_), ui::kIdCancel);
    EXPECT_FALSE(std::filesystem::exists(doc_->file_name));
    ASSERT_EQ(host_.messages().size(), 2u);
    EXPECT_EQ(host_.messages()[0].text, "Speichern ?");
    EXPECT_EQ(host_.messages()[0].title, "Titel");
    EXPECT_EQ(host_.messages()[0].style, ui::kMbYesNoCancel | ui::kMbIconQuestion);

    host_.answer_next_message(ui::kIdYes);
    EXPECT_EQ(save_prompt(*doc_, context_), ui::kIdYes);
    EXPECT_EQ(file_size("prompt.T73"), kDesignFileSize);
    EXPECT_EQ(used_, std::vector<std::string>{doc_->file_name});
    EXPECT_TRUE(host_.file_dialogs().empty());

    // Yes without a file name asks for one; a cancelled dialog still returns Yes.
    doc_->file_name.clear();
    host_.answer_next_message(ui::kIdYes);
    host_.answer_next_file_dialog(std::nullopt);
    EXPECT_EQ(save_prompt(*doc_, context_), ui::kIdYes);
    ASSERT_EQ(host_.file_dialogs().size(), 1u);
    EXPECT_TRUE(host_.file_dialogs()[0].save);
    EXPECT_EQ(host_.file_dialogs()[0].request.filters, Filters{kDesignFilter});
    EXPECT_TRUE(doc_->file_name.empty());
}

TEST_F(Lifecycle, SaveAsAsksForANameAndSavesThere) {
    doc_->file_name = folder_.file("old.T73");
    host_.answer_next_file_dialog(std::nullopt);
    EXPECT_FALSE(save_as(*doc_, context_));
    EXPECT_EQ(doc_->file_name, folder_.file("old.T73"));
    EXPECT_TRUE(folder_.entries().empty());

    ASSERT_EQ(host_.file_dialogs().size(), 1u);
    const ui::FileDialogRequest& request = host_.file_dialogs()[0].request;
    EXPECT_TRUE(host_.file_dialogs()[0].save);
    EXPECT_EQ(request.filters, Filters{kDesignFilter});
    EXPECT_EQ(request.initial_name, "");
    EXPECT_EQ(request.initial_folder, std::filesystem::current_path().string());
    EXPECT_EQ(request.default_extension, "T73");
    EXPECT_TRUE(request.confirm_overwrite);

    const std::string chosen = folder_.file("new.T73");
    host_.answer_next_file_dialog(chosen);
    EXPECT_TRUE(save_as(*doc_, context_));
    EXPECT_EQ(doc_->file_name, chosen);
    EXPECT_EQ(file_size("new.T73"), kDesignFileSize);
    EXPECT_EQ(used_, std::vector<std::string>{chosen});

    // With a name, Save asks nothing; without one it is Save As.
    host_.clear_record();
    EXPECT_TRUE(save_or_save_as(*doc_, context_));
    EXPECT_TRUE(host_.file_dialogs().empty());
    doc_->file_name.clear();
    EXPECT_FALSE(save_or_save_as(*doc_, context_));
    EXPECT_EQ(host_.file_dialogs().size(), 1u);
    EXPECT_EQ(used_.size(), 2u);
}

TEST_F(Lifecycle, OpenDialogStartsAtTheCurrentFileAndTakesItsNameOnlyWhenOpened) {
    ASSERT_TRUE(save_design_file(*doc_, folder_.file("good.T73"), context_));
    used_.clear();

    // Without a file name: an empty name in the current directory.
    host_.answer_next_file_dialog(std::nullopt);
    EXPECT_FALSE(open_dialog(*doc_, context_));
    ASSERT_EQ(host_.file_dialogs().size(), 1u);
    ui::FileDialogRequest request = host_.file_dialogs()[0].request;
    EXPECT_FALSE(host_.file_dialogs()[0].save);
    EXPECT_EQ(request.filters, (Filters{kDesignFilter, kAllFilter}));
    EXPECT_EQ(request.initial_name, "");
    EXPECT_EQ(request.initial_folder, std::filesystem::current_path().string());
    EXPECT_EQ(request.default_extension, "T73");
    EXPECT_FALSE(request.confirm_overwrite);

    // With one: its name in its folder. A backslash is part of a name on POSIX systems, not a
    // separator as on Windows.
    const std::string current = std::filesystem::current_path().string();
    std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"/data/designs/a.T73", "a.T73", "/data/designs"},
        {"/top.T73", "top.T73", "/"},
        {"bare.T73", "bare.T73", current}};
#ifndef _WIN32
    cases.emplace_back("/d/back\\slash.T73", "back\\slash.T73", "/d");
#endif
    for (const auto& [path, name, folder] : cases) {
        doc_->file_name = path;
        host_.clear_record();
        EXPECT_FALSE(open_dialog(*doc_, context_));
        EXPECT_EQ(host_.file_dialogs()[0].request.initial_name, name);
        EXPECT_EQ(host_.file_dialogs()[0].request.initial_folder, folder);
        EXPECT_EQ(doc_->file_name, path);
    }

    host_.answer_next_file_dialog(folder_.file("good.T73"));
    EXPECT_TRUE(open_dialog(*doc_, context_));
    EXPECT_EQ(doc_->file_name, folder_.file("good.T73"));
    EXPECT_EQ(used_, std::vector<std::string>{folder_.file("good.T73")});
}

}  // namespace
}  // namespace tc
