#include "tests/wine/key_probe.h"

#include <sstream>

namespace tesh::test {
namespace {

constexpr char kProbeReady[] = "TeshKeyProbeReady";
constexpr int kMostKeys = 10000;
constexpr DWORD kStartMs = 20000;

// Windows reports the plain modifier keys as their left-hand keys to the hook.
int Plain(int vk) {
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) return VK_SHIFT;
    if (vk == VK_LCONTROL || vk == VK_RCONTROL) return VK_CONTROL;
    if (vk == VK_LMENU || vk == VK_RMENU) return VK_MENU;
    return vk;
}

}  // namespace

KeyProbe::KeyProbe(const std::string& program, int timeoutMs)
    : ready_(CreateEventA(nullptr, TRUE, FALSE, kProbeReady)) {
    const std::string command = Quoted(program) + " " + kProbeReady + " " +
                                std::to_string(kMostKeys) + " " + std::to_string(timeoutMs);
    started_ = child_.Start(command) && WaitForSingleObject(ready_, kStartMs) == WAIT_OBJECT_0;
}

KeyProbe::~KeyProbe() {
    CloseHandle(ready_);
}

std::vector<SeenKey> KeyProbe::Keys() {
    child_.Wait();
    std::vector<SeenKey> keys;
    std::istringstream lines(child_.output());
    long long us;
    int vk;
    std::string direction;
    while (lines >> us >> vk >> direction) keys.push_back({us, Plain(vk), direction == "up"});
    return keys;
}

std::string Describe(const std::vector<SeenKey>& keys) {
    std::string text;
    for (const SeenKey& key : keys) text += std::to_string(key.vk) + (key.up ? " up, " : " down, ");
    return text;
}

}  // namespace tesh::test
