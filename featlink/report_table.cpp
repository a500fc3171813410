#include "featlink/reports.h"

namespace tesh::vmouse {

namespace {

// Every report the mouse knows. While it is in update mode it answers only the update
// reports and the device information (the upgrader reads the DFU version from it).
constexpr ReportHandler kReports[] = {
    {kReportStatus, kStatusLength, kStatusLength, WriteStatusSelect, ReadStatus, false, false},
    {kReportActiveProfile, kActiveProfileLength, kActiveProfileLength, WriteActiveProfile,
     ReadActiveProfile, false, false},
    {kReportProfileSettings, kProfileSettingsLength, kProfileSettingsLength, WriteProfileSettings,
     ReadProfileSettings, true, false},
    {kReportButtons, kButtonsLength, kButtonsLength, WriteButtons, ReadButtons, true, false},
    {kReportMacro, kMacroLength, kMacroLength, WriteMacro, ReadMacro, true, false},
    {kReportDeviceInfo, kDeviceInfoLength, kDeviceInfoLength, WriteDeviceInfo, ReadDeviceInfo,
     false, true},
    {kReportSensorImage, kSensorScanLength, kSensorImageLength, WriteSensorScan, ReadSensorImage,
     false, false},
    {kReportHostState, kHostStateLength, 0, WriteHostState, nullptr, false, false},
    {kReportSensorSettings, kSensorSettingsLength, kSensorSettingsLength, WriteSensorSettings,
     ReadSensorSettings, false, false},
    {kReportLightControl, kLightControlLength, 0, WriteLightControl, nullptr, false, false},
    {kReportColourDatabase, kColourDatabaseLength, 0, WriteColourDatabase, nullptr, true, false},
    {kReportUpdateCommand, kUpdateCommandLength, 0, WriteUpdateCommand, nullptr, false, true},
    {kReportUpdateStatus, 0, kUpdateStatusLength, nullptr, ReadUpdateStatus, false, true},
};

}  // namespace

const ReportHandler* FindReport(uint8_t id) {
    for (const ReportHandler& handler : kReports) {
        if (handler.id == id) return &handler;
    }
    return nullptr;
}

}  // namespace tesh::vmouse
