// The checksum of the reports that carry one: the sum of every byte before it, each as
// an unsigned byte, cut to 16 bits and kept low byte first in the report's last two
// bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tesh::monitor {

uint16_t ReportSum(const uint8_t* bytes, std::size_t count);
// Writes the checksum of the first length - 2 bytes into the last two.
void PutReportChecksum(uint8_t* report, uint32_t length);
bool ReportChecksumMatches(const uint8_t* report, uint32_t length);

}  // namespace tesh::monitor
