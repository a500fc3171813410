#include "option/trophy_share.h"

#include <cstddef>

namespace tesh::option {
namespace {

// String a: random letters around the two digits of the trophy's web number, which
// stand at a fixed place so that the service finds them.
constexpr std::size_t kPaddingLength = 30;
constexpr std::size_t kTrophyNumberAt = 14;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// String b: 50 characters of these 37 (the "0" twice), with the machine id inside.
constexpr std::size_t kNoiseLength = 50;
constexpr char kNoiseCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234567890";
constexpr int kFirstIdPosition = 1;
constexpr int kLastIdPosition = 49;

constexpr char kPathStart[] = "/frontend.en,1,trophy,";
constexpr char kPathEnd[] = ".dll";

char Pick(RandomSource& random, std::string_view characters) {
    return characters[static_cast<std::size_t>(random.Next()) % characters.size()];
}

std::string RandomText(RandomSource& random, std::size_t length, std::string_view characters) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += Pick(random, characters);
    return text;
}

// String c: the article number without its dashes, "QVA30418".
std::string ArticleText() {
    std::string text;
    for (char ch : std::string_view(kArticleNumber))
        if (ch != '-') text += ch;
    return text;
}

}  // namespace

int CRuntimeRandom::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
}

std::string MachineId(const std::array<uint8_t, 6>& adapter) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t byte : adapter) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string TimeZoneText(int hours) {
    return hours < 0 ? "M" + std::to_string(-hours) : "P" + std::to_string(hours);
}

int TimeZoneHoursFromBias(int biasMinutes) {
    return -biasMinutes / 60;
}

bool MakeShareFields(const ShareInputs& inputs, RandomSource& random, const Md5Port& md5,
                     ShareFields& fields) {
    if (inputs.trophy < 0 || inputs.trophy > kLastBrowsedTrophy) return false;
    std::string number = std::to_string(inputs.trophy + kTrophyWebNumberBase);
    std::string a = RandomText(random, kPaddingLength - number.size(), kLetters);
    a.insert(kTrophyNumberAt, number);

    std::string b = RandomText(random, kNoiseLength, kNoiseCharacters);
    int p = kFirstIdPosition + random.Next() % (kLastIdPosition - kFirstIdPosition + 1);
    b.insert(static_cast<std::size_t>(p), MachineId(inputs.adapter));

    std::string c = ArticleText();
    fields.machineIdPosition = p;
    fields.field[0] = a + b + c;
    fields.field[1] = std::to_string(2 * p);
    fields.field[2] = std::to_string(3 * c.size());
    fields.field[3] = std::to_string(4 * b.size());
    Md5Digest digest{};
    if (!md5.Digest(fields.field[0] + fields.field[1] + fields.field[2] + fields.field[3], digest))
        return false;
    fields.field[4] = HexDigits(digest);
    fields.field[5] = TimeZoneText(inputs.timeZoneHours);
    return true;
}

std::string SharePath(const ShareFields& fields) {
    std::string path = kPathStart;
    for (std::size_t i = 0; i < fields.field.size(); ++i) {
        if (i > 0) path += ',';
        path += fields.field[i];
    }
    return path + kPathEnd;
}

std::string ShareUrl(std::string_view host, const ShareInputs& inputs, RandomSource& random,
                     const Md5Port& md5) {
    ShareFields fields;
    if (!MakeShareFields(inputs, random, md5, fields)) return {};
    return std::string(host) + SharePath(fields);
}

}  // namespace tesh::option
