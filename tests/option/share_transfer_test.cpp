// The transfer against a listener of the test's own on 127.0.0.1: nothing leaves the
// machine.
#include "option/share_transfer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/option/loopback_server.h"

namespace tesh::option {
namespace {

using std::chrono::milliseconds;
using Answer = LoopbackServer::Answer;

constexpr char kPath[] = "/frontend.en,1,trophy,ABC56,82,24,248,9a6f,M5.dll";

// Small enough for a quick test, large enough for a loaded machine.
TransferLimits QuickLimits() {
    return {milliseconds(2000), milliseconds(1500), kMaxShareReply};
}

TEST(ShareTransfer, ReplyArrivesAndThePathAsBuilt) {
    LoopbackServer server(Answer::kReply, "200 OK", "https://trophy.example/56\r\n");
    ASSERT_FALSE(server.Origin().empty());
    auto reply = FetchShareReply(server.Origin() + kPath, QuickLimits());
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(*reply, "https://trophy.example/56\r\n");
    EXPECT_EQ(server.RequestLine(), std::string("GET ") + kPath + " HTTP/1.1");
}

TEST(ShareTransfer, ReplyUpToTheBound) {
    struct {
        std::size_t size;
        bool fetched;
    } cases[] = {{0, true}, {kMaxShareReply, true}, {kMaxShareReply + 1, false}};
    for (auto c : cases) {
        LoopbackServer server(Answer::kReply, "200 OK", std::string(c.size, 'r'));
        auto reply = FetchShareReply(server.Origin() + "/", QuickLimits());
        EXPECT_EQ(reply.has_value(), c.fetched) << c.size;
        if (reply) {
            EXPECT_EQ(reply->size(), c.size);
        }
    }
}

TEST(ShareTransfer, ErrorStatusAndRedirectOpenNothingFollowed) {
    LoopbackServer missing(Answer::kReply, "404 Not Found", "https://trophy.example/");
    EXPECT_FALSE(FetchShareReply(missing.Origin() + "/", QuickLimits()));
    // A redirect is not followed: its own body is the reply.
    LoopbackServer moved(Answer::kReply, "302 Found\r\nLocation: http://127.0.0.1:1/", "moved");
    auto reply = FetchShareReply(moved.Origin() + "/", QuickLimits());
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(*reply, "moved");
}

TEST(ShareTransfer, SilentServerTimesOut) {
    LoopbackServer server(Answer::kSilent);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(FetchShareReply(server.Origin() + "/", {milliseconds(2000), milliseconds(300)}));
    // Bounded by the time-out (with room for a slow machine), not by the server.
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(10000));
    EXPECT_EQ(server.RequestLine(), "GET / HTTP/1.1");
}

TEST(ShareTransfer, EndlessReplyIsCutAtTheBound) {
    LoopbackServer server(Answer::kEndless);
    EXPECT_FALSE(FetchShareReply(server.Origin() + "/", QuickLimits()));
}

TEST(ShareTransfer, NoListenerAndOtherSchemesFail) {
    int port = 0;
    {
        // A port that was just free: nothing listens there any more.
        LoopbackServer gone(Answer::kSilent);
        port = std::stoi(gone.Origin().substr(gone.Origin().rfind(':') + 1));
    }
    EXPECT_FALSE(FetchShareReply("http://127.0.0.1:" + std::to_string(port) + "/", QuickLimits()));
    EXPECT_FALSE(FetchShareReply("file:///etc/hostname", QuickLimits()));
    EXPECT_FALSE(FetchShareReply("", QuickLimits()));
}

}  // namespace
}  // namespace tesh::option
