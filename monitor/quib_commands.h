// What the monitor does on the Quib peers' messages, and what it sends them: the
// commands of "WM_QUIB_MSG" and of message 2025, a peer's device registration kept in
// DeviceInfo.ini, the ambient light, the device status, Quix-Aim CPI and Quixshift
// records, and the status published to a Quib monitor. All on the window thread,
// except the records a device job sends.
//
// A peer is another program: a record to it gives up on a window that does not answer
// within a second, and a peer whose window is gone is forgotten.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "monitor/device_channel.h"
#include "monitor/events/event_ports.h"
#include "monitor/host_ports.h"
#include "monitor/peripheral_reports.h"
#include "monitor/quib_contacts.h"
#include "monitor/quib_lights.h"
#include "monitor/quib_records.h"
#include "settings/device_info.h"

namespace tesh::monitor {

// The plain message with the commands of WM_QUIB_MSG (but 4) and a few of its own.
constexpr uint32_t kQuibPlainMessage = 2025;

// What the Quib commands ask of the platform.
class QuibLink {
  public:
    enum class Sent { kDelivered, kNoAnswer, kGone };
    virtual ~QuibLink() = default;
    virtual bool IsWindow(uintptr_t window) = 0;
    // WM_COPYDATA with wParam 2024, waiting at most about a second for the answer.
    virtual Sent SendRecord(uintptr_t peer, uint32_t data, const uint8_t* bytes,
                            std::size_t size) = 0;
    virtual std::string ToAnsi(std::u16string_view text) = 0;
    // The ambient light record from its shared mapping, under its mutex; false when
    // there is no such mapping.
    virtual bool ReadAmbientRecord(AmbientRecord& record) = 0;
    // WM_COMMAND with this identifier, posted to the monitor's own window.
    virtual void PostOwnCommand(uint32_t command) = 0;
};

struct QuibCommandPorts {
    QuibState& state;
    QuibLink& link;
    QuibLights& lights;
    LinkHost& host;
    WindowPort& windows;
    const DeviceFlags& flags;
    SettingsSet& image;
    std::mutex& imageLock;
    std::string deviceTablePath;   // DeviceInfo.ini
    uint32_t statusToQuibMessage;  // "WM_QUIB_ACTIVE_STATUS_TO_QUIB"
    uintptr_t monitorWindow;
};

class QuibCommands : public QuibPeers, public QuibFunctions {
  public:
    explicit QuibCommands(const QuibCommandPorts& ports);

    // WM_QUIB_MSG and message 2025: wParam the command, lParam its argument. 0.
    intptr_t OnQuibMessage(uintptr_t command, intptr_t argument);
    intptr_t OnPlainMessage(uintptr_t command, intptr_t argument);
    // WM_COPYDATA from a peer. 1.
    intptr_t OnRegistration(const uint8_t* data, std::size_t size);
    // "WM_QUIB_AMBIENT_EVENT_LIGHT_FROM_QUIB".
    void OnAmbientLight();

    // QuibPeers. Callers hold no lock.
    void SendDeviceStatus(bool connected) override;
    void SendQuixAimCpi() override;
    void PublishStatus() override;
    // QuibFunctions: a Quixshift button pressed or released.
    void DeviceFunction(const ButtonRecord& button, uint8_t pressState) override;

    const DeviceInfoTable& devices() const { return *devices_; }

  private:
    bool Common(uintptr_t command, intptr_t argument);
    void Attach(uintptr_t peer);
    void Detach();
    void RemoveDevice(uint16_t productId);
    void DeviceTableChanged();
    void SendDeviceRecord(uint16_t kind);
    void SendToPeer(uint32_t data, const uint8_t* bytes, std::size_t size);

    QuibCommandPorts ports_;
    std::unique_ptr<DeviceInfoTable> devices_;
    AmbientRecord ambient_{};
    bool ambientRead_ = false;
};

}  // namespace tesh::monitor
