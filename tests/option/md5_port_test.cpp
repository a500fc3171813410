#include <gtest/gtest.h>

#include <string>

#include "tests/option/md5_for_tests.h"

namespace tesh::option {
namespace {

TEST(Md5Port, KnownDigests) {
    struct {
        std::string text;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"The quick brown fox jumps over the lazy dog", "9e107d9d372bb6826bd81d3542a419d6"},
        {std::string(1000, 'a'), "cabe45dcc9ae5b66ba86600cca6b8ba8"},
        {std::string("a\0b", 3), "70350f6027bce3713f6b76473084309b"},
    };
    TestMd5 md5;
    for (const auto& c : cases) {
        Md5Digest digest{};
        ASSERT_TRUE(md5.Digest(c.text, digest)) << c.text.size();
        EXPECT_EQ(HexDigits(digest), c.digest) << c.text.size();
    }
}

}  // namespace
}  // namespace tesh::option
