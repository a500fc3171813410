#include "monitor/quib_contacts.h"

#include <cstring>
#include <memory>

#include "monitor/device_tables.h"
#include "monitor/program_names.h"
#include "settings/device_info.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/platform.h"

namespace tesh::monitor {

namespace {

constexpr char kNameKey[] = "Name";

void PutLittleEndian(QuibDeviceRecord& record, std::size_t offset, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

bool RegisterQuibProduct(const std::string& quibFolder) {
    platform::MakeDirectory(quibFolder);
    const std::string path = JoinPath(quibFolder, kQuibConfigIni);
    if (!FileExists(path) && !WriteFileAtomically(path, "")) return false;
    IniFile file(path);
    const IniDocument doc = file.Load();
    for (const std::string& section : doc.SectionNames()) {
        if (EqualsIgnoreCase(IniReadString(doc, section, kNameKey, ""), kQuibProductName)) {
            return true;
        }
    }
    return file.Update([](IniDocument& config) {
        IniWriteString(config, kQuibProductSection, kNameKey, kQuibProductName);
        IniWriteString(config, kQuibProductSection, "WindowName", kMonitorWindowTitle);
        IniWriteInt(config, kQuibProductSection, "Device", 0);
    });
}

uint32_t QuibRecordData(uint16_t low) {
    return kQuibRecordKind << 16 | low;
}

QuibDeviceRecord BuildQuibDeviceRecord(uint32_t monitorWindow, const ProfileRecord* active) {
    QuibDeviceRecord record{};
    PutLittleEndian(record, 0, kQuibVendorId, 2);
    PutLittleEndian(record, 2, kQuibProductId, 2);
    PutLittleEndian(record, 4, monitorWindow, 4);
    for (int level = 0; level < kCpiLevels && active; ++level) {
        const int32_t cpi = CpiValueOfLevel(active->CpiLevel_X[level]);
        PutLittleEndian(record, 8 + 4 * level, static_cast<uint32_t>(cpi), 4);
    }
    return record;
}

bool WriteEmptyDeviceTable(const std::string& programDirectory) {
    auto table = std::make_unique<DeviceInfoTable>();
    std::memset(table.get(), 0, sizeof *table);
    return WriteDeviceTable(*table, JoinPath(programDirectory, kDeviceInfoIni));
}

}  // namespace tesh::monitor
