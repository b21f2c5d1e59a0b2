#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "texts/text_slot.h"

namespace tc::t73 {

using Json = nlohmann::ordered_json;

// A value in the JSON form of a design that cannot be turned back into bytes; `path` names the
// field, e.g. "forms[3].prompt[4]".
class FieldError : public std::runtime_error {
  public:
    FieldError(const std::string& path, const std::string& message)
        : std::runtime_error(path + ": " + message) {}
};

// Windows-1252 bytes as UTF-8 (0x80 is "€"; the five undefined bytes become the control characters
// of the same number), so that any single-byte text is valid JSON and comes back unchanged.
std::string bytes_to_json_text(std::span<const Byte> bytes);

// Two lower-case hex digits per byte; trailing zero bytes are left off (all zero gives "").
std::string to_hex(std::span<const Byte> bytes);

// A text slot: the text before its zero as a string; when the bytes behind the zero are not all
// zero, an object {"text": ..., "after_zero": hex of the bytes behind the zero}.
Json slot_to_json(std::span<const Byte> slot);

// The inverse of slot_to_json; bytes behind the zero that the value does not give become zero.
void slot_from_json(const Json& value, std::span<Byte> slot, const std::string& path);

// The JSON text of a design parsed; a member given twice in one object, or text that is not JSON,
// throws FieldError.
Json parse_design_json(const std::string& text);

// A number 0-255.
Byte byte_from_json(const Json& value, const std::string& path);

// At most bytes.size() bytes as hex digits; the bytes the value does not give become zero.
void hex_from_json(const Json& value, std::span<Byte> bytes, const std::string& path);

// The member `name` of `object`, which must be an object that has it.
const Json& member(const Json& object, std::string_view name, const std::string& path);

// `value` must be an array of exactly `size` entries.
void expect_array(const Json& value, std::size_t size, const std::string& path);

// Fails on the first member of `object` whose name `known` does not accept.
template <typename Known>
void reject_unknown_members(const Json& object, const std::string& path, Known known) {
    for (const auto& [name, value] : object.items()) {
        if (!known(name))
            throw FieldError(path.empty() ? name : path + "." + name, "unknown field");
    }
}

}  // namespace tc::t73
