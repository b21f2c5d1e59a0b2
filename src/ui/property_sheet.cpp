#include "ui/property_sheet.h"

#include "ui/host.h"

namespace tc::ui {

PropertySheet::PropertySheet(std::string caption, std::vector<PageEntry> pages)
    : caption_(std::move(caption)), entries_(std::move(pages)) {
    pages_.resize(entries_.size());
}

void PropertySheet::create(Host& host) {
    host_ = &host;
    ended_ = false;
    result_ = 0;
    if (!entries_.empty()) show_page(0);
}

void PropertySheet::show_page(std::size_t index) {
    if (ended_ || host_ == nullptr || index >= entries_.size()) return;
    if (index != current_ && pages_[current_]) pages_[current_]->on_hidden();
    current_ = index;
    if (!pages_[index]) {
        pages_[index] = entries_[index].make();
        pages_[index]->sheet_ = this;
        pages_[index]->create(*host_, [this](int id) { return host_->caption(Caption{id}); });
    }
    pages_[index]->shown();
}

void PropertySheet::user_presses_ok() {
    if (ended_) return;
    for (auto& page : pages_) {
        if (page) page->take_over();
    }
    ended_ = true;
    result_ = kIdOk;
}

void PropertySheet::user_presses_cancel() {
    if (ended_) return;
    ended_ = true;
    result_ = kIdCancel;
}

}  // namespace tc::ui
