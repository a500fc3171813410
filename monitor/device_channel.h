// Exchanges with the mouse. An exchange (a write, the wait for ready that follows it and
// the read it prepares) holds one lock from start to end, so that the window thread
// and the device worker never answer each other's status polls or selected reads.
// Pauses between exchanges are made without the lock.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "monitor/device_ports.h"

namespace tesh::monitor {

// Connection state of the mouse.
enum ConnectionState : int {
    kNotFound = 0,   // no mouse at start-up
    kConnected = 1,  // device work runs only in this state
    kRemoved = 2,
};

// Shared by the window thread, the device worker and the macro player.
struct DeviceFlags {
    std::atomic<int> connection{kNotFound};
    std::atomic<int> busy{0};      // 1 while the device worker runs a job
    std::atomic<int> cancel{0};    // stops a running job at its next pause
    std::atomic<int> stopping{0};  // 1 once the monitor ends: no job runs any more
};

// Sleeps of a pause: each at most this long, the cancel flag tested before each.
constexpr uint32_t kPauseStepMs = 100;
// The wait for ready polls the status at most this often.
constexpr int kReadyAttempts = 10;
// Pause before poll n of the wait: the first pause, then these, then the last one.
constexpr uint32_t kSecondPollPauseMs = 1000;
constexpr uint32_t kThirdPollPauseMs = 1500;
constexpr uint32_t kLaterPollPauseMs = 2000;

class DeviceChannel {
  public:
    DeviceChannel(FeatureDevice& device, Clock& clock, const std::atomic<int>& cancel)
        : device_(device), clock_(clock), cancel_(cancel) {}

    // One exchange in progress; the lock is held for the object's life.
    class Exchange {
      public:
        explicit Exchange(DeviceChannel& channel) : channel_(channel), lock_(channel.mutex_) {}
        bool Write(const uint8_t* report, uint32_t length);
        // Clears the buffer, puts `id` in byte 0 and reads the full length.
        bool Read(uint8_t id, uint8_t* reply, uint32_t length);
        // Polls the status until it is no longer busy: true when the mouse says done.
        bool WaitForReady(uint32_t firstPauseMs);
        // A sleep that the cancel flag does not end.
        void Sleep(uint32_t milliseconds) { channel_.clock_.SleepMs(milliseconds); }

        template <std::size_t N>
        bool Write(const std::array<uint8_t, N>& report) {
            return Write(report.data(), N);
        }
        template <std::size_t N>
        bool Read(std::array<uint8_t, N>& reply) {
            return Read(reply[0], reply.data(), N);
        }

      private:
        DeviceChannel& channel_;
        std::unique_lock<std::mutex> lock_;
    };

    // Writes a report and, when the write succeeded, waits for ready with its first
    // pause; the result is that of the wait.
    template <std::size_t N>
    bool WriteAndWait(const std::array<uint8_t, N>& report, uint32_t firstPauseMs) {
        Exchange exchange(*this);
        return exchange.Write(report) && exchange.WaitForReady(firstPauseMs);
    }
    // A read of a report that needs no selection; `reply[0]` holds its identifier.
    template <std::size_t N>
    bool Read(std::array<uint8_t, N>& reply) {
        return Exchange(*this).Read(reply);
    }
    // The status write with `selector` for `profile` and its wait (whose result does not
    // matter), then the read of `reply` (identifier in byte 0). With `failWhenCancelled`
    // a cancel during the wait fails the read before it is made.
    template <std::size_t N>
    bool SelectedRead(int profile, uint8_t selector, std::array<uint8_t, N>& reply,
                      bool failWhenCancelled) {
        Exchange exchange(*this);
        SelectFor(exchange, profile, selector);
        if (failWhenCancelled && Cancelled()) return false;
        return exchange.Read(reply);
    }

    // Sleeps of at most 100 ms, the cancel flag tested before each; false when the
    // cancel flag is set at the end (a cancelled pause ends early).
    bool Pause(uint32_t milliseconds);
    bool Cancelled() const { return cancel_.load() != 0; }
    Clock& clock() { return clock_; }

  private:
    static void SelectFor(Exchange& exchange, int profile, uint8_t selector);

    FeatureDevice& device_;
    Clock& clock_;
    const std::atomic<int>& cancel_;
    std::mutex mutex_;
};

}  // namespace tesh::monitor
