#include "option/md5_openssl.h"

#include <openssl/evp.h>

#include <memory>

namespace tesh::option {

bool OpenSslMd5::Digest(std::string_view bytes, Md5Digest& digest) const {
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                    &EVP_MD_CTX_free);
    unsigned int length = 0;
    return context && EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) == 1 &&
           EVP_DigestUpdate(context.get(), bytes.data(), bytes.size()) == 1 &&
           EVP_DigestFinal_ex(context.get(), digest.data(), &length) == 1 &&
           length == digest.size();
}

}  // namespace tesh::option
