// A directory entry as anyone who can write to the program directory may name it,
// tested as a temporary file of each settings file. Whatever the name, a temporary is
// recognised only when it has exactly our form, and our own names are always recognised
// with their process id.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "settings/ini_document.h"
#include "settings/temporary_files.h"

namespace {

constexpr std::string_view kFileNames[] = {"config.ini", "Default0.qfm", "DeviceInfo.ini", ""};

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    const std::string_view entry(reinterpret_cast<const char*>(data), size);
    for (std::string_view file : kFileNames) {
        if (const auto owner = TemporaryOwner(entry, file)) {
            const std::string_view rest = entry.substr(file.size() + 4);
            const std::size_t cut = rest.find('_');
            TESH_FUZZ_CHECK(EqualsIgnoreCase(entry.substr(0, file.size()), file));
            TESH_FUZZ_CHECK(entry.substr(file.size(), 4) == ".tmp");
            TESH_FUZZ_CHECK(cut != std::string_view::npos && AllDigits(rest.substr(0, cut)) &&
                            AllDigits(rest.substr(cut + 1)));
        }
        unsigned long id = 0;
        for (std::size_t i = 0; i < size && i < sizeof id; ++i) id = id << 8 | data[i];
        const auto number = static_cast<unsigned>(size);
        TESH_FUZZ_CHECK(TemporaryOwner(TemporaryFileName(std::string(file), id, number), file) ==
                        id);
    }
    return 0;
}
