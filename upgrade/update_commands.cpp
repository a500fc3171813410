#include "upgrade/update_commands.h"

#include <cstring>

namespace tesh::upgrade {

namespace {

void Start(UpdateCommand& c, uint8_t subCommand) {
    std::memset(c.bytes, 0, sizeof c.bytes);
    c.bytes[0] = kUpdateCommandReport;
    c.bytes[1] = subCommand;
}

void PutLe16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v & 0xFF);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void PutCommandSignature(UpdateCommand& c) {
    std::memcpy(c.bytes + 8, kCommandSignature, sizeof kCommandSignature);
}

}  // namespace

void BuildBegin(UpdateCommand& c) {
    Start(c, kBegin);
    std::memcpy(c.bytes + 4, kBeginSignature, sizeof kBeginSignature);
}

void BuildSize(UpdateCommand& c, uint32_t imageSize) {
    Start(c, kSize);
    PutLe16(c.bytes + 4, static_cast<uint16_t>(imageSize & 0xFFFF));
    PutLe16(c.bytes + 6, static_cast<uint16_t>(imageSize >> 16));
    PutCommandSignature(c);
}

void BuildErase(UpdateCommand& c) {
    Start(c, kErase);
    c.bytes[4] = kEraseKey;
}

void BuildBlockHeader(UpdateCommand& c, uint16_t block, uint16_t checksum) {
    Start(c, kBlockHeader);
    PutLe16(c.bytes + 4, block);
    PutLe16(c.bytes + 6, checksum);
    PutCommandSignature(c);
}

void BuildBlockData(UpdateCommand& c, const uint8_t* block) {
    Start(c, kBlockData);
    std::memcpy(c.bytes + 2, block, kBlockBytes);
}

void BuildFinish(UpdateCommand& c) {
    Start(c, kFinish);
}

}  // namespace tesh::upgrade
