// The MD5 digest of the native build, through OpenSSL's EVP interface.
#pragma once

#include "option/md5_port.h"

namespace tesh::option {

class OpenSslMd5 : public Md5Port {
  public:
    bool Digest(std::string_view bytes, Md5Digest& digest) const override;
};

}  // namespace tesh::option
