#include "tests/settings/save_all_crash.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "settings/file_io.h"
#include "settings/platform.h"
#include "settings/registry_port.h"
#include "settings/settings_store.h"
#include "tests/settings/test_records.h"

namespace tesh::test {

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<SettingsSet> VariedSet(unsigned seed) {
    auto set = std::make_unique<SettingsSet>();
    Clear(*set);
    set->CurrentProfile = static_cast<int>(seed % kProfileCount);
    set->WindowsProfile = 1;
    set->QuickHelpLan = static_cast<int>(seed % 17);
    for (int i = 0; i < kInfoDataSize; ++i) set->InfoData[i] = static_cast<uint8_t>(seed + i);
    for (int slot = 0; slot < kProfileCount; ++slot)
        FillProfile(set->Profiles[slot], seed * 10 + static_cast<unsigned>(slot));
    return set;
}

std::vector<std::string> FileNames() {
    std::vector<std::string> names{kConfigIni};
    for (int slot = 0; slot < kProfileCount; ++slot) names.push_back(SlotFileName(slot));
    return names;
}

std::vector<std::optional<std::string>> Contents(const SettingsStore& store) {
    std::vector<std::optional<std::string>> contents;
    for (const std::string& name : FileNames())
        contents.push_back(ReadWholeFile(store.PathOf(name)));
    return contents;
}

std::size_t CountTemporaries(const SettingsStore& store) {
    std::size_t count = 0;
    for (const std::string& folder : {store.PathOf(""), store.PathOf(kConfigDir) + "/"}) {
        for (const std::string& entry : platform::DirectoryEntries(folder))
            count += entry.find(".tmp") != std::string::npos ? 1 : 0;
    }
    return count;
}

[[noreturn]] void SaveForever(const std::string& directory, const SettingsSet& a,
                              const SettingsSet& b) {
    MemoryRegistry registry;
    SettingsStore store(directory, registry);
    for (;;) {
        store.SaveAll(b);
        store.SaveAll(a);
    }
}

}  // namespace

CrashRun KillDuringSaveAll(const std::string& programDirectory, int kills, unsigned seed) {
    const Clock::time_point start = Clock::now();
    const std::unique_ptr<SettingsSet> a = VariedSet(seed);
    const std::unique_ptr<SettingsSet> b = VariedSet(seed + 1);
    MemoryRegistry registry;
    SettingsStore store(programDirectory, registry);
    store.SaveAll(*b);
    const auto versionB = Contents(store);
    const Clock::time_point saveStart = Clock::now();
    store.SaveAll(*a);
    const auto oneSave = Clock::now() - saveStart;
    const auto versionA = Contents(store);

    CrashRun run;
    std::mt19937 rng(seed);
    // The child alternates two save-alls: a kill within two of them hits either.
    std::uniform_int_distribution<long long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(2 * oneSave).count());
    for (; run.kills < kills; ++run.kills) {
        const pid_t child = fork();
        if (child < 0) break;
        if (child == 0) SaveForever(programDirectory, *a, *b);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(rng)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const auto now = Contents(store);
        for (std::size_t i = 0; i < now.size(); ++i)
            run.tornFiles += now[i] != versionA[i] && now[i] != versionB[i] ? 1 : 0;
        run.mostLeftovers = std::max(run.mostLeftovers, CountTemporaries(store));
    }
    store.SaveAll(*a);
    run.leftoversAfterSave = CountTemporaries(store);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return run;
}

}  // namespace tesh::test
