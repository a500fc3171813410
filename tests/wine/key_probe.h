// key_hook_probe in a process of its own, started and ready for input: what a user's
// program sees of the keys our programs type.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/child_process.h"

namespace tesh::test {

struct SeenKey {
    long long us;
    int vk;  // the plain modifier keys for their left and right ones
    bool up;
};

class KeyProbe {
  public:
    KeyProbe(const std::string& program, int timeoutMs);
    ~KeyProbe();
    KeyProbe(const KeyProbe&) = delete;
    KeyProbe& operator=(const KeyProbe&) = delete;
    bool started() const { return started_; }
    // The keys seen, once the probe's time is up.
    std::vector<SeenKey> Keys();

  private:
    HANDLE ready_;
    ChildProcess child_;
    bool started_ = false;
};

std::string Describe(const std::vector<SeenKey>& keys);

}  // namespace tesh::test
