// What a command chosen from a button's catalogue menu does to the working copy: the
// function code and data written into the button area, the fields it clears, the
// button's change flag, and the Quixshift twin rule. The window runs the dialogs and
// fetches the macro from the library; the slot written is the one whose menu opened,
// captured then, whatever the working copy went through while a dialog was up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "option/button_catalogue.h"
#include "option/button_labels.h"
#include "settings/settings_set.h"

namespace tesh::option {

// The profile and slot a menu was opened for.
struct ButtonTarget {
    int profile = 0;
    int slot = 0;
};

// What the window does for a command.
enum class CommandKind {
    kUnknown,         // nothing
    kCreateTimer,     // the create-timer dialog, unless kMaxTimers exist
    kEditTimers,      // the edit/delete-timer dialog, unless none exist
    kSelectPlayer,    // the media-player dialog; OK: SetMediaOption
    kMacroManager,    // the macro manager with MacroManagerSet's set selected
    kShortcutDialog,  // the shortcut dialog preset by ShortcutPreset; OK: ApplyButtonCommand
    kProgramDialog,   // the program dialog preset by ProgramPreset; OK: ApplyButtonCommand
    kAssign,          // ApplyButtonCommand at once (macros with the library's macro)
};
CommandKind KindOfCommand(int command);
// The set the macro manager opens with: -1 for none (create-new mode); nothing for a
// command that does not open it.
std::optional<int> MacroManagerSet(int command);
bool TimerCreationAllowed(std::size_t timers);
bool TimerEditingAllowed(std::size_t timers);
// The set and macro index of a macro command.
struct MacroIndex {
    int set;
    int macro;
};
std::optional<MacroIndex> MacroOfCommand(int command);

struct ShortcutChoice {
    uint8_t usage = 0;
    uint8_t modifiers = 1;  // modifier bits; 1 alone for none
};
ShortcutChoice ShortcutPreset(const ButtonRecord& button);
// The stored path when the slot already launches a program, else empty.
std::string ProgramPreset(const ButtonRecord& button);
// Whether the program dialog's path fits the button's field whole (a cut path would
// start another program): the dialog stays open otherwise.
bool ProgramPathFits(std::string_view path);

// A macro of the library, as a button takes it.
struct MacroContent {
    std::string setName;
    std::string macroName;
    int32_t repeatCount = 0;
    uint16_t eventCount = 0;
    std::array<uint8_t, sizeof(ButtonRecord::events)> events{};
};

struct ButtonChoice {
    int command = 0;
    ShortcutChoice shortcut;            // the shortcut dialog's OK
    std::string programPath;            // the program dialog's OK
    std::optional<MacroContent> macro;  // a macro command: the library's macro
};

// The code each Quixshift twin had before its button became a Quixshift button, kept
// per profile, so that one profile's program or macro never lands in another one.
class TwinMemory {
  public:
    TwinMemory();
    uint8_t Remembered(int profile, int twinSlot) const;
    void Remember(int profile, int twinSlot, uint8_t functionCode);
    // Back to the default codes, as for a new profile (after a profile was loaded).
    void Forget(int profile);

  private:
    std::array<std::array<uint8_t, kShiftLayerOffset>, kProfileCount> codes_{};
};

enum class ApplyOutcome {
    kAssigned,  // the slot changed; refresh the labels
    kRefused,   // not a command for this slot, or its data was missing or did not fit
};

// Writes a command into the target slot of the working copy and sets its change
// flag; a changed code runs the twin rule. Timers and devices are the lists the menu
// was built from.
ApplyOutcome ApplyButtonCommand(SettingsSet& working, TwinMemory& twins, ButtonTarget target,
                                const ButtonChoice& choice, const CatalogueLists& lists);

// The twin rule for slot 3 or 4 of a profile (nothing for other slots).
void ApplyTwinRule(SettingsSet& working, TwinMemory& twins, int profile, int slot);

// The media-player dialog's OK, into the profile whose menu opened it.
bool SetMediaOption(SettingsSet& working, int profile, int mediaOption);
// The orientation radios: 0 right-handed, 1 left-handed.
bool SetOrientation(ProfileRecord& profile, int orientation);

}  // namespace tesh::option
