#pragma once

#include <array>
#include <string>

#include "app/t73/design_check.h"

namespace tc::t73 {

// Which screens and Lookups of a design take part in the application, each with the reason, in
// words; an empty reason means not in use.
//
// A Form is in use when a line of it is not "nil"; a Menu when an item of it has a name. Either
// is also in use when it is the start screen, or when a screen in use leads to it: a named Menu
// item or a Menu's Esc, a Form's Esc or Next. A Lookup is in use when it has fields or a Form in
// use reads it.
struct DesignUse {
    std::array<std::string, kFormCount> forms;
    std::array<std::string, kMenuCount> menus;
    std::array<std::string, kLookupCount> lookups;
};

DesignUse find_design_use(const DesignRecords& records);

// "main", "Form n" or "Menu n" for a screen code; other codes as "screen code n".
std::string screen_name(Byte code);

}  // namespace tc::t73
