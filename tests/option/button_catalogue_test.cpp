#include "option/button_catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace tesh::option {
namespace {

using Kind = MenuItem::Kind;

struct Fixture {
    Fixture() {
        profile = std::make_unique<ProfileRecord>();
        ProfileDefaults(*profile, 0);
    }
    std::optional<std::vector<MenuItem>> Menu(int slot, bool xp = false) {
        CatalogueRequest r;
        r.slot = slot;
        r.button = &profile->Buttons[slot];
        r.profile = profile.get();
        r.windowsXp = xp;
        r.lists = &lists;
        return BuildButtonMenu(r);
    }
    std::unique_ptr<ProfileRecord> profile;
    CatalogueLists lists;
};

std::vector<std::string> Titles(const std::vector<MenuItem>& items) {
    std::vector<std::string> titles;
    for (const MenuItem& i : items) titles.push_back(i.kind == Kind::kSeparator ? "-" : i.text);
    return titles;
}

std::vector<int> Commands(const std::vector<MenuItem>& items) {
    std::vector<int> commands;
    for (const MenuItem& i : items) commands.push_back(i.command);
    return commands;
}

const MenuItem* FindPopup(const std::vector<MenuItem>& items, const std::string& title) {
    for (const MenuItem& i : items)
        if (i.kind == Kind::kPopup && i.text == title) return &i;
    return nullptr;
}

const std::vector<std::string> kPlainEntries = {"-",
                                                "Click",
                                                "Menu",
                                                "Universal scrolling",
                                                "Double-click",
                                                "Assign a Shortcut",
                                                "Disabled",
                                                "IE Forward",
                                                "IE Backward",
                                                "Tilt Left",
                                                "Tilt Right",
                                                "Scroll Up",
                                                "Scroll Down",
                                                "Quicklaunch",
                                                "Windows key",
                                                "Open Driver"};

TEST(ButtonCatalogue, WhichSlotsOpenAMenu) {
    struct {
        int slot;
        uint8_t code;
        bool opens;
    } cases[] = {{0, 1, false},  {1, 2, false},  {2, 3, true},   {3, 7, true},   {4, 65, true},
                 {5, 1, false},  {6, 1, false},  {11, 1, false}, {12, 8, true},  {16, 0, false},
                 {16, 6, true},  {17, 1, false}, {18, 1, false}, {23, 1, false}, {22, 18, true},
                 {24, 1, false}, {-1, 1, false}};
    for (auto c : cases) EXPECT_EQ(SlotOpensMenu(c.slot, c.code), c.opens) << c.slot;
    Fixture f;
    EXPECT_FALSE(f.Menu(0));
    EXPECT_FALSE(f.Menu(1));
    EXPECT_FALSE(f.Menu(16));  // the default twin of the Quixshift button holds 0
    EXPECT_TRUE(f.Menu(15));
}

TEST(ButtonCatalogue, TopEntriesPerSlot) {
    const std::vector<std::string> common = {"Macro + Preset Compilation",
                                             "Assign a Timer",
                                             "Profile",
                                             "DPI Setting",
                                             "Sensitivity",
                                             "Multimedia"};
    struct {
        int slot;
        bool quix;
        bool aim;
    } cases[] = {{2, false, true},   {3, true, true},    {4, true, true},
                 {7, false, true},   {10, false, true},  {12, false, false},
                 {15, false, false}, {19, false, false}, {22, false, false}};
    for (auto c : cases) {
        Fixture f;
        f.profile->Buttons[c.slot].code = 1;
        auto menu = f.Menu(c.slot);
        ASSERT_TRUE(menu) << c.slot;
        std::vector<std::string> expected;
        if (c.quix) expected = {"Quixshift Tesh Ulma Optical", "VORTAQ Quib"};
        expected.insert(expected.end(), common.begin(), common.end());
        if (c.aim) expected.push_back("Quix-Aim");
        expected.insert(expected.end(), kPlainEntries.begin(), kPlainEntries.end());
        EXPECT_EQ(Titles(*menu), expected) << c.slot;
    }
}

TEST(ButtonCatalogue, PlainAndFixedPopupCommands) {
    Fixture f;
    auto menu = f.Menu(3);
    ASSERT_TRUE(menu);
    std::vector<int> commands = Commands({menu->end() - 16, menu->end()});
    EXPECT_EQ(commands, (std::vector<int>{0, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                                          1010, 1013, 1014, 1015, 1055, 1056}));
    struct {
        const char* popup;
        std::vector<int> commands;
    } popups[] = {
        {"Quixshift Tesh Ulma Optical", {1024, 0, 1025, 1026, 1027, 1028, 1030, 1031}},
        {"Assign a Timer", {500, 501, 502}},
        {"Profile", {1016, 1017, 1018}},
        {"DPI Setting", {1020, 1021, 1022}},
        {"Sensitivity", {1041, 1042, 1043}},
        {"Multimedia", {1037, 1038, 1039, 0, 1040, 0, 1032, 1033, 1034, 1035, 1036}},
        {"Quix-Aim", {1045, 1046, 1047, 1048, 1049}},
        {"VORTAQ Quib", {11200}},
        {"Macro + Preset Compilation", {1099}},
    };
    for (const auto& p : popups) {
        const MenuItem* popup = FindPopup(*menu, p.popup);
        ASSERT_NE(popup, nullptr) << p.popup;
        EXPECT_EQ(Commands(popup->items), p.commands) << p.popup;
    }
    EXPECT_EQ(FindPopup(*menu, "Multimedia")->items[4].text, "Select Player");
    EXPECT_EQ(FindPopup(*menu, "Quixshift Tesh Ulma Optical")->items.back().text,
              "Quix-Wheel Aero Flip 3D");
    EXPECT_EQ(FindPopup(*menu, "VORTAQ Quib")->width, kQuibMenuWidth);
    EXPECT_EQ(FindPopup(*menu, "Profile")->width, kMenuWidth);
}

TEST(ButtonCatalogue, NoAeroFlipOnWindowsXp) {
    Fixture f;
    auto menu = f.Menu(4, true);
    const MenuItem* quix = FindPopup(*menu, "Quixshift Tesh Ulma Optical");
    ASSERT_NE(quix, nullptr);
    EXPECT_EQ(Commands(quix->items), (std::vector<int>{1024, 0, 1025, 1026, 1027, 1028, 1030}));
}

TEST(ButtonCatalogue, QuixAimShowsTheProfilesDpi) {
    Fixture f;
    const int steps[] = {1, 2, 6, 7, 9};
    for (int k = 0; k < 5; ++k) f.profile->CpiLevel_X[k] = steps[k];
    auto menu = f.Menu(2);
    EXPECT_EQ(Titles(FindPopup(*menu, "Quix-Aim")->items),
              (std::vector<std::string>{"400 DPI", "800 DPI", "3200 DPI", "4000 DPI", "800 DPI"}));
    struct {
        int step, dpi;
    } dpis[] = {{1, 400},  {2, 800},  {3, 1200}, {4, 1600}, {5, 2000},
                {6, 3200}, {7, 4000}, {0, 800},  {8, 800},  {-1, 800}};
    for (auto d : dpis) EXPECT_EQ(QuixAimDpi(d.step), d.dpi) << d.step;
}

TEST(ButtonCatalogue, QuibDevicesEachGetAPopup) {
    Fixture f;
    f.lists.devices = {{0x1234, "Keyboard"}, {0x0042, "Headset"}};
    auto menu = f.Menu(3);
    const MenuItem* quib = FindPopup(*menu, "VORTAQ Quib");
    ASSERT_NE(quib, nullptr);
    EXPECT_EQ(Titles(quib->items),
              (std::vector<std::string>{"Quixshift all devices", "-", "VORTAQ Quib: Keyboard",
                                        "VORTAQ Quib: Headset"}));
    const MenuItem& second = quib->items[3];
    EXPECT_EQ(second.width, kQuibMenuWidth);
    EXPECT_EQ(Titles(second.items),
              (std::vector<std::string>{"Quixshift Headset", "Quixshift Headset Lock/Unlock"}));
    EXPECT_EQ(Commands(second.items), (std::vector<int>{11220, 11221}));
}

TEST(ButtonCatalogue, DevicesFromTheTableEndAtTheirField) {
    auto table = std::make_unique<DeviceInfoTable>();
    table->Count = 2;
    table->Devices[0].PID = 0x4321;
    std::memcpy(table->Devices[0].Name, "Mouse", 6);
    table->Devices[1].PID = 7;
    std::memset(table->Devices[1].Name, 'N', sizeof table->Devices[1].Name);  // no terminator
    table->Devices[1].CPI[0] = 0x41414141;
    auto devices = QuibDevicesOf(*table);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].id, 0x4321);
    EXPECT_EQ(devices[0].name, "Mouse");
    EXPECT_EQ(devices[1].name, std::string(20, 'N'));
    table->Count = 5000;
    EXPECT_EQ(QuibDevicesOf(*table).size(), static_cast<std::size_t>(kMaxDevices));
    table->Count = -3;
    EXPECT_TRUE(QuibDevicesOf(*table).empty());
}

TEST(ButtonCatalogue, MacroSetsWithMarksAndSeparators) {
    Fixture f;
    f.lists.macroSets = {{"World of Warcraft", {"Heal"}},
                         {" my set ", {"One", "Two"}},
                         {"Empty", {}},
                         {"Xfire", {"Chat"}}};
    ButtonRecord& b = f.profile->Buttons[2];
    b.code = 48;
    std::strcpy(b.macroSetName, "MY SET");
    std::strcpy(b.macroName, "two ");
    auto menu = f.Menu(2);
    const MenuItem* macros = FindPopup(*menu, "Macro + Preset Compilation");
    ASSERT_NE(macros, nullptr);
    // No separator after Xfire: it is the last set.
    EXPECT_EQ(Titles(macros->items),
              (std::vector<std::string>{"Create New Macro...", "-", "World of Warcraft", "-",
                                        " my set ", "Empty", "Xfire"}));
    const MenuItem& mine = macros->items[4];
    EXPECT_TRUE(mine.selected);
    EXPECT_FALSE(macros->items[2].selected);
    EXPECT_EQ(Commands(mine.items), (std::vector<int>{11101, 0, 1200, 1201}));
    EXPECT_FALSE(mine.items[2].selected);
    EXPECT_TRUE(mine.items[3].selected);
    EXPECT_EQ(Commands(macros->items[5].items), (std::vector<int>{11102}));
    EXPECT_EQ(Commands(macros->items[6].items), (std::vector<int>{11103, 0, 1400}));

    // The same names mark nothing when the slot does not hold a macro.
    b.code = 7;
    menu = f.Menu(2);
    macros = FindPopup(*menu, "Macro + Preset Compilation");
    EXPECT_FALSE(macros->items[4].selected);
    EXPECT_FALSE(macros->items[4].items[3].selected);

    // Xfire not last: a separator follows it.
    f.lists.macroSets.push_back({"Last", {}});
    menu = f.Menu(2);
    macros = FindPopup(*menu, "Macro + Preset Compilation");
    EXPECT_EQ(macros->items[7].kind, Kind::kSeparator);
    EXPECT_EQ(macros->items[8].text, "Last");
}

TEST(ButtonCatalogue, ListsAreCutAtTheirLimits) {
    Fixture f;
    MacroSetListing big{"Big", {}};
    for (int j = 0; j < 130; ++j) big.macros.push_back("m" + std::to_string(j));
    f.lists.macroSets.assign(120, MacroSetListing{"S", {}});
    f.lists.macroSets[0] = big;
    for (int i = 0; i < 60; ++i) f.lists.timers.push_back({"t" + std::to_string(i), i});
    auto menu = f.Menu(2);
    const MenuItem* macros = FindPopup(*menu, "Macro + Preset Compilation");
    EXPECT_EQ(macros->items.size(), 2u + 100u);
    const MenuItem& first = macros->items[2];
    EXPECT_EQ(first.items.size(), 2u + 100u);
    EXPECT_EQ(first.items.back().command, 1100 + 99);
    EXPECT_EQ(macros->items.back().items[0].command, 11100 + 99);
    const MenuItem* timers = FindPopup(*menu, "Assign a Timer");
    EXPECT_EQ(timers->items.size(), 4u + 50u);
    EXPECT_EQ(timers->items[4].text, "t0");
    EXPECT_EQ(timers->items[4].command, 505);
    EXPECT_EQ(timers->items.back().command, 554);
}

TEST(ButtonCatalogue, CommandsAndCodes) {
    struct {
        int command;
        std::optional<uint8_t> code;
    } cases[] = {{1001, 1},
                 {1006, 6},
                 {1016, 16},
                 {1041, 23},
                 {1043, 25},
                 {1055, 26},
                 {1056, 27},
                 {1032, 32},
                 {1039, 39},
                 {502, 50},
                 {1045, 51},
                 {1049, 55},
                 {1024, 65},
                 {1031, 71},
                 {1005, std::nullopt},
                 {1015, std::nullopt},
                 {11200, std::nullopt},
                 {1040, std::nullopt},
                 {500, std::nullopt},
                 {0, std::nullopt},
                 {1011, std::nullopt}};
    for (auto c : cases) EXPECT_EQ(CodeOfCommand(c.command), c.code) << c.command;
    for (int unused : {12, 28, 31, 40, 47, 56, 63, 72, 80, 85, 255})
        EXPECT_EQ(FindCode(static_cast<uint8_t>(unused)), nullptr) << unused;
}

TEST(ButtonCatalogue, NamesMatchTrimmedWithoutCase) {
    EXPECT_TRUE(SameName(" Xfire ", "xFIRE"));
    EXPECT_TRUE(SameName("", "  "));
    EXPECT_FALSE(SameName("Xfire", "Xfire2"));
    EXPECT_FALSE(SameName("a b", "ab"));
}

}  // namespace
}  // namespace tesh::option
