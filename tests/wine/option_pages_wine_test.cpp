// The Advanced, Trophy and Update pages end to end: the real monitor and application on
// a virtual mouse of their own, driven with real input at the places of the layout
// strings; the mouse's log, the block, the files, the registry, the screen and the
// addresses handed to the shell tell what reached where.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "option/colour_spectrum.h"
#include "option/light_palette.h"
#include "option/statistics_view.h"
#include "option/trophy_share.h"
#include "option/win/advanced_page.h"
#include "option/win/colour_page.h"
#include "option/win/lighting_controls.h"
#include "option/win/md5_bcrypt.h"
#include "option/win/share_request.h"
#include "option/win/spectrum_panel.h"
#include "option/win/trophy_page.h"
#include "option/win/update_page.h"
#include "settings/file_io.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "tests/option/loopback_server.h"
#include "tests/wine/menu_driver.h"
#include "tests/wine/option_app_test.h"

namespace tesh::test {
namespace {

using option::AdvancedPage;
using option::TrophyPage;
using option::UpdatePage;
namespace ui = option::layout;

constexpr char kProfileReport[] = "SET 06 ";
constexpr char kRestoreDefaults[] = "SET 09 06 0b";
constexpr int kPollingByte = 19, kColourIndexByte = 25, kRedByte = 26;

// The bytes of a logged report ("SET 06 1f 02 ..."): byte 0 is the report id.
std::vector<int> ReportBytes(const std::string& line) {
    std::vector<int> bytes;
    for (std::size_t at = 4; at + 2 <= line.size(); at += 3)
        bytes.push_back(std::stoi(line.substr(at, 2), nullptr, 16));
    return bytes;
}

uint32_t PixelAt(POINT screen) {
    const auto pixels = CaptureScreen(RECT{screen.x, screen.y, screen.x + 1, screen.y + 1});
    return pixels.empty() ? 0xFFFFFFFF : pixels[0];
}

bool SaveWholeScreen(const std::string& name) {
    return SaveScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                      name);
}

std::string MouseValue(const char* name) {
    char value[32] = {};
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Mouse", name, RRF_RT_REG_SZ, nullptr, value,
                 &size);
    return value;
}

// The shell's handler of http, https and mailto addresses replaced by url_recorder for
// the test's life (the old handlers come back after it), and what it was handed.
class ShellHandlerStandIn {
  public:
    ShellHandlerStandIn(const std::string& recorder, const std::string& logPath) : log_(logPath) {
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("TESH_URL_LOG", log_.c_str());
        const std::string command = "\"" + recorder + "\" \"%1\"";
        for (const char* scheme : kSchemes) {
            const std::string key = std::string(scheme) + "\\shell\\open\\command";
            char old[1024] = {};
            DWORD size = sizeof old;
            const bool had = RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ,
                                          nullptr, old, &size) == ERROR_SUCCESS;
            saved_.push_back({key, had, old});
            RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, command.c_str(),
                            static_cast<DWORD>(command.size() + 1));
        }
    }
    ~ShellHandlerStandIn() {
        for (const Saved& s : saved_) {
            if (s.had)
                RegSetKeyValueA(HKEY_CLASSES_ROOT, s.key.c_str(), nullptr, REG_SZ, s.value.c_str(),
                                static_cast<DWORD>(s.value.size() + 1));
            else
                RegDeleteKeyValueA(HKEY_CLASSES_ROOT, s.key.c_str(), nullptr);
        }
    }
    std::vector<std::string> Handed() const {
        std::vector<std::string> lines;
        const std::string text = ReadWholeFile(log_).value_or("");
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

  private:
    static constexpr const char* kSchemes[] = {"http", "https", "mailto"};
    struct Saved {
        std::string key;
        bool had;
        std::string value;
    };
    std::string log_;
    std::vector<Saved> saved_;
};

class OptionPagesTest : public OptionAppTest {
  protected:
    // Clicks OK in the confirmation the application shows now.
    void Confirm() {
        HWND confirm = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            return (confirm = FindWindowA(nullptr, "ATTENTION")) && IsWindowVisible(confirm);
        }));
        app_.input.Click(InWindow(confirm, skin::kMessageConfirmOkLayout));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(confirm); }));
    }
    // The block as it is now (StartBlockConnected opened it).
    const SettingsSet& Seen() { return *(seen_ = block_->Read()); }
    std::vector<std::string> ProfileReports() {
        std::vector<std::string> reports;
        for (const std::string& line : Writes(Log()))
            if (StartsWith(line, kProfileReport)) reports.push_back(line);
        return reports;
    }

    std::unique_ptr<SettingsSet> seen_;
};

TEST_F(OptionPagesTest, AdvancedPageChangesReachTheMouseWindowsAndTheSlotColour) {
    StartBlockConnected();
    ASSERT_TRUE(app_.Start());
    const int slot = Seen().CurrentProfile;
    app_.Click(ui::kTabs[ui::kAdvancedPage]);

    // 250 Hz and acceleration on, applied: the pointer values of Windows follow.
    app_.ClickOnPage(AdvancedPage::kRates[1]);
    app_.ClickOnPage(AdvancedPage::kAcceleration);
    ApplyAndWait();
    EXPECT_EQ(Seen().Profiles[slot].PollingRate, 1);
    EXPECT_EQ(Seen().Profiles[slot].AccelerationFlag, 1);
    EXPECT_EQ(Seen().Profiles[slot].Acceleration, 8);
    EXPECT_EQ(MouseValue("MouseSpeed"), "1");
    EXPECT_EQ(MouseValue("MouseThreshold1"), "6");

    // 1000 Hz, swatch 7 and acceleration off: one profile settings report.
    app_.ClickOnPage(AdvancedPage::kRates[3]);
    const std::string swatch7 =
        option::LightingControls::SwatchLayout(AdvancedPage::kLighting.firstSwatch, 7);
    app_.ClickOnPage(swatch7.c_str());
    app_.ClickOnPage(AdvancedPage::kAcceleration);
    ClearLog();
    ApplyAndWait();
    const auto reports = ProfileReports();
    ASSERT_EQ(reports.size(), 1u) << ::testing::PrintToString(Log());
    const std::vector<int> bytes = ReportBytes(reports[0]);
    ASSERT_GT(bytes.size(), static_cast<std::size_t>(kRedByte + 2));
    EXPECT_EQ(bytes[2], slot);
    EXPECT_EQ(bytes[kPollingByte], 3);
    EXPECT_EQ(bytes[kColourIndexByte], 7);
    EXPECT_EQ((std::vector<int>{bytes[kRedByte], bytes[kRedByte + 1], bytes[kRedByte + 2]}),
              (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(Writes(Log()).size(), 1u) << ::testing::PrintToString(Log());
    EXPECT_EQ(MouseValue("MouseSpeed"), "0");
    EXPECT_EQ(MouseValue("MouseThreshold1"), "0");
    EXPECT_EQ(MouseValue("MouseThreshold2"), "0");
    EXPECT_EQ(SlotValue(slot, "PollingRate"), 3);
    EXPECT_EQ(SlotValue(slot, "AccelerationFlag"), 0);
    // The slot's swatch on the main window shows the new colour.
    EXPECT_TRUE(WaitUntil([&] { return PixelAt(app_.At(ui::kSwatches[slot])) == 0xFF0000; }))
        << std::hex << PixelAt(app_.At(ui::kSwatches[slot]));
    app_.Screenshot("option_advanced_page");

    // The custom colour from the spectrum: press in it, move, release.
    app_.ClickOnPage(AdvancedPage::kLighting.customButton);
    app_.ClickOnPage(AdvancedPage::kLighting.preview);
    const RECT picker = skin::LayoutRect(AdvancedPage::kLighting.picker);
    const POINT panel = {picker.left, picker.top - option::SpectrumPanel::kHeight};
    const POINT inPanel = {60, 30};
    ASSERT_TRUE(WaitUntil([&] {
        char name[64] = {};
        GetClassNameA(
            OptionProgram::WindowAt(app_.OnPage(POINT{panel.x + inPanel.x, panel.y + inPanel.y})),
            name, sizeof name);
        return std::string(name) == "TeshSpectrumPanel";
    }));
    SaveWholeScreen("option_advanced_spectrum");
    app_.input.Click(app_.OnPage(POINT{panel.x + inPanel.x, panel.y + inPanel.y}));
    const option::Rgb picked =
        option::SpectrumColour(inPanel.x - 1, inPanel.y - 1, option::SpectrumPanel::kWidth - 2,
                               option::SpectrumPanel::kHeight - 2);
    ClearLog();
    ApplyAndWait();
    const LightEntry& custom = Seen().Profiles[slot].CustomLightInfo[0];
    EXPECT_EQ((option::Rgb{custom.red, custom.green, custom.blue}), picked);
    EXPECT_EQ(Seen().Profiles[slot].LtChoseType, 1);
    EXPECT_EQ(Seen().Profiles[slot].LightInfo[0].colorIndex, 7);  // the palette choice stays
    ASSERT_EQ(ProfileReports().size(), 1u);
    EXPECT_EQ(ReportBytes(ProfileReports()[0])[kColourIndexByte], 0xFF);
    EXPECT_TRUE(WaitUntil([&] {
        return PixelAt(app_.At(ui::kSwatches[slot])) ==
               (static_cast<uint32_t>(picked.red) << 16 | picked.green << 8 | picked.blue);
    }));

    // The Color page edits the same fields. This skin gives its tab no size, so the
    // test selects the page as the tab would, then clicks a swatch of its own.
    PostMessageA(OptionProgram::Window(), WM_COMMAND, ui::kFirstTabId + ui::kColourPage, 0);
    const std::string green =
        option::LightingControls::SwatchLayout(option::ColourPage::kLighting.firstSwatch, 11);
    ASSERT_TRUE(WaitUntil([&] {
        char name[64] = {};
        GetClassNameA(GetParent(OptionProgram::WindowAt(app_.OnPage(green.c_str()))), name,
                      sizeof name);
        return std::string(name) == "TeshColourPage";
    }));
    app_.ClickOnPage(green.c_str());
    app_.Screenshot("option_colour_page");
    ClearLog();
    ApplyAndWait();
    ASSERT_EQ(ProfileReports().size(), 1u);
    EXPECT_EQ(ReportBytes(ProfileReports()[0])[kColourIndexByte], 11);
    EXPECT_EQ(Seen().Profiles[slot].LtChoseType, 0);
    EXPECT_TRUE(WaitUntil([&] { return PixelAt(app_.At(ui::kSwatches[slot])) == 0x00FF00; }));
}

TEST_F(OptionPagesTest, ResetSendsOnlyTheRestoreDefaultsCommandAndEverythingHoldsTheDefaults) {
    StartBlockConnected();
    ASSERT_TRUE(app_.Start());
    app_.Click(ui::kSlots[3]);
    app_.Click(ui::kTabs[ui::kAdvancedPage]);
    app_.ClickOnPage(AdvancedPage::kRates[0]);  // an edit the reset throws away
    ClearLog();
    app_.ClickOnPage(AdvancedPage::kReset);
    Confirm();
    ASSERT_TRUE(WaitForLogLine(kRestoreDefaults));
    app_.Click(ui::kOk);
    EXPECT_EQ(app_.WaitForEnd(kConditionTimeoutMs), 0);
    EXPECT_EQ(Writes(Log()), std::vector<std::string>{std::string(kRestoreDefaults) + " 00 00 00"})
        << ::testing::PrintToString(Log());

    auto defaults = std::make_unique<SettingsSet>();
    SetDefaults(*defaults, 0x409);
    const SettingsSet& seen = Seen();
    EXPECT_EQ(seen.CurrentProfile, 0);
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(std::memcmp(&seen.Profiles[p], &defaults->Profiles[p], sizeof(ProfileRecord)), 0)
            << p;
        EXPECT_EQ(SlotValue(p, "PollingRate"), defaults->Profiles[p].PollingRate);
        EXPECT_EQ(SlotValue(p, "LightEffectType"), defaults->Profiles[p].LightEffectType);
    }
    EXPECT_EQ(Config("CurrentProfile"), 0);
}

TEST_F(OptionPagesTest, UsageUpdatesTheStatisticsAndTheirResetKeepsTrophiesAndEdits) {
    StartBlockConnected();
    ASSERT_TRUE(app_.Start());
    app_.Click(ui::kTabs[ui::kTrophyPage]);
    const RECT bar = skin::LayoutRect(TrophyPage::kLevelBar);
    const POINT barStart = app_.OnPage(POINT{bar.left + 4, (bar.top + bar.bottom) / 2});
    const uint32_t emptyBar = PixelAt(barStart);
    const POINT share = app_.OnPage(TrophyPage::kShare);
    EXPECT_FALSE(IsWindowEnabled(OptionProgram::WindowAt(share)));

    // 50000 clicks win the fourth trophy: the page shows level 1 and lets it be shared.
    ASSERT_EQ(Vmouse("usage 0xE100 50000").exitCode, 0);
    ASSERT_EQ(Vmouse("usage 0xE600 40").exitCode, 0);
    ASSERT_TRUE(WaitUntil([&] { return PixelAt(barStart) != emptyBar; }));
    for (int i = 0; i < 3; ++i) app_.ClickOnPage(TrophyPage::kNextTrophy);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(OptionProgram::WindowAt(share)); }));
    app_.ClickOnPage(TrophyPage::kNextMode);
    app_.Screenshot("option_trophy_page");

    // A DPI edit not applied, then the statistics reset.
    app_.Click(ui::kTabs[ui::kMainPage]);
    const int slot = Seen().CurrentProfile;
    const int dpiBefore = Seen().Profiles[slot].CpiLevel_X[0];
    app_.input.Click(RowPoint(0, Centre(option::DpiRow::PresetRect(1))));
    app_.Click(ui::kTabs[ui::kTrophyPage]);
    app_.ClickOnPage(TrophyPage::kReset);
    Confirm();
    ASSERT_TRUE(WaitUntil([&] { return option::InfoValue(Seen().InfoData, 0) == 0; }));
    for (int k = 0; k < option::kCounterValues; ++k)
        EXPECT_EQ(option::InfoValue(Seen().InfoData, k), 0) << k;
    EXPECT_TRUE(option::TrophyReached(Seen().InfoData, 3));
    EXPECT_EQ(option::Level(Seen().InfoData), 1);
    EXPECT_EQ(Seen().Profiles[slot].CpiLevel_X[0], dpiBefore);
    EXPECT_NE(PixelAt(barStart), emptyBar);  // the level stays
    // The next click counts from 0 in the monitor too.
    ASSERT_EQ(Vmouse("usage 0xE100 3").exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return option::InfoValue(Seen().InfoData, 0) == 3; }));
    EXPECT_TRUE(option::TrophyReached(Seen().InfoData, 3));
}

TEST_F(OptionPagesTest, TheUpdateButtonsHandTheirAddressesToTheShell) {
    ShellHandlerStandIn shell(Beside("url_recorder.exe"), dir_.File("handed.txt"));
    StartBlockConnected();
    ASSERT_TRUE(app_.Start());
    app_.Click(ui::kTabs[ui::kUpdatePage]);
    app_.Screenshot("option_update_page");
    std::vector<std::string> expected;
    for (int i = 0; i < UpdatePage::kButtons; ++i) {
        app_.ClickOnPage(UpdatePage::kLayouts[i]);
        expected.push_back(UpdatePage::Address(i));
        ASSERT_TRUE(WaitUntil([&] { return shell.Handed().size() == expected.size(); }))
            << "button " << i << ": " << ::testing::PrintToString(shell.Handed());
    }
    EXPECT_EQ(shell.Handed(), expected);
    EXPECT_TRUE(StartsWith(expected[0], "https://"));
    EXPECT_TRUE(StartsWith(expected[3], "mailto:"));
}

// The six comma fields of a share request's path ("/frontend.en,1,trophy,f1,...,f6.dll").
std::vector<std::string> ShareFields(const std::string& requestLine) {
    const std::string prefix = "GET /frontend.en,1,trophy,";
    std::vector<std::string> fields;
    if (!StartsWith(requestLine, prefix)) return fields;
    const std::size_t end = requestLine.find(".dll ");
    if (end == std::string::npos) return fields;
    std::string rest = requestLine.substr(prefix.size(), end - prefix.size());
    for (std::size_t start = 0, comma;; start = comma + 1) {
        comma = rest.find(',', start);
        fields.push_back(rest.substr(start, comma - start));
        if (comma == std::string::npos) break;
    }
    return fields;
}

TEST_F(OptionPagesTest, ShareSendsTheTrophyFieldsAndOpensOnlyAnAddressWithoutEverHanging) {
    using Server = option::LoopbackServer;
    Server server({{Server::Answer::kReply, "200 OK", "http://127.0.0.1/trophy/56\r\n"},
                   {Server::Answer::kReply, "200 OK", "calc.exe"},
                   {Server::Answer::kSilent, "", ""}},
                  std::chrono::seconds(90));
    ASSERT_FALSE(server.Origin().empty());
    SetEnvironmentVariableA(option::kSupportHostVariable, server.Origin().c_str());
    ShellHandlerStandIn shell(Beside("url_recorder.exe"), dir_.File("handed.txt"));
    StartBlockConnected();
    ASSERT_TRUE(app_.Start());
    SetEnvironmentVariableA(option::kSupportHostVariable, nullptr);
    ASSERT_EQ(Vmouse("usage 0xED00 1000").exitCode, 0);  // the first trophy
    app_.Click(ui::kTabs[ui::kTrophyPage]);
    const POINT share = app_.OnPage(TrophyPage::kShare);
    auto shareEnabled = [&] { return IsWindowEnabled(OptionProgram::WindowAt(share)) != FALSE; };
    ASSERT_TRUE(WaitUntil(shareEnabled));

    // The reply is an address: the shell opens it.
    app_.input.Click(share);
    ASSERT_TRUE(WaitUntil([&] { return shell.Handed().size() == 1; }));
    EXPECT_EQ(shell.Handed()[0], "http://127.0.0.1/trophy/56");
    const std::vector<std::string> f = ShareFields(server.RequestLines().at(0));
    ASSERT_EQ(f.size(), 6u) << server.RequestLines()[0];
    // f1 is a (trophy 56 in it), b (machine id at p) and c; f2..f4 tell p and the lengths.
    const std::size_t p = std::stoul(f[1]) / 2, bLength = std::stoul(f[3]) / 4,
                      cLength = std::stoul(f[2]) / 3;
    ASSERT_EQ(f[0].size(), 30 + bLength + cLength);
    EXPECT_NE(f[0].substr(0, 30).find("56"), std::string::npos) << f[0];
    const std::string machine = f[0].substr(30 + p, 12);
    EXPECT_EQ(machine.find_first_not_of("0123456789ABCDEF"), std::string::npos) << machine;
    option::Md5Digest digest{};
    ASSERT_TRUE(option::BCryptMd5().Digest(f[0] + f[1] + f[2] + f[3], digest));
    EXPECT_EQ(f[4], option::HexDigits(digest));
    EXPECT_EQ(f[5], option::TimeZoneText(option::LocalTimeZoneHours()));

    // A reply that is no address opens nothing.
    ASSERT_TRUE(WaitUntil(shareEnabled));
    app_.input.Click(share);
    ASSERT_TRUE(WaitUntil([&] { return server.RequestLines().size() == 2; }));
    ASSERT_TRUE(WaitUntil(shareEnabled));

    // A server that never answers: the window goes on answering, and Share comes back
    // once the request has timed out.
    app_.input.Click(share);
    ASSERT_TRUE(WaitUntil([&] { return server.RequestLines().size() == 3; }));
    EXPECT_FALSE(shareEnabled());
    DWORD_PTR result = 0;
    EXPECT_TRUE(
        SendMessageTimeoutA(OptionProgram::Window(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result));
    app_.Click(ui::kTabs[ui::kAdvancedPage]);
    app_.Click(ui::kTabs[ui::kTrophyPage]);
    EXPECT_TRUE(WaitUntil(shareEnabled, 30000));
    EXPECT_EQ(shell.Handed().size(), 1u) << ::testing::PrintToString(shell.Handed());
}

}  // namespace
}  // namespace tesh::test
