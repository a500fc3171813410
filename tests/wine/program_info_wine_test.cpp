// Every program and DLL of the staged program directory carries the product's name,
// version and maker, and every program its manifest, as Windows reads them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

struct Staged {
    const char* file;
    bool program;
};
constexpr Staged kStaged[] = {
    {"TeshUlmaOpticalMonitor.exe", true},
    {"TeshUlmaOpticalOption.exe", true},
    {"TeshUlmaOpticalOSD.exe", true},
    {"FWUpdate\\TeshUlmaOptical Firmware Upgrade.exe", true},
    {"vmouse.exe", true},
    {"teshulma.exe", true},
    {"featlink.dll", false},
    {"FWUpdate\\featlink.dll", false},
    {"help\\English_help.dll", false},
    {"help\\Japanese_help.dll", false},
};

std::string VersionString(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT size = 0;
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &size))
        return "";
    return std::string(value, size ? size - 1 : 0);
}

std::string Manifest(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return "";
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const void* data = LockResource(LoadResource(module, found));
        text.assign(static_cast<const char*>(data), SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

TEST(ProgramInfo, EveryProgramAndLibraryNamesTheProductAndEveryProgramHasItsManifest) {
    for (const Staged& staged : kStaged) {
        const std::string path = std::string(TESH_DIST_DIR) + "\\" + staged.file;
        SCOPED_TRACE(path);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_GT(size, 0u);
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
        EXPECT_EQ(VersionString(info, "ProductName"), "VORTAQ Tesh Ulma Optical");
        EXPECT_EQ(VersionString(info, "ProductVersion"), "1.07");
        EXPECT_EQ(VersionString(info, "CompanyName"), "VORTAQ");
        EXPECT_FALSE(VersionString(info, "FileDescription").empty());
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT fixedSize = 0;
        ASSERT_TRUE(
            VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize));
        EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(7, 1)));
        const std::string manifest = Manifest(path);
        if (staged.program) {
            EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
            EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
            EXPECT_NE(manifest.find("<gdiScaling"), std::string::npos);
        }
        // The product icon, but for the help texts, which are only strings.
        if (std::string(staged.file).rfind("help\\", 0) != 0) {
            HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
            ASSERT_NE(module, nullptr);
            EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), RT_GROUP_ICON), nullptr);
            FreeLibrary(module);
        }
    }
}

}  // namespace
