#include "tools/json_print.h"

#include <algorithm>

namespace tesh {

namespace {

bool IsPlain(const Json& v) {
    return !v.is_object() && !v.is_array();
}

void Indent(std::string& out, int depth) {
    out.append(static_cast<std::size_t>(depth * kJsonIndent), ' ');
}

void Print(const Json& v, int depth, std::string& out) {
    if (IsPlain(v) || v.empty()) {
        out += v.dump();
        return;
    }
    if (v.is_array() && std::all_of(v.begin(), v.end(), IsPlain)) {
        out += '[';
        for (std::size_t i = 0; i < v.size(); ++i) out += (i ? ", " : "") + v[i].dump();
        out += ']';
        return;
    }
    const bool object = v.is_object();
    out += object ? "{\n" : "[\n";
    bool first = true;
    for (const auto& [key, member] : v.items()) {
        out += first ? "" : ",\n";
        first = false;
        Indent(out, depth + 1);
        if (object) out += Json(key).dump() + ": ";
        Print(member, depth + 1, out);
    }
    out += '\n';
    Indent(out, depth);
    out += object ? '}' : ']';
}

}  // namespace

std::string PrettyJson(const Json& value) {
    std::string out;
    Print(value, 0, out);
    out += '\n';
    return out;
}

}  // namespace tesh
