#include "settings/device_info.h"

#include <string>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"

namespace tesh {

namespace {

std::string DeviceSection(int d) { return "Device" + std::to_string(d); }
std::string CpiKey(int k) { return "CPI " + std::to_string(k); }

}  // namespace

bool ReadDeviceTable(DeviceInfoTable& table, const std::string& path) {
    table.Count = 0;
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return false;
    IniDocument doc = IniDocument::Parse(*text);
    int count = IniReadInt(doc, kSettingSection, "Count", 0);
    if (count < 0) count = 0;
    if (count > kMaxDevices) count = kMaxDevices;
    for (int d = 0; d < count; ++d) {
        DeviceInfoEntry& e = table.Devices[d];
        std::string section = DeviceSection(d);
        e.VID = static_cast<uint16_t>(IniReadInt(doc, section, "VID", 0));
        e.PID = static_cast<uint16_t>(IniReadInt(doc, section, "PID", 0));
        CopyToField(e.Name, sizeof e.Name, IniReadString(doc, section, "Name", ""));
        for (int k = 0; k < 5; ++k) e.CPI[k] = IniReadInt(doc, section, CpiKey(k), 0);
    }
    table.Count = count;
    return true;
}

bool WriteDeviceTable(const DeviceInfoTable& table, const std::string& path) {
    int count = table.Count < 0 ? 0 : table.Count > kMaxDevices ? kMaxDevices : table.Count;
    return IniFile(path).Update([&](IniDocument& doc) {
        IniWriteInt(doc, kSettingSection, "Count", count);
        for (int d = 0; d < count; ++d) {
            const DeviceInfoEntry& e = table.Devices[d];
            std::string section = DeviceSection(d);
            IniWriteInt(doc, section, "VID", e.VID);
            IniWriteInt(doc, section, "PID", e.PID);
            IniWriteString(doc, section, "Name", FieldText(e.Name, sizeof e.Name));
            for (int k = 0; k < 5; ++k) IniWriteInt(doc, section, CpiKey(k), e.CPI[k]);
        }
    });
}

}  // namespace tesh
