#include "tools/settings_view.h"

#include "tools/profile_json.h"
#include "tools/profile_text.h"

namespace tesh {

namespace {

struct HeaderField {
    const char* key;
    int32_t SettingsSet::*member;
};

// In the order of the record.
constexpr HeaderField kHeaderFields[] = {
    {"CurrentProfile", &SettingsSet::CurrentProfile},
    {"WindowsProfile", &SettingsSet::WindowsProfile},
    {"QuickHelpLan", &SettingsSet::QuickHelpLan},
    {"LiftOnFlag", &SettingsSet::LiftOnFlag},
    {"TrackControlFlag", &SettingsSet::TrackControlFlag},
    {"MouseType", &SettingsSet::MouseType},
};
constexpr char kInfoDataKey[] = "InfoData";
constexpr char kProfilesKey[] = "Profiles";

}  // namespace

std::array<int32_t, kInfoDataValues> InfoDataValues(const uint8_t (&info)[kInfoDataSize]) {
    std::array<int32_t, kInfoDataValues> values{};
    for (int i = 0; i < kInfoDataValues; ++i) {
        const uint8_t* at = info + 4 * i;
        values[static_cast<std::size_t>(i)] = static_cast<int32_t>(
            static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
            static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24);
    }
    return values;
}

Json SettingsToJson(const SettingsSet& set) {
    Json j = Json::object();
    for (const HeaderField& h : kHeaderFields) j[h.key] = set.*h.member;
    j[kInfoDataKey] = InfoDataValues(set.InfoData);
    Json profiles = Json::array();
    for (const ProfileRecord& p : set.Profiles) profiles.push_back(ProfileToJson(p));
    j[kProfilesKey] = std::move(profiles);
    return j;
}

std::string SettingsText(const SettingsSet& set) {
    std::string text;
    for (const HeaderField& h : kHeaderFields)
        text += std::string(h.key) + " = " + std::to_string(set.*h.member) + "\n";
    text += std::string(kInfoDataKey) + " =";
    for (int32_t v : InfoDataValues(set.InfoData)) text += " " + std::to_string(v);
    text += "\n";
    for (int slot = 0; slot < kProfileCount; ++slot)
        text += "\n[Profile " + std::to_string(slot + 1) + "]\n" + ProfileText(set.Profiles[slot]);
    return text;
}

}  // namespace tesh
