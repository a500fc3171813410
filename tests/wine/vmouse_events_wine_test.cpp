// vmouse driving the mouse while windows listen as the monitor does: its actions
// arrive as messages 1325 and 1326 at every window registered with Open_DevMonitor,
// and windows that were closed or deregistered are forgotten.
#include <windows.h>

#include "featlink/event_codes.h"
#include "tests/wine/message_window.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::test {
namespace {

namespace vm = vmouse;

constexpr UINT kEvent = vm::kDeviceEventMessage;
constexpr UINT kPlug = vm::kPlugMessage;
constexpr DWORD kPollMs = 50;

class VmouseEvents : public VirtualMouseTest {
  protected:
    void SetUp() override {
        library_ = LoadCopy("program");
        ASSERT_TRUE(library_->loaded());
        ASSERT_NE(window_.handle(), nullptr);
        library_->openDevMonitor(window_.handle(), kEvent, kPlug);
    }

    void Run(const std::string& arguments) {
        ChildResult result = Vmouse(arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.output;
    }
    std::vector<PostedMessage> Receive(std::size_t count) {
        return window_.WaitFor(count, kEvent, kPlug);
    }
    // The processes whose windows are registered.
    std::vector<DWORD> Listeners() {
        std::vector<DWORD> processes;
        const nlohmann::json state = State();
        for (const auto& monitor : state["monitors"]) processes.push_back(monitor["process"]);
        return processes;
    }

    std::unique_ptr<FeatlinkLibrary> library_;
    MessageWindow window_;
};

TEST_F(VmouseEvents, ButtonsRawEventsAndTheCableArriveAsMessages) {
    Run("press 14");  // Volume Up: the media key, then the volume feedback
    EXPECT_EQ(Receive(2), (std::vector<PostedMessage>{{kEvent, vm::kEventMedia, 38},
                                                      {kEvent, vm::kEventVolume, 1}}));
    Run("release 14");
    Run("event 0x2000 3");
    EXPECT_EQ(Receive(2), (std::vector<PostedMessage>{{kEvent, vm::kEventMedia, 0x0126},
                                                      {kEvent, vm::kEventProfile, 3}}));
    Run("unplug");
    EXPECT_EQ(Vmouse("press 14").exitCode, 1) << "an unplugged mouse reports nothing";
    Run("plug");
    Run("usage 0xE100 5");
    EXPECT_EQ(Receive(3),
              (std::vector<PostedMessage>{{kPlug, 0, 0}, {kPlug, 1, 0}, {kEvent, 0xE100, 5}}));
}

TEST_F(VmouseEvents, EveryRegisteredWindowIsNotified) {
    ChildProcess listener;
    ASSERT_TRUE(listener.Start(Quoted(Beside("featlink_probe.exe")) + " " +
                               Quoted(CopyLibrary("other")) + " listen 2"));
    // Wait until the other process has registered its window.
    const ULONGLONG deadline = GetTickCount64() + kChildTimeoutMs;
    while (Listeners().size() < 2 && GetTickCount64() < deadline) {
        Sleep(kPollMs);
    }
    ASSERT_EQ(Listeners().size(), 2u);

    Run("event 0xB000 2");
    Run("unplug");
    ASSERT_EQ(listener.Wait(), 0) << listener.output();
    EXPECT_EQ(listener.output(), "1325 45056 2\r\n1326 0 0\r\n");
    EXPECT_EQ(Receive(2), (std::vector<PostedMessage>{{kEvent, 0xB000, 2}, {kPlug, 0, 0}}));
    EXPECT_EQ(Listeners(), std::vector<DWORD>{GetCurrentProcessId()})
        << "the listener deregistered when it was done";
}

TEST_F(VmouseEvents, ClosedMonitorsAndDestroyedWindowsAreForgotten) {
    EXPECT_EQ(Listeners(), std::vector<DWORD>{GetCurrentProcessId()});
    library_->closeDevMonitor();
    EXPECT_TRUE(Listeners().empty());

    MessageWindow other;
    library_->openDevMonitor(window_.handle(), kEvent, kPlug);
    library_->openDevMonitor(other.handle(), kEvent, kPlug);
    Run("event 0x2000 1");
    EXPECT_EQ(other.WaitFor(1, kEvent, kPlug).size(), 1u);
    EXPECT_TRUE(window_.WaitFor(1, kEvent, kPlug, 0).empty())
        << "the second window replaced the first";

    other.Destroy();
    EXPECT_EQ(Listeners().size(), 1u);
    Run("event 0x2000 2");
    EXPECT_TRUE(Listeners().empty()) << "dropped when a post found it gone";
}

using VmouseTool = VirtualMouseTest;

TEST_F(VmouseTool, BadInputExitsWithTwoAndTheUsage) {
    for (const char* arguments : {"", "press 18", "event 0x2000", "fault slow 1", "dance"}) {
        ChildResult result = Vmouse(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.output.find("usage: vmouse plug | unplug"), std::string::npos)
            << arguments << ": " << result.output;
    }
    ChildResult state = Vmouse("state");
    EXPECT_EQ(state.exitCode, 0);
    EXPECT_NE(state.output.find("plugged: yes\r\n"), std::string::npos) << state.output;
}

}  // namespace
}  // namespace tesh::test
