#include "featlink/checksum.h"

namespace tesh::vmouse {

uint16_t Sum16(const uint8_t* bytes, std::size_t count) {
    uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
    return static_cast<uint16_t>(sum & 0xFFFF);
}

void PutChecksum(uint8_t* report, uint32_t length) {
    const uint16_t sum = Sum16(report, length - 2);
    report[length - 2] = static_cast<uint8_t>(sum & 0xFF);
    report[length - 1] = static_cast<uint8_t>(sum >> 8);
}

bool ChecksumMatches(const uint8_t* report, uint32_t length) {
    const uint16_t sum = Sum16(report, length - 2);
    return report[length - 2] == (sum & 0xFF) && report[length - 1] == (sum >> 8);
}

}  // namespace tesh::vmouse
