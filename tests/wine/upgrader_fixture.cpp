#include "tests/wine/upgrader_fixture.h"

#include <commctrl.h>

#include <cstring>
#include <sstream>
#include <vector>

#include "settings/file_io.h"
#include "tests/wine/monitor_program.h"
#include "upgrade/upgrader_names.h"

namespace tesh::test {

namespace {

using namespace tesh::upgrade;

constexpr char kStandIn[] = "monitor_standin.exe";
constexpr char kMonitorProgram[] = "TeshUlmaOpticalMonitor.exe";
constexpr char kUpgraderProgram[] = "FWUpdate\\TeshUlmaOptical Firmware Upgrade.exe";
constexpr char kStandInLog[] = "standin.log";
constexpr char kUpdateCommandLine[] = "SET 1b";
// One monitor at a time: a second one ends at once.
constexpr char kMonitorMutexName[] = "VORTAQ_TeshUlmaOptical_Mouse_Normal_Monitor";

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           _strnicmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}

// Copies the folder `from` into `to` (both ending with a backslash), subfolders too.
bool CopyTree(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((from + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool copied = true;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            copied &= CopyTree(from + name + "\\", to + name + "\\");
        } else {
            copied &= CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE) != FALSE;
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return copied;
}

// The file of the program that owns the window; "" when it cannot be told.
std::string ProgramOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return "";
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool known = QueryFullProcessImageNameA(process, 0, path, &size);
    CloseHandle(process);
    return known ? path : "";
}

bool IsMonitorOrUpgrader(HWND window) {
    char text[128] = {}, windowClass[128] = {};
    GetWindowTextA(window, text, sizeof text);
    GetClassNameA(window, windowClass, sizeof windowClass);
    return std::strcmp(text, kMonitorWindowTitle) == 0 ||
           std::strcmp(windowClass, kNoticeClass) == 0 ||
           std::strcmp(windowClass, kUpgradeWindowClass) == 0;
}

// The windows of the monitor and the upgrader, split by whether their programs run
// from the stage.
struct StagedWindows {
    std::string stage;
    std::vector<HWND> inside;
    std::vector<HWND> outside;
};

BOOL CALLBACK SortWindow(HWND window, LPARAM param) {
    auto& windows = *reinterpret_cast<StagedWindows*>(param);
    if (!IsMonitorOrUpgrader(window)) return TRUE;
    const bool inside = StartsWithNoCase(ProgramOf(window), windows.stage);
    (inside ? windows.inside : windows.outside).push_back(window);
    return TRUE;
}

StagedWindows FindStagedWindows(const std::string& stage) {
    StagedWindows windows{stage, {}, {}};
    EnumWindows(SortWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace

// The staged program of this build, wherever its build folder lies.
std::string UpgraderTest::DistDirectory() {
    return StagedProgramDirectory();
}

void UpgraderTest::Stage(bool standIn) {
    stage_ = dir_.File("program\\");
    ASSERT_TRUE(CopyTree(DistDirectory(), stage_)) << DistDirectory() << " to " << stage_;
    ASSERT_TRUE(FileExists(Staged(kUpgraderProgram)));
    if (standIn) {
        ASSERT_TRUE(CopyFileA(Beside(kStandIn).c_str(), Staged(kMonitorProgram).c_str(), FALSE));
    }
}

void UpgraderTest::SetUp() {
    Stage(true);
    KeepTheMouse();
    WaitUntilAlone();
}

void UpgraderTest::KeepTheMouse() {
    // The virtual mouse lives while a process has it open: its log outlives the upgrader.
    mouseKeeper_ = LoadCopy("keeper");
    if (mouseKeeper_->loaded()) mouseKeeper_->getMousePid();
}

static bool MutexExists(const char* name) {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name);
    if (mutex) CloseHandle(mutex);
    return mutex != nullptr;
}

void UpgraderTest::WaitUntilAlone(bool monitorToo) {
    // Another test's monitor would be closed by our upgrader, another upgrader would
    // make ours end at once, and so would another monitor ours: wait until they are gone.
    ASSERT_TRUE(skin::testing::GalleryDriver::WaitFor(
        [&] {
            return FindStagedWindows(stage_).outside.empty() && !MutexExists(kUpgraderMutexName) &&
                   !(monitorToo && MutexExists(kMonitorMutexName));
        },
        kAloneTimeoutMs))
        << "another monitor or upgrader keeps running on this display";
}

void UpgraderTest::TearDown() {
    // Programs the upgrader started first (they may hold its output pipe), then those
    // a failed test left behind.
    for (HWND window : FindStagedWindows(stage_).inside) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, kChildTimeoutMs);
            CloseHandle(process);
        }
    }
    upgrader_.Wait(0);
    standIn_.Wait(0);
}

void UpgraderTest::UseImage(const std::string& name, const std::string& bytes) {
    dir_.Write("program\\FWUpdate\\" + name, bytes);
    dir_.Write("program\\FWUpdate\\config.ini", "[Firmware]\r\nName=" + name + "\r\nVersion=6\r\n");
}

bool UpgraderTest::StartStandIn() {
    if (!standIn_.Start(Quoted(Staged(kMonitorProgram)))) return false;
    return WaitForWindow(MonitorWindow, false) != nullptr;
}

int UpgraderTest::StandInLines(const std::string& what) const {
    std::istringstream lines(dir_.Read("program\\" + std::string(kStandInLog)));
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(what + " ", 0) == 0) ++count;
    }
    return count;
}

HWND UpgraderTest::MonitorWindow() {
    return FindWindowA(nullptr, kMonitorWindowTitle);
}

bool UpgraderTest::StartUpgrader(const std::string& argument) {
    return upgrader_.Start(Quoted(Staged(kUpgraderProgram)) + " " + argument);
}

HWND UpgraderTest::FindNotice(const char* title) {
    return FindWindowA(kNoticeClass, title);
}

HWND UpgraderTest::UpgradeWindow() {
    return FindWindowA(kUpgradeWindowClass, kUpgradeWindowTitle);
}

HWND UpgraderTest::WaitForWindow(HWND (*find)(), bool shown, int timeoutMs) {
    HWND found = nullptr;
    const bool there = skin::testing::GalleryDriver::WaitFor(
        [&] { return (found = find()) != nullptr && (!shown || IsWindowVisible(found)); },
        timeoutMs);
    return there ? found : nullptr;
}

HWND UpgraderTest::WaitForNotice(const char* title, int timeoutMs) {
    HWND found = nullptr;
    const bool there = skin::testing::GalleryDriver::WaitFor(
        [&] { return (found = FindNotice(title)) != nullptr && IsWindowVisible(found); },
        timeoutMs);
    return there ? found : nullptr;
}

void UpgraderTest::ClickButton(HWND window, int id) {
    HWND button = GetDlgItem(window, id);
    ASSERT_NE(button, nullptr) << "no control " << id;
    SetForegroundWindow(window);
    input_.Click(skin::testing::GalleryDriver::CentreOf(button));
}

int UpgraderTest::ProgressPosition() {
    HWND window = UpgradeWindow();
    HWND bar = window ? GetDlgItem(window, kProgressBarId) : nullptr;
    return bar ? static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)) : -1;
}

bool UpgraderTest::Screenshot(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(200);  // the window's own thread paints
    RECT r;
    GetWindowRect(window, &r);
    return skin::testing::SaveScreen(r, name);
}

int UpgraderTest::UpdateCommandsSent() {
    ChildResult log = Vmouse("log");
    EXPECT_EQ(log.exitCode, 0) << log.output;
    std::istringstream lines(log.output);
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(kUpdateCommandLine, 0) == 0) ++count;
    }
    return count;
}

int UpgraderTest::Firmware() {
    nlohmann::json state = State();
    return state.is_object() ? state.value("firmware", -1) : -1;
}

}  // namespace tesh::test
