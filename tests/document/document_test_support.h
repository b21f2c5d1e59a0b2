#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "document/design_document.h"

namespace tc::test {

// Fills every byte of a record with a pattern that differs from record to record (by `seed`).
template <typename Record>
void fill_pattern(Record& record, unsigned seed) {
    static_assert(std::is_trivially_copyable_v<Record>);
    auto* bytes = reinterpret_cast<Byte*>(&record);
    for (std::size_t i = 0; i < sizeof(Record); ++i) {
        bytes[i] = static_cast<Byte>((i * 131 + seed * 17 + (i >> 8)) % 256);
    }
}

template <typename Record>
std::vector<Byte> raw(const Record& record) {
    static_assert(std::is_trivially_copyable_v<Record>);
    const auto* first = reinterpret_cast<const Byte*>(&record);
    return std::vector<Byte>(first, first + sizeof(Record));
}

// Every byte the document holds in its records, its device texts and its two working copies.
inline std::vector<Byte> document_bytes(const DesignDocument& doc) {
    std::vector<Byte> out;
    for (const std::vector<Byte>& part :
         {raw(doc.menus), raw(doc.forms), raw(doc.lookups), raw(doc.reader), raw(doc.system),
          raw(doc.device_texts), raw(doc.reader_working), raw(doc.lookups_working)}) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// A document whose every stored byte is set, with working copies that differ from the records.
inline void fill_document(DesignDocument& doc, unsigned seed) {
    for (std::size_t i = 0; i < doc.menus.size(); ++i) fill_pattern(doc.menus[i], seed + i);
    for (std::size_t i = 0; i < doc.forms.size(); ++i) fill_pattern(doc.forms[i], seed + 20 + i);
    for (std::size_t i = 0; i < doc.lookups.size(); ++i)
        fill_pattern(doc.lookups[i], seed + 50 + i);
    fill_pattern(doc.reader, seed + 60);
    fill_pattern(doc.system, seed + 61);
    fill_pattern(doc.device_texts, seed + 62);
    fill_pattern(doc.reader_working, seed + 63);
    fill_pattern(doc.lookups_working, seed + 64);
}

inline void put_text(std::span<Byte> slot, const std::string& text) {
    std::memcpy(slot.data(), text.data(), text.size());
    slot[text.size()] = 0;
}

}  // namespace tc::test
