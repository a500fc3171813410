#include "option/button_catalogue.h"

#include <algorithm>
#include <cstdio>

#include "settings/profile_file.h"

namespace tesh::option {
namespace {

constexpr CatalogueEntry kCatalogue[] = {
    {0, "Disabled", 0},
    {1, "Click", 1001},
    {2, "Menu", 1002},
    {3, "Universal scrolling", 1003},
    {4, "Double-click", 1004},
    {5, nullptr, command::kShortcut},
    {6, "Disabled", 1006},
    {7, "IE Forward", 1007},
    {8, "IE Backward", 1008},
    {9, "Tilt Left", 1009},
    {10, "Tilt Right", 1010},
    {11, "DPI Change", 0},
    {13, "Scroll Up", 1013},
    {14, "Scroll Down", 1014},
    {15, nullptr, command::kQuicklaunch},
    {16, "Profile Cycle", 1016},
    {17, "Profile Up", 1017},
    {18, "Profile Down", 1018},
    {19, "Assign a sensitivity", 0},
    {20, "DPI Cycle", 1020},
    {21, "DPI Up", 1021},
    {22, "DPI Down", 1022},
    {23, "Sensitivity Cycle", 1041},
    {24, "Sensitivity Up", 1042},
    {25, "Sensitivity Down", 1043},
    {26, "Windows key", 1055},
    {27, "Open Driver", 1056},
    {32, "Open Player", 1032},
    {33, "Previous Track", 1033},
    {34, "Next Track", 1034},
    {35, "Play/Pause", 1035},
    {36, "Stop", 1036},
    {37, "Windows Mute", 1037},
    {38, "Windows Volume Up", 1038},
    {39, "Windows Volume Down", 1039},
    {48, nullptr, 0},
    {49, nullptr, 0},
    {50, "Stop Timer", command::kStopTimer},
    {51, nullptr, 1045},
    {52, nullptr, 1046},
    {53, nullptr, 1047},
    {54, nullptr, 1048},
    {55, nullptr, 1049},
    {64, "Disabled", 0},
    {65, "Quixshift Tesh Ulma Optical", 1024},
    {66, "Quix-Wheel Sensitivity", 1025},
    {67, "Quix-Wheel Profile", 1026},
    {68, "Quix-Wheel DPI", 1027},
    {69, "Quix-Wheel Volume", 1028},
    {70, "Quix-Wheel Alt-Tab", 1030},
    {71, "Quix-Wheel Aero Flip 3D", 1031},
    {81, nullptr, 0},
    {82, nullptr, 0},
    {83, "Quixshift all devices", command::kQuib},
    {84, "Quixshift all Lock", 0},
};

// Commands whose code needs data or a dialog are not plain.
bool PlainCommand(int command) {
    return command != 0 && command != command::kShortcut && command != command::kQuicklaunch &&
           command != command::kQuib;
}

MenuItem Entry(std::string text, int command) {
    MenuItem item;
    item.text = std::move(text);
    item.command = command;
    return item;
}

MenuItem Separator() {
    MenuItem item;
    item.kind = MenuItem::Kind::kSeparator;
    return item;
}

MenuItem Popup(std::string text, int width) {
    MenuItem item;
    item.kind = MenuItem::Kind::kPopup;
    item.text = std::move(text);
    item.width = width;
    return item;
}

// A catalogue entry by its command, with the catalogue's label.
MenuItem Fixed(int command) {
    for (const CatalogueEntry& e : kCatalogue)
        if (e.command == command && e.label) return Entry(e.label, command);
    return Entry("", command);
}

MenuItem FixedPopup(const char* title, std::initializer_list<int> commands) {
    MenuItem popup = Popup(title, kMenuWidth);
    for (int c : commands) popup.items.push_back(c == 0 ? Separator() : Fixed(c));
    return popup;
}

std::string DpiText(int dpi) {
    char text[32];
    std::snprintf(text, sizeof text, "%d DPI", dpi);
    return text;
}

bool IsQuixshiftSlot(int slot) {
    return slot == 3 || slot == 4;
}

MenuItem QuixshiftPopup(bool windowsXp) {
    MenuItem popup =
        FixedPopup("Quixshift Tesh Ulma Optical", {1024, 0, 1025, 1026, 1027, 1028, 1030});
    if (!windowsXp) popup.items.push_back(Fixed(1031));
    return popup;
}

MenuItem QuibPopup(const std::vector<QuibDevice>& devices) {
    MenuItem popup = Popup("VORTAQ Quib", kQuibMenuWidth);
    popup.items.push_back(Entry("Quixshift all devices", command::kQuib));
    if (devices.empty()) return popup;
    popup.items.push_back(Separator());
    const std::size_t count = std::min<std::size_t>(devices.size(), kMaxDevices);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& name = devices[i].name;
        const int base = command::kQuib + command::kQuibStride * static_cast<int>(i + 1);
        MenuItem device = Popup("VORTAQ Quib: " + name, kQuibMenuWidth);
        device.items.push_back(Entry("Quixshift " + name, base));
        device.items.push_back(Entry("Quixshift " + name + " Lock/Unlock", base + 1));
        popup.items.push_back(std::move(device));
    }
    return popup;
}

MenuItem MacroPopup(const std::vector<MacroSetListing>& sets, const ButtonRecord& button) {
    MenuItem popup = Popup("Macro + Preset Compilation", kMenuWidth);
    popup.items.push_back(Entry("Create New Macro...", command::kCreateMacro));
    if (sets.empty()) return popup;
    popup.items.push_back(Separator());
    const bool holdsMacro = button.code == code::kMacro;
    const std::string storedSet = FieldText(button.macroSetName, sizeof button.macroSetName);
    const std::string storedMacro = FieldText(button.macroName, sizeof button.macroName);
    const int setCount = std::min<int>(static_cast<int>(sets.size()), kMaxMacroSets);
    for (int k = 0; k < setCount; ++k) {
        const MacroSetListing& set = sets[static_cast<std::size_t>(k)];
        MenuItem setPopup = Popup(set.name, kMenuWidth);
        setPopup.selected = holdsMacro && SameName(set.name, storedSet);
        setPopup.items.push_back(Entry("Edit Macro...", command::kFirstEditSet + k));
        if (!set.macros.empty()) setPopup.items.push_back(Separator());
        const int macroCount = std::min<int>(static_cast<int>(set.macros.size()), kMaxMacrosPerSet);
        for (int j = 0; j < macroCount; ++j) {
            const std::string& name = set.macros[static_cast<std::size_t>(j)];
            MenuItem macro = Entry(name, command::kFirstMacro + 100 * k + j);
            macro.selected = setPopup.selected && SameName(name, storedMacro);
            setPopup.items.push_back(std::move(macro));
        }
        popup.items.push_back(std::move(setPopup));
        if (SameName(set.name, "World of Warcraft") ||
            (SameName(set.name, "Xfire") && k + 1 < setCount))
            popup.items.push_back(Separator());
    }
    return popup;
}

MenuItem TimerPopup(const std::vector<TimerListing>& timers) {
    MenuItem popup = FixedPopup("Assign a Timer", {});
    popup.items.push_back(Entry("Create Timer", command::kCreateTimer));
    popup.items.push_back(Entry("Edit/Delete Timer", command::kEditTimers));
    popup.items.push_back(Entry("Stop Timer", command::kStopTimer));
    if (timers.empty()) return popup;
    popup.items.push_back(Separator());
    const int count = std::min<int>(static_cast<int>(timers.size()), kMaxTimers);
    for (int i = 0; i < count; ++i)
        popup.items.push_back(
            Entry(timers[static_cast<std::size_t>(i)].name, command::kFirstTimer + i));
    return popup;
}

MenuItem QuixAimPopup(const ProfileRecord& profile) {
    MenuItem popup = Popup("Quix-Aim", kMenuWidth);
    for (int level = 0; level < kCpiLevels; ++level)
        popup.items.push_back(
            Entry(DpiText(QuixAimDpi(profile.CpiLevel_X[level])), command::kFirstQuixAim + level));
    return popup;
}

}  // namespace

bool SlotExists(int slot) {
    if (slot < 0 || slot >= kButtonSlots) return false;
    const int normal = slot % kShiftLayerOffset;
    return normal != 5 && normal != 6 && normal != 11;
}

bool SlotOpensMenu(int slot, uint8_t functionCode) {
    return slot >= kFirstSlotWithMenu && SlotExists(slot) && functionCode != code::kNone;
}

const CatalogueEntry* FindCode(uint8_t functionCode) {
    for (const CatalogueEntry& e : kCatalogue)
        if (e.code == functionCode) return &e;
    return nullptr;
}

std::optional<uint8_t> CodeOfCommand(int command) {
    if (!PlainCommand(command)) return std::nullopt;
    for (const CatalogueEntry& e : kCatalogue)
        if (e.command == command) return e.code;
    return std::nullopt;
}

int QuixAimDpi(int stepIndex) {
    switch (stepIndex) {
        case 1:
            return 400;
        case 3:
            return 1200;
        case 4:
            return 1600;
        case 5:
            return 2000;
        case 6:
            return 3200;
        case 7:
            return 4000;
        default:
            return 800;
    }
}

std::vector<QuibDevice> QuibDevicesOf(const DeviceInfoTable& table) {
    std::vector<QuibDevice> devices;
    const int count = std::clamp<int>(table.Count, 0, kMaxDevices);
    for (int d = 0; d < count; ++d) {
        const DeviceInfoEntry& e = table.Devices[d];
        devices.push_back({e.PID, FieldText(e.Name, sizeof e.Name)});
    }
    return devices;
}

std::optional<std::vector<MenuItem>> BuildButtonMenu(const CatalogueRequest& request) {
    const ButtonRecord& button = *request.button;
    if (!SlotOpensMenu(request.slot, button.code)) return std::nullopt;
    const CatalogueLists& lists = *request.lists;
    std::vector<MenuItem> menu;
    if (IsQuixshiftSlot(request.slot)) {
        menu.push_back(QuixshiftPopup(request.windowsXp));
        menu.push_back(QuibPopup(lists.devices));
    }
    menu.push_back(MacroPopup(lists.macroSets, button));
    menu.push_back(TimerPopup(lists.timers));
    menu.push_back(FixedPopup("Profile", {1016, 1017, 1018}));
    menu.push_back(FixedPopup("DPI Setting", {1020, 1021, 1022}));
    menu.push_back(FixedPopup("Sensitivity", {1041, 1042, 1043}));
    MenuItem media = FixedPopup("Multimedia", {1037, 1038, 1039, 0});
    media.items.push_back(Entry("Select Player", command::kSelectPlayer));
    for (int c : {0, 1032, 1033, 1034, 1035, 1036})
        media.items.push_back(c == 0 ? Separator() : Fixed(c));
    menu.push_back(std::move(media));
    if (request.slot < kShiftLayerOffset) menu.push_back(QuixAimPopup(*request.profile));
    menu.push_back(Separator());
    for (int c : {1001, 1002, 1003, 1004}) menu.push_back(Fixed(c));
    menu.push_back(Entry("Assign a Shortcut", command::kShortcut));
    for (int c : {1006, 1007, 1008, 1009, 1010, 1013, 1014}) menu.push_back(Fixed(c));
    menu.push_back(Entry("Quicklaunch", command::kQuicklaunch));
    menu.push_back(Fixed(1055));
    menu.push_back(Fixed(1056));
    return menu;
}

}  // namespace tesh::option
