// The MD5 digest of the Windows build, from the system's BCrypt.
#pragma once

#include "option/md5_port.h"

namespace tesh::option {

class BCryptMd5 : public Md5Port {
  public:
    bool Digest(std::string_view bytes, Md5Digest& digest) const override;
};

}  // namespace tesh::option
