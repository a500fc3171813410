#include "featlink/win/flash_file.h"

#include <windows.h>

#include <string_view>

#include "settings/file_io.h"
#include "settings/platform.h"

namespace tesh::vmouse {

namespace {

constexpr char kDataFolder[] = "TeshUlmaOptical";
constexpr char kFlashFileName[] = "vmouse-flash.bin";
constexpr char kUserDataVariable[] = "LOCALAPPDATA";

std::string Variable(const char* name) {
    char value[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

}  // namespace

std::string FlashFilePath() {
    std::string path = Variable(kFlashFileVariable);
    if (!path.empty()) return path;
    const std::string userData = Variable(kUserDataVariable);
    if (userData.empty()) return "";
    const std::string folder = WithTrailingSeparator(userData) + kDataFolder;
    if (!platform::MakeDirectory(folder)) return "";
    return WithTrailingSeparator(folder) + kFlashFileName;
}

bool LoadFlash(const std::string& path, DeviceFlash& flash) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // One byte more than a flash, so that a longer file is seen as such.
    std::string bytes(sizeof(DeviceFlash) + 1, '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok) return false;
    bytes.resize(read);
    return FlashFromBytes(bytes, flash);
}

bool SaveFlash(const std::string& path, const DeviceFlash& flash) {
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(&flash), sizeof flash));
}

}  // namespace tesh::vmouse
