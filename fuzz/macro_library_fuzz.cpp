// A macro library file as a user or another program may have left it: read with every
// bound holding, written and read again to the same library, and reconciled with a
// button made of the same bytes without the profiles changing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "option/button_catalogue.h"
#include "option/macro_reconcile.h"
#include "settings/ini_document.h"
#include "settings/library_names.h"
#include "settings/macro_library.h"
#include "settings/profile_file.h"

namespace tesh {
namespace {

void CheckBounded(const MacroRecord& m) {
    TESH_FUZZ_CHECK(m.eventCount >= 0 && m.eventCount <= kMaxMacroEvents);
    TESH_FUZZ_CHECK(m.repeatCount >= 0 && m.repeatCount <= kMaxRepeatCount);
    const std::size_t length = std::strlen(m.name);
    TESH_FUZZ_CHECK(length < sizeof m.name);
    for (std::size_t i = length; i < sizeof m.name; ++i) TESH_FUZZ_CHECK(m.name[i] == 0);
    for (std::size_t i = 4 * static_cast<std::size_t>(m.eventCount); i < sizeof m.events; ++i)
        TESH_FUZZ_CHECK(m.events[i] == 0);
}

void CheckLibrary(const MacroLibrary& lib) {
    TESH_FUZZ_CHECK(lib.sets.size() <= static_cast<std::size_t>(kMaxMacroSets));
    for (std::size_t k = 0; k < lib.sets.size(); ++k) {
        const MacroSet& set = lib.sets[k];
        TESH_FUZZ_CHECK(IsStorableSetName(set.name));
        TESH_FUZZ_CHECK(FindSet(lib, set.name) == static_cast<int>(k));
        TESH_FUZZ_CHECK(set.macros.size() <= static_cast<std::size_t>(kMaxMacrosPerSet));
        for (const MacroRecord& m : set.macros) CheckBounded(m);
    }
}

bool SameLibrary(const MacroLibrary& a, const MacroLibrary& b) {
    if (a.sets.size() != b.sets.size()) return false;
    for (std::size_t k = 0; k < a.sets.size(); ++k) {
        const MacroSet& x = a.sets[k];
        const MacroSet& y = b.sets[k];
        if (TrimName(x.name) != TrimName(y.name) || x.macros.size() != y.macros.size())
            return false;
        for (std::size_t j = 0; j < x.macros.size(); ++j)
            if (std::memcmp(&x.macros[j], &y.macros[j], sizeof(MacroRecord)) != 0) return false;
    }
    return true;
}

MacroLibrary AllChanged(MacroLibrary lib) {
    for (MacroSet& set : lib.sets) set.state = SetState::kModified;
    return lib;
}

void CheckRoundTrip(std::string_view text) {
    IniDocument doc = IniDocument::Parse(text);
    MacroLibrary lib = ReadMacroLibrary(doc);
    CheckLibrary(lib);

    IniDocument fresh;
    WriteMacroLibrary(fresh, AllChanged(lib));
    const std::string once = fresh.Serialize();
    MacroLibrary again = ReadMacroLibrary(IniDocument::Parse(once));
    TESH_FUZZ_CHECK(SameLibrary(lib, again));
    IniDocument twice;
    WriteMacroLibrary(twice, AllChanged(again));
    TESH_FUZZ_CHECK(twice.Serialize() == once);

    // Saving over the damaged file: what is read back is what was saved.
    WriteMacroLibrary(doc, AllChanged(lib));
    TESH_FUZZ_CHECK(SameLibrary(lib, ReadMacroLibrary(IniDocument::Parse(doc.Serialize()))));
}

// The input's bytes as a macro button of every profile, reconciled with the library
// read from them: the library stays within its bounds and the profiles are only read.
void CheckReconcile(std::string_view bytes) {
    auto settings = std::make_unique<SettingsSet>();
    Clear(*settings);
    ButtonRecord& button = settings->Profiles[0].Buttons[0];
    std::memcpy(&button, bytes.data(), std::min(bytes.size(), sizeof button));
    button.code = option::code::kMacro;
    for (ProfileRecord& p : settings->Profiles) p.Buttons[1] = button;
    auto before = std::make_unique<SettingsSet>(*settings);
    MacroLibrary lib = ReadMacroLibrary(IniDocument::Parse(bytes));
    option::ReconcileWithProfiles(lib, *settings);
    CheckLibrary(lib);
    TESH_FUZZ_CHECK(std::memcmp(before.get(), settings.get(), sizeof(SettingsSet)) == 0);
}

}  // namespace
}  // namespace tesh

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    tesh::CheckRoundTrip(text);
    tesh::CheckReconcile(text);
    return 0;
}
