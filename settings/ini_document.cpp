#include "settings/ini_document.h"

#include <cctype>

namespace tesh {

namespace {

constexpr std::size_t npos = std::string::npos;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsIniSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniSpace(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

bool IsIniSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

IniDocument::Line IniDocument::Classify(std::string text) {
    Line line;
    line.text = std::move(text);
    std::string_view t = line.text;
    std::size_t first = 0;
    while (first < t.size() && IsIniSpace(t[first])) ++first;
    if (first == t.size() || t[first] == ';') return line;
    if (t[first] == '[') {
        std::size_t close = t.find(']', first + 1);
        if (close == npos) close = t.size();  // an unclosed header still opens a section
        std::string_view inner = t.substr(first + 1, close - first - 1);
        std::string_view name = Trim(inner);
        line.kind = Kind::kSection;
        line.nameBegin = name.empty() ? first + 1 : static_cast<std::size_t>(name.data() - t.data());
        line.nameLength = name.size();
        return line;
    }
    std::size_t eq = t.find('=', first);
    if (eq == npos) return line;
    std::string_view name = Trim(t.substr(first, eq - first));
    line.kind = Kind::kKey;
    line.nameBegin = name.empty() ? first : static_cast<std::size_t>(name.data() - t.data());
    line.nameLength = name.size();
    line.valueBegin = eq + 1;
    return line;
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::size_t next = end == npos ? text.size() : end + 1;
        if (end == npos) end = text.size();
        std::size_t lineEnd = end;
        if (lineEnd > pos && text[lineEnd - 1] == '\r') --lineEnd;
        doc.lines_.push_back(Classify(std::string(text.substr(pos, lineEnd - pos))));
        pos = next;
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (const Line& l : lines_) size += l.text.size() + 2;
    std::string out;
    out.reserve(size);
    for (const Line& l : lines_) {
        out += l.text;
        out += "\r\n";
    }
    return out;
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::kSection && EqualsIgnoreCase(lines_[i].Name(), section))
            return i;
    return npos;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    std::size_t s = FindSection(section);
    if (s == npos) return std::nullopt;
    for (std::size_t i = s + 1; i < lines_.size() && lines_[i].kind != Kind::kSection; ++i) {
        const Line& l = lines_[i];
        if (l.kind != Kind::kKey || !EqualsIgnoreCase(l.Name(), key)) continue;
        std::string_view value = Trim(std::string_view(l.text).substr(l.valueBegin));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text;
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append("=").append(value);
    std::size_t s = FindSection(section);
    if (s == npos) {
        lines_.push_back(Classify("[" + std::string(section) + "]"));
        lines_.push_back(Classify(std::move(text)));
        return;
    }
    std::size_t lastContent = s;  // new keys go after the section's last non-blank line
    std::size_t i = s + 1;
    for (; i < lines_.size() && lines_[i].kind != Kind::kSection; ++i) {
        Line& l = lines_[i];
        if (l.kind == Kind::kKey && EqualsIgnoreCase(l.Name(), key)) {
            // Replace in place, keeping the key as it was spelt.
            std::string replaced(l.Name());
            replaced.append("=").append(value);
            l = Classify(std::move(replaced));
            return;
        }
        if (!Trim(l.text).empty()) lastContent = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastContent + 1),
                  Classify(std::move(text)));
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& l : lines_) {
        if (l.kind != Kind::kSection) continue;
        bool seen = false;
        for (const std::string& n : names) seen = seen || EqualsIgnoreCase(n, l.Name());
        if (!seen) names.emplace_back(l.Name());
    }
    return names;
}

}  // namespace tesh
