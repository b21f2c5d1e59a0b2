#include "menus/menu_page.h"

#include <string>
#include <utility>
#include <vector>

#include "resources/menu_lookup_settings_layouts.h"

namespace tc {
namespace {

constexpr int kMainScreenText = 1301;  // "main"
constexpr int kFormNameText = 1302;    // "form  "
constexpr int kMenuNameText = 1303;    // "menu  "
constexpr std::size_t kMenuTextLength = 50;

// The static controls and the language texts that relabel them.
constexpr std::pair<int, int> kLanguageLabels[] = {
    {MenuPage::kIdLabel, 241},          {MenuPage::kEscLabel, 242},
    {MenuPage::kDataGroup, 243},        {MenuPage::kCaptionCheck, 244},
    {MenuPage::kSaveCaptionCheck, 245}, {MenuPage::kSaveSelectedCheck, 246},
    {MenuPage::kItemNoLabel, 247},      {MenuPage::kItemNameLabel, 248},
    {MenuPage::kNextLabel, 249},        {MenuPage::kResetButton, 250},
};

// A name of spaces only leads nowhere, like an empty one.
bool is_blank(const std::string& name) {
    return name.find_first_not_of(' ') == std::string::npos;
}

// The index (0-9) of the item whose control `id` is, with `column` the identifier function of its
// column. Every edit but the caption is an item's name, every list but the Menu and Esc lists an
// item's next screen; an identifier of another control is a fault, which `at` reports.
std::size_t item_of(int id, int (*column)(int)) {
    return static_cast<std::size_t>(id - column(1));
}

// The 31 screens in screen-code order: the runtime's main screen, Forms 1-20, Menus 1-10.
std::vector<std::string> screen_names(const texts::ProgramTexts& texts) {
    std::vector<std::string> names{texts.load_program_text(kMainScreenText)};
    const std::string form_name = texts.load_program_text(kFormNameText);
    for (std::size_t number = 1; number <= kFormCount; ++number) {
        names.push_back(form_name + std::to_string(number));
    }
    const std::string menu_name = texts.load_program_text(kMenuNameText);
    for (std::size_t number = 1; number <= kMenuCount; ++number) {
        names.push_back(menu_name + std::to_string(number));
    }
    return names;
}

}  // namespace

MenuPage::MenuPage(DesignDocument& document, const texts::ProgramTexts& texts)
    : ui::Page(resources::menu_page_layout()), document_(document), texts_(texts) {}

void MenuPage::on_created() {
    if (texts_.language_active()) relabel();
    current_ = 0;
    menus_ = document_.menus;
    fill_lists();
    show_menu();
}

void MenuPage::relabel() {
    for (const auto& [id, text_id] : kLanguageLabels) set_text(id, texts_.language_entry(text_id));
}

void MenuPage::fill_lists() {
    const std::string menu_name = texts_.load_program_text(kMenuNameText);
    std::vector<std::string> menus;
    for (std::size_t number = 1; number <= kMenuCount; ++number) {
        menus.push_back(menu_name + std::to_string(number));
    }
    set_items(kMenuList, std::move(menus));
    const std::vector<std::string> screens = screen_names(texts_);
    set_items(kEscList, screens);
    for (int item = 1; item <= kShownItems; ++item) set_items(item_next_list(item), screens);
}

// Setting the edits runs their change handling, which stores what they show (the names and the
// caption are stored as the edits hold them, at most 50 characters).
void MenuPage::show_menu() {
    set_selection(kMenuList, static_cast<int>(current_));
    set_selection(kEscList, menu().esc_target);
    set_checked(kCaptionCheck, menu().caption_on != 0);
    set_text_limit(kCaptionEdit, kMenuTextLength);
    set_text(kCaptionEdit, slot_text(menu().caption));
    enable(kCaptionEdit, menu().caption_on != 0);
    for (int item = 1; item <= kShownItems; ++item) {
        const auto index = static_cast<std::size_t>(item - 1);
        set_selection(item_next_list(item), menu().item_target[index]);
        set_text_limit(item_name_edit(item), kMenuTextLength);
        set_text(item_name_edit(item), slot_text(menu().item_name[index]));
    }
    set_checked(kSaveCaptionCheck, menu().save_caption != 0);
    set_checked(kSaveSelectedCheck, menu().save_selected_item != 0);
}

void MenuPage::on_command(int id) {
    switch (id) {
        case kCaptionCheck:
            toggle(id);
            menu().caption_on = checked(id);
            enable(kCaptionEdit, checked(id));
            break;
        case kSaveCaptionCheck:
            toggle(id);
            menu().save_caption = checked(id);
            break;
        case kSaveSelectedCheck:
            toggle(id);
            menu().save_selected_item = checked(id);
            break;
        case kResetButton:
            reset_menu(menu(), static_cast<int>(current_));
            show_menu();
            break;
        default:
            break;
    }
}

void MenuPage::on_edit_changed(int id) {
    // A longer text (from a damaged file) is cut in the edit too, so that it shows what is stored;
    // the cut text comes back through this handler.
    const std::string shown = text(id);
    if (shown.size() > kMenuTextLength) return set_text(id, shown.substr(0, kMenuTextLength));
    if (id == kCaptionEdit) {
        store_text(menu().caption, text(id).substr(0, kMenuTextLength));
        return;
    }
    const std::size_t item = item_of(id, item_name_edit);
    const std::string name = text(id).substr(0, kMenuTextLength);
    store_text(menu().item_name.at(item), name);
    enable(item_next_list(static_cast<int>(item) + 1), !is_blank(name));
}

void MenuPage::on_selection_changed(int id) {
    const int chosen = selection(id);
    if (chosen < 0) return;
    if (id == kMenuList) {
        if (static_cast<std::size_t>(chosen) == current_) return;
        current_ = static_cast<std::size_t>(chosen);
        show_menu();
    } else if (id == kEscList) {
        menu().esc_target = static_cast<Byte>(chosen);
    } else {
        menu().item_target.at(item_of(id, item_next_list)) = static_cast<Byte>(chosen);
    }
}

void MenuPage::take_over() {
    for (MenuRecord& counted : menus_) count_menu_items(counted);
    document_.menus = menus_;
    document_.modified = true;
}

}  // namespace tc
