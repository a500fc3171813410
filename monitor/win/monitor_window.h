// The monitor's hidden main window, found by every other program by its title. It owns
// everything the monitor runs: the settings image and the shared block, the device
// core with its link and worker threads, the tray icon and the contacts with the
// configuration application, the OSD and the Quib peers. Its creation is the start-up
// (monitor_startup.cpp), its destruction the shutdown (monitor_shutdown.cpp).
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "monitor/config_messages.h"
#include "monitor/device_core.h"
#include "monitor/events/win/event_handling.h"
#include "monitor/quib_commands.h"
#include "monitor/quib_contacts.h"
#include "monitor/settings_block.h"
#include "monitor/store_settings_files.h"
#include "monitor/win/block_mapping.h"
#include "monitor/win/featlink_adapters.h"
#include "monitor/win/quib_messages.h"
#include "monitor/win/tray_icon.h"
#include "monitor/win/window_adapters.h"
#include "monitor/win/windows_pointer_system.h"
#include "monitor/win/worker_thread.h"
#include "settings/osd_settings.h"
#include "settings/settings_store.h"
#include "settings/win/windows_registry.h"

namespace tesh::monitor {

class MonitorWindow : public LinkHost, public QuibPeers {
  public:
    // `startFlag`: open the configuration application once the mouse is found.
    // `comInitialized`: the thread's COM, uninitialised in the shutdown.
    MonitorWindow(bool startFlag, bool comInitialized);
    ~MonitorWindow() override;
    MonitorWindow(const MonitorWindow&) = delete;
    MonitorWindow& operator=(const MonitorWindow&) = delete;

    // Creates the window, which runs the start-up; false when that failed.
    bool Create(HINSTANCE instance);

    // LinkHost (monitor_link_host.cpp).
    void PostDeviceJob(int job, int argument) override;
    void StartTimer(int timer, uint32_t milliseconds) override;
    void KillTimer(int timer) override;
    void UpdateTrayIcon() override;
    void CloseMonitorWindow() override;
    bool StartFlagSet() override { return startFlag_.load() != 0; }
    void ClearStartFlag() override { startFlag_ = 0; }
    void OpenConfigurationApp() override;
    void SendQuibDeviceStatus(bool connected) override { SendDeviceStatus(connected); }
    void DispatchEvent(uint32_t eventCode) override;
    void ReleaseHeldInput() override;

    // QuibPeers (monitor_link_host.cpp).
    void SendDeviceStatus(bool connected) override;
    void SendQuixAimCpi() override;
    void PublishStatus() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR timer);
    void OnTrayNotify(LPARAM mouseMessage);
    void OnCommand(WPARAM command);
    void BringLastPopupForward();
    void ShowTrayMenu();
    std::optional<LRESULT> HandleQuib(UINT message, WPARAM wParam, LPARAM lParam);

    // monitor_startup.cpp
    LRESULT OnCreate();
    void MakeDeviceCore();
    void StartThreads();
    // monitor_shutdown.cpp
    void OnDestroy();

    HWND window_ = nullptr;
    std::atomic<int> startFlag_;
    UINT taskbarCreated_ = 0;

    std::string dir_;
    std::string configPath_;
    std::string colourDatabasePath_;
    std::unique_ptr<SettingsSet> image_;
    OsdSettings osd_;
    QuibState quib_;
    QuibSender quibSender_{
        [this](uintptr_t peer) { quib_.peerWindow.compare_exchange_strong(peer, 0); }};
    WindowsQuibLink quibLink_{quibSender_};

    WindowsRegistry registry_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<StoreSettingsFiles> files_;
    BlockMapping mapping_;
    SharedSettingsBlock block_{mapping_};
    FeatlinkBinding binding_;
    FeatlinkDevice device_{binding_};
    FeatlinkLink link_{binding_};
    SteadyClock clock_;
    TitledWindows windows_;
    ShellStarter shell_;
    WindowsPointerSystem pointer_;
    TrayIcon tray_;
    std::unique_ptr<DeviceCore> core_;
    std::unique_ptr<ConfigMessages> messages_;
    std::unique_ptr<QuibCommands> quibCommands_;
    std::unique_ptr<WindowsEventHandling> events_;
    std::unique_ptr<WorkerThread> macroPlayer_;
    std::unique_ptr<WorkerThread> deviceWorker_;
    std::atomic<int> macroPlaying_{0};
    bool linkOpened_ = false;
    bool comInitialized_ = false;
};

}  // namespace tesh::monitor
