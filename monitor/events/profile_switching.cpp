#include "monitor/events/profile_switching.h"

#include "monitor/events/text_match.h"

namespace tesh::monitor {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";
constexpr int kNoWindowsProfile = -1;

}  // namespace

bool ProgramPathMatches(std::string_view path, std::string_view executable) {
    const auto first = path.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return false;
    path = path.substr(first, path.find_last_not_of(kBlanks) - first + 1);
    const auto separator = path.find_last_of("\\/:");
    const std::string_view name =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    return !name.empty() && EqualNoCase(name, executable);
}

std::optional<SwitchTarget> AutomaticSwitchTarget(const SettingsSet& set,
                                                  std::string_view executable,
                                                  bool optionWindowOpen) {
    std::optional<SwitchTarget> target;
    for (int p = 0; p < kProfileCount && !target; ++p) {
        const ProfileRecord& profile = set.Profiles[p];
        for (const auto* path : {&profile.GameFile0, &profile.GameFile1, &profile.GameFile2}) {
            if (ProgramPathMatches(FieldText(*path), executable)) {
                target = SwitchTarget{p, true};
                break;
            }
        }
    }
    if (!target) {
        const int windows = set.WindowsProfile;
        if (windows == kNoWindowsProfile || optionWindowOpen) return std::nullopt;
        if (windows < 0 || windows >= kProfileCount) return std::nullopt;
        target = SwitchTarget{windows, false};
    }
    if (target->profile == set.CurrentProfile) return std::nullopt;
    return target;
}

}  // namespace tesh::monitor
