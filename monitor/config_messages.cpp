#include "monitor/config_messages.h"

#include <mutex>
#include <optional>

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
    switch (message) {
        case kApplyMessage:
            Apply(wParam);
            break;
        case kRefreshPointerMessage:
            ApplyPointerSettings(true);
            break;
        case kScanSensorMessage:
            ports_.core.sensor().Scan();
            break;
        case kSpecialModeMessage:
        case kCalibrationStepMessage:
            Refresh();
            ports_.core.reports().WriteSensorSettings(static_cast<int>(lParam));
            break;
        default:  // the refreshes
            Refresh();
            break;
    }
    return 0;
}

void ConfigMessages::Refresh() {
    std::lock_guard image(ports_.core.imageLock());
    ports_.block.Refresh(ports_.image);
}

// The values are taken under the image's lock; the system is told without it, as that
// lets other programs' sent messages in (a 1224 of the configuration application among
// them, which takes the lock).
void ConfigMessages::ApplyPointerSettings(bool refreshFirst) {
    std::optional<PointerValues> values;
    {
        std::lock_guard image(ports_.core.imageLock());
        if (refreshFirst) ports_.block.Refresh(ports_.image);
        if (ProfileRecord* active = ActiveProfile(ports_.image)) {
            values = PreparePointerValues(*active, ports_.registry);
        }
    }
    if (values) ApplyPointerValues(*values, ports_.pointer);
}

// The configuration application sent this and waits: it returns only after the
// exchange with the mouse. The exchanges take the image's lock only to build their
// reports, so a device job's store into the image waits for a report, not for Apply.
void ConfigMessages::Apply(uintptr_t wParam) {
    ApplyPointerSettings(true);
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
        std::lock_guard image(core.imageLock());
        ClearChangeFlags(ports_.image);
        ports_.block.Publish(ports_.image);
    }
    ports_.quib.PublishStatus();
    ports_.quib.SendQuixAimCpi();
}

}  // namespace tesh::monitor
