#include "monitor/device_reports.h"

#include "monitor/device_tables.h"
#include "monitor/macro_report.h"
#include "monitor/profile_reports.h"

namespace tesh::monitor {

namespace {

bool ValidProfile(int profile) {
    return profile >= 0 && profile < kProfileCount;
}

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kButtonSlots;
}

}  // namespace

bool DeviceReports::SelectProfile() {
    return channel_.WriteAndWait(
        Built([&] { return BuildActiveProfileReport(image_.CurrentProfile); }), kShortWaitMs);
}

bool DeviceReports::ReadActiveProfile() {
    ActiveProfileBytes reply{kActiveProfileReport};
    if (!channel_.Read(reply)) return false;
    std::lock_guard lock(imageLock_);
    ParseActiveProfileReport(reply, image_.CurrentProfile);
    return true;
}

bool DeviceReports::WriteProfileSettings(int profile) {
    if (!ValidProfile(profile)) return false;
    return channel_.WriteAndWait(
        Built([&] { return BuildProfileSettingsReport(image_.Profiles[profile], profile); }),
        kShortWaitMs);
}

bool DeviceReports::ReadProfileSettings(int profile) {
    if (!ValidProfile(profile)) return false;
    ProfileSettingsBytes reply{kProfileSettingsReport};
    if (!channel_.SelectedRead(profile, kSelectProfileSettings, reply, false)) return false;
    std::lock_guard lock(imageLock_);
    return ParseProfileSettingsReport(reply, image_.Profiles[profile]);
}

bool DeviceReports::WriteButtons(int profile) {
    if (!ValidProfile(profile)) return false;
    return channel_.WriteAndWait(
        Built([&] { return BuildButtonReport(image_.Profiles[profile], profile); }), kButtonWaitMs);
}

bool DeviceReports::ReadButtons(int profile) {
    if (!ValidProfile(profile)) return false;
    ButtonBytes reply{kButtonReport};
    if (!channel_.SelectedRead(profile, kSelectButtons, reply, false)) return false;
    std::lock_guard lock(imageLock_);
    return ParseButtonReport(reply, image_.Profiles[profile]);
}

bool DeviceReports::WriteMacro(int profile, int slot) {
    if (!ValidProfile(profile) || !ValidSlot(slot) || IsHostOnlySlot(slot)) return false;
    return channel_.WriteAndWait(Built([&] {
                                     return BuildMacroReport(image_.Profiles[profile].Buttons[slot],
                                                             profile, DeviceButtonOfSlot(slot));
                                 }),
                                 kButtonWaitMs);
}

bool DeviceReports::ReadMacro(int profile, int slot) {
    if (!ValidProfile(profile) || !ValidSlot(slot) || IsHostOnlySlot(slot)) return false;
    MacroBytes reply{kMacroReport};
    const auto selector = static_cast<uint8_t>(DeviceButtonOfSlot(slot));
    if (!channel_.SelectedRead(profile, selector, reply, true)) return false;
    std::lock_guard lock(imageLock_);
    return ParseMacroReport(reply, profile, selector, image_.Profiles[profile].Buttons[slot]);
}

FirmwareVersionRead DeviceReports::ReadFirmwareVersion() {
    DeviceInfoBytes reply{kDeviceInfoReport};
    FirmwareVersionRead read;
    read.ok = channel_.Read(reply);
    if (read.ok) read.version = FirmwareVersionOf(reply);
    files_.WriteFirmwareVersion(read.version);
    return read;
}

bool DeviceReports::RestoreDeviceDefaults() {
    return channel_.WriteAndWait(Built([] { return BuildRestoreDefaultsReport(); }), kShortWaitMs);
}

bool DeviceReports::SetHostState(uint8_t state) {
    return channel_.WriteAndWait(BuildHostStateReport(state), kShortWaitMs);
}

bool DeviceReports::SayHostStopped() {
    DeviceChannel::Exchange exchange(channel_);
    if (!exchange.Write(BuildHostStateReport(kHostStateStopped))) return false;
    exchange.Sleep(kShortWaitMs);
    StatusBytes status{kStatusReport};
    return exchange.Read(status) && status[1] == kStatusDone;
}

bool DeviceReports::ReadSensorSettings() {
    SensorSettingsBytes reply{kSensorSettingsReport};
    if (!channel_.Read(reply)) return false;
    std::lock_guard lock(imageLock_);
    ParseSensorSettingsReport(reply, image_.LiftOnFlag, image_.TrackControlFlag, lzc_);
    return true;
}

bool DeviceReports::WriteSensorSettings(int mode) {
    return channel_.WriteAndWait(Built([&] {
                                     ApplyCalibrationStep(mode, lzc_);
                                     return BuildSensorSettingsReport(
                                         image_.LiftOnFlag, image_.TrackControlFlag, lzc_, mode);
                                 }),
                                 kShortWaitMs);
}

bool DeviceReports::SendQuibLight(uint8_t a, uint8_t b, uint8_t c) {
    return channel_.WriteAndWait(BuildQuibLightReport(a, b, c), kShortWaitMs);
}

bool DeviceReports::SendAmbientLight(const AmbientRecord& record) {
    return channel_.WriteAndWait(BuildAmbientLightReport(record), kShortWaitMs);
}

}  // namespace tesh::monitor
