#include "option/app_model.h"

#include <cstring>

#include "option/macro_reconcile.h"
#include "option/option_names.h"
#include "option/statistics_view.h"
#include "settings/device_info.h"
#include "settings/platform.h"
#include "settings/profile_file.h"
#include "settings/registry_mirror.h"

namespace tesh::option {
namespace {

constexpr int kUnknownFirmware = -1;

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kProfileCount;
}

// The sensor fields the mouse changes by itself, copied for one profile.
void CopySensorFields(const ProfileRecord& from, ProfileRecord& to) {
    to.Sensitivity_X = from.Sensitivity_X;
    to.Sensitivity_Y = from.Sensitivity_Y;
    to.Sensitivity = from.Sensitivity;
    std::memcpy(to.dpi, from.dpi, sizeof to.dpi);
    to.Cpi_X = from.Cpi_X;
    to.Cpi_Y = from.Cpi_Y;
    std::memcpy(to.CpiLevel_X, from.CpiLevel_X, sizeof to.CpiLevel_X);
    std::memcpy(to.CpiLevel_Y, from.CpiLevel_Y, sizeof to.CpiLevel_Y);
    to.PollingRate = from.PollingRate;
}

}  // namespace

AppModel::AppModel(const AppPorts& ports)
    : ports_(ports),
      applied_(std::make_unique<SettingsSet>()),
      working_(std::make_unique<SettingsSet>()),
      devices_(std::make_unique<DeviceInfoTable>()),
      osd_(DefaultOsdSettings()) {
    Clear(*applied_);
    Clear(*working_);
}

int AppModel::slot() const {
    return ValidSlot(working_->CurrentProfile) ? working_->CurrentProfile : 0;
}

void AppModel::ReadVersionTexts() {
    // No version yet (the monitor has not read the mouse): unknown, not 1.00.
    firmwareText_ = FirmwareVersionText(ports_.store.ReadFirmwareVersion(kUnknownFirmware));
    softwareText_ = kSoftwareVersion;
    links_ = MakeSupportLinks(softwareText_, firmwareText_);
}

void AppModel::ReadDevices() {
    ReadDeviceTable(*devices_, ports_.store.PathOf(kDeviceInfoIni));
}

Notice AppModel::Start() {
    Clear(*applied_);
    ReadVersionTexts();
    appliedDoubleClick_ = ports_.doubleClick.Get();

    Notice notice = Notice::kNone;
    const SharedBlockPort::Attach attach = ports_.block.Open();
    if (attach == SharedBlockPort::Attach::kUnmappable) notice = Notice::kCannotMapBlock;
    // Without the block (or when its mutex cannot be had) the files are the settings;
    // an empty copy must never become what Apply writes.
    const bool fromBlock = attach == SharedBlockPort::Attach::kAttached && CopyFromBlock(*applied_);
    if (fromBlock) {
        ClearChangeFlags(*applied_);
    } else {
        ports_.store.LoadAll(*applied_);
    }
    if (!ports_.store.ReadOsdSettings(osd_)) osd_ = DefaultOsdSettings();
    *working_ = *applied_;
    ReadDevices();
    timers_ = LoadTimerList(ports_.store.PathOf(kTimerFile));
    library_ = LoadMacroLibrary(ports_.store.PathOf(kMacroLibraryFile));
    MergeLibrary();
    // The pointer settings shown are the live ones of Windows.
    if (fromBlock && ValidSlot(working_->CurrentProfile))
        ReadRegistry(ports_.registry, working_->Profiles[working_->CurrentProfile]);
    return notice;
}

bool AppModel::CopyFromBlock(SettingsSet& to) {
    void* view = ports_.block.view();
    if (!view || !ports_.block.Lock()) return false;
    std::memcpy(&to, view, sizeof to);
    ports_.block.Unlock();
    return true;
}

bool AppModel::PutIntoBlock(SettingsSet& working) {
    void* view = ports_.block.view();
    if (!view || !ports_.block.Lock()) return false;
    // The monitor counts usage in the block meanwhile: keep its counters.
    auto* block = static_cast<SettingsSet*>(view);
    std::memcpy(working.InfoData, block->InfoData, sizeof working.InfoData);
    std::memcpy(view, &working, sizeof working);
    ports_.block.Unlock();
    return true;
}

void AppModel::SelectSlot(int slot) {
    if (ValidSlot(slot)) working_->CurrentProfile = slot;
}

bool AppModel::WindowsProfileNeedsConfirm(int slot) const {
    return ValidSlot(slot) && working_->WindowsProfile != slot;
}

void AppModel::ToggleWindowsProfile(int slot) {
    if (ValidSlot(slot) && working_->WindowsProfile == slot) working_->WindowsProfile = -1;
}

void AppModel::SetWindowsProfile(int slot) {
    if (ValidSlot(slot)) working_->WindowsProfile = slot;
}

Notice AppModel::Apply(uintptr_t applyKind) {
    CompareAndFlag(*applied_, *working_);
    return ApplyFlagged(applyKind);
}

// The flags are the reset's own: comparing would clear those of profiles that were
// at their defaults already, and the monitor would not write them.
Notice AppModel::ResetToDefaults(int systemLanguageId) {
    SetDefaults(*working_, systemLanguageId);
    MarkAllChanged(*working_);
    return ApplyFlagged(kApplyReset);
}

bool AppModel::ResetStatistics() {
    const bool withBlock = ports_.block.Open() == SharedBlockPort::Attach::kAttached;
    if (withBlock) {
        void* view = ports_.block.view();
        if (!view || !ports_.block.Lock()) return false;
        auto* block = static_cast<SettingsSet*>(view);
        ResetCounters(block->InfoData);
        // The monitor may have awarded a trophy meanwhile: its flags are the ones kept.
        std::memcpy(applied_->InfoData, block->InfoData, sizeof applied_->InfoData);
        ports_.block.Unlock();
    } else {
        ResetCounters(applied_->InfoData);
    }
    std::memcpy(working_->InfoData, applied_->InfoData, sizeof working_->InfoData);
    ports_.store.WriteInfoData(working_->InfoData);
    if (withBlock) ports_.monitor.Send(kInfoDataChangedMessage, 0);
    return true;
}

Notice AppModel::ApplyFlagged(uintptr_t applyKind) {
    // A monitor started after this window: its block can be had now.
    const bool withBlock = ports_.block.Open() == SharedBlockPort::Attach::kAttached;
    if (withBlock && !PutIntoBlock(*working_)) return Notice::kBlockBusy;
    const bool saved = ports_.store.SaveAll(*working_);
    if (withBlock) ports_.monitor.Send(kApplyMessage, applyKind);
    ClearChangeFlags(*working_);
    *applied_ = *working_;
    appliedDoubleClick_ = ports_.doubleClick.Get();
    return saved ? Notice::kNone : Notice::kFilesNotSaved;
}

void AppModel::Cancel() {
    if (ports_.doubleClick.Get() != appliedDoubleClick_)
        ports_.doubleClick.Set(appliedDoubleClick_);
}

void AppModel::OnSettingsReadBack() {
    ReadVersionTexts();
    if (CopyFromBlock(*applied_)) {
        ClearChangeFlags(*applied_);
        *working_ = *applied_;
        MergeLibrary();
    }
}

// A button's macro is what the mouse plays: the library learns it.
void AppModel::MergeLibrary() {
    ReconcileWithProfiles(library_, *applied_);
    SaveLibrary();
}

// Both files lie in the config folder, which a fresh installation may not have yet.
bool AppModel::SaveLibrary() {
    platform::MakeDirectory(ports_.store.PathOf(kConfigDir));
    return SaveMacroLibrary(library_, ports_.store.PathOf(kMacroLibraryFile));
}

bool AppModel::SaveTimers() {
    platform::MakeDirectory(ports_.store.PathOf(kConfigDir));
    return SaveTimerList(timers_, ports_.store.PathOf(kTimerFile));
}

void AppModel::OnSettingsChanged() {
    if (CopyFromBlock(*applied_)) *working_ = *applied_;
}

void AppModel::OnSensorChanged() {
    if (!CopyFromBlock(*applied_)) return;
    const int p = applied_->CurrentProfile;
    if (ValidSlot(p)) CopySensorFields(applied_->Profiles[p], working_->Profiles[p]);
}

void AppModel::OnInfoDataChanged() {
    if (CopyFromBlock(*applied_))
        std::memcpy(working_->InfoData, applied_->InfoData, sizeof working_->InfoData);
}

void AppModel::OnDeviceTableChanged() {
    ReadDevices();
}

Notice AppModel::LoadProfile(const std::string& path) {
    ProfileRecord& target = edited();
    auto loaded = std::make_unique<ProfileRecord>(target);
    switch (ReadProfileFile(path, *loaded)) {
        case LoadOutcome::kUnreadable:
            return Notice::kFileUnreadable;
        case LoadOutcome::kNoProfile:
            return Notice::kFileHoldsNoProfile;
        case LoadOutcome::kLoaded:
            break;
    }
    KeepLoadedCopy(ports_.store, path);
    target = *loaded;
    for (int& changed : working_->ButtonChanged[slot()]) changed = 1;
    return Notice::kNone;
}

Notice AppModel::SaveProfile(const std::string& path) {
    return SaveProfileFile(ports_.store, slot(), edited(), path) == SaveOutcome::kSaved
               ? Notice::kNone
               : Notice::kFileNotSaved;
}

ProfileIdentity AppModel::Identity() const {
    const ProfileRecord& p = working_->Profiles[slot()];
    return {FieldText(p.ProFileName, sizeof p.ProFileName),
            {FieldText(p.GameFile0, sizeof p.GameFile0), FieldText(p.GameFile1, sizeof p.GameFile1),
             FieldText(p.GameFile2, sizeof p.GameFile2)}};
}

void AppModel::SetIdentity(const ProfileIdentity& identity) {
    ProfileRecord& p = edited();
    CopyToField(p.ProFileName, kProfileNameLimit + 1, identity.name);
    CopyToField(p.GameFile0, sizeof p.GameFile0, identity.programs[0]);
    CopyToField(p.GameFile1, sizeof p.GameFile1, identity.programs[1]);
    CopyToField(p.GameFile2, sizeof p.GameFile2, identity.programs[2]);
}

}  // namespace tesh::option
