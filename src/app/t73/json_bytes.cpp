#include "app/t73/json_bytes.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "app/t73/windows_1252.h"
#include "texts/windows_1252.h"

namespace tc::t73 {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::string describe_type(const Json& value) {
    return std::string(value.type_name());
}

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string child_path_of(const std::string& path, const std::string& name) {
    return path.empty() ? name : path + "." + name;
}

std::string code_point_name(unsigned code_point) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", code_point);
    return buffer;
}

// Decodes UTF-8 into one Windows-1252 byte per character.
std::vector<Byte> json_text_to_bytes(std::string_view text, const std::string& path) {
    std::vector<Byte> bytes;
    bytes.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        unsigned code_point = 0;
        std::size_t length = 1;
        if (lead < 0x80) {
            code_point = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            code_point = lead & 0x1F;
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            code_point = lead & 0x0F;
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            code_point = lead & 0x07;
            length = 4;
        } else {
            throw FieldError(path, "text is not valid UTF-8");
        }
        if (i + length > text.size()) throw FieldError(path, "text is not valid UTF-8");
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) throw FieldError(path, "text is not valid UTF-8");
            code_point = (code_point << 6) | (next & 0x3F);
        }
        if (code_point == 0) throw FieldError(path, "text contains a zero byte");
        const auto byte = windows_1252_byte(code_point);
        if (!byte) {
            throw FieldError(path, "character " + code_point_name(code_point) +
                                       " is not in the Windows-1252 code page");
        }
        bytes.push_back(*byte);
        i += length;
    }
    return bytes;
}

std::vector<Byte> hex_to_bytes(const Json& value, const std::string& path) {
    if (!value.is_string())
        throw FieldError(path, "expected a hex string, got " + describe_type(value));
    const auto& text = value.get_ref<const std::string&>();
    if (text.size() % 2 != 0) throw FieldError(path, "hex string has an odd number of digits");
    std::vector<Byte> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = hex_value(text[2 * i]);
        const int low = hex_value(text[2 * i + 1]);
        if (high < 0 || low < 0) throw FieldError(path, "not a hex digit in \"" + text + "\"");
        bytes[i] = static_cast<Byte>(high * 16 + low);
    }
    return bytes;
}

}  // namespace

std::string bytes_to_json_text(std::span<const Byte> bytes) {
    return texts::utf8_from_windows_1252(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string to_hex(std::span<const Byte> bytes) {
    const auto last_non_zero =
        std::find_if(bytes.rbegin(), bytes.rend(), [](Byte b) { return b != 0; });
    bytes = bytes.first(static_cast<std::size_t>(bytes.rend() - last_non_zero));
    std::string text(bytes.size() * 2, '0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[2 * i] = kHexDigits[bytes[i] >> 4];
        text[2 * i + 1] = kHexDigits[bytes[i] & 0x0F];
    }
    return text;
}

Json slot_to_json(std::span<const Byte> slot) {
    const std::size_t length = slot_text_length(slot);
    std::string text = bytes_to_json_text(slot.first(length));
    if (length + 1 >= slot.size()) return text;
    const auto after_zero = slot.subspan(length + 1);
    if (std::all_of(after_zero.begin(), after_zero.end(), [](Byte b) { return b == 0; })) {
        return text;
    }
    Json object = Json::object();
    object["text"] = std::move(text);
    object["after_zero"] = to_hex(after_zero);
    return object;
}

void slot_from_json(const Json& value, std::span<Byte> slot, const std::string& path) {
    std::vector<Byte> text;
    std::vector<Byte> after_zero;
    if (value.is_string()) {
        text = json_text_to_bytes(value.get_ref<const std::string&>(), path);
    } else if (value.is_object()) {
        reject_unknown_members(value, path, [](const std::string& name) {
            return name == "text" || name == "after_zero";
        });
        const Json& text_value = member(value, "text", path);
        if (!text_value.is_string()) {
            throw FieldError(path + ".text", "expected a string, got " + describe_type(text_value));
        }
        text = json_text_to_bytes(text_value.get_ref<const std::string&>(), path + ".text");
        after_zero = hex_to_bytes(member(value, "after_zero", path), path + ".after_zero");
    } else {
        throw FieldError(path, "expected a text (string or {\"text\", \"after_zero\"}), got " +
                                   describe_type(value));
    }
    if (text.size() > slot.size()) {
        throw FieldError(path, "text of " + std::to_string(text.size()) + " bytes does not fit " +
                                   std::to_string(slot.size()) + "-byte slot");
    }
    const std::size_t room_after_zero =
        text.size() < slot.size() ? slot.size() - text.size() - 1 : 0;
    if (after_zero.size() > room_after_zero) {
        throw FieldError(path + ".after_zero", std::to_string(after_zero.size()) +
                                                   " bytes do not fit behind a text of " +
                                                   std::to_string(text.size()) + " bytes in a " +
                                                   std::to_string(slot.size()) + "-byte slot");
    }
    std::fill(slot.begin(), slot.end(), Byte{0});
    std::copy(text.begin(), text.end(), slot.begin());
    std::copy(after_zero.begin(), after_zero.end(),
              slot.begin() + static_cast<std::ptrdiff_t>(text.size() + 1));
}

Byte byte_from_json(const Json& value, const std::string& path) {
    if (!value.is_number_integer()) {
        throw FieldError(path, "expected a number 0-255, got " + describe_type(value));
    }
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number <= 255) return static_cast<Byte>(number);
        throw FieldError(path, "value " + std::to_string(number) + " is out of 0-255");
    }
    const auto number = value.get<std::int64_t>();
    if (number >= 0 && number <= 255) return static_cast<Byte>(number);
    throw FieldError(path, "value " + std::to_string(number) + " is out of 0-255");
}

void hex_from_json(const Json& value, std::span<Byte> bytes, const std::string& path) {
    const std::vector<Byte> decoded = hex_to_bytes(value, path);
    if (decoded.size() > bytes.size()) {
        throw FieldError(path, std::to_string(decoded.size()) + " bytes of hex do not fit " +
                                   std::to_string(bytes.size()) + "-byte field");
    }
    std::fill(bytes.begin(), bytes.end(), Byte{0});
    std::copy(decoded.begin(), decoded.end(), bytes.begin());
}

Json parse_design_json(const std::string& text) {
    // Per open object or array: the members seen, and the current member or index. The path is
    // only put together for a message: deep nesting must not cost a path per level.
    struct Open {
        bool array;
        std::set<std::string> names;
        std::string current;
        std::size_t index = 0;
    };
    std::vector<Open> open;
    const auto path_to = [&](const std::string& name) {
        std::string path;
        for (const Open& level : open) {
            if (&level == &open.back()) break;
            path += level.array ? "[" + std::to_string(level.index - 1) + "]"
                                : (path.empty() ? "" : ".") + level.current;
        }
        return child_path_of(path, name);
    };
    const Json::parser_callback_t check = [&](int, Json::parse_event_t event, Json& parsed) {
        const bool start =
            event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start;
        if ((start || event == Json::parse_event_t::value) && !open.empty() && open.back().array)
            ++open.back().index;
        if (start) open.push_back({event == Json::parse_event_t::array_start, {}, {}});
        if (event == Json::parse_event_t::object_end || event == Json::parse_event_t::array_end)
            open.pop_back();
        if (event == Json::parse_event_t::key) {
            const std::string& name = parsed.get_ref<const std::string&>();
            if (!open.back().names.insert(name).second)
                throw FieldError(path_to(name), "given twice");
            open.back().current = name;
        }
        return true;
    };
    try {
        return Json::parse(text, check);
    } catch (const Json::exception& e) {  // bad syntax, but also a number too large for a double
        throw FieldError("(JSON text)", std::string("not valid JSON: ") + e.what());
    }
}

const Json& member(const Json& object, std::string_view name, const std::string& path) {
    if (!object.is_object())
        throw FieldError(path, "expected an object, got " + describe_type(object));
    const auto found = object.find(std::string(name));
    const std::string member_path =
        path.empty() ? std::string(name) : path + "." + std::string(name);
    if (found == object.end()) throw FieldError(member_path, "missing field");
    return *found;
}

void expect_array(const Json& value, std::size_t size, const std::string& path) {
    if (!value.is_array()) throw FieldError(path, "expected an array, got " + describe_type(value));
    if (value.size() != size) {
        throw FieldError(path, "expected " + std::to_string(size) + " entries, got " +
                                   std::to_string(value.size()));
    }
}

}  // namespace tc::t73
