#include "ui/wx/file_dialog_request.h"

#include <gtest/gtest.h>

namespace tc::ui::wx {
namespace {

TEST(WxFileDialogRequest, FiltersBecomeAWildcardAndTheDefaultExtensionIsAddedWhenMissing) {
    FileDialogRequest request;
    request.filters = {{"Terminal Composer Files for 7350 (*.T73)", "*.T73"},
                       {"All files (*.*)", "*.*"}};
    EXPECT_EQ(file_wildcard(request),
              "Terminal Composer Files for 7350 (*.T73)|*.T73|All files (*.*)|*.*");
    request.filters = {{"Fichiers \xE9t\xE9", "*.T73"}};
    EXPECT_EQ(file_wildcard(request), wxString(L"Fichiers \u00E9t\u00E9|*.T73"));

    EXPECT_EQ(with_default_extension("/tmp/design", "T73"), "/tmp/design.T73");
    EXPECT_EQ(with_default_extension("/tmp/design.T73", "T73"), "/tmp/design.T73");
    EXPECT_EQ(with_default_extension("/tmp/design.bak", "T73"), "/tmp/design.bak");
    // A dot in a folder name is not the file's extension.
    EXPECT_EQ(with_default_extension("/tmp/v1.2/design", "T73"), "/tmp/v1.2/design.T73");
    EXPECT_EQ(with_default_extension("design", "T73"), "design.T73");
    EXPECT_EQ(with_default_extension("/tmp/design", ""), "/tmp/design");
}

}  // namespace
}  // namespace tc::ui::wx
