// Settings writes that failed, kept for the store's next write to try again rather than
// lost: keys of config.ini written alone (the monitor's usage counts, "CurrentProfile"
// and "Device") or by save-all, and whole profile files. What a file held when its write
// failed is kept too: a file that holds something else by the next try was written by
// another program meanwhile, whose value is newer and stays.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_set.h"

namespace tesh {

// One key and the text stored for it.
struct IniKeyWrite {
    std::string section;
    std::string key;
    std::string text;
};

class PendingWrites {
  public:
    using Found = std::vector<std::optional<std::string>>;

    // Into config.ini just read: the pending keys that still hold what they held when
    // their write failed, then `keys`. Returns what the file held for `keys`.
    Found WriteKeys(IniDocument& doc, const std::vector<IniKeyWrite>& keys) const;
    // The write of config.ini went through: none of its keys is pending any more.
    void KeysStored() { keys_.clear(); }
    // It failed: `keys` are pending too, each with what the file held (`found`) or,
    // when the file could not be read (nullptr), with nothing known.
    void KeysFailed(const std::vector<IniKeyWrite>& keys, const Found* found);

    // Into the slot's profile file just read: the pending profile. False when another
    // program has saved the file since (the pending profile is older than the file).
    bool WriteProfile(int slot, IniDocument& doc) const;
    void ProfileStored(int slot) { profiles_[slot].reset(); }
    // `found` is the stamp of the file as it was read, nullopt when it could not be.
    void ProfileFailed(int slot, const ProfileRecord& profile, std::optional<std::size_t> found);
    bool ProfilePending(int slot) const { return profiles_[slot] != nullptr; }
    // Tells one content of a file from another.
    static std::size_t Stamp(const IniDocument& doc);

    bool empty() const;

  private:
    struct Key {
        IniKeyWrite write;
        bool known;  // the file was read when the write failed
        std::optional<std::string> found;
    };
    struct Profile {
        std::unique_ptr<ProfileRecord> record;
        std::optional<std::size_t> found;
    };
    std::vector<Key> keys_;
    std::array<std::unique_ptr<Profile>, kProfileCount> profiles_;
};

}  // namespace tesh
