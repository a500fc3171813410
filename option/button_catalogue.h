// The button page's function catalogue as data: the function codes a button slot can
// hold (the contract with the monitor), the menu commands that assign them, and the
// popup menu offered for a slot, built afresh at every opening from the profile and
// the application's lists (macro library, timers, Quib devices).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/device_info.h"
#include "settings/library_names.h"
#include "settings/macro_library.h"
#include "settings/settings_set.h"
#include "settings/timer_list.h"

namespace tesh::option {

// Function codes of a button area.
namespace code {
constexpr uint8_t kNone = 0;  // twin of a Quixshift button: no function, no menu
constexpr uint8_t kClick = 1;
constexpr uint8_t kMenu = 2;
constexpr uint8_t kUniversalScrolling = 3;
constexpr uint8_t kDoubleClick = 4;
constexpr uint8_t kShortcut = 5;
constexpr uint8_t kDisabled = 6;
constexpr uint8_t kProgram = 15;
constexpr uint8_t kMacro = 48;         // '0'
constexpr uint8_t kTimer = 49;         // '1'
constexpr uint8_t kStopTimer = 50;     // '2'
constexpr uint8_t kFirstQuixAim = 51;  // 51..55: DPI level 1..5 while held
constexpr uint8_t kLastQuixAim = 55;
constexpr uint8_t kDisabledToo = 64;
constexpr uint8_t kQuixshift = 65;       // 'A'
constexpr uint8_t kQuibDevice = 81;      // 'Q'
constexpr uint8_t kQuibDeviceLock = 82;  // 'R'
constexpr uint8_t kQuibAll = 83;         // 'S'
constexpr uint8_t kQuibAllLock = 84;     // 'T'
}  // namespace code

// Menu commands that do more than set a code.
namespace command {
constexpr int kCreateTimer = 500;
constexpr int kEditTimers = 501;
constexpr int kStopTimer = 502;
constexpr int kFirstTimer = 505;  // + timer index
constexpr int kShortcut = 1005;
constexpr int kQuicklaunch = 1015;
constexpr int kSelectPlayer = 1040;
constexpr int kFirstQuixAim = 1045;  // + DPI level index 0..4
constexpr int kCreateMacro = 1099;
constexpr int kFirstMacro = 1100;  // + 100 x set + macro
constexpr int kLastMacro = 11099;
constexpr int kFirstEditSet = 11100;  // + set
constexpr int kQuib = 11200;          // + 10 x device number (1-based) + lock
constexpr int kQuibStride = 10;
}  // namespace command

// Limits of the lists a menu shows: those of the lists themselves.
constexpr int kMaxTimers = ::tesh::kMaxTimers;
constexpr int kMaxMacroSets = ::tesh::kMaxMacroSets;
constexpr int kMaxMacrosPerSet = ::tesh::kMaxMacrosPerSet;

// Slots of the page.
constexpr int kShiftLayerOffset = 12;  // slot n + 12 is the Quixshift twin of slot n
constexpr int kFirstSlotWithMenu = 2;  // slots 0 and 1 (left, right) are fixed

// False for the six slots this mouse does not have (5, 6, 11 and their twins).
bool SlotExists(int slot);
// A click on the slot's label opens the catalogue: slots 2..23 that exist and whose
// code is not 0.
bool SlotOpensMenu(int slot, uint8_t functionCode);

struct CatalogueEntry {
    uint8_t code;
    const char* label;  // the label a slot with this code shows; null: computed
    int command;        // the menu command assigning it; 0 for none
};
// The entry of a code; null for a code the catalogue does not use.
const CatalogueEntry* FindCode(uint8_t functionCode);
// The code a plain menu command sets; nothing for commands with data or dialogs.
std::optional<uint8_t> CodeOfCommand(int command);

// The DPI a Quix-Aim entry shows for a CPI step index 1..7 (800 for any other).
int QuixAimDpi(int stepIndex);

// The application's lists, as the menu needs them.
struct MacroSetListing {
    std::string name;
    std::vector<std::string> macros;
};
struct TimerListing {
    std::string name;
    int32_t seconds = 0;
};
struct QuibDevice {
    uint16_t id = 0;
    std::string name;
};
struct CatalogueLists {
    std::vector<MacroSetListing> macroSets;
    std::vector<TimerListing> timers;
    std::vector<QuibDevice> devices;  // device number i is devices[i - 1]
};
// The Quib devices of DeviceInfo.ini: product id and name (a name that fills its field
// without a terminator ends at the field).
std::vector<QuibDevice> QuibDevicesOf(const DeviceInfoTable& table);

struct MenuItem {
    enum class Kind { kCommand, kSeparator, kPopup };
    Kind kind = Kind::kCommand;
    std::string text;
    int command = 0;              // 0 for separators and popups
    bool selected = false;        // drawn in the highlight colour
    int width = 0;                // popups: the width of their menu
    std::vector<MenuItem> items;  // popups: their entries
};

constexpr int kMenuWidth = 140;
constexpr int kQuibMenuWidth = 170;

struct CatalogueRequest {
    int slot = 0;
    const ButtonRecord* button = nullptr;    // the slot's area when the menu opens
    const ProfileRecord* profile = nullptr;  // for the Quix-Aim DPI
    bool windowsXp = false;                  // Windows 5.1 or 5.2: no Aero Flip 3D
    const CatalogueLists* lists = nullptr;
};

// The top menu for a slot, its width kMenuWidth; nothing when the slot opens no menu.
std::optional<std::vector<MenuItem>> BuildButtonMenu(const CatalogueRequest& request);

}  // namespace tesh::option
