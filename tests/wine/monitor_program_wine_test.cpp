// The real monitor from a copy of the staged program directory on a virtual mouse of
// its own: start-up with the mouse, Apply through the shared block, the restore
// command, the mouse unplugged, a second start, the tray menu's "Exit" and the last
// exchange at shutdown.
#include <windows.h>
// aclapi.h needs windows.h first.
#include <aclapi.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "monitor/device_core.h"
#include "monitor/device_tables.h"
#include "monitor/first_start.h"
#include "monitor/macro_report.h"
#include "monitor/monitor_names.h"
#include "monitor/profile_reports.h"
#include "monitor/program_names.h"
#include "monitor/quib_contacts.h"
#include "monitor/store_settings_files.h"
#include "monitor/win/current_user_access.h"
#include "monitor/win/featlink_adapters.h"
#include "monitor/win/quib_messages.h"
#include "settings/device_info.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/registry_port.h"
#include "settings/settings_store.h"
#include "tests/wine/foreign_object.h"
#include "tests/wine/installed_monitor_test.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::test {
namespace {

using namespace monitor;

constexpr int kProfile = 2;
constexpr int kSlot = 7;
constexpr char kHostStateStopped[] = "SET 0e 03 00";
constexpr char kButtonReportOfProfile[] = "SET 07 3b 02";
constexpr char kMenuWindowClass[] = "#32768";

// The settings the mouse holds before the monitor starts: profile 2 active, its CPI
// levels and a 60-event macro on slot 7.
void MouseSettings(SettingsSet& set) {
    std::memset(&set, 0, sizeof set);
    SetDefaults(set, 0x0409);
    ProfileRecord& profile = set.Profiles[kProfile];
    for (int level = 0; level < kCpiLevels; ++level) profile.CpiLevel_X[level] = 7 - level;
    ButtonRecord& button = profile.Buttons[kSlot];
    button.code = kMacroFunctionCode;
    button.repeatCount = 2;
    button.eventCount = 60;
    for (int i = 0; i < 240; ++i) button.events[i] = static_cast<uint8_t>(i * 11 + 3);
    set.CurrentProfile = kProfile;
    MarkAllChanged(set);
}

class NoHost : public LinkHost, public SettingsBlock, public WindowPort, public ShellPort {
  public:
    void PostDeviceJob(int, int) override {}
    void StartTimer(int, uint32_t) override {}
    void KillTimer(int) override {}
    void UpdateTrayIcon() override {}
    void CloseMonitorWindow() override {}
    bool StartFlagSet() override { return false; }
    void ClearStartFlag() override {}
    void OpenConfigurationApp() override {}
    void SendQuibDeviceStatus(bool) override {}
    void SendQuixAimCpi() override {}
    void DispatchEvent(uint32_t) override {}
    void Publish(const SettingsSet&) override {}
    bool PostToWindow(std::string_view, uint32_t, uintptr_t, intptr_t) override { return true; }
    bool CloseWindow(std::string_view) override { return true; }
    bool Open(const std::string&, const std::string&) override { return true; }
};

// Writes the settings to the mouse through featlink, as a monitor of an earlier run did.
bool GiveMouse(const std::string& libraryFolder, const SettingsSet& settings) {
    FeatlinkBinding binding;
    if (!binding.Bind(libraryFolder)) return false;
    FeatlinkDevice device(binding);
    FeatlinkLink link(binding);
    SteadyClock clock;
    MemoryRegistry registry;
    SettingsStore store(libraryFolder, registry);
    StoreSettingsFiles files(store, libraryFolder);
    NoHost host;
    auto image = std::make_unique<SettingsSet>(settings);
    DeviceCore core(*image, libraryFolder,
                    DeviceCorePorts{device, clock, files, host, host, host, link, host});
    if (!link.OpenFeatureDevice()) return false;
    core.flags().connection = kConnected;
    return core.sequences().WriteChanges();
}

class MonitorProgramTest : public InstalledMonitorTest {
  protected:
    void Unplug() {
        ASSERT_EQ(Vmouse("unplug").exitCode, 0);
        ASSERT_TRUE(WaitUntil([&] { return program_.ConfigInt("Device") == 0; }));
    }
    LRESULT Send(uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0) {
        DWORD_PTR result = 0;
        EXPECT_TRUE(SendMessageTimeoutA(program_.window(), message, wParam, lParam, SMTO_NORMAL,
                                        kConditionTimeoutMs, &result));
        return static_cast<LRESULT>(result);
    }
    static HWND OptionWindow() { return FindWindowA(nullptr, kOptionWindowTitle); }
};

TEST_F(MonitorProgramTest, StartWithTheMouseReadsItsSettingsIntoTheFilesAndTheBlock) {
    auto mouse = std::make_unique<SettingsSet>();
    MouseSettings(*mouse);
    ASSERT_TRUE(GiveMouse(dir_.File("holder") + "\\", *mouse));
    StartConnected("1");

    const auto log = Log();
    const auto sensorRead = std::find_if(log.rbegin(), log.rend(), [](const std::string& line) {
        return StartsWith(line, "GET 0f");
    });
    const auto hostState = std::find_if(log.rbegin(), log.rend(), [](const std::string& line) {
        return StartsWith(line, kHostStateRunning);
    });
    EXPECT_LT(hostState, sensorRead) << "the host state follows the read-all's last read";
    EXPECT_EQ(program_.ConfigInt("Device"), 1);
    EXPECT_EQ(program_.ConfigInt("CurrentProfile"), kProfile);

    // The slot files and the block hold the mouse's settings.
    auto files = std::make_unique<SettingsSet>();
    MemoryRegistry registry;
    SettingsStore(program_.directory(), registry).LoadAll(*files);
    BlockClient client;
    ASSERT_TRUE(client.opened());
    const auto block = client.Read();
    const int button = DeviceButtonOfSlot(kSlot);
    for (const SettingsSet* set : {files.get(), block.get()}) {
        EXPECT_EQ(set->CurrentProfile, kProfile);
        for (int p = 0; p < kProfileCount; ++p) {
            EXPECT_EQ(BuildProfileSettingsReport(set->Profiles[p], p),
                      BuildProfileSettingsReport(mouse->Profiles[p], p));
            EXPECT_EQ(BuildButtonReport(set->Profiles[p], p),
                      BuildButtonReport(mouse->Profiles[p], p));
        }
        EXPECT_EQ(BuildMacroReport(set->Profiles[kProfile].Buttons[kSlot], kProfile, button),
                  BuildMacroReport(mouse->Profiles[kProfile].Buttons[kSlot], kProfile, button));
    }
    EXPECT_EQ(block->ButtonChanged[kProfile][kSlot], 0) << "the read-all clears the flags";

    // With "1" the configuration application opened, and heard of the read-all.
    EXPECT_TRUE(WaitUntil([] { return OptionWindow() != nullptr; }));
    EXPECT_TRUE(WaitUntil([&] {
        const auto messages = program_.OptionMessages();
        return std::find(messages.begin(), messages.end(), "1254 0 0") != messages.end();
    })) << ::testing::PrintToString(program_.OptionMessages());
    EXPECT_TRUE(FileExists(program_.File(kRunsStartIni)));
    EXPECT_EQ(IniFile(program_.File(kDeviceInfoIni)).ReadInt("Setting", "Count", -1), 0);
    EXPECT_EQ(
        IniFile(QuibFolderPath() + kQuibConfigIni).ReadString(kQuibProductSection, "Name", ""),
        kQuibProductName);

    // Hidden, and without a taskbar button.
    HWND monitor = program_.window();
    EXPECT_FALSE(IsWindowVisible(monitor));
    EXPECT_NE(GetWindowLongPtrA(monitor, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(GetWindowLongPtrA(monitor, GWL_STYLE) & WS_POPUP, 0);
    EXPECT_EQ(program_.Close(), 0);
}

TEST_F(MonitorProgramTest, ApplyOfOneButtonSendsItsReportsBeforeItReturns) {
    StartConnected();
    BlockClient client;
    ASSERT_TRUE(client.opened());

    // A macro on button 7 of profile 2: its button report and its macro report.
    client.Change([](SettingsSet& set) {
        ButtonRecord& button = set.Profiles[kProfile].Buttons[kSlot];
        button.code = kMacroFunctionCode;
        button.eventCount = 20;
        for (int i = 0; i < 80; ++i) button.events[i] = static_cast<uint8_t>(i + 1);
        set.ButtonChanged[kProfile][kSlot] = 1;
    });
    ClearLog();
    EXPECT_EQ(Send(kApplyMessage), 0);
    auto log = Log();
    char macro[32];
    std::snprintf(macro, sizeof macro, "SET 08 22 08 %02x %02x", kProfile,
                  DeviceButtonOfSlot(kSlot));
    const auto writes = Writes(log);
    ASSERT_EQ(writes.size(), 2u) << ::testing::PrintToString(log);
    EXPECT_TRUE(StartsWith(writes[0], kButtonReportOfProfile)) << writes[0];
    EXPECT_TRUE(StartsWith(writes[1], macro)) << writes[1];
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(StartsWith(log.back(), "GET 04 01"))
        << "the macro's status was read: " << log.back();

    // Without a macro: the button report alone.
    // The first Apply's flags were cleared once written: this change is flagged anew.
    EXPECT_EQ(client.Read()->ButtonChanged[kProfile][kSlot], 0);
    client.Change([](SettingsSet& set) {
        set.Profiles[kProfile].Buttons[kSlot].code = kKeyCombinationCode;
        set.ButtonChanged[kProfile][kSlot] = 1;
    });
    ClearLog();
    EXPECT_EQ(Send(kApplyMessage), 0);
    log = Log();
    ASSERT_EQ(Writes(log).size(), 1u) << ::testing::PrintToString(log);
    EXPECT_TRUE(StartsWith(Writes(log)[0], kButtonReportOfProfile));
}

TEST_F(MonitorProgramTest, RestoreDefaultsSendsTheCommandAndNothingElse) {
    StartConnected();
    BlockClient client;
    client.Change([](SettingsSet& set) { MarkAllChanged(set); });
    ClearLog();
    EXPECT_EQ(Send(kApplyMessage, kApplyRestoreDefaults), 0);
    const auto log = Log();
    EXPECT_EQ(Writes(log), std::vector<std::string>{"SET 09 06 0b 00 00 00"});
}

TEST_F(MonitorProgramTest, ApplyWhileUnpluggedChangesNothingOnTheMouse) {
    StartConnected();
    Unplug();
    BlockClient client;
    client.Change([](SettingsSet& set) {
        set.ProfileChanged[0] = 1;
        set.ButtonChanged[kProfile][kSlot] = 1;
    });
    ClearLog();
    EXPECT_EQ(Send(kApplyMessage), 0);
    EXPECT_EQ(Send(kApplyMessage, kApplyRestoreDefaults), 0);
    EXPECT_TRUE(Log().empty()) << ::testing::PrintToString(Log());
}

TEST_F(MonitorProgramTest, ASecondStartWithOneOpensOrBringsForwardTheConfigurationApp) {
    StartConnected();
    EXPECT_EQ(program_.StartSecondCopy("1"), 0);
    ASSERT_TRUE(WaitUntil([] { return OptionWindow() != nullptr; }));
    HWND option = OptionWindow();

    ShowWindow(option, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(option) != FALSE; }));
    EXPECT_EQ(program_.StartSecondCopy("1"), 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(option) == FALSE; })) << "restored";
    EXPECT_EQ(program_.StartSecondCopy(""), 0);
    EXPECT_EQ(ProcessesNamed(kOptionProgram), 1) << "started once";
    EXPECT_TRUE(program_.Running());

    // A double click on the tray icon brings it forward too.
    ShowWindow(option, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(option) != FALSE; }));
    PostMessageA(program_.window(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(option) == FALSE; }));

    // The configuration application closes while no mouse is there.
    Unplug();
    EXPECT_TRUE(WaitUntil([] { return OptionWindow() == nullptr; }));
    EXPECT_EQ(program_.Close(), 0);
}

TEST_F(MonitorProgramTest, WithoutTheMouseTheStartFlagOpensNothing) {
    ASSERT_EQ(Vmouse("unplug").exitCode, 0);
    ASSERT_TRUE(program_.Start("1"));
    ASSERT_TRUE(WaitUntil([&] { return program_.ConfigInt("Device") == 0; }));
    EXPECT_EQ(Send(kUnusedMessage1232), 0);
    EXPECT_EQ(ProcessesNamed(kOptionProgram), 0);
    EXPECT_EQ(program_.Close(), 0);
}

TEST_F(MonitorProgramTest, ExitInTheTrayMenuClosesEverythingAndHostStateZeroIsLast) {
    StartConnected();
    EXPECT_EQ(program_.StartSecondCopy("1"), 0);
    ASSERT_TRUE(WaitUntil([] { return OptionWindow() != nullptr; }));
    ClearLog();

    PostMessageA(program_.window(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONDOWN);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        menu = FindWindowA(kMenuWindowClass, nullptr);
        return menu && IsWindowVisible(menu);
    }));
    // "Exit" is the last item.
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(program_.WaitForEnd(), 0);
    EXPECT_TRUE(WaitUntil([] { return OptionWindow() == nullptr; }));

    const auto log = Log();
    const auto writes = Writes(log);
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.back(), kHostStateStopped);
    const auto last = std::find(log.begin(), log.end(), kHostStateStopped);
    EXPECT_TRUE(std::all_of(last + 1, log.end(), [](const std::string& line) {
        return StartsWith(line, "GET 04");
    })) << ::testing::PrintToString(log);
}

TEST_F(MonitorProgramTest, TheBlockAndItsMutexAreForTheCurrentUserAlone) {
    StartConnected();
    BlockClient client;
    ASSERT_TRUE(client.opened()) << "the user's other programs open them by name";
    const std::vector<uint8_t> user = CurrentUserToken();
    ASSERT_FALSE(user.empty());
    PSID userSid = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
    HANDLE objects[] = {OpenFileMappingA(READ_CONTROL, FALSE, kBlockName),
                        OpenMutexA(READ_CONTROL, FALSE, kBlockMutexName)};
    for (HANDLE object : objects) {
        ASSERT_NE(object, nullptr);
        PACL dacl = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_EQ(GetSecurityInfo(object, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                  nullptr, &dacl, nullptr, &descriptor),
                  static_cast<DWORD>(ERROR_SUCCESS));
        CloseHandle(object);
        ASSERT_NE(dacl, nullptr) << "not a null access list";
        ASSERT_EQ(dacl->AceCount, 1);
        void* ace = nullptr;
        ASSERT_TRUE(GetAce(dacl, 0, &ace));
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        EXPECT_TRUE(EqualSid(&allowed->SidStart, userSid));
        LocalFree(descriptor);
    }
    EXPECT_EQ(program_.Close(), 0);
}

// Another user who made the block or its mutex first could read and change what the
// monitor publishes; the monitor runs with the mouse but without a block, as without a
// configuration application.
TEST_F(MonitorProgramTest, AnotherUsersBlockOrMutexIsNotUsed) {
    constexpr uint8_t kPlanted = 0x5A;
    for (const auto kind : {ForeignObject::Kind::kMapping, ForeignObject::Kind::kMutex}) {
        const bool mapping = kind == ForeignObject::Kind::kMapping;
        SCOPED_TRACE(mapping ? "block" : "mutex");
        ForeignObject planted(kind, mapping ? kBlockName : kBlockMutexName, sizeof(SettingsSet),
                              kPlanted);
        ASSERT_TRUE(planted.made());
        StartConnected();
        EXPECT_EQ(program_.ConfigInt("Device"), 1) << "it runs with the mouse";
        if (mapping) {
            EXPECT_TRUE(planted.Untouched()) << "nothing published into another user's block";
        } else {
            HANDLE block = OpenFileMappingA(FILE_MAP_READ, FALSE, kBlockName);
            EXPECT_EQ(block, nullptr) << "no block without a mutex of its own";
            if (block) CloseHandle(block);
        }
        EXPECT_EQ(program_.Close(), 0);
    }
}

TEST(NamedObjects, OnlyTheUsersOwnAreUsed) {
    const std::vector<uint8_t> user = CurrentUserToken();
    ASSERT_FALSE(user.empty());
    PSID userSid = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
    PSID everyone = EveryoneSid();
    ASSERT_NE(everyone, nullptr);
    EXPECT_TRUE(OwnerIsUser(userSid, userSid));
    EXPECT_FALSE(OwnerIsUser(everyone, userSid));
    EXPECT_FALSE(OwnerIsUser(nullptr, userSid));
    EXPECT_FALSE(OwnerIsUser(userSid, nullptr));
    FreeSid(everyone);

    using Kind = ForeignObject::Kind;
    ForeignObject foreignMapping(Kind::kMapping, "TeshUlmaOpticalTest_ForeignMapping", 4096);
    ForeignObject foreignMutex(Kind::kMutex, "TeshUlmaOpticalTest_ForeignMutex");
    CurrentUserAccess mappingAccess(SECTION_ALL_ACCESS);
    CurrentUserAccess mutexAccess(MUTEX_ALL_ACCESS);
    HANDLE ownMapping = CreateFileMappingA(INVALID_HANDLE_VALUE, mappingAccess.attributes(),
                                           PAGE_READWRITE, 0, 4096, "TeshUlmaOpticalTest_Own");
    HANDLE ownMutex = CreateMutexA(mutexAccess.attributes(), FALSE, "TeshUlmaOpticalTest_OwnLock");
    struct Case {
        const char* what;
        HANDLE object;
        bool owned;
    };
    const Case cases[] = {{"another user's mapping", foreignMapping.handle(), false},
                          {"another user's mutex", foreignMutex.handle(), false},
                          {"the user's mapping", ownMapping, true},
                          {"the user's mutex", ownMutex, true},
                          {"no object", nullptr, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(OwnedByCurrentUser(c.object), c.owned);
    }
    CloseHandle(ownMapping);
    CloseHandle(ownMutex);
}

}  // namespace
}  // namespace tesh::test
