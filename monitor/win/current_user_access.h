// Named kernel objects of the current user. The shared block and its mutex, and the
// virtual mouse's memory and lock, are created with an access list for the current user
// alone (not a null access list) and with that user as their owner; any process of the
// user still opens them by name. An object of such a name that exists already is used
// only when the current user owns it: one made first by another user could be read and
// changed by that user at will, and could carry program paths of theirs that the
// monitor would start.
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

    // Null when the access list could not be made. The handles made with them are
    // inheritable.
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

// The decision for an object found existing: true only when its owner is `user`. An
// object without an owner, or a SID that is not valid, is not the user's.
bool OwnerIsUser(PSID owner, PSID user);

// The owner of a kernel object (the handle needs READ_CONTROL) against the user of the
// process; false when either cannot be read.
bool OwnedByCurrentUser(HANDLE object);

}  // namespace tesh::monitor
