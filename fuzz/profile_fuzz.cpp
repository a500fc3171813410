// A profile file (and config.ini) as a user or another program may have left it: read
// into a record, written and read again, and loaded by the settings store from a
// program directory whose config.ini and first slot file hold the input.
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "settings/file_io.h"
#include "settings/ini_document.h"
#include "settings/ini_file.h"
#include "settings/profile_fields.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"

namespace tesh {
namespace {

constexpr int kInputSlot = 0;

std::string_view CutAtLineBreak(std::string_view v) {
    std::size_t cut = v.find_first_of("\r\n");
    return cut == std::string_view::npos ? v : v.substr(0, cut);
}

std::unique_ptr<ProfileRecord> Defaulted(int slot) {
    auto p = std::make_unique<ProfileRecord>();
    std::memset(p.get(), 0, sizeof *p);
    ProfileDefaults(*p, slot);
    return p;
}

std::unique_ptr<ProfileRecord> ReadOnDefaults(const IniDocument& doc) {
    auto p = Defaulted(kInputSlot);
    ReadProfileKeys(doc, *p);
    return p;
}

std::string Written(const ProfileRecord& p) {
    IniDocument doc;
    WriteProfileKeys(doc, p);
    return doc.Serialize();
}

bool SameField(const ProfileRecord& a, const ProfileRecord& b, const ProfileField& f) {
    const auto* x = reinterpret_cast<const char*>(&a) + f.offset;
    const auto* y = reinterpret_cast<const char*>(&b) + f.offset;
    if (f.kind == FieldKind::kString) return FieldText(x, f.size) == FieldText(y, f.size);
    return std::memcmp(x, y, f.size) == 0;
}

// `later` holds what `first` held, strings as far as a line can hold them.
void CheckSameRecord(const ProfileRecord& first, const ProfileRecord& later) {
    for (const ProfileField& f : ProfileFields()) {
        if (f.kind != FieldKind::kString) {
            TESH_FUZZ_CHECK(SameField(first, later, f));
            continue;
        }
        const auto* a = reinterpret_cast<const char*>(&first) + f.offset;
        const auto* b = reinterpret_cast<const char*>(&later) + f.offset;
        TESH_FUZZ_CHECK(std::memchr(b, 0, f.size) != nullptr);
        TESH_FUZZ_CHECK(FieldText(b, f.size) == CutAtLineBreak(FieldText(a, f.size)));
    }
}

void CheckProfileRoundTrip(std::string_view text) {
    IniDocument doc = IniDocument::Parse(text);
    auto read = ReadOnDefaults(doc);
    std::string once = Written(*read);
    auto again = ReadOnDefaults(IniDocument::Parse(once));
    CheckSameRecord(*read, *again);
    TESH_FUZZ_CHECK(Written(*again) == once);

    // Saving over the damaged file: the keys read back from it are the ones written.
    WriteProfileKeys(doc, *read);
    auto over = ReadOnDefaults(IniDocument::Parse(doc.Serialize()));
    CheckSameRecord(*again, *over);
}

// A program directory of our own for the whole run, removed at exit.
struct ScratchDirectory {
    std::string path;
    ScratchDirectory() {
        auto dir = std::filesystem::temp_directory_path() /
                   ("tesh_profile_fuzz_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / kConfigDir);
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

void CheckLoadAll(std::string_view text) {
    TESH_FUZZ_CHECK(WriteFileAtomically(JoinPath(ProgramDir(), kConfigIni), text));
    TESH_FUZZ_CHECK(WriteFileAtomically(JoinPath(ProgramDir(), SlotFileName(kInputSlot)), text));

    MemoryRegistry registry;
    SettingsStore store(ProgramDir(), registry);
    auto set = std::make_unique<SettingsSet>();
    Clear(*set);
    SetDefaults(*set, 0);
    uint8_t info[kInfoDataSize];
    std::memcpy(info, set->InfoData, sizeof info);
    store.LoadAll(*set);

    IniDocument doc = IniDocument::Parse(text);
    TESH_FUZZ_CHECK(set->CurrentProfile == IniReadInt(doc, "Setting", "CurrentProfile", -1));
    IniReadStruct(doc, "Setting", "InfoData", info, sizeof info);
    TESH_FUZZ_CHECK(std::memcmp(info, set->InfoData, sizeof info) == 0);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (slot == set->CurrentProfile) continue;  // re-read from the registry
        // A file of nothing but zero bytes reads as missing.
        const bool blank = text.find_first_not_of('\0') == std::string_view::npos;
        auto expected = slot == kInputSlot && !blank ? ReadOnDefaults(doc) : Defaulted(slot);
        TESH_FUZZ_CHECK(std::memcmp(expected.get(), &set->Profiles[slot], sizeof *expected) == 0);
    }
}

}  // namespace
}  // namespace tesh

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    tesh::CheckProfileRoundTrip(text);
    tesh::CheckLoadAll(text);
    return 0;
}
