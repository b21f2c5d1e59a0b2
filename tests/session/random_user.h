#pragma once

// A random user of the editor: opens the sheet on a design, acts on every page and on every dialog
// they open (choices, clicks, numbers in and out of range, texts), confirms or cancels, saves and
// opens again, and reports every promise of the editor that the session broke. The whole-session
// test draws the choices from a seeded generator, the session fuzzer from its input bytes.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "app/t73/design_check.h"
#include "document/design_file.h"
#include "lookups/lookup_page.h"
#include "menus/menu_page.h"
#include "reader/barcode_page.h"
#include "resources/form_page_layout.h"
#include "shell/editor_sheet.h"
#include "shell/session.h"
#include "texts/text_slot.h"
#include "ui/headless_host.h"

namespace tc::session_test {

// Where the user's choices come from.
class Choices {
  public:
    virtual ~Choices() = default;
    // A number below `count` (0 when count is 0).
    virtual std::size_t pick(std::size_t count) = 0;
    // False once the choices are used up.
    virtual bool more() const = 0;
};

class SeededChoices : public Choices {
  public:
    explicit SeededChoices(unsigned seed) : random_(seed) {}
    std::size_t pick(std::size_t count) override {
        return count == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }
    bool more() const override { return true; }

  private:
    std::mt19937 random_;
};

class ByteChoices : public Choices {
  public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t pick(std::size_t count) override {
        if (count == 0 || next_ >= size_) return 0;
        std::size_t value = data_[next_++];
        if (count > 256 && next_ < size_) value = value * 256 + data_[next_++];
        return value % count;
    }
    bool more() const override { return next_ < size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

// Texts a person types: numbers in and out of every range the editor knows, carriage returns,
// letters, characters above 127 and texts longer than any slot.
inline std::string typed_text(Choices& choices) {
    static const std::array<const char*, 20> kTyped{
        "0",   "1",   "2",    "13",   "99",   "100", "159", "160", "161", "255",
        "256", "320", "2048", "2049", "9999", "-1",  "",    "\r",  "A\r", "007"};
    switch (choices.pick(4)) {
        case 0:
        case 1:
            return kTyped[choices.pick(kTyped.size())];
        case 2:
            return std::to_string(choices.pick(3000));
        default: {
            static const char kLetters[] = "AZaz09 _-.\\:\xE9\xFF\r";
            std::string text(choices.pick(4) == 0 ? 300 : choices.pick(12), 'x');
            for (char& c : text) c = kLetters[choices.pick(sizeof kLetters - 1)];
            return text;
        }
    }
}

// One thing a person can do to a dialog: type into an edit, click a box or a button, choose an
// item, click a drawn area. OK and Cancel are left to the caller.
inline void act_once(ui::Dialog& dialog, Choices& choices) {
    std::vector<const ui::Control*> usable;
    for (const ui::Control& c : dialog.controls()) {
        const bool ends = c.id == ui::kIdOk || c.id == ui::kIdCancel;
        if (c.enabled && c.visible && !ends && c.kind != ui::ControlKind::Label &&
            c.kind != ui::ControlKind::GroupBox) {
            usable.push_back(&c);
        }
    }
    if (usable.empty()) return;
    const ui::Control& c = *usable[choices.pick(usable.size())];
    switch (c.kind) {
        case ui::ControlKind::Edit:
            // The focus leaves the edit for whatever the person does next.
            dialog.user_types(c.id, typed_text(choices));
            dialog.user_leaves(c.id);
            break;
        case ui::ControlKind::DropDownList:
        case ui::ControlKind::ListBox:
            dialog.user_opens_dropdown(c.id);
            dialog.user_chooses(c.id, static_cast<int>(choices.pick(dialog.items(c.id).size())));
            break;
        case ui::ControlKind::CustomArea:
            dialog.user_clicks_area(
                c.id,
                {c.rect.x + static_cast<int>(choices.pick(static_cast<std::size_t>(c.rect.width))),
                 c.rect.y +
                     static_cast<int>(choices.pick(static_cast<std::size_t>(c.rect.height)))});
            break;
        default:
            dialog.user_clicks(c.id);
            break;
    }
}

// A host on which every dialog meets the random user: a few actions, then OK or Cancel (Cancel
// when the dialog refuses OK). Dialogs opened from dialogs get fewer actions.
class RandomUserHost : public ui::HeadlessHost {
  public:
    explicit RandomUserHost(Choices& choices) : choices_(choices) {}

    int run_modal(ui::Dialog& dialog) override {
        dialog.create(*this, [this](int id) { return caption(ui::Caption{id}); });
        dialog.shown();
        ++depth_;
        const std::size_t actions = depth_ > 2 ? 0 : choices_.pick(depth_ == 1 ? 16 : 4);
        for (std::size_t i = 0; i < actions && !dialog.ended(); ++i) act_once(dialog, choices_);
        --depth_;
        if (choices_.pick(3) != 0) dialog.user_presses_ok();
        dialog.user_presses_cancel();
        return dialog.result();
    }

  private:
    Choices& choices_;
    int depth_ = 0;
};

// The list that chooses which record a page shows (the Form, Menu or Lookup), 0 for none.
inline int record_list_of(const ui::Page& page) {
    for (const int id :
         {resources::form_page_ids::kFormList, MenuPage::kMenuList, LookupPage::kLookupList}) {
        if (page.has_control(id)) return id;
    }
    return 0;
}

// What a person sees of a page: every visible control's text, state and shown item.
struct PageView {
    std::size_t page = 0;
    int record = -1;  // the selection of the page's record list
    std::vector<std::string> controls;
};

inline PageView view_of(std::size_t index, const ui::Page& page) {
    PageView view{index, -1, {}};
    if (const int list = record_list_of(page)) view.record = page.selection(list);
    for (const ui::Control& c : page.controls()) {
        if (!c.visible) continue;
        const bool list =
            c.kind == ui::ControlKind::DropDownList || c.kind == ui::ControlKind::ListBox;
        const std::string shown =
            list ? (c.selection >= 0 ? c.items[static_cast<std::size_t>(c.selection)] : "")
                 : c.text;
        view.controls.push_back(std::to_string(c.id) + (c.enabled ? " on " : " off ") +
                                (c.checked ? "[x] " : "[ ] ") + shown);
    }
    return view;
}

// Everything of the document that a sheet may change, byte for byte.
inline std::vector<Byte> document_state(const DesignDocument& doc) {
    std::vector<Byte> state = design_file_bytes(doc);
    const auto append = [&state](const auto& object) {
        const auto* bytes = reinterpret_cast<const Byte*>(&object);
        state.insert(state.end(), bytes, bytes + sizeof object);
    };
    append(doc.reader_working);
    append(doc.lookups_working);
    append(doc.reader_states);
    state.push_back(doc.rfid ? 1 : 0);
    state.push_back(doc.modified ? 1 : 0);
    state.insert(state.end(), doc.file_name.begin(), doc.file_name.end());
    return state;
}

inline std::vector<std::string> design_problems(const std::vector<Byte>& image) {
    t73::DesignRecords records;
    t73::read_design_records(image, records);
    std::vector<std::string> problems;
    for (const t73::Problem& problem : t73::check_design(records, image)) {
        problems.push_back(problem.path + ": " + problem.text);
    }
    return problems;
}

inline std::vector<Byte> file_bytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<Byte>(std::istreambuf_iterator<char>(file), {});
}

// One session of a random user on the session's current design; returns the broken promises.
// The design is saved to `path` when the sheet was confirmed.
inline std::vector<std::string> random_session(shell::Session& session, ui::HeadlessHost& host,
                                               Choices& choices, std::size_t actions,
                                               const std::filesystem::path& path) {
    std::vector<std::string> broken;
    DesignDocument& doc = session.document();
    const std::vector<Byte> before = document_state(doc);
    const bool accepted = design_problems(design_file_bytes(doc)).empty();

    std::vector<PageView> left;
    host.on_sheet([&](ui::PropertySheet& sheet) {
        for (std::size_t i = 0; i < actions && choices.more(); ++i) {
            const std::size_t what = choices.pick(20);
            if (what == 0) sheet.show_page(choices.pick(sheet.page_count()));
            if (what > 0) act_once(*sheet.page(sheet.current_page()), choices);
        }
        if (choices.pick(4) == 0) return sheet.user_presses_cancel();
        for (std::size_t i = 0; i < sheet.page_count(); ++i) {
            // The ELR list is shown until Apply, which stores no reader.
            const auto* barcode = dynamic_cast<const BarcodePage*>(sheet.page(i));
            if (barcode != nullptr && barcode->layout_mode() == ReaderMode::Elr) continue;
            if (const ui::Page* page = sheet.page(i)) left.push_back(view_of(i, *page));
        }
        sheet.user_presses_ok();
    });
    shell::open_editor_sheet(session);
    if (left.empty()) {
        if (document_state(doc) != before) broken.push_back("Cancel changed the document");
        return broken;
    }

    const std::string file = path.string();
    if (!save_design_file(doc, file, session.file_context())) return {"the design was not saved"};
    const std::vector<Byte> saved = file_bytes(path);
    if (accepted) {
        for (const std::string& problem : design_problems(saved)) {
            broken.push_back("the checker rejects the saved design: " + problem);
        }
    }
    if (!open_design_file(doc, file, session.file_context()))
        return {"the saved design won't open"};
    doc.file_name = file;

    const std::vector<Byte> reopened = document_state(doc);
    host.on_sheet([&](ui::PropertySheet& sheet) {
        for (const PageView& view : left) {
            sheet.show_page(view.page);
            ui::Page& page = *sheet.page(view.page);
            if (const int list = record_list_of(page)) page.user_chooses(list, view.record);
            const PageView shown = view_of(view.page, page);
            for (std::size_t c = 0; c < view.controls.size(); ++c) {
                if (c < shown.controls.size() && shown.controls[c] == view.controls[c]) continue;
                broken.push_back("page " + std::string(page.layout().name) + " showed '" +
                                 view.controls[c] + "' and shows '" +
                                 (c < shown.controls.size() ? shown.controls[c] : "") +
                                 "' on the saved design");
                break;
            }
        }
        sheet.user_presses_cancel();
    });
    shell::open_editor_sheet(session);
    if (document_state(doc) != reopened) broken.push_back("Cancel changed the opened document");

    const std::filesystem::path again = path.string() + ".again";
    const bool saved_again = save_design_file(doc, again.string(), session.file_context());
    const std::vector<Byte> resaved = file_bytes(again);
    if (!saved_again || resaved.size() != saved.size()) return {"the opened design won't save"};
    // Open stores the text of the second about notice (device text 3106) over the first (3104), so
    // the first save after a new design differs there; every later one saves the same bytes.
    std::vector<Byte> expected = saved;
    const auto in_file = [&](int id) {
        const auto slot = doc.device_texts.slot(id);
        return std::span<Byte>(expected).subspan(
            kDeviceTextsOffset +
                static_cast<std::size_t>(slot.data() - doc.device_texts.bytes.data()),
            slot.size());
    };
    store_text(in_file(3104), slot_text(in_file(3106)));
    const auto differ = std::mismatch(expected.begin(), expected.end(), resaved.begin());
    if (differ.first != expected.end()) {
        broken.push_back("saving the opened design changes byte " +
                         std::to_string(differ.first - expected.begin()));
    }
    doc.modified = false;
    return broken;
}

}  // namespace tc::session_test
