#include "app/t73/json_writer.h"

#include <algorithm>
#include <string>

namespace tc::t73 {
namespace {

bool is_plain(const Json& value) {
    return !value.is_object() && !value.is_array();
}

void write_value(std::ostream& out, const Json& value, int depth) {
    const std::string indent(static_cast<std::size_t>(depth + 1) * 2, ' ');
    const std::string closing_indent(static_cast<std::size_t>(depth) * 2, ' ');
    if (value.is_object() && !value.empty()) {
        out << "{\n";
        bool first = true;
        for (const auto& [name, member] : value.items()) {
            if (!first) out << ",\n";
            first = false;
            out << indent << Json(name).dump() << ": ";
            write_value(out, member, depth + 1);
        }
        out << "\n" << closing_indent << "}";
        return;
    }
    if (value.is_array() && !std::all_of(value.begin(), value.end(), is_plain)) {
        out << "[\n";
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (i > 0) out << ",\n";
            out << indent;
            write_value(out, value[i], depth + 1);
        }
        out << "\n" << closing_indent << "]";
        return;
    }
    if (value.is_array()) {
        out << "[";
        for (std::size_t i = 0; i < value.size(); ++i)
            out << (i > 0 ? ", " : "") << value[i].dump();
        out << "]";
        return;
    }
    out << value.dump();
}

}  // namespace

void write_json(std::ostream& out, const Json& value) {
    write_value(out, value, 0);
    out << "\n";
}

}  // namespace tc::t73
