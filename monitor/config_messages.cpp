#include "monitor/config_messages.h"

#include <mutex>

#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"

namespace tesh::monitor {

std::optional<intptr_t> ConfigMessages::Handle(uint32_t message, uintptr_t wParam,
                                               intptr_t lParam) {
    switch (message) {
        case kUnusedMessage1232:
        case kUnusedMessage1274:
            return 0;
        case kApplyMessage:
        case kRefreshMessage:
        case kRefreshPointerMessage:
        case kScanSensorMessage:
        case kSpecialModeMessage:
        case kCalibrationStepMessage:
        case kInfoDataChangedMessage:
            break;
        default:
            return std::nullopt;
    }
    std::lock_guard image(ports_.core.imageLock());
    switch (message) {
        case kApplyMessage:
            Apply(wParam);
            break;
        case kRefreshPointerMessage:
            ports_.block.Refresh(ports_.image);
            ApplyPointerSettingsLocked();
            break;
        case kScanSensorMessage:
            ports_.core.sensor().Scan();
            break;
        case kSpecialModeMessage:
        case kCalibrationStepMessage:
            ports_.block.Refresh(ports_.image);
            ports_.core.reports().WriteSensorSettings(static_cast<int>(lParam));
            break;
        default:  // the refreshes
            ports_.block.Refresh(ports_.image);
            break;
    }
    return 0;
}

void ConfigMessages::ApplyPointerSettings() {
    std::lock_guard image(ports_.core.imageLock());
    ApplyPointerSettingsLocked();
}

void ConfigMessages::ApplyPointerSettingsLocked() {
    if (ProfileRecord* active = ActiveProfile(ports_.image)) {
        tesh::monitor::ApplyPointerSettings(*active, ports_.registry, ports_.pointer);
    }
}

// The configuration application sent this and waits: it returns only after the
// exchange with the mouse.
void ConfigMessages::Apply(uintptr_t wParam) {
    ports_.block.Refresh(ports_.image);
    ApplyPointerSettingsLocked();
    ports_.store.ReadOsdSettings(ports_.osd);
    NotifyOsd(ports_.windows, ports_.osd);
    DeviceCore& core = ports_.core;
    if (core.flags().connection.load() != kConnected) return;
    if (wParam == kApplyRestoreDefaults) {
        core.sequences().RestoreDefaults();
    } else if (core.sequences().WriteChanges()) {
        // What the mouse has now is no longer a change, in the block too; after a
        // failed macro or a cancelled sequence the flags stay, so that the next Apply
        // sends them again.
        ClearChangeFlags(ports_.image);
        ports_.block.Publish(ports_.image);
    }
    ports_.quib.PublishStatus();
    ports_.quib.SendQuixAimCpi();
}

}  // namespace tesh::monitor
