#include <chrono>
#include <thread>

#include "monitor/device_ports.h"

namespace tesh::monitor {

void SteadyClock::SleepMs(uint32_t milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

uint64_t SteadyClock::NowMs() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace tesh::monitor
