// The whole state of the virtual mouse as one plain fixed-size structure: no pointers,
// no containers, so that it can live in named shared memory that several processes map,
// and its flash part can be saved as a file. Every operation of the model works on a
// DeviceState&; the structure itself has no behaviour.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "featlink/wire.h"

namespace tesh {
struct ProfileRecord;
}

namespace tesh::vmouse {

// Bytes 3..28 of the profile settings report, kept by the mouse as they travel.
struct ProfileSettings {
    uint8_t xySynchronous;             // 3
    uint8_t sensitivityX;              // 4
    uint8_t sensitivityY;              // 5 (the host reads its sensitivity from here)
    uint8_t dpiMask;                   // 6: bit i = level i enabled
    uint8_t cpiCodes[kCpiLevelCount];  // 7..11: the mouse's CPI code of each level
    uint8_t unused12[5];               // 12..16
    uint8_t cpiLevel;                  // 17: active level 0..4
    uint8_t unused18;                  // 18
    uint8_t pollingRate;               // 19
    uint8_t lightOn;                   // 20
    uint8_t lightChoseType;            // 21
    uint8_t colorFlow;                 // 22
    uint8_t effectType;                // 23
    uint8_t effectSpeed;               // 24
    uint8_t colorIndex;                // 25: 0xFF = custom colour
    uint8_t red;                       // 26
    uint8_t green;                     // 27
    uint8_t blue;                      // 28
};
static_assert(sizeof(ProfileSettings) == 26);

// One device button of the button report (bytes 3 + 3k .. 5 + 3k).
struct ButtonEntry {
    uint8_t code;       // function code
    uint8_t modifiers;  // key combination: modifier bits
    uint8_t key;        // key combination: HID usage
};

// Bytes 5..2079 of the macro report.
struct MacroEntry {
    uint8_t repeatCount;
    char text1[kMacroNameLength];
    char setName[kMacroNameLength];
    char macroName[kMacroNameLength];
    uint8_t eventCount[2];  // little-endian
    uint8_t events[kMacroEventBytes];
};
static_assert(sizeof(MacroEntry) == kMacroLength - 7);

struct SensorSettings {
    uint8_t liftOn;
    uint8_t trackControl;
    uint8_t lzcValue;
    uint8_t lzcMode;
};

// What the mouse keeps when it is unplugged.
struct DeviceFlash {
    uint32_t magic;
    uint32_t layoutVersion;
    uint8_t firmwareVersion;
    uint8_t dfuVersion;  // shown by the upgrader as version / 100
    uint8_t activeProfile;
    uint8_t reserved;
    SensorSettings sensor;
    ProfileSettings profiles[kDeviceProfiles];
    ButtonEntry buttons[kDeviceProfiles][kDeviceButtons];
    MacroEntry macros[kDeviceProfiles][kDeviceButtons];
};

// What the next read of report 6, 7 or 8 answers (set by a status write).
struct Selection {
    uint8_t valid;
    uint8_t profile;
    uint8_t selector;
    uint8_t reserved;
};

// The answer of the status reads: the result of the last command, preceded by a number
// of busy answers while the mouse is still working on it.
struct StatusLatch {
    uint8_t status;
    uint8_t busyPolls;
    uint8_t reserved[2];
};

enum UpdatePhase : uint8_t {
    kUpdateIdle = 0,     // not in update mode
    kUpdateBegun,        // begin accepted, size expected
    kUpdateSized,        // size accepted, erase expected
    kUpdateReady,        // erased; the next block header is expected
    kUpdateHeaderTaken,  // block header accepted, its data expected
};

// The firmware upload in progress. The image is checked as it streams in, so the mouse
// keeps only its header and a running CRC of its payload.
struct UpdateSession {
    uint8_t phase;
    uint8_t badData;  // bad copies of the current block so far
    uint16_t nextBlock;
    uint16_t blockCount;
    uint16_t blockChecksum;  // from the accepted block header
    uint32_t imageSize;
    uint32_t payloadCrc;  // running CRC-32 state of the payload received
    uint8_t header[16];   // the image's first bytes
    uint8_t lastResult;   // of the last finish: 0 none, else its status
    uint8_t reserved[3];
};

// Report state that the mouse does not keep over an unplug.
struct PeripheralState {
    uint8_t hostState;
    uint8_t sensorSpecialMode;  // last special sensor mode written, 0 none
    uint8_t reserved[2];
    uint32_t scans;  // sensor scans started since power-on
    uint8_t lightCommand[kLightControlLength];
    uint32_t colourChunks;     // colour database chunks accepted
    uint32_t colourLastChunk;  // index of the last one
    uint32_t colourHash;       // FNV-1a over the accepted chunks' data, in order
};

// Buttons held down, by the button pressed: the device button the press acts as (its
// Quixshift twin while the shift button is held; -1 when up), that button's function
// code at the press (so that the release matches it even if the profile changed), and
// for Quix-Aim the level to return to.
struct InputState {
    uint8_t shiftHeld;
    int8_t pressedAs[kDeviceButtons];
    uint8_t pressedCode[kDeviceButtons];
    uint8_t quixAimSaved[kDeviceButtons];
    uint8_t reserved;
};

// Injected faults; each is used up by the exchanges it hits.
struct Faults {
    uint32_t busyPolls;        // the next N status reads answer busy
    int32_t forcedStatus;      // the next status read answers this; -1 none
    uint32_t failSets;         // the next N SetFeature calls fail
    uint32_t failGets;         // the next N GetFeature calls fail
    uint32_t corruptChecksum;  // the next reply with a checksum carries a wrong one
    uint32_t macroEventCount;  // the next macro reply claims this many events; 0 none
};

enum LogDirection : uint8_t { kLogSet = 1, kLogGet = 2, kLogEvent = 3 };

constexpr int kLogBytes = 64;
constexpr int kLogEntries = 256;

struct LogEntry {
    uint64_t timeMs;
    uint32_t length;  // full length of the exchange
    uint16_t copied;  // bytes kept, at most kLogBytes
    uint8_t direction;
    uint8_t ok;
    uint8_t bytes[kLogBytes];
};

struct ExchangeLog {
    uint64_t total;  // entries ever written; entry n is at n % kLogEntries
    LogEntry entries[kLogEntries];
};

constexpr uint32_t kStateMagic = 0x45534D56;  // "VMSE"
constexpr uint32_t kFlashMagic = 0x48534C46;  // "FLSH"
constexpr uint32_t kLayoutVersion = 1;
constexpr uint8_t kFactoryFirmwareVersion = 1;
constexpr uint8_t kFactoryDfuVersion = 107;

struct DeviceState {
    uint32_t magic;
    uint32_t layoutVersion;
    uint32_t size;
    uint32_t plugged;
    DeviceFlash flash;
    Selection selection;
    StatusLatch status;        // status report 4
    StatusLatch updateStatus;  // update status report 0x1C
    UpdateSession update;
    PeripheralState peripherals;
    InputState input;
    Faults faults;
    ExchangeLog log;
};

// The layout is shared by every program that maps the state and by the flash files;
// change kLayoutVersion together with these sizes.
static_assert(sizeof(DeviceFlash) == 187168);
static_assert(sizeof(DeviceState) == 207840);

// A plugged-in mouse fresh from the factory, with an empty log and no faults.
void InitDeviceState(DeviceState& state);
// True when the structure was set up by InitDeviceState with this layout.
bool IsDeviceState(const DeviceState& state);
// What an unplug loses: selection, status, update session, held buttons.
void ResetVolatileState(DeviceState& state);

void InitFlash(DeviceFlash& flash);
// Command 11: profiles, buttons and macros as a new profile has them, profile 0
// active, sensor settings 0. The firmware and DFU versions stay.
void RestoreFlashDefaults(DeviceFlash& flash);
// The mouse's own form of a host profile record, as the host writes it.
ProfileSettings ProfileSettingsFromRecord(const ProfileRecord& record);
// The active profile as an index. The flash comes from a file and lives in memory that
// every process of the user may write: a value out of range acts as profile 0 (the
// active profile report still answers the value kept, for the host to refuse).
int ActiveProfileIndex(const DeviceFlash& flash);
// CPI code of a level value 1..7; anything else is 0x00.
uint8_t CpiCodeOfLevel(int level);
// The slot of each device button, and -1 for a host-only slot.
int SlotOfDeviceButton(int button);

uint16_t MacroEventCount(const MacroEntry& macro);
void SetMacroEventCount(MacroEntry& macro, uint16_t count);

// The flash as bytes (a file), and back; FlashFromBytes accepts only bytes of this
// layout and leaves `flash` untouched otherwise.
std::string FlashBytes(const DeviceFlash& flash);
bool FlashFromBytes(std::string_view bytes, DeviceFlash& flash);
bool SaveFlashFile(const DeviceFlash& flash, const std::string& path);
bool LoadFlashFile(const std::string& path, DeviceFlash& flash);

}  // namespace tesh::vmouse
