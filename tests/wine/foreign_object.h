// A named object as another user leaves it for our programs to find: owned by Everyone
// (S-1-1-0), not by the user the tests run as, and open to all. Wine lets a process
// give its objects any owner, so one process can play the other user.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tesh::test {

class ForeignObject {
  public:
    enum class Kind { kMapping, kMutex };
    // A mapping of `size` bytes, each `fill`, or a mutex; made() tells whether it was.
    ForeignObject(Kind kind, const std::string& name, uint32_t size = 0, uint8_t fill = 0);
    ~ForeignObject();
    ForeignObject(const ForeignObject&) = delete;
    ForeignObject& operator=(const ForeignObject&) = delete;

    bool made() const { return handle_ != nullptr; }
    HANDLE handle() const { return handle_; }
    // True when the mapping still holds `fill` in every byte.
    bool Untouched() const;

  private:
    HANDLE handle_ = nullptr;
    uint32_t size_;
    uint8_t fill_;
};

// The well-known SID of Everyone; freed with FreeSid.
PSID EveryoneSid();

}  // namespace tesh::test
