// upload_timing [KIB]: uploads an image of KIB kibibytes (128 unless given) to a
// virtual mouse of its own through featlink.dll beside this program, as the upgrader's
// worker does, and prints the wall time against the sum of the waits the protocol asked
// for. It measures; it passes or fails nothing.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "featlink/firmware_image.h"
#include "featlink/win/flash_file.h"
#include "featlink/win/shared_mouse_mapping.h"
#include "settings/file_io.h"
#include "upgrade/uploader.h"
#include "upgrade/win/featlink_entry_points.h"
#include "upgrade/win/featlink_update_device.h"

namespace {

using namespace tesh::upgrade;

constexpr int kDefaultKib = 128;
constexpr int kVersion = 6;

// The clock of the worker, adding up what it was asked to wait.
class SummingClock : public UpdateClock {
  public:
    void SleepMs(uint32_t ms) override {
        waitedMs += ms;
        Sleep(ms);
    }
    uint64_t waitedMs = 0;
};

class CountingDevice : public UpdateDevice {
  public:
    explicit CountingDevice(UpdateDevice& device) : device_(device) {}
    bool SetFeature(const uint8_t* buffer, uint32_t length) override {
        ++writes;
        return device_.SetFeature(buffer, length);
    }
    bool GetFeature(uint8_t* buffer, uint32_t length) override {
        ++reads;
        return device_.GetFeature(buffer, length);
    }
    int writes = 0;
    int reads = 0;

  private:
    UpdateDevice& device_;
};

class NoProgress : public UploadProgress {
  public:
    void BlockAccepted(uint32_t) override {}
};

double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    const int kib = argc > 1 ? std::atoi(argv[1]) : kDefaultKib;
    if (kib < 0 || kib > 200) {
        std::fprintf(stderr, "usage: upload_timing [KIB]  (0..200)\n");
        return 2;
    }
    // A mouse of its own, with its flash in the temporary folder.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string instance = "timing" + std::to_string(GetCurrentProcessId());
    const std::string flash = std::string(temp) + instance + "-flash.bin";
    SetEnvironmentVariableA(tesh::vmouse::kInstanceVariable, instance.c_str());
    SetEnvironmentVariableA(tesh::vmouse::kFlashFileVariable, flash.c_str());

    FeatlinkEntryPoints featlink;
    if (!featlink.Bind(tesh::ProgramDirectory()) || !featlink.openFeatureDevice()) {
        std::fprintf(stderr, "upload_timing: featlink.dll or the mouse is missing\n");
        return 1;
    }
    const std::string bytes = tesh::vmouse::BuildFirmwareImage(kVersion, kib * kBlockBytes);
    auto image = std::make_unique<FirmwareBuffer>();
    LoadFirmware(*image, reinterpret_cast<const uint8_t*>(bytes.data()),
                 static_cast<uint32_t>(bytes.size()));

    FeatlinkUpdateDevice library(featlink);
    CountingDevice device(library);
    SummingClock clock;
    auto uploader = std::make_unique<Uploader>(device, clock);
    NoProgress progress;
    std::atomic<bool> abandon{false};
    const double start = NowMs();
    const bool succeeded = uploader->Run(*image, progress, abandon);
    const double total = NowMs() - start;

    uint8_t info[kDeviceInfoLength] = {kDeviceInfoReport};
    const int firmware = featlink.getFeature(info, sizeof info) ? info[2] : -1;
    featlink.closeFeatureDevice();
    DeleteFileA(flash.c_str());

    const double waits = static_cast<double>(clock.waitedMs);
    std::printf("image            %d KiB, %u blocks, %s, firmware now %d\n", kib,
                image->BlockCount(), succeeded ? "uploaded" : "FAILED", firmware);
    std::printf("transfers        %d commands written, %d reports read\n", device.writes,
                device.reads);
    std::printf("upload time      %.0f ms\n", total);
    std::printf("protocol waits   %.0f ms\n", waits);
    std::printf("beyond the waits %.0f ms (%.2f ms per transfer)\n", total - waits,
                (total - waits) / (device.writes + device.reads));
    return succeeded ? 0 : 1;
}
