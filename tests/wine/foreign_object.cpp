#include "tests/wine/foreign_object.h"

#include <cstring>

namespace tesh::test {

PSID EveryoneSid() {
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID sid = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sid);
    return sid;
}

ForeignObject::ForeignObject(Kind kind, const std::string& name, uint32_t size, uint8_t fill)
    : size_(size), fill_(fill) {
    PSID everyone = EveryoneSid();
    SECURITY_DESCRIPTOR descriptor{};
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    // A null access list: the programs under test can open it; only its owner differs.
    if (everyone && InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
        SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE) &&
        SetSecurityDescriptorOwner(&descriptor, everyone, FALSE)) {
        handle_ = kind == Kind::kMutex ? CreateMutexA(&attributes, FALSE, name.c_str())
                                       : CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes,
                                                            PAGE_READWRITE, 0, size, name.c_str());
        if (handle_ && GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(handle_);
            handle_ = nullptr;
        }
    }
    if (everyone) FreeSid(everyone);
    if (handle_ && kind == Kind::kMapping) {
        void* view = MapViewOfFile(handle_, FILE_MAP_ALL_ACCESS, 0, 0, size);
        if (view) std::memset(view, fill, size);
        if (view) UnmapViewOfFile(view);
    }
}

ForeignObject::~ForeignObject() {
    if (handle_) CloseHandle(handle_);
}

bool ForeignObject::Untouched() const {
    const auto* view =
        static_cast<const uint8_t*>(MapViewOfFile(handle_, FILE_MAP_READ, 0, 0, size_));
    if (!view) return false;
    bool same = true;
    for (uint32_t i = 0; i < size_ && same; ++i) same = view[i] == fill_;
    UnmapViewOfFile(view);
    return same;
}

}  // namespace tesh::test
