#include "tests/wine/featlink_library.h"

#include <cstdio>

#include "featlink/checksum.h"
#include "featlink/device_state.h"
#include "featlink/wire.h"

namespace tesh::test {

namespace {

constexpr int kMaxStatusPolls = 100;
constexpr uint32_t kSettingsOffset = 3;

template <typename Function>
bool Bind(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

}  // namespace

FeatlinkLibrary::FeatlinkLibrary(const std::string& path) : module_(LoadLibraryA(path.c_str())) {
    if (!module_) return;
    complete_ = Bind(module_, "Open_DevMonitor", openDevMonitor) &
                Bind(module_, "Close_DevMonitor", closeDevMonitor) &
                Bind(module_, "Open_FeatureDevice", openFeatureDevice) &
                Bind(module_, "Close_FeatureDevice", closeFeatureDevice) &
                Bind(module_, "SetFeature", setFeature) & Bind(module_, "GetFeature", getFeature) &
                Bind(module_, "GetMousePID", getMousePid);
}

FeatlinkLibrary::~FeatlinkLibrary() {
    if (module_) FreeLibrary(module_);
}

uint8_t FeatlinkLibrary::WriteAndWait(Bytes report) {
    if (!setFeature(report.data(), static_cast<int>(report.size()))) return 0;
    const uint8_t statusId = report[0] == vmouse::kReportUpdateCommand ? vmouse::kReportUpdateStatus
                                                                       : vmouse::kReportStatus;
    for (int poll = 0; poll < kMaxStatusPolls; ++poll) {
        auto status = Read(statusId, vmouse::kStatusLength);
        if (!status) return 0;
        if ((*status)[1] != vmouse::kStatusBusy) return (*status)[1];
    }
    return 0;
}

std::optional<Bytes> FeatlinkLibrary::Read(uint8_t id, uint32_t length) {
    Bytes report(length, 0);
    report[0] = id;
    if (!getFeature(report.data(), static_cast<int>(length))) return std::nullopt;
    return report;
}

bool FeatlinkLibrary::WriteProfileSettings(uint8_t profile, uint8_t seed) {
    Bytes report(vmouse::kProfileSettingsLength, 0);
    report[0] = vmouse::kReportProfileSettings;
    report[1] = static_cast<uint8_t>(vmouse::kProfileSettingsLength);
    report[2] = profile;
    const Bytes settings = SeededSettings(seed);
    std::copy(settings.begin(), settings.end(), report.begin() + kSettingsOffset);
    vmouse::PutChecksum(report.data(), vmouse::kProfileSettingsLength);
    return WriteAndWait(report) == vmouse::kStatusDone;
}

std::optional<Bytes> FeatlinkLibrary::ReadProfileSettings(uint8_t profile) {
    if (WriteAndWait({vmouse::kReportStatus, profile, vmouse::kSelectProfileSettings}) !=
        vmouse::kStatusDone) {
        return std::nullopt;
    }
    auto report = Read(vmouse::kReportProfileSettings, vmouse::kProfileSettingsLength);
    if (!report || !vmouse::ChecksumMatches(report->data(), vmouse::kProfileSettingsLength)) {
        return std::nullopt;
    }
    return Bytes(report->begin() + kSettingsOffset,
                 report->begin() + kSettingsOffset + sizeof(vmouse::ProfileSettings));
}

Bytes SeededSettings(uint8_t seed) {
    Bytes settings(sizeof(vmouse::ProfileSettings));
    for (std::size_t i = 0; i < settings.size(); ++i) settings[i] = static_cast<uint8_t>(seed + i);
    return settings;
}

std::string HexBytes(const Bytes& bytes) {
    std::string text;
    char hex[4];
    for (uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, "%02x", b);
        text += (text.empty() ? "" : " ") + std::string(hex);
    }
    return text;
}

}  // namespace tesh::test
