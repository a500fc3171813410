// Security attributes that let the current user, and no one else, use a named object:
// the shared block and its mutex get them instead of an empty access list, so that
// another user's process can never plant program paths in the block that the monitor
// would start. Any process of the user still opens the objects by name. The handles
// made with them are inheritable.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace tesh::monitor {

class CurrentUserAccess {
  public:
    // `rights`: what the user may do with the object (e.g. MUTEX_ALL_ACCESS).
    explicit CurrentUserAccess(DWORD rights);
    CurrentUserAccess(const CurrentUserAccess&) = delete;
    CurrentUserAccess& operator=(const CurrentUserAccess&) = delete;

    // Null when the access list could not be made.
    SECURITY_ATTRIBUTES* attributes() { return ok_ ? &attributes_ : nullptr; }

  private:
    std::vector<uint8_t> user_;  // TOKEN_USER with the user's SID
    std::vector<uint8_t> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ok_ = false;
};

// The SID of the user the process runs as, as a TOKEN_USER buffer; empty on failure.
std::vector<uint8_t> CurrentUserToken();

}  // namespace tesh::monitor
