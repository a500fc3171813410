// A firmware image file as the upgrader loads it and the mouse checks it. With byte 0
// odd, the rest of the input gets a good header first (its magic, header size, a
// payload length that fits and the payload's CRC), so that the fuzzer reaches the
// images the mouse takes. The loaded buffer holds the file and zeros after it, with the
// sum of every block; the upload succeeds exactly when the image checks out, and the
// mouse then runs the version of its header.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "featlink/device.h"
#include "featlink/device_state.h"
#include "featlink/firmware_image.h"
#include "fuzz/fuzz_check.h"
#include "upgrade/firmware_buffer.h"
#include "upgrade/uploader.h"

namespace tesh {
namespace {

constexpr uint32_t kLengthField = 8;
constexpr uint32_t kCrcField = 12;

class NoWait : public upgrade::UpdateClock, public vmouse::Clock {
  public:
    void SleepMs(uint32_t) override {}
    uint64_t NowMs() const override { return 0; }
};

class ModelDevice : public upgrade::UpdateDevice {
  public:
    explicit ModelDevice(vmouse::Device& device) : device_(device) {}
    bool SetFeature(const uint8_t* buffer, uint32_t length) override {
        return device_.SetFeature(buffer, length) != 0;
    }
    bool GetFeature(uint8_t* buffer, uint32_t length) override {
        return device_.GetFeature(buffer, length) != 0;
    }

  private:
    vmouse::Device& device_;
};

class NoProgress : public upgrade::UploadProgress {
  public:
    void BlockAccepted(uint32_t) override {}
};

void PutLe32(std::string& image, uint32_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) image[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string ImageOf(const uint8_t* data, std::size_t size) {
    std::string image(reinterpret_cast<const char*>(data) + (size ? 1 : 0), size ? size - 1 : 0);
    if (size == 0 || (data[0] & 1) == 0 || image.size() < vmouse::kFirmwareHeaderSize) {
        return image;
    }
    const auto room = static_cast<uint32_t>(image.size() - vmouse::kFirmwareHeaderSize);
    uint32_t length = 0;
    std::memcpy(&length, image.data() + kLengthField, sizeof length);
    length = room == 0 ? 0 : length % (room + 1);
    std::memcpy(image.data(), vmouse::kFirmwareMagic, sizeof vmouse::kFirmwareMagic);
    image[5] = static_cast<char>(vmouse::kFirmwareHeaderSize);
    PutLe32(image, kLengthField, length);
    const auto* payload =
        reinterpret_cast<const uint8_t*>(image.data()) + vmouse::kFirmwareHeaderSize;
    PutLe32(image, kCrcField,
            vmouse::Crc32Final(vmouse::Crc32Update(vmouse::kCrc32Start, payload, length)));
    return image;
}

void CheckBuffer(const upgrade::FirmwareBuffer& buffer, const std::string& image) {
    TESH_FUZZ_CHECK(buffer.size == image.size());
    TESH_FUZZ_CHECK(std::memcmp(buffer.image, image.data(), image.size()) == 0);
    for (std::size_t i = image.size(); i < sizeof buffer.image; ++i) {
        TESH_FUZZ_CHECK(buffer.image[i] == 0);
    }
    for (uint32_t n = 0; n < buffer.BlockCount(); ++n) {
        uint32_t sum = 0;
        for (uint32_t i = 0; i < upgrade::kBlockBytes; ++i) sum += buffer.Block(n)[i];
        TESH_FUZZ_CHECK(buffer.Checksum(n) == (sum & 0xFFFF));
    }
}

}  // namespace
}  // namespace tesh

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    const std::string image = ImageOf(data, size);
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.data());
    vmouse::FirmwareHeader header{};
    const bool valid = vmouse::VerifyFirmwareImage(bytes, image.size(), &header);
    vmouse::FirmwareHeader parsed{};
    if (valid) {
        TESH_FUZZ_CHECK(vmouse::ParseFirmwareHeader(bytes, image.size(), parsed));
        TESH_FUZZ_CHECK(header.payloadLength <= image.size() - vmouse::kFirmwareHeaderSize);
    }

    static auto* buffer = new upgrade::FirmwareBuffer;
    const auto loaded = upgrade::LoadFirmware(*buffer, bytes, static_cast<uint32_t>(image.size()));
    if (image.size() > upgrade::kMaxImageBytes) {
        TESH_FUZZ_CHECK(loaded == upgrade::LoadResult::kTooLarge && buffer->size == 0);
        return 0;
    }
    TESH_FUZZ_CHECK(loaded == upgrade::LoadResult::kOk);
    CheckBuffer(*buffer, image);

    static auto* state = new vmouse::DeviceState;
    vmouse::InitDeviceState(*state);
    NoWait clock;
    vmouse::Device mouse(*state, clock, nullptr);
    ModelDevice device(mouse);
    NoProgress progress;
    const std::atomic<bool> abandon{false};
    const bool uploaded = upgrade::Uploader(device, clock).Run(*buffer, progress, abandon);
    TESH_FUZZ_CHECK(uploaded == valid);
    TESH_FUZZ_CHECK(state->flash.firmwareVersion ==
                    (valid ? header.version : vmouse::kFactoryFirmwareVersion));
    return 0;
}
