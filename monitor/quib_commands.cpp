#include "monitor/quib_commands.h"

#include <cstring>

#include "monitor/monitor_names.h"
#include "monitor/pointer_settings.h"
#include "monitor/program_names.h"

namespace tesh::monitor {

namespace {

// Commands of WM_QUIB_MSG and 2025.
constexpr uintptr_t kRemoveDevice = 4;  // WM_QUIB_MSG only
constexpr uintptr_t kAttach = 6;
constexpr uintptr_t kDetach = 7;
constexpr uintptr_t kOpenConfiguration = 8;  // 2025 only, as 8..10 and 247..251
constexpr uintptr_t kExit = 9;
constexpr uintptr_t kUpdateTray = 10;
constexpr uintptr_t kAllShiftLight = 140;
constexpr uintptr_t kAllShiftLockLight = 141;
constexpr uintptr_t kShiftLight = 245;
constexpr uintptr_t kShiftLockLight = 246;
constexpr uintptr_t kFirstLevelLight = 247;
constexpr uintptr_t kLastLevelLight = 251;

constexpr uint8_t kAny = 0xFF;
constexpr intptr_t kOn = 0;  // the argument of a light command that turns it on
constexpr intptr_t kOff = 1;
constexpr intptr_t kHandled = 0;
constexpr intptr_t kRegistrationAnswer = 1;

uint8_t LightValue(intptr_t argument, uint8_t on) {
    if (argument == kOn) return on;
    return argument == kOff ? 0 : kAny;
}

}  // namespace

QuibCommands::QuibCommands(const QuibCommandPorts& ports)
    : ports_(ports), devices_(std::make_unique<DeviceInfoTable>()) {
    std::memset(devices_.get(), 0, sizeof *devices_);
}

intptr_t QuibCommands::OnQuibMessage(uintptr_t command, intptr_t argument) {
    if (command == kRemoveDevice) {
        RemoveDevice(static_cast<uint16_t>(static_cast<uintptr_t>(argument) >> 16));
    } else {
        Common(command, argument);
    }
    return kHandled;
}

intptr_t QuibCommands::OnPlainMessage(uintptr_t command, intptr_t argument) {
    if (Common(command, argument)) return kHandled;
    switch (command) {
        case kOpenConfiguration:
            ports_.link.PostOwnCommand(kOpenOptionCommand);
            break;
        case kExit:
            ports_.link.PostOwnCommand(kExitCommand);
            break;
        case kUpdateTray:
            ports_.host.UpdateTrayIcon();
            break;
        default:
            if (command >= kFirstLevelLight && command <= kLastLevelLight) {
                const auto level = static_cast<uint8_t>(command - (kFirstLevelLight - 1));
                ports_.lights.SendQuibLight(kAny, kAny, LightValue(argument, level));
            }
            break;
    }
    return kHandled;
}

// The commands both messages share; false for any other.
bool QuibCommands::Common(uintptr_t command, intptr_t argument) {
    switch (command) {
        case kAttach:
            Attach(static_cast<uintptr_t>(argument));
            return true;
        case kDetach:
            Detach();
            return true;
        case kAllShiftLight:
        case kShiftLight:
            ports_.lights.SendQuibLight(LightValue(argument, 1), kAny, kAny);
            return true;
        case kAllShiftLockLight:
        case kShiftLockLight:
            if (argument == kOn) {
                const int lock = ports_.state.shiftLock.load() == 0 ? 1 : 0;
                ports_.state.shiftLock = lock;
                ports_.lights.SendQuibLight(kAny, static_cast<uint8_t>(lock), kAny);
            }
            return true;
        default:
            return false;
    }
}

// The first peer stays; one whose window has gone makes room for the new one.
void QuibCommands::Attach(uintptr_t peer) {
    uintptr_t current = ports_.state.peerWindow.load();
    if (current != 0 && !ports_.link.IsWindow(current)) {
        ports_.state.peerWindow.compare_exchange_strong(current, 0);
    }
    uintptr_t none = 0;
    if (peer != 0 && ports_.state.peerWindow.compare_exchange_strong(none, peer) &&
        ports_.flags.connection.load() == kConnected) {
        SendDeviceStatus(true);
        SendQuixAimCpi();
    }
    ports_.state.monitorActive = 1;
    ports_.host.UpdateTrayIcon();
}

void QuibCommands::Detach() {
    ports_.state.peerWindow = 0;
    ports_.state.monitorActive = 0;
    ports_.host.UpdateTrayIcon();
}

void QuibCommands::RemoveDevice(uint16_t productId) {
    DeviceInfoTable& table = *devices_;
    for (int i = 0; i < table.Count; ++i) {
        if (table.Devices[i].PID != productId) continue;
        std::memmove(&table.Devices[i], &table.Devices[i + 1],
                     sizeof(DeviceInfoEntry) * static_cast<std::size_t>(table.Count - i - 1));
        --table.Count;
        std::memset(&table.Devices[table.Count], 0, sizeof(DeviceInfoEntry));
        DeviceTableChanged();
        return;
    }
}

// A registration for a product already known replaces its entry; a full table keeps
// what it has.
intptr_t QuibCommands::OnRegistration(const uint8_t* data, std::size_t size) {
    const std::optional<QuibRegistration> registration = ParseQuibRegistration(data, size);
    if (!registration) return kRegistrationAnswer;
    DeviceInfoTable& table = *devices_;
    int index = 0;
    while (index < table.Count && table.Devices[index].PID != registration->productId) ++index;
    if (index == kMaxDevices) return kRegistrationAnswer;
    const std::string name = FitQuibDeviceName(
        registration->name, [this](std::u16string_view text) { return ports_.link.ToAnsi(text); });
    table.Devices[index] = QuibDeviceEntry(*registration, name);
    if (index == table.Count) ++table.Count;
    DeviceTableChanged();
    return kRegistrationAnswer;
}

void QuibCommands::DeviceTableChanged() {
    WriteDeviceTable(*devices_, ports_.deviceTablePath);
    ports_.windows.PostToWindow(kOptionWindowTitle, kDeviceTableMessage, 0, 0);
}

// Without a record read from a Quib program there is nothing to show.
void QuibCommands::OnAmbientLight() {
    if (ports_.link.ReadAmbientRecord(ambient_)) ambientRead_ = true;
    if (ambientRead_) ports_.lights.SendAmbientLight(ambient_);
}

void QuibCommands::SendDeviceStatus(bool connected) {
    SendDeviceRecord(connected ? kQuibConnected : kQuibRemoved);
}

void QuibCommands::SendQuixAimCpi() {
    SendDeviceRecord(kQuibQuixAimCpi);
}

// Made under the image's lock, sent without it.
void QuibCommands::SendDeviceRecord(uint16_t kind) {
    if (ports_.state.peerWindow.load() == 0) return;
    QuibDeviceRecord record;
    {
        std::lock_guard image(ports_.imageLock);
        record = BuildQuibDeviceRecord(static_cast<uint32_t>(ports_.monitorWindow),
                                       ActiveProfile(ports_.image));
    }
    SendToPeer(QuibRecordData(kind), record.data(), record.size());
}

void QuibCommands::DeviceFunction(const ButtonRecord& button, uint8_t pressState) {
    const QuixshiftRecord record = BuildQuixshiftRecord(button, pressState);
    SendToPeer(QuibRecordData(record.command), record.bytes.data(), record.bytes.size());
}

void QuibCommands::SendToPeer(uint32_t data, const uint8_t* bytes, std::size_t size) {
    uintptr_t peer = ports_.state.peerWindow.load();
    if (peer == 0) return;
    if (ports_.link.SendRecord(peer, data, bytes, size) == QuibLink::Sent::kGone) {
        ports_.state.peerWindow.compare_exchange_strong(peer, 0);
    }
}

// The Quib status mapping is never created by the monitor and its name is the Quib
// programs' own, so only the message to the Quib monitor remains.
void QuibCommands::PublishStatus() {
    ports_.state.shiftLock = 0;
    if (ports_.state.monitorActive.load() != 1) return;
    ports_.windows.PostToWindow(kQuibMonitorWindowTitle, ports_.statusToQuibMessage, 0, 0);
}

}  // namespace tesh::monitor
