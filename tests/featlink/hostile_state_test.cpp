// The shared mouse is memory that every process of the user may write, and its flash
// comes from a file: every value the model uses as an index or a size is bounded first.
// Single hostile values with the behaviour they must give, then whole states of hostile
// bytes driven through every operation (the fuzz build runs this under ASan and UBSan).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "featlink/checksum.h"
#include "featlink/device.h"
#include "featlink/event_codes.h"
#include "featlink/exchange_log.h"
#include "featlink/reports.h"
#include "featlink/shared_mouse.h"
#include "featlink/vmouse_commands.h"
#include "featlink/vmouse_state.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

constexpr uint8_t kGuardByte = 0xA5;
constexpr int kButton = 3;
constexpr uint8_t kDpiCycleCode = 20;
constexpr uint8_t kQuixAimLevel2Code = 53;

// The mouse followed by bytes that no operation may touch.
struct GuardedMouse {
    SharedMouse mouse;
    uint8_t guard[4096];
};

std::size_t ByteGroups(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    std::size_t groups = 0;
    while (words >> word && word != "...") groups += word.size() == 2 ? 1 : 0;
    return groups;
}

class HostileState : public ::testing::Test {
  protected:
    HostileState() : memory_(std::make_unique<GuardedMouse>()) {
        InitSharedMouse(mouse());
        std::memset(memory_->guard, kGuardByte, sizeof memory_->guard);
    }
    SharedMouse& mouse() { return memory_->mouse; }
    DeviceState& state() { return memory_->mouse.device; }
    Device device() { return Device(state(), clock_, &sink_); }
    bool GuardIntact() const {
        for (uint8_t byte : memory_->guard)
            if (byte != kGuardByte) return false;
        return true;
    }
    nlohmann::json Describe() { return nlohmann::json::parse(DescribeMouse(mouse(), true, "")); }

    std::unique_ptr<GuardedMouse> memory_;
    TestClock clock_;
    RecordingSink sink_;
};

TEST_F(HostileState, ActiveProfileOutOfRangeActsAsProfileZero) {
    for (const uint8_t hostile : {uint8_t{5}, uint8_t{0x80}, uint8_t{0xFF}}) {
        SCOPED_TRACE(static_cast<int>(hostile));
        InitSharedMouse(mouse());
        state().flash.buttons[0][kButton].code = kDpiCycleCode;
        state().flash.profiles[0].dpiMask = 0b11;
        state().flash.profiles[0].cpiLevel = 0;
        state().flash.activeProfile = hostile;
        sink_.events.clear();
        ASSERT_TRUE(device().Press(kButton));
        EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventCpiLevel, 2}}));
        EXPECT_EQ(state().flash.profiles[0].cpiLevel, 1);
        EXPECT_EQ(Describe()["dpiLevel"], 1) << "the level of profile 0";
        EXPECT_TRUE(GuardIntact());
    }
}

TEST_F(HostileState, ReadsOfASelectionOutOfRangeFail) {
    struct Case {
        uint8_t report;
        uint32_t length;
        Selection selection;
    };
    const Case cases[] = {
        {kReportProfileSettings, kProfileSettingsLength, {1, 5, kSelectProfileSettings, 0}},
        {kReportProfileSettings, kProfileSettingsLength, {1, 0xFF, kSelectProfileSettings, 0}},
        {kReportButtons, kButtonsLength, {1, 0x80, kSelectButtons, 0}},
        {kReportMacro, kMacroLength, {1, 0xFF, kDeviceButtons - 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.report));
        state().selection = c.selection;
        std::vector<uint8_t> buffer(c.length, 0);
        buffer[0] = c.report;
        EXPECT_EQ(device().GetFeature(buffer.data(), c.length), 0);
    }
}

TEST_F(HostileState, HeldButtonsOutOfRangeReadAsUp) {
    state().input.pressedAs[kButton] = 100;
    state().input.pressedCode[kButton] = kQuixAimLevel2Code;
    EXPECT_FALSE(device().Release(kButton));
    EXPECT_TRUE(sink_.events.empty());
    state().flash.buttons[0][kButton].code = kQuixAimLevel2Code;
    EXPECT_TRUE(device().Press(kButton)) << "the entry was let go";
    EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventCpiLevel, 3}}));

    // The level to return to is no level: the Quix-Aim level stays.
    state().input.quixAimSaved[kButton] = 200;
    sink_.events.clear();
    EXPECT_TRUE(device().Release(kButton));
    EXPECT_TRUE(sink_.events.empty());
    EXPECT_EQ(state().flash.profiles[0].cpiLevel, 2);
}

TEST_F(HostileState, LogEntriesShowNoMoreThanTheyKeep) {
    ExchangeLog& log = state().log;
    log.total = ~uint64_t{0};
    for (LogEntry& entry : log.entries) {
        entry.copied = 0xFFFF;
        entry.length = 0xFFFFFFFF;
        entry.direction = 0xFF;
    }
    ASSERT_EQ(LogSize(log), static_cast<uint32_t>(kLogEntries));
    for (uint32_t i = 0; i < LogSize(log); ++i) {
        EXPECT_EQ(ByteGroups(FormatLogEntry(LogEntryAt(log, i))), static_cast<size_t>(kLogBytes));
    }
    AppendLog(log, 1, kLogSet, nullptr, 0, true);
    EXPECT_EQ(log.total, 0u) << "the count wraps, the ring stays in place";
}

TEST_F(HostileState, AnUploadNeverGoesPastTheMouseBlocks) {
    UpdateSession& update = state().update;
    update.phase = kUpdateReady;
    update.blockCount = 0xFFFF;
    update.nextBlock = kUpdateMaxBlocks;
    update.imageSize = 0xFFFFFFFF;
    std::vector<uint8_t> header(kUpdateCommandLength, 0);
    header[0] = kReportUpdateCommand;
    header[1] = kUpdateBlockHeader;
    header[4] = kUpdateMaxBlocks & 0xFF;
    header[5] = kUpdateMaxBlocks >> 8;
    std::memcpy(&header[8], kUpdateCommandSignature, sizeof kUpdateCommandSignature);
    ASSERT_TRUE(device().SetFeature(header.data(), kUpdateCommandLength));
    uint8_t status[kUpdateStatusLength] = {kReportUpdateStatus};
    ASSERT_TRUE(device().GetFeature(status, sizeof status));
    EXPECT_EQ(status[1], kStatusRefused);
}

TEST(MonitorTable, OnlyPrivateWindowMessagesArePosted) {
    struct Case {
        uint32_t message;
        bool usable;
    };
    const Case cases[] = {{0x0010, false},  // WM_CLOSE
                          {0x03FF, false}, {0x0400, true},  {kDeviceEventMessage, true},
                          {0xBFFF, true},  {0xC000, false}, {0x10000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        MonitorTable table{};
        EXPECT_EQ(SetMonitor(table, 1, 0x100, c.message, kPlugMessage), c.usable);
        EXPECT_EQ(SetMonitor(table, 1, 0x100, kDeviceEventMessage, c.message), c.usable);
        const MonitorEntry planted{0x200, 7, c.message, kPlugMessage, 0};
        EXPECT_EQ(MonitorEntryUsable(planted), c.usable);
    }
    EXPECT_FALSE(MonitorEntryUsable(MonitorEntry{0, 7, kDeviceEventMessage, kPlugMessage, 0}));
}

TEST_F(HostileState, AFlashFileNameOutsideUtf8IsShown) {
    const auto described = nlohmann::json::parse(DescribeMouse(mouse(), true, "C:\\J\xfcrgen"));
    EXPECT_EQ(described["flashFile"].get<std::string>().substr(0, 4), "C:\\J");
}

// Every operation of the model and of vmouse, reads and presses before the writes that
// would set the state right; the replies and events must stay within their ranges.
class Sweep {
  public:
    Sweep(SharedMouse& mouse, std::mt19937& random)
        : mouse_(mouse), random_(random), device_(mouse.device, clock_, &sink_) {}

    void Run() {
        Describe();
        ReadEveryReport();
        PressEveryButton();
        device_.Emit(kEventProfile, 1);
        device_.Usage(kEventUsageFirst, 3);
        for (int profile = 0; profile < kDeviceProfiles; ++profile) {
            device_.RequestMacro(profile, kDeviceButtons - 1);
        }
        device_.RequestColourDatabase();
        RunCommands({"state", "press 4", "press 0", "release 0", "release 4", "profile 4", "dpi 4",
                     "event 0x9000 0x0101", "usage 0xE100 2", "request macro 4 17",
                     "request colours", "set firmware 9", "set dfu 110", "log"});
        FormatLog();
        WriteEveryReport();
        ReadEveryReport();
        device_.Unplug();
        device_.Plug();
        PressEveryButton();
        RunCommands({"fault clear", "state", "log --clear"});
        const std::string bytes = FlashBytes(mouse_.device.flash);
        FlashFromBytes(bytes, mouse_.device.flash);
        FlashNeedsSaving(mouse_);
        MarkFlashSaved(mouse_);
        Describe();
        CheckEvents();
    }

  private:
    void Describe() {
        EXPECT_FALSE(nlohmann::json::parse(DescribeMouse(mouse_, true, "")).is_discarded());
        DescribeMouse(mouse_, false, "");
    }

    void ReadEveryReport() {
        for (int id = 0; id <= 0xFF; ++id) {
            const ReportHandler* report = FindReport(static_cast<uint8_t>(id));
            const uint32_t length = report && report->readLength ? report->readLength : 8;
            std::vector<uint8_t> reply(length, 0);
            reply[0] = static_cast<uint8_t>(id);
            if (!device_.GetFeature(reply.data(), length)) continue;
            if (id == kReportProfileSettings || id == kReportButtons) {
                EXPECT_LT(reply[2], kDeviceProfiles) << "report " << id;
            }
            if (id == kReportMacro) {
                EXPECT_LT(reply[3], kDeviceProfiles);
                EXPECT_LT(reply[4], kDeviceButtons);
            }
        }
    }

    void PressEveryButton() {
        for (int button = -1; button <= kDeviceButtons; ++button) device_.Press(button);
        for (int button = kDeviceButtons; button >= -1; --button) device_.Release(button);
        for (int button = 0; button < kDeviceButtons; ++button) {
            device_.Release(button);
            device_.Press(button);
            device_.Release(button);
        }
    }

    // Random bytes with a good checksum, so that the handlers behind it run.
    void WriteEveryReport() {
        for (int id = 0; id <= 0xFF; ++id) {
            const ReportHandler* report = FindReport(static_cast<uint8_t>(id));
            const uint32_t length = report && report->writeLength ? report->writeLength : 8;
            std::vector<uint8_t> bytes(length);
            for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random_());
            bytes[0] = static_cast<uint8_t>(id);
            if (report && report->checksum) PutChecksum(bytes.data(), length);
            device_.SetFeature(bytes.data(), length);
            uint8_t status[kStatusLength] = {kReportStatus};
            device_.GetFeature(status, sizeof status);
        }
    }

    void RunCommands(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            std::vector<std::string> words;
            std::istringstream in(line);
            for (std::string word; in >> word;) words.push_back(word);
            const ParsedVmouseCommand parsed = ParseVmouseCommand(words);
            ASSERT_TRUE(parsed.command) << line;
            std::string out, error;
            RunVmouseCommand(*parsed.command, mouse_, clock_, &sink_, "", out, error);
        }
    }

    void FormatLog() {
        const ExchangeLog& log = mouse_.device.log;
        for (uint32_t i = 0; i < LogSize(log); ++i) {
            EXPECT_LE(ByteGroups(FormatLogEntry(LogEntryAt(log, i))),
                      static_cast<size_t>(kLogBytes));
        }
    }

    // Button events carry the device button + 1.
    void CheckEvents() {
        for (const Event& event : sink_.events) {
            if (event.eventClass != kEventHostButton && event.eventClass != kEventQuib &&
                event.eventClass != kEventRunProgram) {
                continue;
            }
            const int a = event.value & 0xFF;
            EXPECT_TRUE(a >= 1 && a <= kDeviceButtons) << std::hex << event.eventClass;
        }
    }

    SharedMouse& mouse_;
    std::mt19937& random_;
    TestClock clock_;
    RecordingSink sink_;
    Device device_;
};

TEST_F(HostileState, EveryOperationOnHostileBytes) {
    struct Fill {
        const char* name;
        int byte;  // -1: random bytes
        unsigned seed;
    };
    const Fill fills[] = {{"all 0xFF", 0xFF, 1}, {"all 0x80", 0x80, 2}, {"all 0x7F", 0x7F, 3},
                          {"all 0x01", 0x01, 4}, {"random", -1, 5},     {"random", -1, 6},
                          {"random", -1, 7},     {"random", -1, 8}};
    for (const Fill& fill : fills) {
        SCOPED_TRACE(std::string(fill.name) + " " + std::to_string(fill.seed));
        std::mt19937 random(fill.seed);
        auto* bytes = reinterpret_cast<uint8_t*>(&mouse());
        for (std::size_t i = 0; i < sizeof(SharedMouse); ++i) {
            bytes[i] = static_cast<uint8_t>(fill.byte >= 0 ? fill.byte : random());
        }
        Sweep(mouse(), random).Run();
        EXPECT_TRUE(GuardIntact());
    }
}

}  // namespace
}  // namespace tesh::vmouse::test
