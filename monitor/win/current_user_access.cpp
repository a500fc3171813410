#include "monitor/win/current_user_access.h"

#include <aclapi.h>

namespace tesh::monitor {

std::vector<uint8_t> CurrentUserToken() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<uint8_t> user(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size)) {
        user.clear();
    }
    CloseHandle(token);
    return user;
}

// The owner is set as well: an elevated process would otherwise give its objects to the
// administrators' group, and the user's other processes would refuse them.
CurrentUserAccess::CurrentUserAccess(DWORD rights) : user_(CurrentUserToken()) {
    if (user_.empty()) return;
    PSID sid = reinterpret_cast<TOKEN_USER*>(user_.data())->User.Sid;
    const DWORD aclSize = static_cast<DWORD>(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) -
                                             sizeof(DWORD) + GetLengthSid(sid));
    acl_.resize(aclSize);
    PACL acl = reinterpret_cast<PACL>(acl_.data());
    ok_ = InitializeAcl(acl, aclSize, ACL_REVISION) &&
          AddAccessAllowedAce(acl, ACL_REVISION, rights, sid) &&
          InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
          SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) &&
          SetSecurityDescriptorOwner(&descriptor_, sid, FALSE);
    attributes_.nLength = sizeof attributes_;
    attributes_.lpSecurityDescriptor = &descriptor_;
    attributes_.bInheritHandle = TRUE;
}

bool OwnerIsUser(PSID owner, PSID user) {
    return owner != nullptr && user != nullptr && IsValidSid(owner) && IsValidSid(user) &&
           EqualSid(owner, user);
}

bool OwnedByCurrentUser(HANDLE object) {
    const std::vector<uint8_t> user = CurrentUserToken();
    if (user.empty() || object == nullptr) return false;
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const bool owned =
        OwnerIsUser(owner, reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid);
    LocalFree(descriptor);
    return owned;
}

}  // namespace tesh::monitor
