#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/dialog.h"

namespace tc::ui {

class PropertySheet;

// A page of the editor sheet. It reads what it edits when it is created and takes its editing
// data over into the design when the sheet is confirmed.
class Page : public Dialog {
  public:
    using Dialog::Dialog;
    virtual void take_over() {}

    // The sheet the page belongs to (for the signals between pages).
    PropertySheet* sheet() const { return sheet_; }
    // Page `index` of the same sheet when it has been made and is a `P`; null otherwise.
    template <class P>
    P* sibling_page(std::size_t index) const;

  protected:
    // The user left the page: the sheet now shows another page in its place.
    virtual void on_hidden() {}

  private:
    friend class PropertySheet;
    PropertySheet* sheet_ = nullptr;
};

// A modal sheet of pages with OK and Cancel. Pages are created when first shown; OK makes every
// created page, in page order, take over; Cancel drops them all.
class PropertySheet {
  public:
    struct PageEntry {
        std::string title;
        std::function<std::unique_ptr<Page>()> make;
        // The page's layout, so that a host can size the sheet before the page is made.
        const DialogTemplate* layout = nullptr;
    };

    PropertySheet(std::string caption, std::vector<PageEntry> pages);

    // Called by a host: shows the first page.
    void create(Host& host);

    void show_page(std::size_t index);  // what a click on a tab does
    void user_presses_ok();
    void user_presses_cancel();

    const std::string& caption() const { return caption_; }
    std::size_t page_count() const { return entries_.size(); }
    const std::string& page_title(std::size_t index) const { return entries_[index].title; }
    const DialogTemplate* page_layout(std::size_t index) const { return entries_[index].layout; }
    std::size_t current_page() const { return current_; }
    Page* page(std::size_t index) const { return pages_[index].get(); }  // null until created
    bool ended() const { return ended_; }
    int result() const { return result_; }

  private:
    Host* host_ = nullptr;
    std::string caption_;
    std::vector<PageEntry> entries_;
    std::vector<std::unique_ptr<Page>> pages_;
    std::size_t current_ = 0;
    bool ended_ = false;
    int result_ = 0;
};

template <class P>
P* Page::sibling_page(std::size_t index) const {
    if (sheet_ == nullptr || index >= sheet_->page_count()) return nullptr;
    return dynamic_cast<P*>(sheet_->page(index));
}

}  // namespace tc::ui
