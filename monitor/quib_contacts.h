// What the monitor exchanges with the maker's other device programs (Quib) at start-up
// and at every change of the connection: the product's entry in QConfig.ini, the
// start-up announcement, the device status and Quix-Aim CPI records, and the device
// table in DeviceInfo.ini, which starts empty at every start.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "settings/settings_set.h"

namespace tesh::monitor {

// The Quib folder is this below the machine-wide application data folder.
constexpr char kQuibFolder[] = "VORTAQ\\Quib\\";
constexpr char kQuibConfigIni[] = "QConfig.ini";
constexpr char kQuibProductSection[] = "TeshUlmaOptical";
constexpr char kQuibProductName[] = "Tesh Ulma Optical";
constexpr char kQuibMonitorWindowTitle[] = "VORTAQ Quib Monitor";

// Registered window messages.
constexpr char kQuibMessageName[] = "WM_QUIB_MSG";
constexpr char kQuibStatusToQuibName[] = "WM_QUIB_ACTIVE_STATUS_TO_QUIB";
constexpr const char* kQuibRegisteredMessages[] = {"WM_QUIB_ACTIVE_STATUS_FROM_QUIB",
                                                   kQuibStatusToQuibName,
                                                   "WM_QUIB_MONITOR_STATUS_CHANGE",
                                                   "WM_QUIB_AMBIENT_EVENT_LIGHT_FROM_QUIB",
                                                   "WM_QUIB_DEVICE_STATUS_CHANGE_TO_QUIBMONITOR",
                                                   kQuibMessageName};
// wParam of the start-up broadcast of WM_QUIB_MSG (lParam: the monitor window).
constexpr uintptr_t kQuibAnnounceCommand = 11;

// WM_COPYDATA records to the peer window: wParam, and dwData = kind in the high word.
constexpr uintptr_t kQuibCopyDataWParam = 2024;
constexpr uint32_t kQuibRecordKind = 0x0797;
constexpr uint16_t kQuibConnected = 3;
constexpr uint16_t kQuibRemoved = 4;
constexpr uint16_t kQuibQuixAimCpi = 5;
constexpr uint16_t kQuibVendorId = 6243;
constexpr uint16_t kQuibProductId = 8421;
constexpr std::size_t kQuibDeviceRecordBytes = 28;
using QuibDeviceRecord = std::array<uint8_t, kQuibDeviceRecordBytes>;

// Adds the product's section to QConfig.ini in `quibFolder` (created empty when
// missing) unless a section's Name already names it. False when the file could not
// be written.
bool RegisterQuibProduct(const std::string& quibFolder);

// dwData of a record of kind `low`.
uint32_t QuibRecordData(uint16_t low);
// The device status and Quix-Aim CPI record: vendor and product id, the monitor
// window, the CPI values of the active profile's five levels (0 without one).
QuibDeviceRecord BuildQuibDeviceRecord(uint32_t monitorWindow, const ProfileRecord* active);

// DeviceInfo.ini in the program directory with no device.
bool WriteEmptyDeviceTable(const std::string& programDirectory);

// The Quib peers as far as the monitor knows them; shared by the window thread and
// the device worker.
struct QuibState {
    std::atomic<uintptr_t> peerWindow{0};  // 0: no peer, nothing is sent
    std::atomic<int> monitorActive{0};     // 1: a Quib monitor shows the tray icon
    std::atomic<int> shiftLock{0};         // toggled by commands 141 and 246
};

// What the monitor tells the peers.
class QuibPeers {
  public:
    virtual ~QuibPeers() = default;
    virtual void SendDeviceStatus(bool connected) = 0;
    virtual void SendQuixAimCpi() = 0;
    virtual void PublishStatus() = 0;
};

}  // namespace tesh::monitor
