#include "option/share_reply.h"

#include <gtest/gtest.h>

#include <string>

namespace tesh::option {
namespace {

TEST(ShareReply, WebAddressesAreOpened) {
    struct {
        std::string reply;
        const char* address;
    } cases[] = {
        {"http://trophy.example/t/56", "http://trophy.example/t/56"},
        {"https://trophy.example/show?id=9&x=%20#top",
         "https://trophy.example/show?id=9&x=%20#top"},
        {"HTTPS://Host.Example", "HTTPS://Host.Example"},
        {"hTtP://h:8080/", "hTtP://h:8080/"},
        {"https://user@host/", "https://user@host/"},
        {"http://[::1]:80/x", "http://[::1]:80/x"},
        {"https://host/page\r\n", "https://host/page"},
        {"https://host/page\n", "https://host/page"},
        {"https://host/page\r", "https://host/page"},
    };
    for (const auto& c : cases) {
        auto address = AddressToOpen(c.reply);
        ASSERT_TRUE(address.has_value()) << c.reply;
        EXPECT_EQ(*address, c.address);
    }
}

TEST(ShareReply, EverythingElseOpensNothing) {
    const std::string refused[] = {
        "",
        "\r\n",
        "https://host/a\r\nhttps://host/b",
        "https://host/a\n\n",
        "https://host/a\r\n\r\n",
        "\nhttps://host/a",
        "https://host/a\tb",
        std::string("https://host/a\0b", 16),
        "https://host/\x1b[0m",
        "https://host/\x7f",
        "https://host/\xc3\xa9",
        "https://host/a b",
        " https://host/a",
        "https://host/a\"--flag",
        "https://host\\share",
        "file:///C:/Windows/system32/calc.exe",
        "javascript:alert(1)",
        "mailto:someone@example.com",
        "ftp://host/file",
        "\\\\server\\share",
        "C:\\x.exe",
        "calc",
        "http:/host/a",
        "http://",
        "https:///path",
        "http://user@/path",
        "http://:80/",
        "http://[]/",
        "httpx://host/",
        "<html><body>https://host/</body></html>",
    };
    for (const std::string& reply : refused) EXPECT_FALSE(AddressToOpen(reply)) << reply;
}

TEST(ShareReply, AtMostTwoKibibytes) {
    std::string prefix = "https://host/";
    std::string longest = prefix + std::string(kMaxReplyAddress - prefix.size(), 'a');
    ASSERT_EQ(longest.size(), 2048u);
    EXPECT_TRUE(AddressToOpen(longest));
    EXPECT_TRUE(AddressToOpen(longest + "\r\n"));
    EXPECT_FALSE(AddressToOpen(longest + "a"));
}

}  // namespace
}  // namespace tesh::option
