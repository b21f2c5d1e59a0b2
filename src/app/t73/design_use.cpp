#include "app/t73/design_use.h"

#include <algorithm>
#include <deque>

namespace tc::t73 {
namespace {

constexpr Byte kFirstMenuCode = 21;
constexpr Byte kLastMenuCode = 30;
constexpr Byte kStartFromMenu = 1;

// "1 line that is not nil", "2 lines that are not nil" and the like.
std::string counted(std::size_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

bool is_form_code(Byte code) {
    return code >= 1 && code <= kFormCount;
}

bool is_menu_code(Byte code) {
    return code >= kFirstMenuCode && code <= kLastMenuCode;
}

class UseFinder {
  public:
    explicit UseFinder(const DesignRecords& records) : records_(records) {}

    DesignUse find() {
        const Byte start = records_.system.start_screen == kStartFromMenu ? kFirstMenuCode : 1;
        mark(start, "the start screen");
        for (std::size_t f = 0; f < kFormCount; ++f) {
            const auto lines = std::ranges::count_if(records_.forms[f].data_type,
                                                     [](Byte type) { return type != kTypeNil; });
            if (lines > 0) {
                mark(form_code(f), counted(static_cast<std::size_t>(lines), "line that is not nil",
                                           "lines that are not nil"));
            }
        }
        for (std::size_t m = 0; m < kMenuCount; ++m) {
            const std::size_t items = named_items(records_.menus[m]);
            if (items > 0) mark(menu_code(m), counted(items, "named item", "named items"));
        }
        while (!pending_.empty()) {
            const Byte code = pending_.front();
            pending_.pop_front();
            follow(code);
        }
        mark_lookups();
        return use_;
    }

  private:
    static Byte form_code(std::size_t index) { return static_cast<Byte>(index + 1); }
    static Byte menu_code(std::size_t index) { return static_cast<Byte>(kFirstMenuCode + index); }

    static std::size_t named_items(const MenuRecord& menu) {
        return static_cast<std::size_t>(
            std::ranges::count_if(menu.item_name, [](const auto& name) { return name[0] != 0; }));
    }

    std::string* reason_of(Byte code) {
        if (is_form_code(code)) return &use_.forms[code - 1];
        if (is_menu_code(code)) return &use_.menus[code - kFirstMenuCode];
        return nullptr;
    }

    void mark(Byte code, const std::string& reason) {
        std::string* slot = reason_of(code);
        if (slot == nullptr || !slot->empty()) return;
        *slot = reason;
        pending_.push_back(code);
    }

    void follow(Byte code) {
        const std::string from = screen_name(code);
        if (is_form_code(code)) {
            const FormRecord& form = records_.forms[code - 1];
            mark(form.esc_target, "Esc of " + from);
            mark(form.next_target, "Next of " + from);
            return;
        }
        const MenuRecord& menu = records_.menus[code - kFirstMenuCode];
        for (std::size_t item = 0; item < kMenuItems; ++item) {
            if (menu.item_name[item][0] == 0) continue;
            mark(menu.item_target[item], "item " + std::to_string(item + 1) + " of " + from);
        }
        mark(menu.esc_target, "Esc of " + from);
    }

    void mark_lookups() {
        for (std::size_t l = 0; l < kLookupCount; ++l) {
            const Byte fields = records_.lookups[l].field_count;
            if (fields > 0) use_.lookups[l] = counted(fields, "field", "fields");
        }
        for (std::size_t f = 0; f < kFormCount; ++f) {
            const Byte lookup = records_.forms[f].lookup_file;
            if (use_.forms[f].empty() || lookup == 0 || lookup > kLookupCount) continue;
            std::string& reason = use_.lookups[lookup - 1];
            if (reason.empty()) reason = "read by " + screen_name(form_code(f));
        }
    }

    const DesignRecords& records_;
    DesignUse use_;
    std::deque<Byte> pending_;
};

}  // namespace

DesignUse find_design_use(const DesignRecords& records) {
    return UseFinder(records).find();
}

std::string screen_name(Byte code) {
    if (code == 0) return "main";
    if (is_form_code(code)) return "Form " + std::to_string(code);
    if (is_menu_code(code)) return "Menu " + std::to_string(code - kFirstMenuCode + 1);
    return "screen code " + std::to_string(code);
}

}  // namespace tc::t73
