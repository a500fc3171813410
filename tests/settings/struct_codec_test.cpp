#include "settings/struct_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace tesh {
namespace {

TEST(StructCodec, EncodesWithChecksum) {
    const uint8_t bytes[5] = {0x07, 0x01, 0xFA, 0x00, 0x00};
    EXPECT_EQ(EncodeStruct(bytes, 5), "0701FA000002");
    EXPECT_EQ(EncodeStruct(bytes, 0), "00");
    std::vector<uint8_t> ff(300, 0xFF);
    std::string text = EncodeStruct(ff.data(), ff.size());
    EXPECT_EQ(text.size(), 602u);
    EXPECT_EQ(text.substr(600), "D4");  // 300 * 255 = 76500 = 0x12AD4
}

TEST(StructCodec, DecodesOnlyExactValidText) {
    uint8_t out[5] = {9, 9, 9, 9, 9};
    EXPECT_TRUE(DecodeStruct("0701fa000002", out, 5));
    EXPECT_EQ(out[2], 0xFA);
    uint8_t keep[5] = {9, 9, 9, 9, 9};
    EXPECT_FALSE(DecodeStruct("0701FA000003", keep, 5)) << "checksum";
    EXPECT_FALSE(DecodeStruct("0701FA0000020", keep, 5)) << "length";
    EXPECT_FALSE(DecodeStruct("0701FA0000", keep, 5)) << "no checksum";
    EXPECT_FALSE(DecodeStruct("0701FG000002", keep, 5)) << "not hexadecimal";
    EXPECT_FALSE(DecodeStruct("", keep, 5));
    for (uint8_t b : keep) EXPECT_EQ(b, 9) << "a failed read leaves the buffer";
}

TEST(StructCodec, RoundTripsEveryByteValue) {
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i) all[i] = static_cast<uint8_t>(i);
    std::vector<uint8_t> back(256);
    ASSERT_TRUE(DecodeStruct(EncodeStruct(all.data(), 256), back.data(), 256));
    EXPECT_EQ(all, back);
}

}  // namespace
}  // namespace tesh
