#include "monitor/events/text_match.h"

#include <cctype>

namespace tesh::monitor {

namespace {

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameLetter(a[i], b[i])) return false;
    }
    return true;
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    if (part.size() > text.size()) return false;
    for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
        if (EqualNoCase(text.substr(start, part.size()), part)) return true;
    }
    return false;
}

}  // namespace tesh::monitor
