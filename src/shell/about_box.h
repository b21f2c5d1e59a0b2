#pragma once

#include <string>
#include <string_view>

#include "ui/dialog.h"

namespace tc::shell {

// The program version that the About box names.
inline constexpr std::string_view kProgramVersion = TC_VERSION;

// The first line of the About box: texts 52 and 53 and the version, as "%s (%s %s)".
std::string about_first_line();

// The About box ABOUTBOX: the program icon, two lines and OK, all texts from the built-in table
// whatever the language.
class AboutBox : public ui::Dialog {
  public:
    AboutBox();
    void paint_area(int id, ui::Painter& painter, ui::Rect area) const override;

  protected:
    void on_created() override;
};

}  // namespace tc::shell
