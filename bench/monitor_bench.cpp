// The device core's own cost and its timing. Against the virtual mouse's model with
// pauses of zero length: a full read-all (every button of every profile a 500-event
// macro on the mouse) and a full write-changes (every change flag set, every button a
// 500-event macro), in microseconds per transfer; the model alone replaying the same
// transfers gives the mouse's share. With a real sleeping clock: the wall time of a
// sequence against the sum of the pauses it asked for.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "featlink/device.h"
#include "featlink/device_state.h"
#include "monitor/device_core.h"

namespace tesh::monitor {
namespace {

constexpr int kMacroEvents = 500;

// Time that stands still: every pause has zero length.
class ZeroClock : public Clock, public vmouse::Clock {
  public:
    void SleepMs(uint32_t milliseconds) override { requested += milliseconds; }
    uint64_t NowMs() const override { return 0; }
    uint64_t requested = 0;
};

// Real sleeps, adding up what was asked for.
class CountingSteadyClock : public SteadyClock {
  public:
    void SleepMs(uint32_t milliseconds) override {
        requested += milliseconds;
        SteadyClock::SleepMs(milliseconds);
    }
    uint64_t requested = 0;
};

// The transfers as the host made them, for the model-only replay.
struct Recorded {
    bool set;
    std::vector<uint8_t> bytes;
};

class ModelLink : public FeatureDevice {
  public:
    explicit ModelLink(vmouse::Device& device) : device_(device) {}
    bool SetFeature(const uint8_t* buffer, uint32_t length) override {
        ++transfers;
        if (record) recorded.push_back({true, std::vector<uint8_t>(buffer, buffer + length)});
        return device_.SetFeature(buffer, length) != 0;
    }
    bool GetFeature(uint8_t* buffer, uint32_t length) override {
        ++transfers;
        if (record) recorded.push_back({false, std::vector<uint8_t>(buffer, buffer + length)});
        return device_.GetFeature(buffer, length) != 0;
    }
    uint64_t transfers = 0;
    bool record = false;
    std::vector<Recorded> recorded;

  private:
    vmouse::Device& device_;
};

class NullFiles : public SettingsFiles {
  public:
    bool SaveAll(const SettingsSet&) override { return true; }
    bool WriteFirmwareVersion(int) override { return true; }
    bool WriteDevice(int) override { return true; }
    int ReadImageVersion() override { return -1; }
};
class NullBlock : public SettingsBlock {
  public:
    void Publish(const SettingsSet&) override {}
};
class NullWindows : public WindowPort {
  public:
    bool PostToWindow(std::string_view, uint32_t, uintptr_t, intptr_t) override { return false; }
    bool CloseWindow(std::string_view) override { return false; }
};
class NullShell : public ShellPort {
  public:
    bool Open(const std::string&, const std::string&) override { return false; }
};
class NullHost : public LinkControl, public LinkHost {
  public:
    void OpenDeviceMonitor() override {}
    void CloseDeviceMonitor() override {}
    bool OpenFeatureDevice() override { return true; }
    void CloseFeatureDevice() override {}
    void PostDeviceJob(int, int) override {}
    void StartTimer(int, uint32_t) override {}
    void KillTimer(int) override {}
    void UpdateTrayIcon() override {}
    void CloseMonitorWindow() override {}
    bool StartFlagSet() override { return false; }
    void ClearStartFlag() override {}
    void OpenConfigurationApp() override {}
    void SendQuibDeviceStatus(bool) override {}
    void SendQuixAimCpi() override {}
    void DispatchEvent(uint32_t) override {}
};

void FillMacro(ButtonRecord& button, int seed) {
    button.code = 48;
    button.eventCount = kMacroEvents;
    for (int i = 0; i < kMacroEvents * 4; ++i) button.events[i] = static_cast<uint8_t>(i + seed);
}

// A mouse, an image and a core over them, with `clock` for the pauses.
struct Bench {
    explicit Bench(Clock& pauses, vmouse::Clock& stamps)
        : mouse(std::make_unique<vmouse::DeviceState>()),
          image(std::make_unique<SettingsSet>()),
          device(*mouse, stamps, nullptr),
          link(device) {
        vmouse::InitDeviceState(*mouse);
        std::memset(image.get(), 0, sizeof *image);
        Clear(*image);
        SetDefaults(*image, 0x0409);
        core = std::make_unique<DeviceCore>(
            *image, "", DeviceCorePorts{link, pauses, files, block, windows, shell, host, host});
        core->flags().connection = kConnected;
    }
    // Every slot of every profile a 500-event macro, all flagged.
    void FullImage() {
        for (ProfileRecord& profile : image->Profiles) {
            for (int slot = 0; slot < kButtonSlots; ++slot) FillMacro(profile.Buttons[slot], slot);
        }
        MarkAllChanged(*image);
    }

    std::unique_ptr<vmouse::DeviceState> mouse;
    std::unique_ptr<SettingsSet> image;
    vmouse::Device device;
    ModelLink link;
    NullFiles files;
    NullBlock block;
    NullWindows windows;
    NullShell shell;
    NullHost host;
    std::unique_ptr<DeviceCore> core;
};

void ReportPerTransfer(benchmark::State& state, uint64_t transfers) {
    state.counters["transfers"] = static_cast<double>(transfers);
    state.counters["time_per_transfer"] = benchmark::Counter(
        static_cast<double>(transfers * state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_ReadAllFull(benchmark::State& state) {
    ZeroClock clock;
    Bench bench(clock, clock);
    bench.FullImage();
    bench.core->sequences().WriteChanges();  // the mouse now holds 90 full macros
    uint64_t transfers = 0;
    for (auto _ : state) {
        bench.link.transfers = 0;
        benchmark::DoNotOptimize(bench.core->sequences().ReadAll());
        transfers = bench.link.transfers;
    }
    ReportPerTransfer(state, transfers);
}

void BM_WriteChangesFull(benchmark::State& state) {
    ZeroClock clock;
    Bench bench(clock, clock);
    bench.FullImage();
    uint64_t transfers = 0;
    for (auto _ : state) {
        bench.link.transfers = 0;
        benchmark::DoNotOptimize(bench.core->sequences().WriteChanges());
        transfers = bench.link.transfers;
    }
    ReportPerTransfer(state, transfers);
}

// The mouse's share of the two: the same transfers straight into the model.
void BM_ModelOnly(benchmark::State& state, bool readAll) {
    ZeroClock clock;
    Bench bench(clock, clock);
    bench.FullImage();
    bench.core->sequences().WriteChanges();
    bench.link.record = true;
    if (readAll) {
        bench.core->sequences().ReadAll();
    } else {
        bench.core->sequences().WriteChanges();
    }
    const std::vector<Recorded> recorded = std::move(bench.link.recorded);
    std::vector<uint8_t> buffer;
    for (auto _ : state) {
        for (const Recorded& r : recorded) {
            buffer = r.bytes;
            const auto length = static_cast<uint32_t>(buffer.size());
            benchmark::DoNotOptimize(r.set ? bench.device.SetFeature(buffer.data(), length)
                                           : bench.device.GetFeature(buffer.data(), length));
        }
    }
    ReportPerTransfer(state, recorded.size());
}

// Real pauses: read-all of a mouse without macros and write-changes of one profile's
// settings and buttons with two macros.
void BM_RealPauses(benchmark::State& state, bool readAll) {
    CountingSteadyClock pauses;
    ZeroClock stamps;
    Bench bench(pauses, stamps);
    if (!readAll) {
        FillMacro(bench.image->Profiles[1].Buttons[2], 2);
        FillMacro(bench.image->Profiles[1].Buttons[3], 3);
        bench.image->ProfileChanged[1] = 1;
        bench.image->ButtonChanged[1][2] = bench.image->ButtonChanged[1][3] = 1;
    }
    double wallMs = 0;
    uint64_t requested = 0;
    for (auto _ : state) {
        pauses.requested = 0;
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(readAll ? bench.core->sequences().ReadAll()
                                         : bench.core->sequences().WriteChanges());
        wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
        requested = pauses.requested;
    }
    state.counters["pauses_ms"] = static_cast<double>(requested);
    state.counters["wall_ms"] = wallMs;
    state.counters["over_pct"] =
        100.0 * (wallMs - static_cast<double>(requested)) / static_cast<double>(requested);
}

BENCHMARK(BM_ReadAllFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteChangesFull)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ModelOnly, read_all, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ModelOnly, write_changes, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RealPauses, read_all, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_RealPauses, write_changes, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

}  // namespace
}  // namespace tesh::monitor

BENCHMARK_MAIN();
