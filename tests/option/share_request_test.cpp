// The Windows side of the share request: a message-only window receives the end of a
// request made against a listener of the test's own on 127.0.0.1; the shell is a fake.
#include "option/win/share_request.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "option/trophy_share.h"
#include "tests/option/loopback_server.h"

namespace tesh::option {
namespace {

using std::chrono::milliseconds;
using Answer = LoopbackServer::Answer;

constexpr UINT kDoneMessage = WM_APP + 40;

class MessageWindow {
  public:
    MessageWindow()
        : window_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)) {}
    ~MessageWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

    // True when the done message arrived within the wait.
    bool WaitForDone(milliseconds wait) const {
        auto end = std::chrono::steady_clock::now() + wait;
        while (std::chrono::steady_clock::now() < end) {
            MSG message;
            if (PeekMessageA(&message, window_, kDoneMessage, kDoneMessage, PM_REMOVE)) return true;
            Sleep(10);
        }
        return false;
    }

  private:
    HWND window_;
};

struct Opened {
    std::vector<std::string> addresses;
};

ShareRequestOptions OptionsFor(const LoopbackServer& server, Opened& opened) {
    ShareRequestOptions options;
    options.host = server.Origin();
    options.limits = {milliseconds(2000), milliseconds(500), kMaxShareReply};
    options.open = [&opened](const std::string& address) { opened.addresses.push_back(address); };
    return options;
}

TEST(ShareRequest, OpensTheAddressTheServiceAnswers) {
    MessageWindow window;
    LoopbackServer server(Answer::kReply, "200 OK", "https://trophy.example/59\r\n");
    Opened opened;
    ShareRequest request(window.get(), kDoneMessage, OptionsFor(server, opened));
    ASSERT_TRUE(request.Start(3));
    EXPECT_TRUE(request.Running());
    EXPECT_FALSE(request.Start(4));  // one at a time
    ASSERT_TRUE(window.WaitForDone(milliseconds(10000)));
    EXPECT_TRUE(request.OnDone());
    EXPECT_FALSE(request.Running());
    EXPECT_EQ(opened.addresses, std::vector<std::string>{"https://trophy.example/59"});

    std::string line = server.RequestLine();
    std::string zone = "," + TimeZoneText(LocalTimeZoneHours()) + ".dll HTTP/1.1";
    EXPECT_TRUE(line.starts_with("GET /frontend.en,1,trophy,")) << line;
    EXPECT_TRUE(line.ends_with(zone)) << line;
    std::string f1 = line.substr(line.find("trophy,") + 7, 100);
    EXPECT_EQ(f1.substr(14, 2), "59");
    EXPECT_NE(f1.find(MachineId(AdapterAddress())), std::string::npos) << line;
}

TEST(ShareRequest, NothingOpenedOnAFailureOrAnotherReply) {
    struct {
        Answer answer;
        const char* status;
        const char* body;
    } cases[] = {
        {Answer::kReply, "200 OK", "C:\\Windows\\system32\\calc.exe"},
        {Answer::kReply, "200 OK", ""},
        {Answer::kReply, "500 Internal Server Error", "https://trophy.example/"},
        {Answer::kSilent, "", ""},
        {Answer::kEndless, "", ""},
    };
    MessageWindow window;
    for (const auto& c : cases) {
        LoopbackServer server(c.answer, c.status, c.body);
        Opened opened;
        ShareRequest request(window.get(), kDoneMessage, OptionsFor(server, opened));
        ASSERT_TRUE(request.Start(0));
        ASSERT_TRUE(window.WaitForDone(milliseconds(10000))) << c.body;
        EXPECT_FALSE(request.OnDone()) << c.body;
        EXPECT_FALSE(request.Running());
        EXPECT_TRUE(opened.addresses.empty()) << c.body;
        EXPECT_TRUE(request.Start(0));  // free again
        ASSERT_TRUE(window.WaitForDone(milliseconds(10000))) << c.body;
    }
}

TEST(ShareRequest, OwnerMayGoWhileARequestRuns) {
    MessageWindow window;
    LoopbackServer server(Answer::kSilent);
    Opened opened;
    {
        ShareRequest request(window.get(), kDoneMessage, OptionsFor(server, opened));
        ASSERT_TRUE(request.Start(1));
    }
    // The worker ends at its time-out and tells no one.
    EXPECT_EQ(server.RequestLine().substr(0, 4), "GET ");
    EXPECT_FALSE(window.WaitForDone(milliseconds(1500)));
    EXPECT_TRUE(opened.addresses.empty());
}

TEST(ShareRequest, NoRequestOutsideTheTrophiesAndNoDoneWithoutOne) {
    MessageWindow window;
    ShareRequest request(window.get(), kDoneMessage);
    EXPECT_FALSE(request.Start(-1));
    EXPECT_FALSE(request.Start(13));
    EXPECT_FALSE(request.Running());
    EXPECT_FALSE(request.OnDone());
}

TEST(ShareRequest, InputsOfThisMachine) {
    EXPECT_EQ(AdapterAddress(), AdapterAddress());  // the same adapter each time
    int hours = LocalTimeZoneHours();
    EXPECT_GE(hours, -12);
    EXPECT_LE(hours, 14);
    _putenv_s(kSupportHostVariable, "");
    EXPECT_EQ(SupportHost(), kSupportHost);
    _putenv_s(kSupportHostVariable, "http://127.0.0.1:9");
    EXPECT_EQ(SupportHost(), "http://127.0.0.1:9");
    EXPECT_EQ(ShareRequestOptions{}.host, "http://127.0.0.1:9");
    _putenv_s(kSupportHostVariable, "");
}

}  // namespace
}  // namespace tesh::option
