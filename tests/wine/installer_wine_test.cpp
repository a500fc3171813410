// The setup program end to end, silent, in the tests' Wine prefix: each test installs
// into a folder of its own (/D=) on a virtual mouse of its own, and leaves no entry of
// the installation behind. Install, the logon start, the Start menu's configuration
// entry, an upgrade over the running programs, and the removal with and without the
// user's settings files.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "installer/setup_names.h"
#include "monitor/first_start.h"
#include "monitor/monitor_names.h"
#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"
#include "option/option_names.h"
#include "settings/device_info.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"
#include "tests/wine/child_process.h"
#include "tests/wine/installation.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/virtual_mouse_fixture.h"
#include "upgrade/upgrader_names.h"

namespace tesh::test {
namespace {

using namespace setup;

constexpr DWORD kSetupTimeoutMs = 120000;
constexpr char kMonitorProgram[] = "TeshUlmaOpticalMonitor.exe";
constexpr char kHostStateRunning[] = "SET 0e 03 01";
constexpr char kLogon[] = "wineboot.exe";  // Wine's logon: it starts the Run values
const std::vector<const char*> kProgramTitles = {upgrade::kUpgradeWindowTitle, option::kWindowTitle,
                                                 monitor::kOsdWindowTitle,
                                                 monitor::kMonitorWindowTitle};

// A settings file of the user (by its path in the program folder), which the
// uninstaller keeps unless told otherwise.
bool IsSettingsFile(const std::string& path) {
    const std::string folder = std::string(kConfigDir) + "\\";
    const std::string profiles = option::kProfileExtension + 1;  // ".qfm"
    const bool top = path.find('\\') == std::string::npos;
    return path == kConfigIni || path == kDeviceInfoIni || path == monitor::kRunsStartIni ||
           path.rfind(folder, 0) == 0 ||
           (top && path.size() > profiles.size() &&
            path.compare(path.size() - profiles.size(), profiles.size(), profiles) == 0);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class InstallerTest : public VirtualMouseTest {
  protected:
    InstallerTest() : folder_(dir_.File("Tesh Ulma Optical")), holder_(LoadCopy("holder")) {
        RemoveInstallation();  // of an earlier run that did not end
        holder_->openFeatureDevice();
        EXPECT_EQ(Vmouse("plug").exitCode, 0);
        // The mouse runs the staged firmware, so that the monitor starts no upgrade.
        const int image = IniFile(StagedProgramDirectory() + monitor::kUpgraderConfig)
                              .ReadInt(monitor::kUpgraderSection, monitor::kUpgraderVersionKey, 0);
        EXPECT_EQ(Vmouse("set firmware " + std::to_string(image)).exitCode, 0);
    }
    ~InstallerTest() override { RemoveInstallation(); }

    static void RemoveInstallation() {
        EndPrograms(kProgramTitles);
        RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, kRunValue);
        DeleteFileA((MenuFolder() + kOptionShortcut).c_str());
        DeleteFileA((MenuFolder() + kUninstallShortcut).c_str());
        RemoveDirectoryA(MenuFolder().c_str());
    }
    static std::string MenuFolder() { return StartMenuPrograms() + kStartMenuFolder + "\\"; }
    std::string File(const std::string& relative) const { return folder_ + "\\" + relative; }

    int Install() {
        return RunDetached(Quoted(WinePath(TESH_SETUP_PROGRAM)) + " /S /D=" + folder_,
                           kSetupTimeoutMs);
    }
    // The removal as the installed-programs entry gives it; the uninstaller runs on from
    // a copy of itself, and its last step removes the entry.
    bool Uninstall(const std::string& switches = "") {
        const auto command = UserString(kUninstallKey, "QuietUninstallString");
        if (!command) return false;
        return RunDetached(*command + switches, kSetupTimeoutMs) == 0 &&
               WaitUntil([] { return !UserKeyExists(kUninstallKey); });
    }

    std::vector<std::string> Log() {
        std::vector<std::string> lines;
        const std::string text = Vmouse("log").output;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }
    // A monitor runs and has read the mouse since the log was cleared.
    bool MonitorReadTheMouse() {
        return WaitUntil([&] {
            const auto log = Log();
            return ProcessOfWindow(monitor::kMonitorWindowTitle) != 0 &&
                   std::any_of(log.begin(), log.end(), [](const std::string& line) {
                       return line.rfind(kHostStateRunning, 0) == 0;
                   });
        });
    }
    void ClearLog() { ASSERT_EQ(Vmouse("log --clear").exitCode, 0); }

    // The files left in the program folder are the user's settings files only.
    void ExpectOnlySettingsLeft() {
        for (const FolderFile& file : FilesUnder(folder_)) {
            EXPECT_TRUE(IsSettingsFile(file.path)) << file.path << " is left";
        }
        EXPECT_TRUE(FileExists(File(kConfigIni)));
    }
    void ExpectRegistrationGone() {
        EXPECT_FALSE(UserKeyExists(kUninstallKey));
        EXPECT_FALSE(UserString(kRunKey, kRunValue));
        EXPECT_FALSE(FileExists(MenuFolder() + kOptionShortcut));
        EXPECT_FALSE(FileExists(MenuFolder() + kUninstallShortcut));
        EXPECT_FALSE(FolderExists(MenuFolder()));
        EXPECT_EQ(ProcessesNamed(kMonitorProgram), 0);
        EXPECT_EQ(ProcessesNamed(monitor::kOptionProgram), 0);
        EXPECT_EQ(ProcessesNamed(monitor::kOsdProgram), 0);
    }

    std::string folder_;
    std::unique_ptr<FeatlinkLibrary> holder_;
};

TEST_F(InstallerTest, InstallsRegistersStartsAtLogonAndUninstallsKeepingSettings) {
    ClearLog();
    ASSERT_EQ(Install(), 0);
    // The setup started the monitor from the program folder, and it reads the mouse.
    EXPECT_TRUE(MonitorReadTheMouse()) << "no monitor after the setup";

    const std::vector<FolderFile> staged = FilesUnder(StagedProgramDirectory());
    const std::vector<FolderFile> installed = FilesUnder(folder_);
    ASSERT_FALSE(staged.empty());
    for (const FolderFile& file : staged) {
        EXPECT_NE(std::find(installed.begin(), installed.end(), file), installed.end())
            << file.path << " (" << file.size << " bytes) not installed";
    }
    EXPECT_TRUE(FileExists(File(kUninstaller)));

    const std::string monitor = File(kMonitorProgram);
    const std::string uninstaller = File(kUninstaller);
    EXPECT_EQ(UserString(kRunKey, kRunValue), Quoted(monitor));
    EXPECT_EQ(UserString(kUninstallKey, "DisplayName"), kProductName);
    EXPECT_EQ(UserString(kUninstallKey, "DisplayVersion"), TESH_VERSION);
    EXPECT_EQ(UserString(kUninstallKey, "Publisher"), kPublisher);
    EXPECT_EQ(UserString(kUninstallKey, "DisplayIcon"), monitor);
    EXPECT_EQ(UserString(kUninstallKey, "InstallLocation"), folder_);
    EXPECT_EQ(UserString(kUninstallKey, "UninstallString"), Quoted(uninstaller));
    EXPECT_EQ(UserString(kUninstallKey, "QuietUninstallString"), Quoted(uninstaller) + " /S");
    unsigned long long stagedBytes = 0;
    for (const FolderFile& file : staged) stagedBytes += file.size;
    const DWORD estimatedKiB = UserNumber(kUninstallKey, "EstimatedSize").value_or(0);
    const double stagedKiB = static_cast<double>(stagedBytes) / 1024;
    EXPECT_NEAR(estimatedKiB, stagedKiB, stagedKiB / 20 + 64);

    const auto option = ReadShortcut(MenuFolder() + kOptionShortcut);
    ASSERT_TRUE(option);
    EXPECT_EQ(option->target, File(monitor::kOptionProgram));
    EXPECT_EQ(option->workingDirectory, folder_);
    const auto removal = ReadShortcut(MenuFolder() + kUninstallShortcut);
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->target, uninstaller);

    // A logon starts the monitor again from the Run value.
    EndPrograms({monitor::kMonitorWindowTitle});
    ASSERT_EQ(ProcessOfWindow(monitor::kMonitorWindowTitle), 0u);
    ClearLog();
    EXPECT_EQ(RunDetached(kLogon, kSetupTimeoutMs), 0);
    EXPECT_TRUE(MonitorReadTheMouse()) << "the logon did not start the monitor";

    // The Start menu's entry opens the configuration application.
    ShellExecuteA(nullptr, "open", (MenuFolder() + kOptionShortcut).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
    EXPECT_TRUE(WaitUntil([] { return ProcessOfWindow(option::kWindowTitle) != 0; }))
        << "the Start menu entry did not open the configuration application";

    // The removal ends both programs and keeps the settings files.
    ASSERT_TRUE(Uninstall());
    ExpectRegistrationGone();
    ExpectOnlySettingsLeft();
    EXPECT_FALSE(FileExists(uninstaller));
}

TEST_F(InstallerTest, UpgradeKeepsSettingsAndRestartsTheMonitorThenRemovalTakesAll) {
    ASSERT_EQ(Install(), 0);
    ASSERT_TRUE(MonitorReadTheMouse());
    // The user's settings, a profile copy, and a damaged program file.
    ASSERT_TRUE(IniFile(File(kConfigIni)).WriteString("Mine", "Kept", "yes"));
    const std::string profileCopy = "My profile.qfm";
    dir_.Write("Tesh Ulma Optical\\" + profileCopy, "[Setting]\r\n");
    dir_.Write("Tesh Ulma Optical\\config\\Timer.ini", "[Timer]\r\nCount=0\r\n");
    const auto staged = FilesUnder(StagedProgramDirectory());
    const auto first = std::find_if(staged.begin(), staged.end(), [](const FolderFile& file) {
        return !IsSettingsFile(file.path);
    });
    ASSERT_NE(first, staged.end());
    const FolderFile program = *first;
    dir_.Write("Tesh Ulma Optical\\" + program.path, "damaged");
    const DWORD oldMonitor = ProcessOfWindow(monitor::kMonitorWindowTitle);
    HANDLE oldProcess = OpenProcess(SYNCHRONIZE, FALSE, oldMonitor);
    ASSERT_NE(oldProcess, nullptr);

    ClearLog();
    EXPECT_EQ(Install(), 0);
    EXPECT_EQ(WaitForSingleObject(oldProcess, 0), WAIT_OBJECT_0) << "the old monitor runs on";
    CloseHandle(oldProcess);
    EXPECT_TRUE(MonitorReadTheMouse()) << "no monitor after the upgrade";
    EXPECT_NE(ProcessOfWindow(monitor::kMonitorWindowTitle), oldMonitor);
    EXPECT_EQ(IniFile(File(kConfigIni)).ReadString("Mine", "Kept", ""), "yes");
    EXPECT_TRUE(FileExists(File(profileCopy)));
    EXPECT_EQ(dir_.Read("Tesh Ulma Optical\\config\\Timer.ini"), "[Timer]\r\nCount=0\r\n");
    const auto files = FilesUnder(folder_);
    EXPECT_NE(std::find(files.begin(), files.end(), program), files.end())
        << program.path << " was not replaced";

    ASSERT_TRUE(Uninstall(std::string(" ") + kRemoveSettingsSwitch));
    ExpectRegistrationGone();
    EXPECT_FALSE(FolderExists(folder_)) << "the program folder is left";
}

// The setup waits a bounded time for a program to close, then stops without a change.
TEST_F(InstallerTest, StopsWhenAProgramDoesNotClose) {
    ChildProcess stubborn;
    ASSERT_TRUE(stubborn.Start(Quoted(Beside("stubborn_window.exe")) + " " + option::kWindowTitle));
    ASSERT_TRUE(WaitUntil([] { return ProcessOfWindow(option::kWindowTitle) != 0; }));
    EXPECT_EQ(Install(), kExitProgramRunning);
    EXPECT_TRUE(stubborn.Running());
    EXPECT_FALSE(FolderExists(folder_));
    EXPECT_FALSE(UserKeyExists(kUninstallKey));
    EXPECT_FALSE(UserString(kRunKey, kRunValue));
}

}  // namespace
}  // namespace tesh::test
