#include "monitor/report_checksum.h"

namespace tesh::monitor {

namespace {
constexpr uint32_t kChecksumBytes = 2;
}

uint16_t ReportSum(const uint8_t* bytes, std::size_t count) {
    uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
    return static_cast<uint16_t>(sum & 0xFFFF);
}

void PutReportChecksum(uint8_t* report, uint32_t length) {
    if (length < kChecksumBytes) return;
    const uint16_t sum = ReportSum(report, length - kChecksumBytes);
    report[length - 2] = static_cast<uint8_t>(sum & 0xFF);
    report[length - 1] = static_cast<uint8_t>(sum >> 8);
}

bool ReportChecksumMatches(const uint8_t* report, uint32_t length) {
    if (length < kChecksumBytes) return false;
    const uint16_t sum = ReportSum(report, length - kChecksumBytes);
    return report[length - 2] == (sum & 0xFF) && report[length - 1] == (sum >> 8);
}

}  // namespace tesh::monitor
