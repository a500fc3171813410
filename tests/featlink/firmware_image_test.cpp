#include "featlink/firmware_image.h"

#include <gtest/gtest.h>

#include <string>

namespace tesh::vmouse {
namespace {

const uint8_t* Bytes(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

TEST(FirmwareImage, Crc32MatchesTheCommonCheckValue) {
    const std::string text = "123456789";
    EXPECT_EQ(Crc32Final(Crc32Update(kCrc32Start, Bytes(text), text.size())), 0xCBF43926u);
    // Fed in pieces it gives the same.
    uint32_t crc = Crc32Update(kCrc32Start, Bytes(text), 4);
    crc = Crc32Update(crc, Bytes(text) + 4, 5);
    EXPECT_EQ(Crc32Final(crc), 0xCBF43926u);
}

TEST(FirmwareImage, BuiltImageCarriesItsVersionAndChecksOut) {
    const std::string image = BuildFirmwareImage(42, 3000);
    ASSERT_EQ(image.size(), 3000u);
    EXPECT_EQ(image.substr(0, 4), "TUFW");
    FirmwareHeader header{};
    ASSERT_TRUE(VerifyFirmwareImage(Bytes(image), image.size(), &header));
    EXPECT_EQ(header.version, 42);
    EXPECT_EQ(header.payloadLength, 3000u - kFirmwareHeaderSize);
    EXPECT_NE(BuildFirmwareImage(43, 3000).substr(16), image.substr(16));
    EXPECT_EQ(BuildFirmwareImage(1, 0).size(), kFirmwareHeaderSize) << "at least a header";
}

TEST(FirmwareImage, DamageIsFound) {
    const std::string image = BuildFirmwareImage(5, 1500);
    for (size_t at : {size_t{0}, size_t{5}, size_t{9}, size_t{16}, size_t{1499}}) {
        std::string damaged = image;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
        EXPECT_FALSE(VerifyFirmwareImage(Bytes(damaged), damaged.size(), nullptr)) << at;
    }
    EXPECT_FALSE(VerifyFirmwareImage(Bytes(image), image.size() - 1, nullptr)) << "cut short";
    EXPECT_TRUE(VerifyFirmwareImage(Bytes(image + "tail"), image.size() + 4, nullptr))
        << "bytes after the payload are not checked";
    FirmwareHeader header{};
    EXPECT_FALSE(ParseFirmwareHeader(Bytes(image), 15, header));
}

}  // namespace
}  // namespace tesh::vmouse
