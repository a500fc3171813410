// An INI file held in memory, with the semantics of the Windows private-profile
// functions: section and key names match without regard to case, the first match
// wins, a write replaces a value in place or appends the key to its section (and the
// section to the file), lines are written with CRLF. Lines that are neither
// sections nor keys (comments, blank lines) are kept as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesh {

class IniDocument {
public:
    IniDocument() = default;
    static IniDocument Parse(std::string_view text);
    std::string Serialize() const;

    // The value of a key, without the spaces around it and without one pair of
    // enclosing quotes; nullopt when the section or the key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Names of the sections in file order (the first spelling of each).
    std::vector<std::string> SectionNames() const;

private:
    enum class Kind { kOther, kSection, kKey };
    struct Line {
        std::string text;
        Kind kind = Kind::kOther;
        std::size_t nameBegin = 0, nameLength = 0;  // section or key name within text
        std::size_t valueBegin = 0;                 // first byte after '=' for keys
        std::string_view Name() const {
            return std::string_view(text).substr(nameBegin, nameLength);
        }
    };
    static Line Classify(std::string text);
    // Index of the section's header line, or npos.
    std::size_t FindSection(std::string_view section) const;
    std::vector<Line> lines_;
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// The white space that the reader strips around names and values.
bool IsIniSpace(char c);

}  // namespace tesh
