#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lookups/lookup_record.h"

namespace tc::preview {

// A lookup file read the way its Lookup describes its records: one record a line, fields split
// by the Lookup's delimiter or, for fixed-length records, by the field lengths.
class LookupFile {
  public:
    LookupFile(const LookupRecord& lookup, std::string_view contents);

    // Whether a record holds `value` in field `field` (1-12).
    bool contains(std::size_t field, std::string_view value) const;

    std::size_t record_count() const { return records_.size(); }

  private:
    std::vector<std::vector<std::string>> records_;
};

}  // namespace tc::preview
