#include "option/win/md5_bcrypt.h"

#include <windows.h>
// After windows.h.
#include <bcrypt.h>

#include <limits>
#include <vector>

namespace tesh::option {
namespace {

bool Succeeded(NTSTATUS status) {
    return status >= 0;
}

}  // namespace

bool BCryptMd5::Digest(std::string_view bytes, Md5Digest& digest) const {
    if (bytes.size() > std::numeric_limits<ULONG>::max()) return false;
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!Succeeded(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0)))
        return false;
    bool made = false;
    DWORD objectLength = 0, copied = 0;
    if (Succeeded(BCryptGetProperty(algorithm, BCRYPT_OBJECT_LENGTH,
                                    reinterpret_cast<PUCHAR>(&objectLength), sizeof objectLength,
                                    &copied, 0))) {
        std::vector<UCHAR> object(objectLength);
        BCRYPT_HASH_HANDLE hash = nullptr;
        if (Succeeded(
                BCryptCreateHash(algorithm, &hash, object.data(), objectLength, nullptr, 0, 0))) {
            // BCryptHashData takes a non-const pointer but only reads the bytes.
            auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
            made = Succeeded(BCryptHashData(hash, data, static_cast<ULONG>(bytes.size()), 0)) &&
                   Succeeded(
                       BCryptFinishHash(hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
            BCryptDestroyHash(hash);
        }
    }
    BCryptCloseAlgorithmProvider(algorithm, 0);
    return made;
}

}  // namespace tesh::option
