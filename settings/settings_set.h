// The settings record shared by the monitor and the configuration application.
// It is also the byte image of the shared settings block, so its layout is fixed to
// the byte: fields in order, little-endian 32-bit integers aligned to 4 bytes, the
// reserved bytes part of the layout. Natural alignment gives exactly that layout; the
// static_asserts below pin every offset that other programs rely on.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tesh {

constexpr int kProfileCount = 5;
constexpr int kButtonSlots = 24;      // 0..11 normal layer, 12..23 Quixshift layer
constexpr int kLightCount = 4;
constexpr int kDpiLevels = 6;         // the sixth byte is carried but never sent
constexpr int kCpiLevels = 5;
constexpr int kMaxMacroEvents = 500;  // 4-byte events in the 2000-byte event area
constexpr int kInfoDataSize = 108;

struct LightEntry {
    uint8_t colorIndex;  // 0..32 into the palette; 255 on the wire for a custom colour
    uint8_t on;
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

struct MacroEvent {
    uint8_t key;     // HID usage; 240..244 are mouse buttons
    uint8_t action;  // 1 press, 2 release
    uint16_t delay;  // milliseconds
};

struct ButtonRecord {
    uint8_t number;  // the mouse's number for this button
    uint8_t code;    // function code
    uint8_t reserved0[2];
    int32_t targetId;       // Quib target product id, 0xFFFF = all devices
    char text1[50];         // Quib target name; first name field of a macro read back
    char macroSetName[50];  //
    char macroName[50];     //
    uint8_t reserved1[2];
    int32_t repeatCount;
    uint16_t eventCount;           // macro events, at most 500; 1 for a shortcut
    uint8_t events[2000];          // macro events, or shortcut key (0) and modifiers (1)
    uint8_t reserved2[2];
    int32_t timerValue;
    char timerName[100];
    char programPath[260];
};

struct ProfileRecord {
    char ProFileName[250];
    char GameFile0[500];
    char GameFile1[500];
    char GameFile2[500];
    uint8_t reserved0[2];
    int32_t DbleClickSpeed;
    int32_t ScrollWheelSpeed;
    int32_t ScrollWheelFlag;
    int32_t MouseSpeed;
    int32_t Acceleration;
    int32_t AccelerationFlag;
    int32_t MouseTrails;
    int32_t TiltSpeed;
    int32_t MediaOption;
    int32_t HDDKeyboard;
    int32_t Orientation;
    int32_t XYSynchronous;
    int32_t Sensitivity_X;
    int32_t Sensitivity_Y;
    int32_t Sensitivity;
    uint8_t dpi[kDpiLevels];
    uint8_t reserved1[2];
    int32_t Cpi_X;
    int32_t Cpi_Y;
    int32_t XYCpiFlag;
    int32_t CpiLevel_X[kCpiLevels];
    int32_t CpiLevel_Y[kCpiLevels];
    int32_t PollingRate;
    int32_t LightOnFlag;
    int32_t LightEffectMode;
    int32_t LightColorFlow;
    int32_t LightEffectType;
    int32_t LightEffectSpeed;
    int32_t SoundProfile;
    int32_t SoundDpi;
    int32_t SoundSens;
    int32_t VolumeUpDown;
    int32_t SoundTrophy;
    int32_t SoundVolume;
    int32_t UseColorForAll;
    int32_t LtChoseType;
    LightEntry LightInfo[kLightCount];
    LightEntry CustomLightInfo[kLightCount];
    ButtonRecord Buttons[kButtonSlots];
};

struct SettingsSet {
    int32_t CurrentProfile;
    int32_t WindowsProfile;
    int32_t QuickHelpLan;
    int32_t LiftOnFlag;
    int32_t TrackControlFlag;
    int32_t MouseType;
    uint8_t InfoData[kInfoDataSize];
    ProfileRecord Profiles[kProfileCount];
    int32_t ButtonChanged[kProfileCount][kButtonSlots];
    int32_t ProfileChanged[kProfileCount];
    int32_t CurrentProfileChanged;
    int32_t LiftOffChanged;
};

// Sizes and offsets other programs and the wire rely on.
static_assert(sizeof(LightEntry) == 5);
static_assert(sizeof(MacroEvent) == 4);
static_assert(sizeof(ButtonRecord) == 2532);
static_assert(sizeof(ProfileRecord) == 62736);
static_assert(sizeof(SettingsSet) == 314320);

static_assert(offsetof(ButtonRecord, code) == 1);
static_assert(offsetof(ButtonRecord, targetId) == 4);
static_assert(offsetof(ButtonRecord, text1) == 8);
static_assert(offsetof(ButtonRecord, macroSetName) == 58);
static_assert(offsetof(ButtonRecord, macroName) == 108);
static_assert(offsetof(ButtonRecord, repeatCount) == 160);
static_assert(offsetof(ButtonRecord, eventCount) == 164);
static_assert(offsetof(ButtonRecord, events) == 166);
static_assert(offsetof(ButtonRecord, timerValue) == 2168);
static_assert(offsetof(ButtonRecord, timerName) == 2172);
static_assert(offsetof(ButtonRecord, programPath) == 2272);

static_assert(offsetof(ProfileRecord, GameFile0) == 250);
static_assert(offsetof(ProfileRecord, GameFile2) == 1250);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 1752);
static_assert(offsetof(ProfileRecord, Sensitivity) == 1808);
static_assert(offsetof(ProfileRecord, dpi) == 1812);
static_assert(offsetof(ProfileRecord, Cpi_X) == 1820);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 1832);
static_assert(offsetof(ProfileRecord, CpiLevel_Y) == 1852);
static_assert(offsetof(ProfileRecord, PollingRate) == 1872);
static_assert(offsetof(ProfileRecord, LtChoseType) == 1924);
static_assert(offsetof(ProfileRecord, LightInfo) == 1928);
static_assert(offsetof(ProfileRecord, CustomLightInfo) == 1948);
static_assert(offsetof(ProfileRecord, Buttons) == 1968);

static_assert(offsetof(SettingsSet, CurrentProfile) == 0);
static_assert(offsetof(SettingsSet, WindowsProfile) == 4);
static_assert(offsetof(SettingsSet, QuickHelpLan) == 8);
static_assert(offsetof(SettingsSet, LiftOnFlag) == 12);
static_assert(offsetof(SettingsSet, TrackControlFlag) == 16);
static_assert(offsetof(SettingsSet, MouseType) == 20);
static_assert(offsetof(SettingsSet, InfoData) == 24);
static_assert(offsetof(SettingsSet, Profiles) == 132);
static_assert(offsetof(SettingsSet, ButtonChanged) == 313812);
static_assert(offsetof(SettingsSet, ProfileChanged) == 314292);
static_assert(offsetof(SettingsSet, CurrentProfileChanged) == 314312);
static_assert(offsetof(SettingsSet, LiftOffChanged) == 314316);

// Block offset of the button area of profile p, slot b.
constexpr std::size_t ButtonAreaOffset(int profile, int slot) {
    return offsetof(SettingsSet, Profiles) + sizeof(ProfileRecord) * static_cast<std::size_t>(profile) +
           offsetof(ProfileRecord, Buttons) + sizeof(ButtonRecord) * static_cast<std::size_t>(slot);
}
static_assert(ButtonAreaOffset(0, 0) == 132 + 1968);
static_assert(ButtonAreaOffset(4, 23) == 132 + 62736 * 4 + 1968 + 2532 * 23);

// Default function code of each button slot.
extern const uint8_t kDefaultButtonCodes[kButtonSlots];

// Record operations. None allocates; none can fail.
void Clear(SettingsSet& set);
void SetDefaults(SettingsSet& set, int systemLanguageId);
void ProfileDefaults(ProfileRecord& profile, int slot);
void ClearChangeFlags(SettingsSet& set);
void MarkAllChanged(SettingsSet& set);
// Sets the change flags of `working` from its differences to `applied`; the button
// flags are left to whoever changed a button.
void CompareAndFlag(const SettingsSet& applied, SettingsSet& working);
// Maps a Windows language id (the system default one on Windows) to a language index.
int SystemLanguageIndex(int languageId);

// The pointer acceleration rows of the Windows mouse settings.
struct AccelerationRow {
    int speed;
    int threshold1;
    int threshold2;
};
constexpr int kAccelerationRows = 20;
AccelerationRow AccelerationTableRow(int row);
// The row written to the registry for a profile's Acceleration and AccelerationFlag.
AccelerationRow AccelerationToRegistry(int acceleration, int accelerationFlag);
// The reverse lookup; returns -1 when no row matches (Acceleration then keeps its value).
int AccelerationFromRegistry(const AccelerationRow& registry);

}  // namespace tesh
