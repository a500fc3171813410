// featlink.dll as the monitor and the upgrader use it: its export table, one mouse for
// every copy in every process, transfers only while open, calls from two processes at
// once, a caller with a tiny stack, a flash that outlives every process and that each
// process saves to its own file, and another user's mouse left alone.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <set>

#include "featlink/checksum.h"
#include "featlink/device_state.h"
#include "featlink/vmouse_commands.h"
#include "featlink/win/flash_file.h"
#include "featlink/win/shared_mouse_mapping.h"
#include "featlink/wire.h"
#include "settings/file_io.h"
#include "tests/wine/foreign_object.h"
#include "tests/wine/stack_use.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::test {
namespace {

namespace vm = vmouse;

const std::set<std::string> kExportNames = {
    "Open_DevMonitor", "Close_DevMonitor", "Open_FeatureDevice", "Close_FeatureDevice",
    "SetFeature",      "GetFeature",       "GetMousePID"};

// The names in the export directory of a loaded module.
std::set<std::string> ExportedNames(HMODULE module, DWORD* functionCount) {
    const auto* base = reinterpret_cast<const uint8_t*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::set<std::string> names;
    *functionCount = 0;
    if (entry.VirtualAddress == 0) return names;
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    *functionCount = exports->NumberOfFunctions;
    const auto* nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        names.insert(reinterpret_cast<const char*>(base + nameRvas[i]));
    }
    return names;
}

using FeatlinkDll = VirtualMouseTest;

TEST_F(FeatlinkDll, ExportsExactlyTheSevenFunctionsUndecorated) {
    auto library = LoadCopy("exports");
    ASSERT_TRUE(library->loaded());
    for (const char* wrong : {"SetFeature@8", "_SetFeature", "setfeature", "GetMousePid", "DllMain",
                              "Open_DevMonitor@12"}) {
        EXPECT_EQ(GetProcAddress(library->module(), wrong), nullptr) << wrong;
    }
    DWORD functions = 0;
    EXPECT_EQ(ExportedNames(library->module(), &functions), kExportNames);
    EXPECT_EQ(functions, kExportNames.size());
}

TEST_F(FeatlinkDll, TwoCopiesInTwoProcessesShareOneMouse) {
    auto monitorCopy = LoadCopy("program");
    const std::string upgraderCopy = CopyLibrary("FWUpdate");
    ASSERT_TRUE(monitorCopy->loaded());
    ASSERT_TRUE(monitorCopy->openFeatureDevice());
    ASSERT_TRUE(monitorCopy->WriteProfileSettings(2, 0x40));

    ChildResult read = Probe(upgraderCopy, "read-profile 2");
    ASSERT_EQ(read.exitCode, 0) << read.output;
    EXPECT_EQ(read.output, HexBytes(SeededSettings(0x40)) + "\r\n");

    ChildResult write = Probe(upgraderCopy, "write-profile 4 0x90");
    ASSERT_EQ(write.exitCode, 0) << write.output;
    EXPECT_EQ(monitorCopy->ReadProfileSettings(4), SeededSettings(0x90));
    EXPECT_EQ(monitorCopy->getMousePid() != 0, true);
}

TEST_F(FeatlinkDll, TransfersNeedTheDeviceOpenAndPlugged) {
    auto library = LoadCopy("open");
    ASSERT_TRUE(library->loaded());
    Bytes activate = {vm::kReportActiveProfile, 3, 1};
    EXPECT_FALSE(library->setFeature(activate.data(), 3)) << "not opened yet";
    ASSERT_TRUE(library->openFeatureDevice());
    EXPECT_EQ(library->WriteAndWait(activate), vm::kStatusDone);
    EXPECT_FALSE(library->setFeature(activate.data(), 2)) << "a report has its exact length";
    library->closeFeatureDevice();
    EXPECT_FALSE(library->Read(vm::kReportActiveProfile, 3)) << "closed again";

    ASSERT_EQ(Vmouse("unplug").exitCode, 0);
    EXPECT_FALSE(library->openFeatureDevice()) << "no mouse to open";
    EXPECT_EQ(library->getMousePid(), 0);
    ASSERT_EQ(Vmouse("plug").exitCode, 0);
    ASSERT_TRUE(library->openFeatureDevice());
    EXPECT_NE(library->getMousePid(), 0);
    auto active = library->Read(vm::kReportActiveProfile, 3);
    ASSERT_TRUE(active);
    EXPECT_EQ((*active)[2], 1) << "the flash kept the active profile over the unplug";

    ChildResult log = Vmouse("log");
    EXPECT_EQ(log.output,
              "SET 05 03 01 failed\r\nSET 05 03 01\r\nGET 04 01 00\r\nSET 05 03 failed\r\n"
              "GET 05 ... (3 bytes) failed\r\nEVT 7f00 0002\r\nEVT 7f00 0001\r\nGET 05 03 01\r\n");
}

TEST_F(FeatlinkDll, FaultsSetWithVmouseHitTheNextCalls) {
    auto library = LoadCopy("faults");
    ASSERT_TRUE(library->loaded() && library->openFeatureDevice());
    ASSERT_EQ(Vmouse("fault setfail 1").exitCode, 0);
    ASSERT_EQ(Vmouse("fault busy 2").exitCode, 0);
    Bytes activate = {vm::kReportActiveProfile, 3, 2};
    EXPECT_FALSE(library->setFeature(activate.data(), 3));
    EXPECT_EQ(library->WriteAndWait(activate), vm::kStatusDone);
    EXPECT_EQ(Vmouse("log").output,
              "SET 05 03 02 failed\r\nSET 05 03 02\r\nGET 04 03 00\r\nGET 04 03 00\r\n"
              "GET 04 01 00\r\n");
}

TEST_F(FeatlinkDll, CallsFromTwoProcessesAtOnceAreSerialized) {
    constexpr int kChildCalls = 20000;
    auto library = LoadCopy("here");
    const std::string other = CopyLibrary("there");
    ASSERT_TRUE(library->loaded() && library->openFeatureDevice());
    ChildProcess child;
    ASSERT_TRUE(child.Start(Quoted(Beside("featlink_probe.exe")) + " " + Quoted(other) +
                            " select " + std::to_string(kChildCalls)));
    // Calls of our own for as long as the other process makes its calls.
    int calls = 0, failed = 0;
    for (; child.Running(); ++calls) failed += library->Read(vm::kReportDeviceInfo, 6) ? 0 : 1;
    ASSERT_EQ(child.Wait(), 0) << child.output();
    EXPECT_EQ(failed, 0);
    // Every exchange of both processes was counted: none was lost to the other.
    nlohmann::json state = State();
    EXPECT_EQ(state["logTotal"], calls + kChildCalls);
}

// The monitor's device worker runs with a 4096-byte stack, and may be the first to call.
// A thread's stack reservation is at least 64 KB; our calls stay well inside it.
constexpr std::size_t kStackBudget = 32 * 1024;

DWORD WriteMacro(void* parameter) {
    auto* library = static_cast<FeatlinkLibrary*>(parameter);
    if (!library->openFeatureDevice()) return 1;
    Bytes macro(vm::kMacroLength, 0);
    macro[0] = vm::kReportMacro;
    macro[1] = vm::kMacroLength & 0xFF;
    macro[2] = vm::kMacroLength >> 8;
    macro[3] = 0;  // profile
    macro[4] = 5;  // button
    macro[5] = 3;  // repeat count
    vm::PutChecksum(macro.data(), vm::kMacroLength);
    return library->WriteAndWait(macro) == vm::kStatusDone ? 0 : 2;
}

TEST_F(FeatlinkDll, FirstCallsFitASmallStackAndSaveTheFlash) {
    dir_.Write("flash.bin", "");  // an old file to read, and to replace
    auto library = LoadCopy("worker");
    ASSERT_TRUE(library->loaded());
    const StackUse use = MeasureStackUse(WriteMacro, library.get());
    ASSERT_TRUE(use.ran);
    EXPECT_EQ(use.result, 0u);
    EXPECT_LT(use.bytes, kStackBudget);
    auto saved = ReadWholeFile(flashFile());
    ASSERT_TRUE(saved) << "the changed flash was saved";
    auto flash = std::make_unique<vm::DeviceFlash>();
    ASSERT_TRUE(vm::FlashFromBytes(*saved, *flash));
    EXPECT_EQ(flash->macros[0][5].repeatCount, 3);
}

// The shared memory names no file: a process that finds the mouse set up by another
// saves its changes to its own flash file, never to one that the memory would name.
TEST_F(FeatlinkDll, EachProcessSavesToItsOwnFlashFile) {
    auto library = LoadCopy("first");
    ASSERT_TRUE(library->openFeatureDevice());  // the mouse set up with flash.bin
    const std::string other = dir_.File("other.bin");
    SetEnvironmentVariableA(vm::kFlashFileVariable, other.c_str());
    ASSERT_EQ(Vmouse("profile 2").exitCode, 0);
    auto saved = ReadWholeFile(other);
    ASSERT_TRUE(saved) << "vmouse saved to the file of its own environment";
    auto flash = std::make_unique<vm::DeviceFlash>();
    ASSERT_TRUE(vm::FlashFromBytes(*saved, *flash));
    EXPECT_EQ(flash->activeProfile, 2);
    EXPECT_FALSE(FileExists(flashFile())) << "not to the file of the process that set it up";
}

TEST_F(FeatlinkDll, FlashOutlivesEveryProcess) {
    const std::string library = CopyLibrary("program");
    ASSERT_EQ(Probe(library, "write-profile 1 0x21").exitCode, 0);
    ASSERT_EQ(Vmouse("profile 3").exitCode, 0);
    ASSERT_EQ(Vmouse("set firmware 7").exitCode, 0);
    ASSERT_EQ(Vmouse("unplug").exitCode, 0);
    ASSERT_EQ(Vmouse("fault busy 9").exitCode, 0);
    ASSERT_TRUE(FileExists(flashFile()));

    // Every process has ended, so the mouse is set up anew: plugged in, no log, no
    // faults, and the flash of the file.
    nlohmann::json state = State();
    EXPECT_EQ(state["plugged"], true);
    EXPECT_EQ(state["logTotal"], 0);
    EXPECT_EQ(state["faults"]["busy"], 0);
    EXPECT_EQ(state["profile"], 3);
    EXPECT_EQ(state["firmware"], 7);
    EXPECT_EQ(state["flashFile"], flashFile());
    ChildResult read = Probe(library, "read-profile 1");
    ASSERT_EQ(read.exitCode, 0) << read.output;
    EXPECT_EQ(read.output, HexBytes(SeededSettings(0x21)) + "\r\n");
}

TEST_F(FeatlinkDll, DamagedFlashFileGivesAFactoryMouse) {
    dir_.Write("flash.bin", "not a flash");
    nlohmann::json state = State();
    EXPECT_EQ(state["firmware"], vm::kFactoryFirmwareVersion);
    EXPECT_EQ(state["profile"], 0);
    ASSERT_EQ(Vmouse("profile 2").exitCode, 0);
    EXPECT_EQ(ReadWholeFile(flashFile()).value_or("").size(), sizeof(vm::DeviceFlash))
        << "the first change writes a good file over it";
}

// A mouse that another user set up first could be read and changed by that user at will:
// the library reports no mouse rather than use it.
TEST_F(FeatlinkDll, AnotherUsersMouseIsNotUsed) {
    char instance[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA(vm::kInstanceVariable, instance, sizeof instance), 0u);
    for (const auto kind : {ForeignObject::Kind::kMapping, ForeignObject::Kind::kMutex}) {
        const bool mapping = kind == ForeignObject::Kind::kMapping;
        SCOPED_TRACE(mapping ? "memory" : "lock");
        const std::string name =
            std::string(mapping ? vm::kMappingName : vm::kMutexName) + "_" + instance;
        ForeignObject planted(kind, name, sizeof(vm::SharedMouse));
        ASSERT_TRUE(planted.made());
        auto library = LoadCopy(mapping ? "memory" : "lock");
        ASSERT_TRUE(library->loaded());
        EXPECT_EQ(library->openFeatureDevice(), 0);
        EXPECT_EQ(library->getMousePid(), 0);
        EXPECT_EQ(Vmouse("plug").exitCode, vm::kVmouseRefused);
        if (mapping) {
            EXPECT_TRUE(planted.Untouched()) << "another user's memory is left alone";
        }
    }
}

}  // namespace
}  // namespace tesh::test
