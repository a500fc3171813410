// The 16-bit sums the mouse uses: a report's checksum (the sum of all bytes before it,
// stored low byte first in its last two bytes) and an update block's checksum.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tesh::vmouse {

uint16_t Sum16(const uint8_t* bytes, std::size_t count);
// Writes the checksum of the first length - 2 bytes into the last two.
void PutChecksum(uint8_t* report, uint32_t length);
bool ChecksumMatches(const uint8_t* report, uint32_t length);

}  // namespace tesh::vmouse
