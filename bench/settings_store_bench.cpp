// Saving and loading the whole settings set: the store's one read-modify-write per
// file against the same keys written and read one by one, each opening, changing and
// closing its file as the Windows private-profile functions do. Also the struct
// encoding of one button block. Prints the ratio of the two save+load times.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/profile_fields.h"
#include "settings/profile_file.h"
#include "settings/registry_mirror.h"
#include "settings/settings_store.h"
#include "settings/struct_codec.h"
#include "tests/settings/test_dir.h"
#include "tests/settings/test_records.h"

namespace tesh {
namespace {

constexpr char kStoreBench[] = "SaveAllLoadAll";
constexpr char kKeyByKeyBench[] = "KeyByKey";

// Every byte set, strings printable, every button a 500-event macro.
std::unique_ptr<SettingsSet> FullSet() {
    auto set = std::make_unique<SettingsSet>();
    Clear(*set);
    SetDefaults(*set, 0x0409);
    set->CurrentProfile = 2;
    for (int i = 0; i < kInfoDataSize; ++i) set->InfoData[i] = static_cast<uint8_t>(i * 37 + 11);
    for (int slot = 0; slot < kProfileCount; ++slot)
        test::FillProfile(set->Profiles[slot], static_cast<unsigned>(slot + 1));
    return set;
}

void BM_SaveAllLoadAll(benchmark::State& state) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    auto set = FullSet();
    auto loaded = std::make_unique<SettingsSet>();
    store.SaveAll(*set);  // the files exist, as they do after the first run
    for (auto _ : state) {
        store.SaveAll(*set);
        store.LoadAll(*loaded);
        benchmark::DoNotOptimize(loaded->Profiles[4].Buttons[23].programPath[0]);
    }
}

// The config.ini [Setting] keys of a save-all, in order.
struct ConfigKey {
    const char* key;
    int32_t SettingsSet::*field;
};
constexpr ConfigKey kConfigKeys[] = {
    {"CurrentProfile", &SettingsSet::CurrentProfile},
    {"WindowsProfile", &SettingsSet::WindowsProfile},
    {"QuickHelpLan", &SettingsSet::QuickHelpLan},
    {"MouseType", &SettingsSet::MouseType},
    {"LiftOnFlag", &SettingsSet::LiftOnFlag},
    {"TrackControlFlag", &SettingsSet::TrackControlFlag},
};

void SaveKeyByKey(const std::string& programDir, RegistryPort& registry, const SettingsSet& set) {
    WriteRegistry(registry, set.Profiles[set.CurrentProfile]);
    IniFile config(JoinPath(programDir, kConfigIni));
    for (const ConfigKey& k : kConfigKeys) config.WriteInt(kSettingSection, k.key, set.*k.field);
    config.WriteStruct(kSettingSection, "InfoData", set.InfoData, sizeof set.InfoData);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        IniFile file(JoinPath(programDir, SlotFileName(slot)));
        const auto* base = reinterpret_cast<const uint8_t*>(&set.Profiles[slot]);
        for (const ProfileField& f : ProfileFields()) {
            const uint8_t* at = base + f.offset;
            switch (f.kind) {
                case FieldKind::kString:
                    file.WriteString(kSettingSection, f.key,
                                     FieldText(reinterpret_cast<const char*>(at), f.size));
                    break;
                case FieldKind::kInt: {
                    int32_t v;
                    std::memcpy(&v, at, sizeof v);
                    file.WriteInt(kSettingSection, f.key, v);
                    break;
                }
                case FieldKind::kByte:
                    file.WriteInt(kSettingSection, f.key, *at);
                    break;
                case FieldKind::kStruct:
                    file.WriteStruct(kSettingSection, f.key, at, f.size);
                    break;
            }
        }
    }
}

void LoadKeyByKey(const std::string& programDir, RegistryPort& registry, SettingsSet& set) {
    IniFile config(JoinPath(programDir, kConfigIni));
    for (const ConfigKey& k : kConfigKeys)
        set.*k.field = config.ReadInt(kSettingSection, k.key, -1);
    config.ReadStruct(kSettingSection, "InfoData", set.InfoData, sizeof set.InfoData);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        IniFile file(JoinPath(programDir, SlotFileName(slot)));
        auto* base = reinterpret_cast<uint8_t*>(&set.Profiles[slot]);
        for (const ProfileField& f : ProfileFields()) {
            uint8_t* at = base + f.offset;
            switch (f.kind) {
                case FieldKind::kString:
                    CopyToField(reinterpret_cast<char*>(at), f.size,
                                file.ReadString(kSettingSection, f.key, ""));
                    break;
                case FieldKind::kInt: {
                    int32_t v = file.ReadInt(kSettingSection, f.key, f.readDefault);
                    std::memcpy(at, &v, sizeof v);
                    break;
                }
                case FieldKind::kByte:
                    *at = static_cast<uint8_t>(file.ReadInt(kSettingSection, f.key, f.readDefault));
                    break;
                case FieldKind::kStruct:
                    file.ReadStruct(kSettingSection, f.key, at, f.size);
                    break;
            }
        }
    }
    ReadRegistry(registry, set.Profiles[set.CurrentProfile]);
}

void BM_KeyByKey(benchmark::State& state) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    auto set = FullSet();
    auto loaded = std::make_unique<SettingsSet>();
    store.SaveAll(*set);
    for (auto _ : state) {
        SaveKeyByKey(dir.path(), registry, *set);
        LoadKeyByKey(dir.path(), registry, *loaded);
        benchmark::DoNotOptimize(loaded->Profiles[4].Buttons[23].programPath[0]);
    }
}

void BM_EncodeButtonBlock(benchmark::State& state) {
    auto set = FullSet();
    const ButtonRecord& button = set->Profiles[0].Buttons[5];
    for (auto _ : state) benchmark::DoNotOptimize(EncodeStruct(&button, sizeof button));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof button));
}

void BM_DecodeButtonBlock(benchmark::State& state) {
    auto set = FullSet();
    const ButtonRecord& button = set->Profiles[0].Buttons[5];
    std::string text = EncodeStruct(&button, sizeof button);
    ButtonRecord out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeStruct(text, &out, sizeof out));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof button));
}

BENCHMARK(BM_SaveAllLoadAll)->Name(kStoreBench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyByKey)->Name(kKeyByKeyBench)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeButtonBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeButtonBlock)->Unit(benchmark::kMicrosecond);

// Keeps the time per iteration of each run, so that main can print the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                milliseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio() const {
        auto store = milliseconds_.find(kStoreBench), keys = milliseconds_.find(kKeyByKeyBench);
        if (store == milliseconds_.end() || keys == milliseconds_.end() || store->second <= 0)
            return;
        std::printf("save+load: %.2f ms, key by key: %.2f ms, key by key / save+load = %.1f\n",
                    store->second, keys->second, keys->second / store->second);
    }

  private:
    std::map<std::string, double> milliseconds_;
};

}  // namespace
}  // namespace tesh

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    tesh::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
