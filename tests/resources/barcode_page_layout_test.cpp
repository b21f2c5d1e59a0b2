#include "resources/barcode_page_layout.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/design_document.h"
#include "reader/barcode_page.h"
#include "resources/layout_checks.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::resources {
namespace {

namespace ids = barcode_page_ids;

// The Barcode page shares its places among the controls of the three reader modes, so its layout
// is tidy only as each mode shows it: the controls one mode shows lie on the page, inside their
// groups and clear of each other.
TEST(BarcodePageLayout, EachReaderModeShowsATidyPage) {
    struct Mode {
        Byte reader_bits;
        ReaderMode mode;
        int shown;  // a control that only this mode shows
    };
    const Mode modes[] = {
        {0, ReaderMode::None, ids::kNegativeCheck},
        {reader::kType1D, ReaderMode::OneD, ids::kReadRedundancyList},
        {reader::kType2D, ReaderMode::TwoD, ids::kCodeIdList},
        {reader::kTypeElr, ReaderMode::Elr, ids::kElrTimeOutEdit},
    };
    const ui::DialogTemplate& layout = barcode_page_layout();
    EXPECT_EQ(layout.name, "BARCODEDLG");
    EXPECT_EQ(layout.width, 720);
    EXPECT_EQ(layout.height, 480);
    for (const Mode& m : modes) {
        auto texts = std::make_unique<texts::ProgramTexts>();
        auto document = std::make_unique<DesignDocument>();
        reset_design_document(*document, *texts);
        document->reader[reader::kReaderTypeBits] = m.reader_bits;
        ui::HeadlessHost host;
        BarcodePage page(*document, *texts);
        page.create(host, [&texts](int id) { return texts->load_program_text(id); });
        ASSERT_EQ(page.layout_mode(), m.mode);
        EXPECT_TRUE(page.visible(m.shown)) << m.shown;

        std::vector<ui::ControlTemplate> shown;
        for (const ui::ControlTemplate& c : layout.controls) {
            if (page.visible(c.id)) shown.push_back(c);
        }
        layout_checks::expect_tidy("BARCODEDLG reader " + std::to_string(m.reader_bits),
                                   ui::Rect{0, 0, layout.width, layout.height}, shown);
    }
}

}  // namespace
}  // namespace tc::resources
