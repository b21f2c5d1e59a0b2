#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "texts/text_slot.h"

namespace tc::test {

// The bytes of a record, in its file layout.
template <typename Record>
std::vector<Byte> bytes_of(const Record& record) {
    std::vector<Byte> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

// A record whose every byte holds `filler`, to see which bytes an operation writes.
template <typename Record>
Record filled(Byte filler) {
    Record record;
    std::memset(static_cast<void*>(&record), filler, sizeof record);
    return record;
}

// The offsets at which two byte images differ.
inline std::vector<std::size_t> differing_offsets(const std::vector<Byte>& actual,
                                                  const std::vector<Byte>& expected) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (actual.at(i) != expected[i]) offsets.push_back(i);
    }
    return offsets;
}

// Sets each byte of `record` at the offsets given to its value.
template <typename Record>
void set_bytes(Record& record, std::initializer_list<std::pair<std::size_t, int>> bytes) {
    for (const auto& [offset, value] : bytes) record[offset] = static_cast<Byte>(value);
}

// Expects each byte of `record` at the offsets given to hold its value.
template <typename Record>
void expect_bytes(const Record& record, std::initializer_list<std::pair<std::size_t, int>> bytes) {
    for (const auto& [offset, value] : bytes) {
        EXPECT_EQ(int{record[offset]}, value) << "byte " << offset;
    }
}

}  // namespace tc::test
