#include "featlink/device_state.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "settings/file_io.h"
#include "settings/settings_set.h"

namespace tesh::vmouse {

namespace {

// Slots 5, 6, 11, 17, 18 and 23 exist only on the host; the others, in order, are the
// mouse's buttons 0..17.
constexpr int kButtonSlot[kDeviceButtons] = {0,  1,  2,  3,  4,  7,  8,  9,  10,
                                             12, 13, 14, 15, 16, 19, 20, 21, 22};

// CPI code of level values 1..7 (400, 800, 1200, 1600, 2000, 3200, 4000 CPI).
constexpr uint8_t kCpiCodes[7] = {0x10, 0x00, 0x11, 0x12, 0x13, 0x02, 0x03};

uint8_t Low(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

int SlotOfDeviceButton(int button) {
    return button >= 0 && button < kDeviceButtons ? kButtonSlot[button] : -1;
}

int ActiveProfileIndex(const DeviceFlash& flash) {
    const uint8_t profile = flash.activeProfile;
    return profile < kDeviceProfiles ? profile : 0;
}

uint8_t CpiCodeOfLevel(int level) {
    return level >= 1 && level <= 7 ? kCpiCodes[level - 1] : 0;
}

ProfileSettings ProfileSettingsFromRecord(const ProfileRecord& r) {
    ProfileSettings s{};
    s.xySynchronous = Low(r.XYSynchronous);
    s.sensitivityX = Low(r.Sensitivity);
    s.sensitivityY = Low(r.Sensitivity);
    for (int i = 0; i < kCpiLevels; ++i) {
        if (r.dpi[i] == 1) s.dpiMask = static_cast<uint8_t>(s.dpiMask | (1 << i));
        s.cpiCodes[i] = CpiCodeOfLevel(r.CpiLevel_X[i]);
    }
    s.cpiLevel = Low(r.Cpi_X);
    s.pollingRate = Low(r.PollingRate);
    s.lightOn = r.LightInfo[0].on == 1 ? 1 : 0;
    s.lightChoseType = Low(r.LtChoseType);
    s.colorFlow = Low(r.LightColorFlow);
    s.effectType = Low(r.LightEffectType);
    s.effectSpeed = Low(r.LightEffectSpeed);
    const LightEntry& light = r.LtChoseType != 0 ? r.CustomLightInfo[0] : r.LightInfo[0];
    s.colorIndex = r.LtChoseType != 0 ? 0xFF : light.colorIndex;
    s.red = light.red;
    s.green = light.green;
    s.blue = light.blue;
    return s;
}

void RestoreFlashDefaults(DeviceFlash& flash) {
    auto record = std::make_unique<ProfileRecord>();
    for (int p = 0; p < kDeviceProfiles; ++p) {
        std::memset(record.get(), 0, sizeof(ProfileRecord));
        ProfileDefaults(*record, p);
        flash.profiles[p] = ProfileSettingsFromRecord(*record);
        for (int b = 0; b < kDeviceButtons; ++b) {
            flash.buttons[p][b] = ButtonEntry{kDefaultButtonCodes[kButtonSlot[b]], 0, 0};
        }
    }
    std::memset(flash.macros, 0, sizeof(flash.macros));
    flash.activeProfile = 0;
    flash.sensor = SensorSettings{};
}

void InitFlash(DeviceFlash& flash) {
    std::memset(&flash, 0, sizeof(flash));
    flash.magic = kFlashMagic;
    flash.layoutVersion = kLayoutVersion;
    flash.firmwareVersion = kFactoryFirmwareVersion;
    flash.dfuVersion = kFactoryDfuVersion;
    RestoreFlashDefaults(flash);
}

void ResetVolatileState(DeviceState& state) {
    state.selection = Selection{};
    // A mouse that has done nothing yet answers "done": there is no command pending.
    state.status = StatusLatch{kStatusDone, 0, {}};
    state.updateStatus = StatusLatch{kStatusDone, 0, {}};
    state.update = UpdateSession{};
    state.peripherals = PeripheralState{};
    state.input = InputState{};
    for (int8_t& held : state.input.pressedAs) held = -1;
}

void InitDeviceState(DeviceState& state) {
    std::memset(&state, 0, sizeof(state));
    state.magic = kStateMagic;
    state.layoutVersion = kLayoutVersion;
    state.size = sizeof(DeviceState);
    state.plugged = 1;
    InitFlash(state.flash);
    ResetVolatileState(state);
    state.faults = Faults{};
    state.faults.forcedStatus = -1;
}

bool IsDeviceState(const DeviceState& state) {
    return state.magic == kStateMagic && state.layoutVersion == kLayoutVersion &&
           state.size == sizeof(DeviceState);
}

uint16_t MacroEventCount(const MacroEntry& macro) {
    return static_cast<uint16_t>(macro.eventCount[0] | (macro.eventCount[1] << 8));
}

void SetMacroEventCount(MacroEntry& macro, uint16_t count) {
    macro.eventCount[0] = static_cast<uint8_t>(count & 0xFF);
    macro.eventCount[1] = static_cast<uint8_t>(count >> 8);
}

std::string FlashBytes(const DeviceFlash& flash) {
    return std::string(reinterpret_cast<const char*>(&flash), sizeof(flash));
}

bool FlashFromBytes(std::string_view bytes, DeviceFlash& flash) {
    if (bytes.size() != sizeof(DeviceFlash)) return false;
    uint32_t magic = 0, layoutVersion = 0;
    std::memcpy(&magic, bytes.data() + offsetof(DeviceFlash, magic), sizeof magic);
    std::memcpy(&layoutVersion, bytes.data() + offsetof(DeviceFlash, layoutVersion),
                sizeof layoutVersion);
    if (magic != kFlashMagic || layoutVersion != kLayoutVersion) return false;
    std::memcpy(&flash, bytes.data(), sizeof(flash));
    if (flash.activeProfile >= kDeviceProfiles) flash.activeProfile = 0;
    return true;
}

bool SaveFlashFile(const DeviceFlash& flash, const std::string& path) {
    return WriteFileAtomically(path, FlashBytes(flash));
}

bool LoadFlashFile(const std::string& path, DeviceFlash& flash) {
    auto bytes = ReadWholeFile(path);
    return bytes && FlashFromBytes(*bytes, flash);
}

}  // namespace tesh::vmouse
