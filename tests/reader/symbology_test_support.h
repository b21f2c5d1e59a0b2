#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reader/reader_settings_record.h"
#include "reader/symbology_dialogs.h"
#include "reader/symbology_members.h"
#include "shell/record_bytes.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::symbology_test {

// The Barcode page as the dialogs see it: it remembers what they did to its slots.
class FakePage : public BarcodePageHandle {
  public:
    void set_slot(int slot, bool checked) override {
        slots[slot] = checked;
        calls.emplace_back(slot, checked);
    }

    std::map<int, bool> slots;
    std::vector<std::pair<int, bool>> calls;
};

class SymbologyFixture {
  protected:
    SymbologyFixture() {
        reset_reader_settings(working);
        host.set_caption_source([this](int id) { return texts->load_program_text(id); });
    }

    // Opens the member on the headless host with the script acting as the user.
    int run(std::string_view name, ui::HeadlessHost::DialogScript script) {
        host.on_dialog(std::string(name), std::move(script));
        return run_symbology_dialog(name, context);
    }

    static const symbology::Member& member(std::string_view name) {
        return *symbology::find_member(name);
    }

    // The identifier of a part of the control bound to `byte`.
    static int id(std::string_view name, std::size_t byte, int part = symbology::kMain) {
        return symbology::control_id(*symbology::binding_of(member(name), byte), part);
    }

    std::unique_ptr<texts::ProgramTexts> texts = std::make_unique<texts::ProgramTexts>();
    ui::HeadlessHost host;
    ReaderSettingsRecord working{};
    FakePage page;
    SymbologyContext context{working, *texts, host, &page, {}};
};

}  // namespace tc::symbology_test
