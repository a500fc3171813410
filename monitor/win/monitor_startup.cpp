// The monitor window's creation: the start-up of the whole monitor, in its order.
#include <ctime>

#include "monitor/first_start.h"
#include "monitor/monitor_names.h"
#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"
#include "monitor/win/monitor_window.h"
#include "monitor/win/quib_messages.h"
#include "settings/device_info.h"
#include "settings/file_io.h"

namespace tesh::monitor {

namespace {

constexpr LRESULT kCreated = 0;
constexpr LRESULT kCreateFailed = -1;

WallTime LocalWallTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return WallTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

}  // namespace

LRESULT MonitorWindow::OnCreate() {
    if (const std::string quib = QuibFolderPath(); !quib.empty()) RegisterQuibProduct(quib);
    dir_ = ProgramDirectory();
    RecordFirstStart(dir_, LocalWallTime());
    configPath_ = JoinPath(dir_, kConfigIni);
    colourDatabasePath_ = JoinPath(dir_, kColourDatabaseFile);
    // The registry port opens HKEY_CURRENT_USER\Control Panel\Mouse at each access.
    binding_.Bind(dir_);
    MakeDeviceCore();
    {
        std::lock_guard image(core_->imageLock());
        Clear(*image_);
        store_->LoadAll(*image_);
        store_->ReadOsdSettings(osd_);
        if (image_->QuickHelpLan == -1) {
            image_->QuickHelpLan = SystemLanguageIndex(SystemLanguageId());
        }
    }
    // Without a block of its own the monitor runs as without a configuration
    // application: another user's objects of these names are never used.
    const BlockMapping::MutexResult mutex = mapping_.CreateMutexObject();
    if (mutex == BlockMapping::MutexResult::kAnotherMonitor) return kCreateFailed;
    if (mutex == BlockMapping::MutexResult::kCreated && mapping_.CreateBlock()) {
        std::lock_guard image(core_->imageLock());
        block_.Publish(*image_);
    }
    AnnounceToQuib(window_);
    StartThreads();
    SetWindowLongPtrA(window_, GWL_EXSTYLE,
                      GetWindowLongPtrA(window_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    link_.SetWindow(window_);
    pointer_.SetWindow(window_);
    tray_.SetOwner(window_);
    linkOpened_ = true;
    // Connected or not, "Device" is written; an upgrade closes the window.
    core_->connection().StartUp();
    messages_->ApplyPointerSettings();
    StartOsd(shell_, dir_);
    WriteEmptyDeviceTable(dir_);
    return kCreated;
}

void MonitorWindow::MakeDeviceCore() {
    store_ = std::make_unique<SettingsStore>(dir_, registry_);
    files_ = std::make_unique<StoreSettingsFiles>(*store_, dir_);
    core_ = std::make_unique<DeviceCore>(
        *image_, dir_,
        DeviceCorePorts{device_, clock_, *files_, block_, windows_, shell_, link_, *this});
    quibLink_.SetWindow(window_);
    quibCommands_ = std::make_unique<QuibCommands>(QuibCommandPorts{
        quib_, quibLink_, *core_, *this, windows_, core_->flags(), *image_, core_->imageLock(),
        JoinPath(dir_, kDeviceInfoIni), RegisterQuibMessages().statusToQuib,
        reinterpret_cast<uintptr_t>(window_)});
    messages_ = std::make_unique<ConfigMessages>(
        ConfigPorts{*core_, *image_, block_, *store_, osd_, windows_, registry_, pointer_, *this});
    events_ = std::make_unique<WindowsEventHandling>(EventHandlingContext{
        *image_, core_->imageLock(), block_, *store_, registry_, pointer_, *this, *this,
        *quibCommands_, windows_, shell_, clock_, dir_, reinterpret_cast<WindowHandle>(window_),
        [this] { return macroPlayer_ && macroPlayer_->Post(0, 0); }});
}

// The macro player first, then the device worker and the Quib sender.
void MonitorWindow::StartThreads() {
    macroPlayer_ = std::make_unique<WorkerThread>(kPlayMacroMessage, [this](WPARAM, LPARAM) {
        macroPlaying_ = 1;
        if (events_) events_->PlayMacro();
        macroPlaying_ = 0;
    });
    deviceWorker_ =
        std::make_unique<WorkerThread>(kDeviceJobMessage, [this](WPARAM job, LPARAM argument) {
            core_->RunJob(static_cast<int>(job), static_cast<int>(argument));
        });
    macroPlayer_->Start(kWorkerStackBytes);
    deviceWorker_->Start(kWorkerStackBytes);
    quibSender_.Start();
}

}  // namespace tesh::monitor
