#include "tests/upgrade/upload_fixture.h"

#include <vector>

#include "upgrade/update_wire.h"

namespace tesh::upgrade::test {

bool ModelLink::SetFeature(const uint8_t* buffer, uint32_t length) {
    if (beforeWrite) beforeWrite(Commands().size());
    std::vector<uint8_t> sent(buffer, buffer + length);
    if (damageNextBlockData && length > 10 && buffer[1] == kBlockData) {
        sent[10] ^= 0x5A;
        damageNextBlockData = false;
    }
    bool ok = device_.SetFeature(sent.data(), length) != 0;
    uint16_t block = length > 5 ? static_cast<uint16_t>(buffer[4] | buffer[5] << 8) : 0;
    transfers.push_back({clock_.now, true, ok, buffer[1], block});
    return ok;
}

bool ModelLink::GetFeature(uint8_t* buffer, uint32_t length) {
    bool ok = device_.GetFeature(buffer, length) != 0;
    if (buffer[0] == kUpdateStatusReport)
        transfers.push_back({clock_.now, false, ok, ok ? buffer[1] : uint8_t{0}, 0});
    return ok;
}

std::vector<uint8_t> ModelLink::Commands() const {
    std::vector<uint8_t> commands;
    for (const Transfer& t : transfers)
        if (t.command) commands.push_back(t.value);
    return commands;
}

UploadTest::UploadTest()
    : state(std::make_unique<vmouse::DeviceState>()), buffer(std::make_unique<FirmwareBuffer>()) {
    vmouse::InitDeviceState(*state);
    state->flash.firmwareVersion = 5;
    device = std::make_unique<vmouse::Device>(*state, clock, nullptr);
    device->Plug();
    link = std::make_unique<ModelLink>(*device, clock);
}

bool UploadTest::Upload(const std::string& image) {
    EXPECT_EQ(LoadFirmware(*buffer, reinterpret_cast<const uint8_t*>(image.data()),
                           static_cast<uint32_t>(image.size())),
              LoadResult::kOk);
    Uploader uploader(*link, clock);
    return uploader.Run(*buffer, progress, abandon);
}

int UploadTest::DeviceFirmwareVersion() {
    uint8_t info[kDeviceInfoLength] = {kDeviceInfoReport};
    if (!device->GetFeature(info, sizeof info)) return -1;
    return info[2];
}

}  // namespace tesh::upgrade::test
