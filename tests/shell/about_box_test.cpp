#include "shell/about_box.h"

#include <gtest/gtest.h>

#include "resources/shell_layouts.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::shell {
namespace {

namespace ids = resources::about_ids;
using texts::builtin_text;

TEST(AboutBox, ShowsTheBuiltInTextsAndTheVersionAndClosesWithOkOrEsc) {
    ui::HeadlessHost host;
    host.on_dialog("ABOUTBOX", [](ui::Dialog& box) {
        EXPECT_EQ(box.title(), builtin_text(51));
        // "%s (%s %s)" of texts 52, 53 and the version.
        EXPECT_EQ(box.text(ids::kFirstLine), std::string(builtin_text(52)) + " (" +
                                                 std::string(builtin_text(53)) + " 1.0.1.0)");
        EXPECT_EQ(box.text(ids::kSecondLine), builtin_text(54));
        EXPECT_EQ(box.text(ui::kIdOk), builtin_text(55));
        box.user_clicks(ui::kIdOk);
    });
    AboutBox box;
    EXPECT_EQ(host.run_modal(box), ui::kIdOk);

    host.on_dialog("ABOUTBOX", [](ui::Dialog& esc) { esc.user_presses_cancel(); });
    AboutBox again;
    EXPECT_EQ(host.run_modal(again), ui::kIdCancel);
}

}  // namespace
}  // namespace tc::shell
