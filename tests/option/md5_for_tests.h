// The digest of the build under test: OpenSSL natively, BCrypt on Windows.
#pragma once

#ifdef _WIN32
#include "option/win/md5_bcrypt.h"
#else
#include "option/md5_openssl.h"
#endif

namespace tesh::option {

#ifdef _WIN32
using TestMd5 = BCryptMd5;
#else
using TestMd5 = OpenSslMd5;
#endif

}  // namespace tesh::option
