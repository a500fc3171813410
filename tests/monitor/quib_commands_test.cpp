// The Quib peers' messages: the light commands of both messages, the peer window and
// the monitor-active flag, registrations in DeviceInfo.ini, the records sent to the
// peer (a hung or vanished peer among them), Quixshift buttons, the ambient light and
// the published status.
#include "monitor/quib_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <set>

#include "monitor/device_tables.h"
#include "monitor/monitor_names.h"
#include "monitor/program_names.h"
#include "settings/ini_file.h"
#include "tests/monitor/program_fakes.h"
#include "tests/monitor/quiet_link_host.h"
#include "tests/settings/test_dir.h"

namespace tesh::monitor::test {
namespace {

constexpr uint32_t kStatusToQuib = 0xC123;
constexpr uintptr_t kOwnWindow = 0x10020;
constexpr uintptr_t kPeer = 0x5000;
constexpr uintptr_t kOtherPeer = 0x6000;
using Strings = std::vector<std::string>;

struct SentRecord {
    uintptr_t peer;
    uint32_t data;
    std::vector<uint8_t> bytes;
};

class FakeQuibLink : public QuibLink {
  public:
    bool IsWindow(uintptr_t window) override { return windows.count(window) != 0; }
    Sent SendRecord(uintptr_t peer, uint32_t data, const uint8_t* bytes,
                    std::size_t size) override {
        sent.push_back({peer, data, std::vector<uint8_t>(bytes, bytes + size)});
        if (!IsWindow(peer)) return Sent::kGone;
        return hung.count(peer) ? Sent::kNoAnswer : Sent::kDelivered;
    }
    // Each UTF-16 unit below 0x100 is one byte; above, two (as a double-byte code
    // page would give).
    std::string ToAnsi(std::u16string_view text) override {
        std::string ansi;
        for (char16_t c : text) {
            if (c >= 0x100) ansi.push_back(static_cast<char>(0x81));
            ansi.push_back(static_cast<char>(c & 0xFF));
        }
        return ansi;
    }
    bool ReadAmbientRecord(AmbientRecord& record) override {
        if (!ambient) return false;
        record = *ambient;
        return true;
    }
    void PostOwnCommand(uint32_t command) override { commands.push_back(command); }

    std::set<uintptr_t> windows{kPeer, kOtherPeer};
    std::set<uintptr_t> hung;
    std::vector<SentRecord> sent;
    std::optional<AmbientRecord> ambient;
    std::vector<uint32_t> commands;
};

class FakeLights : public QuibLights {
  public:
    void SendQuibLight(uint8_t a, uint8_t b, uint8_t c) override {
        sent.push_back(std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c));
    }
    void SendAmbientLight(const AmbientRecord& record) override {
        sent.push_back("ambient " + std::to_string(record[4]));
    }
    Strings sent;
};

// A registration record as a peer sends it.
std::vector<uint8_t> Registration(uint16_t productId, std::u16string_view name,
                                  int32_t firstCpi = 400) {
    std::vector<uint8_t> bytes(kQuibRegistrationBytes);
    bytes[0] = 0x63;
    bytes[1] = 0x18;
    bytes[2] = static_cast<uint8_t>(productId);
    bytes[3] = static_cast<uint8_t>(productId >> 8);
    for (std::size_t i = 0; i < name.size() && i < kQuibNameChars; ++i) {
        bytes[4 + 2 * i] = static_cast<uint8_t>(name[i]);
        bytes[5 + 2 * i] = static_cast<uint8_t>(name[i] >> 8);
    }
    for (int level = 0; level < 5; ++level) {
        const int32_t cpi = firstCpi + 100 * level;
        std::memcpy(&bytes[44 + 4 * level], &cpi, 4);
    }
    return bytes;
}

class QuibCommandsTest : public ::testing::Test {
  protected:
    QuibCommandsTest() {
        std::memset(image_.get(), 0, sizeof *image_);
        SetDefaults(*image_, 0x0409);
        image_->CurrentProfile = 1;
        for (int level = 0; level < 5; ++level) {
            image_->Profiles[1].CpiLevel_X[level] = level + 1;
        }
    }
    intptr_t Quib(uintptr_t command, intptr_t argument = 0) {
        return commands_.OnQuibMessage(command, argument);
    }
    intptr_t Plain(uintptr_t command, intptr_t argument = 0) {
        return commands_.OnPlainMessage(command, argument);
    }
    intptr_t Register(const std::vector<uint8_t>& record) {
        return commands_.OnRegistration(record.data(), record.size());
    }
    std::string TablePath() const { return dir_.File("DeviceInfo.ini"); }
    int DeviceTableMessages() const {
        int count = 0;
        for (const RecordedPost& post : windows_.posts) {
            count += post.title == kOptionWindowTitle && post.message == kDeviceTableMessage;
        }
        return count;
    }
    DeviceInfoTable ReadTable() const {
        auto table = std::make_unique<DeviceInfoTable>();
        EXPECT_TRUE(ReadDeviceTable(*table, TablePath()));
        return *table;
    }

    ::tesh::test::TestDir dir_;
    QuibState state_;
    FakeQuibLink link_;
    FakeLights lights_;
    QuietLinkHost host_;
    RecordingWindows windows_;
    DeviceFlags flags_;
    std::unique_ptr<SettingsSet> image_ = std::make_unique<SettingsSet>();
    std::mutex imageLock_;
    QuibCommands commands_{QuibCommandPorts{state_, link_, lights_, host_, windows_, flags_,
                                            *image_, imageLock_, TablePath(), kStatusToQuib,
                                            kOwnWindow}};
};

TEST_F(QuibCommandsTest, LightCommandsOfBothMessages) {
    struct Case {
        bool plain;
        uintptr_t command;
        intptr_t argument;
        Strings lights;
    };
    const Case cases[] = {
        {false, 140, 0, {"1 255 255"}},
        {false, 245, 1, {"0 255 255"}},
        {true, 245, 7, {"255 255 255"}},
        {true, 140, -1, {"255 255 255"}},
        {false, 141, 1, {}},
        {false, 141, 0, {"255 1 255"}},
        {true, 246, 0, {"255 0 255"}},
        {true, 247, 0, {"255 255 1"}},
        {true, 249, 0, {"255 255 3"}},
        {true, 251, 0, {"255 255 5"}},
        {true, 250, 1, {"255 255 0"}},
        {true, 248, 2, {"255 255 255"}},
        {false, 249, 0, {}},
        {true, 252, 0, {}},
        {false, 11, 0, {}},
        {true, 246, 1, {}},
    };
    for (const Case& c : cases) {
        lights_.sent.clear();
        EXPECT_EQ(c.plain ? Plain(c.command, c.argument) : Quib(c.command, c.argument), 0);
        EXPECT_EQ(lights_.sent, c.lights) << c.plain << " " << c.command << " " << c.argument;
    }
    EXPECT_EQ(state_.shiftLock, 0) << "toggled twice";
    EXPECT_TRUE(link_.sent.empty());
}

TEST_F(QuibCommandsTest, CommandsOfTheTrayAndTheProgram) {
    // 8, 9 and 10 come with 2025 alone; 4 with WM_QUIB_MSG alone.
    for (uintptr_t command : {8u, 9u, 10u}) Quib(command);
    EXPECT_TRUE(link_.commands.empty());
    EXPECT_EQ(host_.trayUpdates, 0);
    Plain(8);
    Plain(9);
    Plain(10);
    EXPECT_EQ(link_.commands, (std::vector<uint32_t>{kOpenOptionCommand, kExitCommand}));
    EXPECT_EQ(host_.trayUpdates, 1);

    Register(Registration(0x1234, u"Pad"));
    Plain(4, 0x12340000);
    EXPECT_EQ(commands_.devices().Count, 1);
    Quib(4, 0x12340000);
    EXPECT_EQ(commands_.devices().Count, 0);
}

TEST_F(QuibCommandsTest, ThePeerWindowAndTheMonitorActiveFlag) {
    // Not connected: the peer is kept but nothing is sent.
    Quib(6, kPeer);
    EXPECT_EQ(state_.peerWindow, kPeer);
    EXPECT_EQ(state_.monitorActive, 1);
    EXPECT_EQ(host_.trayUpdates, 1);
    EXPECT_TRUE(link_.sent.empty());

    // A second peer does not replace a living first one.
    flags_.connection = kConnected;
    Plain(6, kOtherPeer);
    EXPECT_EQ(state_.peerWindow, kPeer);
    EXPECT_TRUE(link_.sent.empty());
    Quib(7);
    EXPECT_EQ(state_.peerWindow, 0u);
    EXPECT_EQ(state_.monitorActive, 0);
    EXPECT_EQ(host_.trayUpdates, 3);

    // Connected: the device status and the CPI values of the active profile follow.
    Quib(6, kOtherPeer);
    ASSERT_EQ(link_.sent.size(), 2u);
    const QuibDeviceRecord expected = BuildQuibDeviceRecord(kOwnWindow, &image_->Profiles[1]);
    const std::vector<uint8_t> record(expected.begin(), expected.end());
    EXPECT_EQ(link_.sent[0].data, 0x07970003u);
    EXPECT_EQ(link_.sent[1].data, 0x07970005u);
    for (const SentRecord& sent : link_.sent) {
        EXPECT_EQ(sent.peer, kOtherPeer);
        EXPECT_EQ(sent.bytes, record);
    }
    EXPECT_EQ(record[8], 400 & 0xFF);
    EXPECT_EQ(record[28 - 4], 2000 & 0xFF);

    // A peer that went away is forgotten, so a new one is taken.
    link_.windows.erase(kOtherPeer);
    Quib(6, kPeer);
    EXPECT_EQ(state_.peerWindow, kPeer);
    // A peer that does not answer stays; one found gone at a send is dropped.
    link_.hung.insert(kPeer);
    commands_.SendDeviceStatus(false);
    EXPECT_EQ(state_.peerWindow, kPeer);
    link_.windows.erase(kPeer);
    commands_.SendQuixAimCpi();
    EXPECT_EQ(state_.peerWindow, 0u);
    const std::size_t sends = link_.sent.size();
    commands_.SendDeviceStatus(true);
    EXPECT_EQ(link_.sent.size(), sends) << "no peer, no record";
}

TEST_F(QuibCommandsTest, RegistrationsKeepTheDeviceTableFile) {
    EXPECT_EQ(Register(Registration(0x0101, u"Keyboard", 800)), 1);
    EXPECT_EQ(Register(Registration(0x0202, u"Headset")), 1);
    EXPECT_EQ(DeviceTableMessages(), 2);
    DeviceInfoTable table = ReadTable();
    ASSERT_EQ(table.Count, 2);
    EXPECT_EQ(table.Devices[0].VID, 6243);
    EXPECT_EQ(table.Devices[0].PID, 0x0101);
    EXPECT_STREQ(table.Devices[0].Name, "Keyboard");
    EXPECT_EQ(table.Devices[0].CPI[4], 1200);
    EXPECT_STREQ(table.Devices[1].Name, "Headset");

    // The same product again replaces its entry and keeps the count.
    Register(Registration(0x0101, u"Keyboard 2"));
    table = ReadTable();
    EXPECT_EQ(table.Count, 2);
    EXPECT_STREQ(table.Devices[0].Name, "Keyboard 2");

    // Another size is no registration; a product not in the table is not removed.
    std::vector<uint8_t> longer = Registration(0x0303, u"Long");
    longer.push_back(0);
    EXPECT_EQ(Register(longer), 1);
    Quib(4, 0x03030000);
    EXPECT_EQ(DeviceTableMessages(), 3);
    EXPECT_EQ(ReadTable().Count, 2);

    // Removal moves the later entries up.
    Quib(4, 0x01010000);
    table = ReadTable();
    ASSERT_EQ(table.Count, 1);
    EXPECT_STREQ(table.Devices[0].Name, "Headset");
    EXPECT_EQ(DeviceTableMessages(), 4);
}

TEST_F(QuibCommandsTest, AFullTableKeepsWhatItHas) {
    for (int i = 0; i < kMaxDevices; ++i) Register(Registration(static_cast<uint16_t>(i), u"D"));
    const std::string before = dir_.Read("DeviceInfo.ini");
    EXPECT_EQ(Register(Registration(0x7777, u"One too many")), 1);
    EXPECT_EQ(dir_.Read("DeviceInfo.ini"), before);
    EXPECT_EQ(DeviceTableMessages(), kMaxDevices);
    Register(Registration(5, u"Replaced"));
    EXPECT_STREQ(ReadTable().Devices[5].Name, "Replaced");
}

// A name from another program may hold line breaks and more than the field holds.
TEST(QuibDeviceName, FitsTheFieldWithoutControlsOrHalfCharacters) {
    FakeQuibLink link;
    const AnsiConverter toAnsi = [&](std::u16string_view text) { return link.ToAnsi(text); };
    struct Case {
        std::u16string name;
        std::string fitted;
    };
    const Case cases[] = {
        {u"Mouse", "Mouse"},
        {u"Line\r\nBreak\t=1\x7F\x85", "LineBreak=1"},
        {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRS"},
        // 18 bytes, then a two-byte character that would need 20.
        {u"ABCDEFGHIJKLMNOPQR\u4E2DZ", "ABCDEFGHIJKLMNOPQR"},
        {u"ABCDEFGHIJKLMNOPQ\u4E2DZ", "ABCDEFGHIJKLMNOPQ\x81\x2D"},
        {u"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FitQuibDeviceName(c.name, toAnsi), c.fitted);
    // Whatever a code page makes of a character, no byte below 0x20 is kept.
    const AnsiConverter odd = [](std::u16string_view text) {
        std::string ansi;
        for (char16_t c : text) ansi.push_back(c == u'x' ? '\n' : static_cast<char>(c));
        return ansi;
    };
    EXPECT_EQ(FitQuibDeviceName(u"axb", odd), "ab");
}

TEST(QuibRegistration, NameEndsAtItsFirstNul) {
    std::vector<uint8_t> bytes = Registration(0x4242, u"Ab");
    bytes[4 + 2 * 5] = 'Z';  // after the terminator
    const auto registration = ParseQuibRegistration(bytes.data(), bytes.size());
    ASSERT_TRUE(registration);
    EXPECT_EQ(registration->name, u"Ab");
    EXPECT_EQ(registration->productId, 0x4242);
    EXPECT_EQ(registration->cpi[1], 500);
    EXPECT_FALSE(ParseQuibRegistration(bytes.data(), 63));
    EXPECT_FALSE(ParseQuibRegistration(nullptr, 64));
}

TEST_F(QuibCommandsTest, QuixshiftButtonsSendTheirCommandToThePeer) {
    struct Case {
        uint8_t code;
        uint8_t command;
        uint16_t target;
    };
    const Case cases[] = {
        {81, 245, 0x2345}, {82, 246, 0x2345}, {83, 140, 0xFFFF}, {84, 141, 0xFFFF}, {7, 0, 0x2345},
    };
    ButtonRecord button{};
    button.targetId = 0x00012345;
    commands_.DeviceFunction(button, 1);
    EXPECT_TRUE(link_.sent.empty()) << "no peer";
    state_.peerWindow = kPeer;
    for (const Case& c : cases) {
        button.code = c.code;
        link_.sent.clear();
        commands_.DeviceFunction(button, 2);
        ASSERT_EQ(link_.sent.size(), 1u);
        EXPECT_EQ(link_.sent[0].data, 0x07970000u | c.command);
        EXPECT_EQ(link_.sent[0].bytes,
                  (std::vector<uint8_t>{0x63, 0x18, 0xE5, 0x20, c.command, 0x63, 0x18,
                                        static_cast<uint8_t>(c.target),
                                        static_cast<uint8_t>(c.target >> 8), 2}))
            << int(c.code);
    }
}

TEST_F(QuibCommandsTest, AmbientLightOnlyOnceARecordWasRead) {
    commands_.OnAmbientLight();
    EXPECT_TRUE(lights_.sent.empty()) << "nothing was ever read";
    AmbientRecord record{};
    record[4] = 9;
    link_.ambient = record;
    commands_.OnAmbientLight();
    link_.ambient.reset();
    commands_.OnAmbientLight();
    EXPECT_EQ(lights_.sent, (Strings{"ambient 9", "ambient 9"}));
}

TEST_F(QuibCommandsTest, PublishedStatusClearsTheShiftLockAndTellsAQuibMonitor) {
    Quib(141);
    EXPECT_EQ(state_.shiftLock, 1);
    commands_.PublishStatus();
    EXPECT_EQ(state_.shiftLock, 0);
    EXPECT_TRUE(windows_.posts.empty()) << "no Quib monitor announced itself";
    Quib(6, kPeer);
    commands_.PublishStatus();
    ASSERT_EQ(windows_.posts.size(), 1u);
    EXPECT_EQ(windows_.posts[0].title, kQuibMonitorWindowTitle);
    EXPECT_EQ(windows_.posts[0].message, kStatusToQuib);
}

}  // namespace
}  // namespace tesh::monitor::test
