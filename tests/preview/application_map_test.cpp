#include "preview/application_map.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "document/design_document.h"
#include "texts/text_slot.h"

namespace tc::preview {
namespace {

// Menu 1 starts: "Count" leads to Form 2, "Spare" to Form 5 whose lines are all nil. Form 7 has a
// line, but no screen leads to it.
TEST(ApplicationMap, DrawsEveryLinkAndMarksUnreachedScreensAndLinksToUnusedOnes) {
    const texts::ProgramTexts texts;
    auto doc = std::make_unique<DesignDocument>();
    reset_design_document(*doc, texts);
    doc->system.start_screen = 1;
    store_text(doc->menus[0].item_name[0], "Count");
    doc->menus[0].item_target[0] = 2;
    store_text(doc->menus[0].item_name[2], "Spare");
    doc->menus[0].item_target[2] = 5;
    doc->forms[1].data_type[0] = kTypeText;
    doc->forms[1].esc_target = 21;
    doc->forms[6].data_type[0] = kTypeInteger;

    const ApplicationMap map = application_map(doc->forms, doc->menus, doc->system);

    using Node = std::tuple<std::string, bool, bool, bool>;  // name, start, reachable, unused
    std::set<Node> nodes;
    for (const MapNode& node : map.nodes) {
        nodes.insert({node.name, node.start, node.reachable, node.unused});
    }
    EXPECT_EQ(nodes, (std::set<Node>{{"main", false, true, false},
                                     {"Menu 1", true, true, false},
                                     {"Form 2", false, true, false},
                                     {"Form 5", false, true, true},
                                     {"Form 7", false, false, false}}));

    using Link = std::tuple<std::string, std::string, std::string, bool>;  // from, to, text, unused
    std::set<Link> links;
    for (const MapLink& link : map.links) {
        links.insert(
            {map.nodes[link.from].name, map.nodes[link.to].name, link.text, link.to_unused});
    }
    EXPECT_EQ(links, (std::set<Link>{{"main", "Menu 1", "Run", false},
                                     {"Menu 1", "main", "Esc", false},
                                     {"Menu 1", "Form 2", "1. Count", false},
                                     {"Menu 1", "Form 5", "2. Spare", true},
                                     {"Form 2", "Menu 1", "Esc", false},
                                     {"Form 2", "Form 2", "Next", false},
                                     {"Form 5", "main", "Esc", false},
                                     {"Form 5", "Form 5", "Next", true},
                                     {"Form 7", "main", "Esc", false},
                                     {"Form 7", "Form 7", "Next", false}}));
}

}  // namespace
}  // namespace tc::preview
