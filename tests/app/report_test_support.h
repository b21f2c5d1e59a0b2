#pragma once

#include <memory>
#include <random>
#include <string>

#include "app/t73/design_check.h"
#include "document/design_document.h"
#include "document/design_file.h"
#include "forms/apply_form_page.h"
#include "forms/derive_before_save.h"
#include "texts/program_texts.h"
#include "ui/headless_host.h"

namespace tc::t73::test {

inline void set_line(FormRecord& form, std::size_t line, Byte type, const std::string& prompt,
                     Byte max_length, Byte input_source = 1) {
    form.data_type[line] = type;
    store_text(form.prompt[line], prompt);
    form.max_length_low[line] = max_length;
    form.input_source[line] = input_source;
}

inline void set_item(MenuRecord& menu, std::size_t item, const std::string& name, Byte target) {
    store_text(menu.item_name[item], name);
    menu.item_target[item] = target;
}

inline void set_lookup_field(LookupRecord& lookup, std::size_t field, const std::string& name,
                             Byte type, Byte length) {
    store_text(lookup.field_name[field], name);
    lookup.field_type[field] = type;
    lookup.field_length_low[field] = length;
}

// A small warehouse application: Menu 1 starts it and leads to three Forms and a second Menu;
// Lookup 1 lists the articles.
inline void make_warehouse_design(DesignDocument& doc, const texts::ProgramTexts& texts) {
    reset_design_document(doc, texts);
    doc.system.start_screen = 1;
    doc.system.data_delimiter_1 = ';';
    doc.system.warning_beep = 5;
    doc.reader[33] = 1;  // MSI on

    MenuRecord& main_menu = doc.menus[0];
    main_menu.caption_on = 1;
    store_text(main_menu.caption, "Warehouse");
    set_item(main_menu, 0, "Goods in", 1);
    set_item(main_menu, 1, "Stock count", 2);
    set_item(main_menu, 2, "Price check", 3);
    set_item(main_menu, 3, "Dispatch", 22);
    main_menu.save_selected_item = 1;
    set_item(doc.menus[1], 0, "Send order", 4);
    set_item(doc.menus[1], 1, "Back", 21);
    doc.menus[1].esc_target = 21;

    LookupRecord& articles = doc.lookups[0];
    articles.field_count = 4;
    articles.delimiter = ',';
    store_text(articles.export_name, "ARTICLES");
    set_lookup_field(articles, 0, "EAN", 0, 13);
    set_lookup_field(articles, 1, "Description", 0, 30);
    set_lookup_field(articles, 2, "Price", 2, 8);
    set_lookup_field(articles, 3, "Stock", 1, 6);

    FormRecord& goods_in = doc.forms[0];
    goods_in.lookup_file = 1;
    goods_in.key_field = 1;
    goods_in.stamp_position = 1;
    goods_in.esc_target = 21;
    set_line(goods_in, 0, kTypeLookup, "Article", 0, 0);
    goods_in.link[0] = 1;
    goods_in.initial_on[0] = 1;
    set_line(goods_in, 1, kTypeLookup, "Description", 0, 0);
    goods_in.link[1] = 2;
    set_line(goods_in, 2, kTypeInteger, "Quantity", 6);
    set_line(goods_in, 3, kTypeAlphameric, "Lot", 12, 0);
    set_line(goods_in, 4, kTypeText,
             "Gr\xF6\xDF"
             "e <cm>",
             10);

    FormRecord& count = doc.forms[1];
    count.stamp_position = 2;
    count.esc_target = 21;
    set_line(count, 0, kTypeText, "Bin", 8, 0);
    set_line(count, 1, kTypeText, "Article", 13, 0);
    set_line(count, 2, kTypeInteger, "Counted", 6);

    FormRecord& price = doc.forms[2];
    price.lookup_file = 1;
    price.record_mode = 1;
    set_line(price, 0, kTypeLookup, "Article", 0, 0);
    price.link[0] = 1;
    set_line(price, 1, kTypeLookup, "Price", 0, 0);
    price.link[1] = 3;

    FormRecord& order = doc.forms[3];
    order.record_mode = 3;
    order.next_target = 5;
    set_line(order, 0, kTypeText, "Order number", 10, 0);

    FormRecord& items = doc.forms[4];
    items.key_field = 1;
    items.esc_target = 22;
    set_line(items, 0, kTypeText, "Article", 13, 0);
    set_line(items, 1, kTypeInteger, "Quantity", 4);

    // What confirming the editor sheet does to the records.
    for (MenuRecord& menu : doc.menus) count_menu_items(menu);
    normalise_lookups(doc.lookups);
    normalise_forms(doc);
}

// A design of random choices: Forms of every record mode, line types, key fields and stamps,
// Menus that hand their data over, Lookups of random lengths. A "pass down" Form only leads to a
// later Form, so that every Form's figures are counted with its final handover flag.
inline void make_random_design(DesignDocument& doc, const texts::ProgramTexts& texts,
                               unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) {
        return static_cast<Byte>(std::uniform_int_distribution<int>(low, high)(random));
    };
    reset_design_document(doc, texts);
    doc.reader[reader::kReaderTypeBits] = pick(0, 1) == 1 ? reader::kType2D : reader::kType1D;
    doc.reader_working = doc.reader;
    doc.system.start_screen = pick(0, 1);
    for (LookupRecord& lookup : doc.lookups) {
        lookup.field_count = pick(0, 12);
        lookup.key_field = lookup.field_count > 0 ? pick(0, lookup.field_count - 1) : 0;
        for (std::size_t f = 0; f < lookup.field_count; ++f)
            lookup.field_length_low[f] = pick(1, 160);
    }
    for (MenuRecord& menu : doc.menus) {
        menu.save_caption = pick(0, 3) == 0 ? 1 : 0;
        menu.save_selected_item = pick(0, 3) == 0 ? 1 : 0;
        for (std::size_t item = 0; item < kMenuItems; ++item) {
            if (pick(0, 2) == 0)
                set_item(menu, item, "Item " + std::to_string(item + 1), pick(0, 30));
        }
    }
    for (std::size_t f = 0; f < kFormCount; ++f) {
        FormRecord& form = doc.forms[f];
        form.record_mode = pick(0, 3);
        if (form.record_mode == 3) form.next_target = pick(static_cast<int>(f) + 1, 21);
        form.key_field = pick(0, 12);
        form.stamp_position = pick(0, 2);
        form.lookup_file = pick(0, 5);
        for (std::size_t line = 0; line < kFormLines; ++line) {
            if (pick(0, 3) == 0) continue;
            set_line(form, line, pick(0, 18), "Line " + std::to_string(line + 1), pick(1, 160),
                     pick(0, 3));
            form.max_length_high[line] = pick(0, 12);
            form.link[line] = pick(0, 12);
            form.initial_on[line] = pick(0, 1);
            form.save_file_path[line] = pick(0, 1);
        }
    }
    normalise_forms(doc);
}

// The records as the design file holds them after a save.
inline std::unique_ptr<DesignRecords> saved_records(DesignDocument& doc) {
    derive_before_save({doc.forms, doc.menus, doc.lookups, doc.reader, doc.system});
    auto records = std::make_unique<DesignRecords>();
    read_design_records(design_file_bytes(doc), *records);
    return records;
}

}  // namespace tc::t73::test
