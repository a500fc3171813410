#include "option/trophy_share.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/option/md5_for_tests.h"

namespace tesh::option {
namespace {

// Gives the scripted values in turn, again from the first when they run out.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}
    int Next() override { return values_[next_++ % values_.size()]; }

  private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

class FailingMd5 : public Md5Port {
  public:
    bool Digest(std::string_view, Md5Digest&) const override { return false; }
};

constexpr std::array<uint8_t, 6> kAdapter = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (char ch : text) {
        if (ch == separator)
            parts.emplace_back();
        else
            parts.back() += ch;
    }
    return parts;
}

TEST(TrophyShare, RandomIsTheCRuntimeSequence) {
    CRuntimeRandom random(1);
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
        EXPECT_EQ(random.Next(), expected);
}

TEST(TrophyShare, TextsOfMachineAndTimeZone) {
    EXPECT_EQ(MachineId(kAdapter), "001A2B3C4D5E");
    EXPECT_EQ(MachineId({0xFF, 0xA0, 0x09, 0x10, 0xCD, 0x01}), "FFA00910CD01");
    struct {
        int hours;
        const char* text;
    } zones[] = {{0, "P0"}, {2, "P2"}, {-5, "M5"}, {14, "P14"}, {-12, "M12"}};
    for (auto z : zones) EXPECT_EQ(TimeZoneText(z.hours), z.text) << z.hours;
    struct {
        int bias, hours;
    } biases[] = {{0, 0}, {-120, 2}, {300, -5}, {-330, 5}, {210, -3}, {-60, 1}};
    for (auto b : biases) EXPECT_EQ(TimeZoneHoursFromBias(b.bias), b.hours) << b.bias;
}

// Seed 1, trophy 3, five hours west of UTC: the path as the service gets it. The digest
// was made with md5sum from the text of the first four fields.
TEST(TrophyShare, PathOfOneSeededRequest) {
    CRuntimeRandom random(1);
    TestMd5 md5;
    ShareInputs inputs{3, kAdapter, -5};
    EXPECT_EQ(ShareUrl("https://host.test", inputs, random, md5),
              "https://host.test/frontend.en,1,trophy,"
              "PHQGHUMEAYLNLF59DXFIRCVSCXGGBW"
              "80IHI5TG03PP2UU4YCIPWXRF2MUU2KBB6B133ZMZY001A2B3C4D5EE3OR6Y6VV"
              "QVA30418,82,24,248,9a6fa54d3d48533db2760abfd60710c0,M5.dll");
}

TEST(TrophyShare, FieldsFollowTheirRules) {
    TestMd5 md5;
    for (int seed : {2, 77, 12345}) {
        CRuntimeRandom random(static_cast<uint32_t>(seed));
        ShareFields fields;
        ASSERT_TRUE(MakeShareFields({7, kAdapter, 2}, random, md5, fields));
        std::vector<std::string> parts = Split(SharePath(fields), ',');
        ASSERT_EQ(parts.size(), 9u) << seed;
        EXPECT_EQ(parts[0] + "," + parts[1] + "," + parts[2], "/frontend.en,1,trophy");
        EXPECT_EQ(parts[8], "P2.dll");
        const std::string& f1 = parts[3];
        int p = fields.machineIdPosition;
        EXPECT_EQ(parts[4], std::to_string(2 * p));
        EXPECT_EQ(parts[5], "24");   // 3 x "QVA30418"
        EXPECT_EQ(parts[6], "248");  // 4 x (50 + 12)
        ASSERT_EQ(f1.size(), 30u + 62u + 8u);
        EXPECT_EQ(f1.substr(14, 2), "63");
        EXPECT_EQ(f1.substr(30 + p, 12), "001A2B3C4D5E") << seed;
        EXPECT_TRUE(f1.ends_with("QVA30418"));
        Md5Digest digest{};
        ASSERT_TRUE(md5.Digest(f1 + parts[4] + parts[5] + parts[6], digest));
        EXPECT_EQ(parts[7], HexDigits(digest));
    }
}

TEST(TrophyShare, TrophyNumbersAndIdPositions) {
    TestMd5 md5;
    struct {
        int trophy;
        const char* number;
        int lastRandom;  // the draw that places the machine id
        int p;
    } cases[] = {{0, "56", 0, 1}, {12, "68", 48, 49}, {5, "61", 49 + 20, 21}, {1, "57", 32767, 36}};
    for (auto c : cases) {
        std::vector<int> draws(28 + 50, 36);  // "K" in a, "0" in b
        draws.push_back(c.lastRandom);
        ScriptedRandom random(draws);
        ShareFields fields;
        ASSERT_TRUE(MakeShareFields({c.trophy, kAdapter, 0}, random, md5, fields));
        EXPECT_EQ(fields.machineIdPosition, c.p);
        EXPECT_EQ(fields.field[0].substr(0, 30),
                  std::string(14, 'K') + c.number + std::string(14, 'K'));
        EXPECT_EQ(fields.field[0].substr(30, 62),
                  std::string(c.p, '0') + "001A2B3C4D5E" + std::string(50 - c.p, '0'));
        EXPECT_EQ(fields.field[1], std::to_string(2 * c.p));
        EXPECT_EQ(fields.field[5], "P0");
    }
}

TEST(TrophyShare, NoAddressOutsideTheTrophiesOrWithoutDigest) {
    TestMd5 md5;
    FailingMd5 failing;
    CRuntimeRandom random(1);
    EXPECT_EQ(ShareUrl(kSupportHost, {-1, kAdapter, 0}, random, md5), "");
    EXPECT_EQ(ShareUrl(kSupportHost, {13, kAdapter, 0}, random, md5), "");
    EXPECT_EQ(ShareUrl(kSupportHost, {0, kAdapter, 0}, random, failing), "");
    EXPECT_TRUE(ShareUrl(kSupportHost, {0, kAdapter, 0}, random, md5).starts_with(kSupportHost));
}

}  // namespace
}  // namespace tesh::option
