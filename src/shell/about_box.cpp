#include "shell/about_box.h"

#include "resources/shell_layouts.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc::shell {
namespace {

namespace ids = resources::about_ids;

constexpr int kTextTitle = 51;
constexpr int kTextSeries = 52;
constexpr int kTextProgram = 53;
constexpr int kTextNotice = 54;
constexpr int kTextOk = 55;

std::string builtin(int id) {
    return std::string(texts::builtin_text(id));
}

}  // namespace

std::string about_first_line() {
    return builtin(kTextSeries) + " (" + builtin(kTextProgram) + " " +
           std::string(kProgramVersion) + ")";
}

AboutBox::AboutBox() : ui::Dialog(resources::about_box_layout()) {}

void AboutBox::on_created() {
    set_title(builtin(kTextTitle));
    set_text(ids::kFirstLine, about_first_line());
    set_text(ids::kSecondLine, builtin(kTextNotice));
    set_text(ui::kIdOk, builtin(kTextOk));
}

}  // namespace tc::shell
