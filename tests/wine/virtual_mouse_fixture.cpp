#include "tests/wine/virtual_mouse_fixture.h"

#include <windows.h>

#include "featlink/win/flash_file.h"
#include "featlink/win/shared_mouse_mapping.h"
#include "settings/file_io.h"

namespace tesh::test {

VirtualMouseTest::VirtualMouseTest() : flashFile_(dir_.File("flash.bin")) {
    static int counter = 0;
    const std::string instance =
        "test" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    SetEnvironmentVariableA(vmouse::kInstanceVariable, instance.c_str());
    SetEnvironmentVariableA(vmouse::kFlashFileVariable, flashFile_.c_str());
}

VirtualMouseTest::~VirtualMouseTest() {
    SetEnvironmentVariableA(vmouse::kInstanceVariable, nullptr);
    SetEnvironmentVariableA(vmouse::kFlashFileVariable, nullptr);
}

std::string VirtualMouseTest::Beside(const std::string& name) {
    return ProgramDirectory() + name;
}

std::string VirtualMouseTest::CopyLibrary(const std::string& folder) {
    const std::string directory = dir_.File(folder);
    CreateDirectoryA(directory.c_str(), nullptr);
    const std::string path = directory + "\\featlink.dll";
    EXPECT_TRUE(CopyFileA(Beside("featlink.dll").c_str(), path.c_str(), FALSE)) << path;
    return path;
}

std::unique_ptr<FeatlinkLibrary> VirtualMouseTest::LoadCopy(const std::string& folder) {
    auto library = std::make_unique<FeatlinkLibrary>(CopyLibrary(folder));
    EXPECT_TRUE(library->loaded()) << folder;
    return library;
}

ChildResult VirtualMouseTest::Vmouse(const std::string& arguments) {
    return RunChild(Quoted(Beside("vmouse.exe")) + " " + arguments);
}

nlohmann::json VirtualMouseTest::State() {
    ChildResult result = Vmouse("state --json");
    EXPECT_EQ(result.exitCode, 0) << result.output;
    if (result.exitCode != 0) return nullptr;
    return nlohmann::json::parse(result.output, nullptr, false);
}

ChildResult VirtualMouseTest::Probe(const std::string& library, const std::string& arguments) {
    return RunChild(Quoted(Beside("featlink_probe.exe")) + " " + Quoted(library) + " " + arguments);
}

}  // namespace tesh::test
