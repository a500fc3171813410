// The configuration application without its windows: the applied and the working
// copy of the settings, start-up, Apply, Cancel, the monitor's messages and the slot
// commands. The window asks it and refreshes itself from the working copy.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "option/app_ports.h"
#include "option/profile_transfer.h"
#include "option/version_texts.h"
#include "settings/device_info.h"
#include "settings/macro_library.h"
#include "settings/osd_settings.h"
#include "settings/registry_port.h"
#include "settings/settings_set.h"
#include "settings/settings_store.h"
#include "settings/timer_list.h"

namespace tesh::option {

struct AppPorts {
    SharedBlockPort& block;
    MonitorPort& monitor;
    SettingsStore& store;
    RegistryPort& registry;
    DoubleClickPort& doubleClick;
};

// What the user is told after start-up or a command.
enum class Notice {
    kNone,
    kCannotMapBlock,      // "Could not map view of file."
    kBlockBusy,           // the block could not be had: nothing applied, edits kept
    kFilesNotSaved,       // applied, but a settings file could not be written
    kFileUnreadable,      // Load: the file could not be read
    kFileHoldsNoProfile,  // Load: the file holds no profile
    kFileNotSaved,        // Save: the file could not be written
};

struct ProfileIdentity {
    std::string name;
    std::array<std::string, 3> programs;
};
constexpr std::size_t kProfileNameLimit = 20;

class AppModel {
  public:
    explicit AppModel(const AppPorts& ports);

    // Start-up after the window exists: version texts, the block (or the files), the
    // working copy, DeviceInfo.ini, the live pointer settings, the timers, and the macro
    // library with the buttons' macros merged in and saved.
    Notice Start();

    SettingsSet& working() { return *working_; }
    const SettingsSet& applied() const { return *applied_; }
    // The slot being edited (the working copy's CurrentProfile, kept to 0..4).
    int slot() const;
    ProfileRecord& edited() { return working_->Profiles[slot()]; }

    void SelectSlot(int slot);
    // A click on slot n's marker: true when it must be confirmed first (the slot is
    // not the Windows profile yet); then SetWindowsProfile(n) on OK.
    bool WindowsProfileNeedsConfirm(int slot) const;
    void ToggleWindowsProfile(int slot);
    void SetWindowsProfile(int slot);

    // Apply: flags, the block (keeping the monitor's counters), the files, 1224. On
    // kBlockBusy nothing was sent or saved and the flags are kept for another try.
    Notice Apply(uintptr_t applyKind);
    // The Advanced page's Reset, confirmed: the working copy becomes the default set,
    // everything is marked changed and applied with the restore-defaults indication.
    Notice ResetToDefaults(int systemLanguageId);
    // The statistics page's reset, confirmed: the counters (never the trophies) are
    // cleared in the block, in both copies and in the statistics file, and the monitor
    // is told (1233). Only those bytes of the block change, so edits not yet applied
    // stay out of the monitor's hands. False when the block could not be had.
    bool ResetStatistics();
    // Cancel, Exit and the monitor's close: the double-click time goes back to the
    // one in force before the user's unapplied changes.
    void Cancel();

    // The monitor's messages.
    void OnSettingsReadBack();    // 1254 (the macros read back go into the library)
    void OnSettingsChanged();     // 1255
    void OnSensorChanged();       // 1257
    void OnInfoDataChanged();     // 1264
    void OnDeviceTableChanged();  // 1284

    Notice LoadProfile(const std::string& path);
    Notice SaveProfile(const std::string& path);
    ProfileIdentity Identity() const;
    void SetIdentity(const ProfileIdentity& identity);
    void SetLanguage(int languageIndex) { working_->QuickHelpLan = languageIndex; }
    // The double-click slider moved: Windows takes the new time at once.
    void DoubleClickChanged(int milliseconds) { ports_.doubleClick.Set(milliseconds); }

    const std::string& firmwareText() const { return firmwareText_; }
    const std::string& softwareText() const { return softwareText_; }
    const SupportLinks& links() const { return links_; }
    const DeviceInfoTable& devices() const { return *devices_; }
    MacroLibrary& library() { return library_; }
    TimerList& timers() { return timers_; }
    // The library and Timer.ini written back; false when the file could not be.
    bool SaveLibrary();
    bool SaveTimers();
    const OsdSettings& osd() const { return osd_; }
    bool blockAttached() const { return ports_.block.opened(); }

  private:
    bool CopyFromBlock(SettingsSet& to);
    bool PutIntoBlock(SettingsSet& working);
    Notice ApplyFlagged(uintptr_t applyKind);
    void ReadVersionTexts();
    void ReadDevices();
    void MergeLibrary();

    AppPorts ports_;
    std::unique_ptr<SettingsSet> applied_;
    std::unique_ptr<SettingsSet> working_;
    std::unique_ptr<DeviceInfoTable> devices_;
    MacroLibrary library_;
    TimerList timers_;
    OsdSettings osd_;
    std::string firmwareText_;
    std::string softwareText_;
    SupportLinks links_;
    int appliedDoubleClick_ = 0;
};

}  // namespace tesh::option
