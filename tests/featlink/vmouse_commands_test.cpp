// The vmouse command line: what it accepts, what it refuses, and what each command does
// to a shared mouse.
#include "featlink/vmouse_commands.h"

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "featlink/event_codes.h"
#include "featlink/wire.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

VmouseCommand Parse(const std::string& line) {
    ParsedVmouseCommand parsed = ParseVmouseCommand(Words(line));
    EXPECT_TRUE(parsed.command) << line << ": " << parsed.error;
    return parsed.command.value_or(VmouseCommand{});
}

std::string Refusal(const std::string& line) {
    ParsedVmouseCommand parsed = ParseVmouseCommand(Words(line));
    EXPECT_FALSE(parsed.command) << line;
    return parsed.error;
}

TEST(VmouseNumbers, DecimalAndHexWithinTheirRange) {
    EXPECT_EQ(ParseVmouseNumber("17", 17), 17u);
    EXPECT_EQ(ParseVmouseNumber("0x2000", 0xFFFF), 0x2000u);
    EXPECT_EQ(ParseVmouseNumber("0XfF", 0xFF), 0xFFu);
    EXPECT_EQ(ParseVmouseNumber("4294967295", 0xFFFFFFFF), 0xFFFFFFFFu);
    for (const char* bad : {"", "0x", "-1", "+1", "12abc", "0x1g", "1.5", " 1", "4294967296"}) {
        EXPECT_FALSE(ParseVmouseNumber(bad, 0xFFFFFFFF)) << bad;
    }
    EXPECT_FALSE(ParseVmouseNumber("18", 17));
    EXPECT_FALSE(ParseVmouseNumber("0x10000", 0xFFFF));
}

TEST(VmouseParse, CommandsAndTheirNumbers) {
    EXPECT_EQ(Parse("plug").verb, VmouseVerb::kPlug);
    EXPECT_EQ(Parse("unplug").verb, VmouseVerb::kUnplug);
    VmouseCommand press = Parse("press 17");
    EXPECT_EQ(press.verb, VmouseVerb::kPress);
    EXPECT_EQ(press.first, 17u);
    EXPECT_EQ(Parse("release 0").verb, VmouseVerb::kRelease);
    VmouseCommand event = Parse("event 0x2000 3");
    EXPECT_EQ(event.verb, VmouseVerb::kEvent);
    EXPECT_EQ(event.first, 0x2000u);
    EXPECT_EQ(event.second, 3u);
    EXPECT_EQ(Parse("profile 4").first, 4u);
    EXPECT_EQ(Parse("dpi 0").verb, VmouseVerb::kDpi);
    VmouseCommand usage = Parse("usage 0xE300 70000");
    EXPECT_EQ(usage.first, 0xE300u);
    EXPECT_EQ(usage.second, 70000u);
    EXPECT_EQ(Parse("set firmware 0x21").verb, VmouseVerb::kSetFirmware);
    EXPECT_EQ(Parse("set dfu 108").first, 108u);
    VmouseCommand request = Parse("request macro 4 17");
    EXPECT_EQ(request.verb, VmouseVerb::kRequestMacro);
    EXPECT_EQ(request.second, 17u);
    EXPECT_EQ(Parse("request colours").verb, VmouseVerb::kRequestColours);
    EXPECT_FALSE(Parse("state").json);
    EXPECT_TRUE(Parse("state --json").json);
    EXPECT_FALSE(Parse("log").clear);
    EXPECT_TRUE(Parse("log --clear").clear);
}

TEST(VmouseParse, Faults) {
    const std::pair<const char*, FaultKind> kinds[] = {
        {"fault busy 3", FaultKind::kBusy},
        {"fault status 0", FaultKind::kStatus},
        {"fault setfail 2", FaultKind::kSetFail},
        {"fault getfail 2", FaultKind::kGetFail},
        {"fault checksum 2", FaultKind::kChecksum},
        {"fault macro-count 600", FaultKind::kMacroCount},
        {"fault clear", FaultKind::kClear},
    };
    for (const auto& [line, kind] : kinds) {
        VmouseCommand command = Parse(line);
        EXPECT_EQ(command.verb, VmouseVerb::kFault) << line;
        EXPECT_EQ(command.fault, kind) << line;
    }
    EXPECT_EQ(Parse("fault checksum").first, 1u) << "a bare checksum fault spoils one reply";
    EXPECT_EQ(Parse("fault macro-count 600").first, 600u);
}

TEST(VmouseParse, RefusesBadInputWithAReason) {
    EXPECT_EQ(Refusal(""), "no command");
    EXPECT_EQ(Refusal("jump"), "unknown command 'jump'");
    EXPECT_EQ(Refusal("press"), "press: expected 1 number");
    EXPECT_EQ(Refusal("press 1 2"), "press: expected 1 number");
    EXPECT_EQ(Refusal("press 18"), "press: bad button '18'");
    EXPECT_EQ(Refusal("event 0x2000"), "event: expected 2 numbers");
    EXPECT_EQ(Refusal("event 0x10000 1"), "event: bad class '0x10000'");
    EXPECT_EQ(Refusal("event 1 x"), "event: bad value 'x'");
    EXPECT_EQ(Refusal("plug 1"), "plug: expected 0 numbers");
    EXPECT_EQ(Refusal("profile 5"), "profile: bad profile '5'");
    EXPECT_EQ(Refusal("dpi 5"), "dpi: bad level '5'");
    EXPECT_EQ(Refusal("usage 0xD000 1"), "usage: bad class '0xD000'");
    EXPECT_EQ(Refusal("usage 0xE150 1"), "usage: bad class '0xE150'");
    EXPECT_EQ(Refusal("usage 0xF000 1"), "usage: bad class '0xF000'");
    EXPECT_NE(Refusal("fault"), "");
    EXPECT_EQ(Refusal("fault slow 1"), "fault: unknown fault 'slow'");
    EXPECT_EQ(Refusal("fault busy"), "busy: expected 1 number");
    EXPECT_EQ(Refusal("fault status 256"), "status: bad status '256'");
    EXPECT_EQ(Refusal("fault clear 1"), "clear: expected 0 numbers");
    EXPECT_EQ(Refusal("set firmware 256"), "set: bad version '256'");
    EXPECT_EQ(Refusal("set speed 1"), "set: expected firmware or dfu");
    EXPECT_EQ(Refusal("request macro 0 1"), "request macro: bad button '1'");
    EXPECT_EQ(Refusal("request macro 5 2"), "request macro: bad profile '5'");
    EXPECT_EQ(Refusal("request colours 1"), "request colours: expected 0 numbers");
    EXPECT_EQ(Refusal("state --text"), "state: the only option is --json");
    EXPECT_EQ(Refusal("log --json"), "log: the only option is --clear");
}

class VmouseRun : public ::testing::Test {
  protected:
    VmouseRun() : mouse_(std::make_unique<SharedMouse>()) { InitSharedMouse(*mouse_); }

    // Runs one command line; its output is in out_, its refusal in error_.
    int Run(const std::string& line) {
        out_.clear();
        error_.clear();
        return RunVmouseCommand(Parse(line), *mouse_, clock_, &sink_, "flash.bin", out_, error_);
    }
    DeviceState& device() { return mouse_->device; }

    std::unique_ptr<SharedMouse> mouse_;
    TestClock clock_;
    RecordingSink sink_;
    std::string out_, error_;
};

TEST_F(VmouseRun, ButtonsActAsTheFirmwareDoes) {
    // Device button 14 is Volume Up by default: the media key, then the feedback.
    EXPECT_EQ(Run("press 14"), kVmouseOk);
    EXPECT_EQ(Run("release 14"), kVmouseOk);
    EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventMedia, 38},
                                                {kEventVolume, kValueUp},
                                                {kEventMedia, EventValue(38, kValueRelease)}}));
    EXPECT_EQ(Run("release 14"), kVmouseRefused) << "it is not down";
    EXPECT_NE(error_, "");
}

TEST_F(VmouseRun, CableAndRawEvents) {
    EXPECT_EQ(Run("event 0x2000 3"), kVmouseOk);
    EXPECT_EQ(Run("unplug"), kVmouseOk);
    EXPECT_EQ(Run("unplug"), kVmouseOk) << "already unplugged is no error";
    EXPECT_EQ(Run("event 0x2000 4"), kVmouseRefused);
    EXPECT_EQ(error_, "the mouse is unplugged");
    EXPECT_EQ(Run("press 14"), kVmouseRefused);
    EXPECT_EQ(Run("profile 2"), kVmouseRefused);
    EXPECT_EQ(device().flash.activeProfile, 0) << "nothing changes while unplugged";
    EXPECT_EQ(Run("plug"), kVmouseOk);
    EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventProfile, 3}}));
    EXPECT_EQ(sink_.plugs, (std::vector<bool>{false, true}));
}

TEST_F(VmouseRun, ProfileAndLevelChosenOnTheMouse) {
    EXPECT_EQ(Run("profile 3"), kVmouseOk);
    EXPECT_EQ(device().flash.activeProfile, 3);
    EXPECT_EQ(Run("profile 3"), kVmouseOk) << "no change, nothing reported";
    EXPECT_EQ(Run("dpi 4"), kVmouseOk);
    EXPECT_EQ(device().flash.profiles[3].cpiLevel, 4) << "the level of the active profile";
    EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventProfile, 4}, {kEventCpiLevel, 5}}));
    EXPECT_TRUE(FlashNeedsSaving(*mouse_)) << "both live in the flash";
}

TEST_F(VmouseRun, UsageAndRequests) {
    EXPECT_EQ(Run("usage 0xE200 70000"), kVmouseOk);
    EXPECT_EQ(Run("request macro 1 2"), kVmouseOk);
    EXPECT_EQ(Run("request colours"), kVmouseOk);
    EXPECT_EQ(sink_.events, (std::vector<Event>{{0xE200, 65535},
                                                {0xE200, 70000 - 65535},
                                                {kEventMacroRequest, 17},
                                                {kEventColourDatabase, 1}}));
}

TEST_F(VmouseRun, FaultsAndVersions) {
    EXPECT_EQ(Run("fault busy 4"), kVmouseOk);
    EXPECT_EQ(Run("fault status 0"), kVmouseOk);
    EXPECT_EQ(Run("fault setfail 2"), kVmouseOk);
    EXPECT_EQ(Run("fault getfail 3"), kVmouseOk);
    EXPECT_EQ(Run("fault checksum"), kVmouseOk);
    EXPECT_EQ(Run("fault macro-count 600"), kVmouseOk);
    const Faults& faults = device().faults;
    EXPECT_EQ(faults.busyPolls, 4u);
    EXPECT_EQ(faults.forcedStatus, 0);
    EXPECT_EQ(faults.failSets, 2u);
    EXPECT_EQ(faults.failGets, 3u);
    EXPECT_EQ(faults.corruptChecksum, 1u);
    EXPECT_EQ(faults.macroEventCount, 600u);
    EXPECT_FALSE(FlashNeedsSaving(*mouse_));
    EXPECT_EQ(Run("fault clear"), kVmouseOk);
    EXPECT_EQ(faults.busyPolls + faults.failSets + faults.failGets, 0u);
    EXPECT_EQ(faults.forcedStatus, -1);
    EXPECT_EQ(faults.macroEventCount, 0u);

    EXPECT_EQ(Run("set firmware 9"), kVmouseOk);
    EXPECT_EQ(Run("set dfu 110"), kVmouseOk);
    EXPECT_EQ(device().flash.firmwareVersion, 9);
    EXPECT_EQ(device().flash.dfuVersion, 110);
    EXPECT_TRUE(FlashNeedsSaving(*mouse_));
}

TEST_F(VmouseRun, LogPrintsTheExchangesAndClears) {
    Device mouse(device(), clock_, &sink_);
    const uint8_t select[] = {kReportActiveProfile, 3, 2};
    ASSERT_TRUE(mouse.SetFeature(select, sizeof select));
    uint8_t read[3] = {kReportActiveProfile};
    ASSERT_TRUE(mouse.GetFeature(read, sizeof read));
    ASSERT_EQ(Run("event 0x2000 3"), kVmouseOk);

    EXPECT_EQ(Run("log --clear"), kVmouseOk);
    EXPECT_EQ(out_, "SET 05 03 02\nGET 05 03 02\nEVT 2000 0003\n");
    EXPECT_EQ(Run("log"), kVmouseOk);
    EXPECT_EQ(out_, "");
}

TEST_F(VmouseRun, StateAsTextAndJson) {
    SetMonitor(mouse_->monitors, 1234, 0x10062, kDeviceEventMessage, kPlugMessage);
    ASSERT_EQ(Run("profile 2"), kVmouseOk);
    ASSERT_EQ(Run("press 4"), kVmouseOk);  // Quixshift: held, nothing reported
    ASSERT_EQ(Run("unplug"), kVmouseOk);

    ASSERT_EQ(Run("state"), kVmouseOk);
    EXPECT_NE(out_.find("plugged: no\n"), std::string::npos) << out_;
    EXPECT_NE(out_.find("profile: 2\n"), std::string::npos) << out_;
    EXPECT_NE(out_.find("firmware: 1\n"), std::string::npos) << out_;

    ASSERT_EQ(Run("plug"), kVmouseOk);
    ASSERT_EQ(Run("press 4"), kVmouseOk);
    ASSERT_EQ(Run("state --json"), kVmouseOk);
    const auto state = nlohmann::json::parse(out_);
    EXPECT_EQ(state["plugged"], true);
    EXPECT_EQ(state["profile"], 2);
    EXPECT_EQ(state["dfu"], kFactoryDfuVersion);
    EXPECT_EQ(state["update"], "idle");
    EXPECT_EQ(state["shiftHeld"], true);
    EXPECT_EQ(state["buttonsDown"], nlohmann::json::array({4}));
    EXPECT_EQ(state["faults"]["status"], -1);
    EXPECT_EQ(state["logTotal"], 3) << "profile event, unplug, plug";
    EXPECT_EQ(state["flashFile"], "flash.bin");
    ASSERT_EQ(state["monitors"].size(), 1u);
    EXPECT_EQ(state["monitors"][0]["process"], 1234);
    EXPECT_EQ(state["monitors"][0]["window"], "0x10062");
    EXPECT_EQ(state["monitors"][0]["plugMessage"], kPlugMessage);
}

}  // namespace
}  // namespace tesh::vmouse::test
