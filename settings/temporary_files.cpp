#include "settings/temporary_files.h"

#include <limits>

#include "settings/ini_document.h"
#include "settings/platform.h"

namespace tesh {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A non-empty run of digits at the front of `text`, whose value fits an unsigned long;
// `text` keeps what follows it.
std::optional<unsigned long> TakeNumber(std::string_view& text) {
    constexpr unsigned long kMax = std::numeric_limits<unsigned long>::max();
    unsigned long value = 0;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const auto digit = static_cast<unsigned long>(text[i] - '0');
        if (value > (kMax - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    if (i == 0) return std::nullopt;
    text.remove_prefix(i);
    return value;
}

}  // namespace

std::string TemporaryFileName(const std::string& path, unsigned long processId, unsigned number) {
    return path + std::string(kTemporaryMark) + std::to_string(processId) + "_" +
           std::to_string(number);
}

std::optional<unsigned long> TemporaryOwner(std::string_view entry, std::string_view fileName) {
    const std::size_t prefix = fileName.size() + kTemporaryMark.size();
    if (entry.size() <= prefix || !EqualsIgnoreCase(entry.substr(0, fileName.size()), fileName) ||
        entry.substr(fileName.size(), kTemporaryMark.size()) != kTemporaryMark) {
        return std::nullopt;
    }
    std::string_view rest = entry.substr(prefix);
    const std::optional<unsigned long> owner = TakeNumber(rest);
    if (!owner || rest.empty() || rest.front() != '_') return std::nullopt;
    rest.remove_prefix(1);
    if (!TakeNumber(rest) || !rest.empty()) return std::nullopt;
    return owner;
}

void RemoveStaleTemporaries(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string_view fileName = std::string_view(path).substr(directory.size());
    const unsigned long self = platform::ProcessId();
    for (const std::string& entry : platform::DirectoryEntries(directory)) {
        const std::optional<unsigned long> owner = TemporaryOwner(entry, fileName);
        if (owner && *owner != self && !platform::ProcessRunning(*owner))
            platform::RemoveFile(directory + entry);
    }
}

}  // namespace tesh
