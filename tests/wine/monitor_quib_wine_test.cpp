// The real monitor with Quib peers, on a virtual mouse of its own: a stand-in peer
// announces itself and gets the device records, a registration reaches DeviceInfo.ini
// and the configuration application, light commands reach the mouse, a Quixshift
// button reaches the peer, and a peer that never answers holds nothing up.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "monitor/peripheral_reports.h"
#include "monitor/program_names.h"
#include "monitor/quib_commands.h"
#include "monitor/quib_contacts.h"
#include "monitor/quib_records.h"
#include "settings/device_info.h"
#include "settings/ini_file.h"
#include "tests/wine/installed_monitor_test.h"

namespace tesh::test {
namespace {

using namespace monitor;

constexpr int kSlot = 4;  // device button 4
constexpr char kPeerClass[] = "TeshQuibPeerStandIn";
constexpr uint32_t kStatusConnected = 0x07970003;
constexpr uint32_t kQuixAimCpi = 0x07970005;

struct Received {
    UINT message;
    WPARAM wParam;
    uint32_t data;  // dwData of a record
    std::vector<uint8_t> bytes;
};

// A top-level window, hidden, that notes every record and every message from
// WM_USER on. Its thread must pump messages for sent records to arrive.
class RecordingWindow {
  public:
    explicit RecordingWindow(const char* title = "") {
        static const ATOM registered = [] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = &RecordingWindow::Procedure;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = kPeerClass;
            return RegisterClassA(&windowClass);
        }();
        (void)registered;
        window_ = CreateWindowExA(0, kPeerClass, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this);
    }
    ~RecordingWindow() {
        if (window_) DestroyWindow(window_);
    }
    HWND handle() const { return window_; }
    std::vector<Received> received() {
        std::lock_guard lock(mutex_);
        return received_;
    }
    std::vector<Received> Records() {
        std::vector<Received> records;
        for (const Received& r : received()) {
            if (r.message == WM_COPYDATA) records.push_back(r);
        }
        return records;
    }
    int Count(UINT message) {
        const auto all = received();
        return static_cast<int>(std::count_if(
            all.begin(), all.end(), [&](const Received& r) { return r.message == message; }));
    }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && (message == WM_COPYDATA || message >= WM_USER)) {
            Received r{message, wParam, 0, {}};
            if (message == WM_COPYDATA) {
                const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
                r.data = static_cast<uint32_t>(record->dwData);
                const auto* bytes = static_cast<const uint8_t*>(record->lpData);
                r.bytes.assign(bytes, bytes + record->cbData);
            }
            std::lock_guard lock(self->mutex_);
            self->received_.push_back(std::move(r));
            return 1;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::mutex mutex_;
    std::vector<Received> received_;
};

// Handles what was sent or posted to this thread's windows, then tests `condition`.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = kConditionTimeoutMs) {
    return WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            return condition();
        },
        timeoutMs);
}

// A peer window on a thread that never handles its messages once it is made.
class HungPeer {
  public:
    HungPeer() : release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        HANDLE made = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, made] {
            RecordingWindow window;
            window_ = window.handle();
            SetEvent(made);
            WaitForSingleObject(release_, INFINITE);
        });
        WaitForSingleObject(made, INFINITE);
        CloseHandle(made);
    }
    ~HungPeer() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(release_);
    }
    HWND handle() const { return window_; }

  private:
    HANDLE release_;
    std::atomic<HWND> window_{nullptr};
    std::thread thread_;
};

// Whether the monitor's tray icon is there: the notification area changes only an icon
// it has.
bool TrayIconShown(HWND monitor) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = monitor;
    data.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

std::string LightReportLine(uint8_t a, uint8_t b, uint8_t c) {
    const LightControlBytes report = BuildQuibLightReport(a, b, c);
    char line[32];
    std::snprintf(line, sizeof line, "SET %02x %02x %02x %02x %02x", report[0], report[1],
                  report[2], report[3], report[4]);
    return line;
}

std::vector<uint8_t> Registration(uint16_t productId, const wchar_t* name) {
    std::vector<uint8_t> bytes(kQuibRegistrationBytes);
    const uint16_t ids[] = {kQuibVendorId, productId};
    std::memcpy(bytes.data(), ids, sizeof ids);
    std::memcpy(bytes.data() + 4, name, std::min<std::size_t>(wcslen(name), 20) * 2);
    const int32_t cpi[] = {400, 800, 1600, 3200, 4000};
    std::memcpy(bytes.data() + 44, cpi, sizeof cpi);
    return bytes;
}

class MonitorQuibTest : public InstalledMonitorTest {
  protected:
    void PostQuib(UINT message, WPARAM command, LPARAM argument) {
        ASSERT_TRUE(PostMessageA(program_.window(), message, command, argument));
    }
    LRESULT Register(const std::vector<uint8_t>& record) {
        COPYDATASTRUCT data{0, static_cast<DWORD>(record.size()),
                            const_cast<uint8_t*>(record.data())};
        DWORD_PTR result = 0;
        EXPECT_TRUE(SendMessageTimeoutA(program_.window(), WM_COPYDATA, 0,
                                        reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                                        kConditionTimeoutMs, &result));
        return static_cast<LRESULT>(result);
    }
    int DeviceCount() {
        return IniFile(program_.File(kDeviceInfoIni)).ReadInt("Setting", "Count", -1);
    }
};

TEST_F(MonitorQuibTest, APeerGetsTheRecordsAndSteersTheMonitor) {
    StartBlockConnected();
    const UINT quibMessage = RegisterWindowMessageA(kQuibMessageName);
    HWND monitor = program_.window();
    ASSERT_TRUE(TrayIconShown(monitor));

    // Command 6: the peer gets the device status and the CPI values, the tray icon goes.
    RecordingWindow peer;
    PostQuib(quibMessage, 6, reinterpret_cast<LPARAM>(peer.handle()));
    ASSERT_TRUE(PumpUntil([&] { return peer.Records().size() >= 2; }));
    const auto records = peer.Records();
    EXPECT_EQ(records[0].data, kStatusConnected);
    EXPECT_EQ(records[1].data, kQuixAimCpi);
    for (const Received& record : records) {
        EXPECT_EQ(record.wParam, kQuibCopyDataWParam);
        ASSERT_EQ(record.bytes.size(), kQuibDeviceRecordBytes);
        uint32_t window = 0;
        std::memcpy(&window, record.bytes.data() + 4, 4);
        EXPECT_EQ(window, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(monitor)));
        EXPECT_EQ(record.bytes[0] | record.bytes[1] << 8, kQuibVendorId);
    }
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconShown(monitor); }));

    // A registration: DeviceInfo.ini and the configuration application hear of it; its
    // product id in the high word of command 4 takes it out again.
    RecordingWindow option(kOptionWindowTitle);
    EXPECT_EQ(Register(Registration(0x0A0B, L"Quib Keyboard\r\n")), 1);
    EXPECT_EQ(DeviceCount(), 1);
    EXPECT_EQ(IniFile(program_.File(kDeviceInfoIni)).ReadString("Device0", "Name", ""),
              "Quib Keyboard");
    EXPECT_EQ(IniFile(program_.File(kDeviceInfoIni)).ReadInt("Device0", "CPI 3", 0), 3200);
    EXPECT_TRUE(PumpUntil([&] { return option.Count(kDeviceTableMessage) == 1; }));
    PostQuib(quibMessage, 4, 0x0A0B0000);
    EXPECT_TRUE(PumpUntil([&] { return option.Count(kDeviceTableMessage) == 2; }));
    EXPECT_EQ(DeviceCount(), 0);

    // 2025 with command 249 lights level 3.
    ClearLog();
    PostQuib(kQuibPlainMessage, 249, 0);
    EXPECT_TRUE(WaitForLogLine(LightReportLine(0xFF, 0xFF, 3)));

    // A Quixshift button for all devices: command 140 to every device, pressed (0).
    Assign(kSlot, [](ButtonRecord& button) { button.code = kAllQuixshiftCode; });
    ASSERT_EQ(Vmouse("press " + std::to_string(kSlot)).exitCode, 0);
    const std::vector<uint8_t> shift{0x63, 0x18, 0xE5, 0x20, 140, 0x63, 0x18, 0xFF, 0xFF, 0};
    EXPECT_TRUE(PumpUntil([&] {
        const auto all = peer.Records();
        return std::any_of(all.begin(), all.end(), [&](const Received& r) {
            return r.data == 0x0797008Cu && r.bytes == shift;
        });
    }));
    ASSERT_EQ(Vmouse("release " + std::to_string(kSlot)).exitCode, 0);

    // Command 7: no peer any more, and the icon is back.
    PostQuib(quibMessage, 7, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconShown(monitor); }));
    EXPECT_EQ(program_.Close(), 0);
}

// With the old blocking send, the first record to a peer that never pumps would have
// frozen the monitor for good.
TEST_F(MonitorQuibTest, APeerThatNeverAnswersHoldsNothingUp) {
    StartBlockConnected();
    HungPeer hung;
    PostQuib(RegisterWindowMessageA(kQuibMessageName), 6, reinterpret_cast<LPARAM>(hung.handle()));
    // Handled once the tray icon has gone (which takes Wine's tray about 2 s).
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconShown(program_.window()); }));
    // Each profile change sends the peer the new CPI values; the time from the event to
    // the change in config.ini is printed (the vmouse run before it is not counted).
    for (int profile : {2, 3}) {
        ASSERT_EQ(Vmouse("event 0x2000 " + std::to_string(profile + 1)).exitCode, 0);
        const ULONGLONG start = GetTickCount64();
        EXPECT_TRUE(WaitUntil([&] { return program_.ConfigInt("CurrentProfile") == profile; }));
        std::printf("profile change with a hung peer: within %llu ms\n", GetTickCount64() - start);
    }
    EXPECT_EQ(program_.Close(), 0) << "the monitor still answers";
}

}  // namespace
}  // namespace tesh::test
