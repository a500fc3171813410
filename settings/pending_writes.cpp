#include "settings/pending_writes.h"

#include <algorithm>
#include <functional>

#include "settings/profile_file.h"

namespace tesh {

namespace {

bool SameKey(const IniKeyWrite& a, const IniKeyWrite& b) {
    return EqualsIgnoreCase(a.section, b.section) && EqualsIgnoreCase(a.key, b.key);
}

}  // namespace

PendingWrites::Found PendingWrites::WriteKeys(IniDocument& doc,
                                              const std::vector<IniKeyWrite>& keys) const {
    Found found;
    found.reserve(keys.size());
    for (const IniKeyWrite& k : keys) found.push_back(doc.Get(k.section, k.key));
    for (const Key& p : keys_) {
        if (!p.known || doc.Get(p.write.section, p.write.key) == p.found)
            doc.Set(p.write.section, p.write.key, p.write.text);
    }
    for (const IniKeyWrite& k : keys) doc.Set(k.section, k.key, k.text);
    return found;
}

void PendingWrites::KeysFailed(const std::vector<IniKeyWrite>& keys, const Found* found) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        Key entry{keys[i], found != nullptr, found ? (*found)[i] : std::nullopt};
        auto same = std::find_if(keys_.begin(), keys_.end(),
                                 [&](const Key& p) { return SameKey(p.write, keys[i]); });
        if (same == keys_.end()) {
            keys_.push_back(std::move(entry));
            continue;
        }
        // Unread this time, the file still holds what it held at the earlier try.
        if (!found) {
            entry.known = same->known;
            entry.found = same->found;
        }
        *same = std::move(entry);
    }
}

bool PendingWrites::WriteProfile(int slot, IniDocument& doc) const {
    const Profile* p = profiles_[slot].get();
    if (!p || (p->found && Stamp(doc) != *p->found)) return false;
    WriteProfileKeys(doc, *p->record);
    return true;
}

void PendingWrites::ProfileFailed(int slot, const ProfileRecord& profile,
                                  std::optional<std::size_t> found) {
    auto& p = profiles_[slot];
    if (!p) p = std::make_unique<Profile>(Profile{std::make_unique<ProfileRecord>(), std::nullopt});
    *p->record = profile;
    // Unread this time, the file still holds what it held at the earlier try.
    if (found) p->found = found;
}

std::size_t PendingWrites::Stamp(const IniDocument& doc) {
    return std::hash<std::string>{}(doc.Serialize());
}

bool PendingWrites::empty() const {
    if (!keys_.empty()) return false;
    for (const auto& p : profiles_)
        if (p) return false;
    return true;
}

}  // namespace tesh
