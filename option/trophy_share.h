// The address of the trophy share request: the maker's web service takes the trophy,
// the machine and the time zone in six comma-separated fields of one path, with a
// digest over the first four so that it can tell a made-up request.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "option/md5_port.h"
#include "option/support_addresses.h"

namespace tesh::option {

constexpr char kArticleNumber[] = "QVA-30-418";
constexpr int kTrophyWebNumberBase = 56;  // trophy t is number t + 56 on the service
constexpr int kLastBrowsedTrophy = 12;

// Random integers 0..32767, as the C library's rand gives them.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual int Next() = 0;
};

// The generator of the Windows C library: the same sequence for the same seed, and
// its state in the object instead of the library.
class CRuntimeRandom : public RandomSource {
  public:
    explicit CRuntimeRandom(uint32_t seed) : state_(seed) {}
    int Next() override;

  private:
    uint32_t state_;
};

struct ShareInputs {
    int trophy = 0;                    // the browsed trophy, 0..12
    std::array<uint8_t, 6> adapter{};  // the network adapter address
    int timeZoneHours = 0;             // local time minus UTC, whole hours
};

// The six fields of the path, in their order, and where the machine id went in b.
struct ShareFields {
    std::array<std::string, 6> field;
    int machineIdPosition = 0;  // p, 1..49
};

// "00A0C914C829": two upper-case hexadecimal digits per byte.
std::string MachineId(const std::array<uint8_t, 6>& adapter);
// "P2" two hours east of UTC, "M5" five hours west, "P0" at UTC.
std::string TimeZoneText(int hours);
// Whole hours of local time minus UTC from a Windows bias (UTC = local + bias, in
// minutes), cut toward zero.
int TimeZoneHoursFromBias(int biasMinutes);

// The fields for the inputs; false when the trophy is outside 0..12 or the digest
// cannot be made.
bool MakeShareFields(const ShareInputs& inputs, RandomSource& random, const Md5Port& md5,
                     ShareFields& fields);
// "/frontend.en,1,trophy,<f1>,<f2>,<f3>,<f4>,<f5>,<f6>.dll"
std::string SharePath(const ShareFields& fields);
// The host followed by the path; empty when the fields cannot be made.
std::string ShareUrl(std::string_view host, const ShareInputs& inputs, RandomSource& random,
                     const Md5Port& md5);

}  // namespace tesh::option
