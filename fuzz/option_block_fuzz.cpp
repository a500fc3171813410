// The shared settings block as the configuration application takes it from another
// process: a default block patched with the input (runs of offset, length and bytes),
// read at start-up and by every message of the monitor, shown by the main page and
// applied into the files of a program directory of our own. Whatever the block holds,
// the slot shown is a real one, every shown value is in its control's range, names
// are bounded, and Apply hands the monitor what it saved.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_check.h"
#include "option/app_model.h"
#include "option/light_palette.h"
#include "option/main_page_model.h"
#include "option/option_names.h"
#include "settings/file_io.h"
#include "settings/settings_store.h"
#include "tests/option/app_fakes.h"

namespace tesh::option {
namespace {

constexpr std::size_t kPatchHeader = 4;  // 3 bytes offset, 1 byte length

void Patch(SettingsSet& set, const uint8_t* data, std::size_t size) {
    auto* bytes = reinterpret_cast<uint8_t*>(&set);
    std::size_t i = 0;
    while (i + kPatchHeader <= size) {
        const std::size_t offset = (data[i] | data[i + 1] << 8 | data[i + 2] << 16) % sizeof set;
        std::size_t length = data[i + 3];
        i += kPatchHeader;
        length = std::min<std::size_t>({length, size - i, sizeof set - offset});
        std::memcpy(bytes + offset, data + i, length);
        i += length;
    }
}

struct ScratchDirectory {
    std::string path;
    ScratchDirectory() {
        auto dir = std::filesystem::temp_directory_path() /
                   ("tesh_option_block_fuzz_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        path = WithTrailingSeparator(dir.string());
    }
    ~ScratchDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

const std::string& ProgramDir() {
    static const ScratchDirectory dir;
    return dir.path;
}

void CheckShown(AppModel& model) {
    TESH_FUZZ_CHECK(model.slot() >= 0 && model.slot() < kProfileCount);
    const MainPageView v = ViewOf(model.edited());
    TESH_FUZZ_CHECK(v.sensitivity >= kSensitivityMin && v.sensitivity <= kSensitivityMax);
    TESH_FUZZ_CHECK(v.scrollSpeed >= kSpeedMin && v.scrollSpeed <= kSpeedMax);
    TESH_FUZZ_CHECK(v.tiltSpeed >= kSpeedMin && v.tiltSpeed <= kSpeedMax);
    TESH_FUZZ_CHECK(v.doubleClick >= 1 && v.doubleClick <= kDoubleClickPositions);
    int active = 0;
    for (const DpiRowView& row : v.rows) {
        TESH_FUZZ_CHECK(row.level >= kDpiLevelMin && row.level <= kDpiLevelMax);
        active += row.active ? 1 : 0;
    }
    TESH_FUZZ_CHECK(active <= 1);
    const ProfileIdentity identity = model.Identity();
    TESH_FUZZ_CHECK(identity.name.size() <= sizeof(ProfileRecord::ProFileName));
    for (const std::string& program : identity.programs)
        TESH_FUZZ_CHECK(program.size() <= sizeof(ProfileRecord::GameFile0));
    for (const ProfileRecord& p : model.working().Profiles) (void)ProfileColour(p);
}

}  // namespace
}  // namespace tesh::option

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    using namespace tesh::option;
    test::FakeBlock block;
    SetDefaults(*block.data, 0x0409);
    Patch(*block.data, data, size);
    test::FakeMonitor monitor(block);
    test::FakeDoubleClick doubleClick;
    MemoryRegistry registry;
    SettingsStore store(ProgramDir(), registry);
    AppModel model({block, monitor, store, registry, doubleClick});

    TESH_FUZZ_CHECK(model.Start() == Notice::kNone);
    CheckShown(model);
    model.OnSensorChanged();
    model.OnInfoDataChanged();
    CheckShown(model);
    model.OnSettingsChanged();
    model.OnSettingsReadBack();
    CheckShown(model);

    TESH_FUZZ_CHECK(model.Apply(kApplyNormal) == Notice::kNone);
    TESH_FUZZ_CHECK(monitor.sent.size() == 1);
    TESH_FUZZ_CHECK(std::memcmp(monitor.sent[0].block->Profiles, model.working().Profiles,
                                sizeof(SettingsSet::Profiles)) == 0);
    // What was saved reads back as what the monitor was given.
    auto reread = std::make_unique<SettingsSet>();
    Clear(*reread);
    store.LoadAll(*reread);
    TESH_FUZZ_CHECK(reread->CurrentProfile == monitor.sent[0].block->CurrentProfile);
    return 0;
}
