#include "option/button_commands.h"

#include <algorithm>
#include <cstring>

#include "option/media_players.h"
#include "settings/profile_file.h"

namespace tesh::option {
namespace {

constexpr int32_t kAllDevicesId = 0xFFFF;

bool ValidProfile(int profile) {
    return profile >= 0 && profile < kProfileCount;
}

bool IsShiftCode(uint8_t c) {
    return c == code::kQuixshift || c == code::kQuibDevice || c == code::kQuibDeviceLock ||
           c == code::kQuibAll;
}

bool IsTwinnedSlot(int slot) {
    return slot == 3 || slot == 4;
}

// Names copied into the area: cut to the field, terminated, nothing stale after them.
template <std::size_t N>
void PutName(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    CopyToField(field, N, text);
}

template <std::size_t N>
bool FieldEmpty(const char (&field)[N]) {
    return field[0] == '\0';
}

void ClearMacroFields(ButtonRecord& b) {
    b.eventCount = 0;
    b.repeatCount = 0;
    std::memset(b.events, 0, sizeof b.events);
    std::memset(b.macroSetName, 0, sizeof b.macroSetName);
    std::memset(b.macroName, 0, sizeof b.macroName);
}

// Bit 1 means "none" and stands alone.
uint8_t NormalModifiers(uint8_t bits) {
    const uint8_t others = bits & static_cast<uint8_t>(~modifier::kNone);
    return others == 0 ? modifier::kNone : others;
}

bool IsQuibCommand(int c) {
    return c >= command::kQuib && c < command::kQuib + command::kQuibStride * (kMaxDevices + 1);
}

bool IsTimerCommand(int c) {
    return c >= command::kFirstTimer && c < command::kFirstTimer + kMaxTimers;
}

// Commands that only make sense for the slot they are offered to.
bool CommandFitsSlot(int slot, uint8_t newCode) {
    if (IsShiftCode(newCode) || newCode == code::kQuibAllLock || (newCode >= 66 && newCode <= 71))
        return IsTwinnedSlot(slot);
    if (newCode >= code::kFirstQuixAim && newCode <= code::kLastQuixAim)
        return slot < kShiftLayerOffset;
    return true;
}

// The code a twin gets back; one whose data is no longer in the twin's area (a
// profile was loaded meanwhile) would do nothing useful and gives "Disabled".
uint8_t RestorableCode(const ButtonRecord& twin, uint8_t remembered) {
    switch (remembered) {
        case code::kNone:
            return code::kDisabled;
        case code::kMacro:
            return FieldEmpty(twin.macroName) ? code::kDisabled : remembered;
        case code::kShortcut:
            return twin.eventCount == 0 ? code::kDisabled : remembered;
        case code::kProgram:
            return FieldEmpty(twin.programPath) ? code::kDisabled : remembered;
        case code::kTimer:
            return FieldEmpty(twin.timerName) ? code::kDisabled : remembered;
        default:
            return remembered;
    }
}

// Steps 1..10: the code and the data of the command; nothing when refused.
std::optional<uint8_t> Assign(ButtonRecord& b, const ButtonChoice& choice,
                              const CatalogueLists& lists) {
    const int c = choice.command;
    if (c == command::kShortcut) {
        b.eventCount = 1;
        b.events[0] = choice.shortcut.usage;
        b.events[1] = NormalModifiers(choice.shortcut.modifiers);
        std::memset(b.macroSetName, 0, sizeof b.macroSetName);
        std::memset(b.macroName, 0, sizeof b.macroName);
        return code::kShortcut;
    }
    if (c == command::kQuicklaunch) {
        if (choice.programPath.empty() || !ProgramPathFits(choice.programPath))
            return std::nullopt;  // a cut path would start another program
        PutName(b.programPath, choice.programPath);
        return code::kProgram;
    }
    if (IsQuibCommand(c)) {
        const int device = (c - command::kQuib) / command::kQuibStride;
        const int lock = (c - command::kQuib) % command::kQuibStride;
        if (lock > 1) return std::nullopt;
        if (device == 0) {
            b.targetId = kAllDevicesId;
            return lock ? code::kQuibAllLock : code::kQuibAll;
        }
        if (static_cast<std::size_t>(device) > lists.devices.size()) return std::nullopt;
        const QuibDevice& d = lists.devices[static_cast<std::size_t>(device - 1)];
        b.targetId = d.id;
        PutName(b.text1, d.name);
        return lock ? code::kQuibDeviceLock : code::kQuibDevice;
    }
    if (MacroOfCommand(c)) {
        if (!choice.macro) return std::nullopt;
        const MacroContent& m = *choice.macro;
        b.eventCount = std::min<uint16_t>(m.eventCount, kMaxMacroEvents);
        b.repeatCount = m.repeatCount;
        PutName(b.macroSetName, m.setName);
        PutName(b.macroName, m.macroName);
        std::memcpy(b.events, m.events.data(), sizeof b.events);
        return code::kMacro;
    }
    if (IsTimerCommand(c)) {
        const auto i = static_cast<std::size_t>(c - command::kFirstTimer);
        if (i >= lists.timers.size()) return std::nullopt;
        b.timerValue = lists.timers[i].seconds;
        PutName(b.timerName, lists.timers[i].name);
        return code::kTimer;
    }
    return CodeOfCommand(c);
}

}  // namespace

CommandKind KindOfCommand(int c) {
    switch (c) {
        case command::kCreateTimer:
            return CommandKind::kCreateTimer;
        case command::kEditTimers:
            return CommandKind::kEditTimers;
        case command::kSelectPlayer:
            return CommandKind::kSelectPlayer;
        case command::kShortcut:
            return CommandKind::kShortcutDialog;
        case command::kQuicklaunch:
            return CommandKind::kProgramDialog;
        default:
            break;
    }
    if (MacroManagerSet(c)) return CommandKind::kMacroManager;
    if (IsQuibCommand(c) || MacroOfCommand(c) || IsTimerCommand(c) || CodeOfCommand(c))
        return CommandKind::kAssign;
    return CommandKind::kUnknown;
}

std::optional<int> MacroManagerSet(int c) {
    if (c == command::kCreateMacro) return -1;
    if (c >= command::kFirstEditSet && c < command::kFirstEditSet + kMaxMacroSets)
        return c - command::kFirstEditSet;
    return std::nullopt;
}

bool TimerCreationAllowed(std::size_t timers) {
    return timers < static_cast<std::size_t>(kMaxTimers);
}
bool TimerEditingAllowed(std::size_t timers) {
    return timers > 0;
}

std::optional<MacroIndex> MacroOfCommand(int c) {
    if (c < command::kFirstMacro || c > command::kLastMacro) return std::nullopt;
    return MacroIndex{(c - command::kFirstMacro) / kMaxMacrosPerSet,
                      (c - command::kFirstMacro) % kMaxMacrosPerSet};
}

ShortcutChoice ShortcutPreset(const ButtonRecord& button) {
    return {button.events[0], button.events[1]};
}

bool ProgramPathFits(std::string_view path) {
    return path.size() < sizeof ButtonRecord::programPath && path.find('\0') == path.npos;
}

std::string ProgramPreset(const ButtonRecord& button) {
    if (button.code != code::kProgram) return "";
    return FieldText(button.programPath, sizeof button.programPath);
}

TwinMemory::TwinMemory() {
    for (int p = 0; p < kProfileCount; ++p) Forget(p);
}

uint8_t TwinMemory::Remembered(int profile, int twinSlot) const {
    if (!ValidProfile(profile) || twinSlot < kShiftLayerOffset || twinSlot >= kButtonSlots)
        return code::kNone;
    return codes_[static_cast<std::size_t>(profile)]
                 [static_cast<std::size_t>(twinSlot - kShiftLayerOffset)];
}

void TwinMemory::Remember(int profile, int twinSlot, uint8_t functionCode) {
    if (!ValidProfile(profile) || twinSlot < kShiftLayerOffset || twinSlot >= kButtonSlots) return;
    codes_[static_cast<std::size_t>(profile)]
          [static_cast<std::size_t>(twinSlot - kShiftLayerOffset)] = functionCode;
}

void TwinMemory::Forget(int profile) {
    if (!ValidProfile(profile)) return;
    for (int s = 0; s < kShiftLayerOffset; ++s)
        codes_[static_cast<std::size_t>(profile)][static_cast<std::size_t>(s)] =
            kDefaultButtonCodes[kShiftLayerOffset + s];
}

void ApplyTwinRule(SettingsSet& working, TwinMemory& twins, int profile, int slot) {
    if (!ValidProfile(profile) || !IsTwinnedSlot(slot)) return;
    ProfileRecord& p = working.Profiles[profile];
    const int twinSlot = slot + kShiftLayerOffset;
    ButtonRecord& twin = p.Buttons[twinSlot];
    if (IsShiftCode(p.Buttons[slot].code)) {
        if (twin.code == code::kNone) return;
        twins.Remember(profile, twinSlot, twin.code);
        twin.code = code::kNone;
    } else {
        if (twin.code != code::kNone) return;
        twin.code = RestorableCode(twin, twins.Remembered(profile, twinSlot));
    }
    working.ButtonChanged[profile][twinSlot] = 1;
}

ApplyOutcome ApplyButtonCommand(SettingsSet& working, TwinMemory& twins, ButtonTarget target,
                                const ButtonChoice& choice, const CatalogueLists& lists) {
    if (!ValidProfile(target.profile) || target.slot < 0 || target.slot >= kButtonSlots)
        return ApplyOutcome::kRefused;
    ButtonRecord& b = working.Profiles[target.profile].Buttons[target.slot];
    // The slot may have become a twin while a dialog was up.
    if (!SlotOpensMenu(target.slot, b.code)) return ApplyOutcome::kRefused;
    ButtonRecord changed = b;
    const std::optional<uint8_t> newCode = Assign(changed, choice, lists);
    if (!newCode || !CommandFitsSlot(target.slot, *newCode)) return ApplyOutcome::kRefused;
    const uint8_t oldCode = b.code;
    changed.code = *newCode;
    if (*newCode != code::kMacro && *newCode != code::kShortcut) ClearMacroFields(changed);
    b = changed;
    working.ButtonChanged[target.profile][target.slot] = 1;
    if (*newCode != oldCode) ApplyTwinRule(working, twins, target.profile, target.slot);
    return ApplyOutcome::kAssigned;
}

bool SetMediaOption(SettingsSet& working, int profile, int mediaOption) {
    if (!ValidProfile(profile) || mediaOption < 0 || mediaOption >= kMediaPlayers) return false;
    working.Profiles[profile].MediaOption = mediaOption;
    return true;
}

bool SetOrientation(ProfileRecord& profile, int orientation) {
    if (orientation != 0 && orientation != 1) return false;
    if (profile.Orientation == orientation) return false;
    profile.Orientation = orientation;
    return true;
}

}  // namespace tesh::option
