// The update commands, each a 1026-byte report whose unnamed bytes are 0.
#pragma once

#include <cstdint>

#include "upgrade/update_wire.h"

namespace tesh::upgrade {

struct UpdateCommand {
    uint8_t bytes[kUpdateCommandLength];
};

void BuildBegin(UpdateCommand& c);
void BuildSize(UpdateCommand& c, uint32_t imageSize);
void BuildErase(UpdateCommand& c);
void BuildBlockHeader(UpdateCommand& c, uint16_t block, uint16_t checksum);
void BuildBlockData(UpdateCommand& c, const uint8_t* block);
void BuildFinish(UpdateCommand& c);

}  // namespace tesh::upgrade
