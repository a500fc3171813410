#include "tools/text_codec.h"

#include <cstdint>
#include <cstdio>

namespace tesh {

namespace {

// Code points of the bytes 0x80..0x9F.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr unsigned char kFirstHighControl = 0x80;
constexpr unsigned char kLastHighControl = 0x9F;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte that stands for code point `c`, or -1.
int AnsiByteOf(char32_t c) {
    if (c < kFirstHighControl || (c > kLastHighControl && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c) return kFirstHighControl + i;
    return -1;
}

// Decodes one UTF-8 sequence at `at`; false when it is malformed.
bool DecodeUtf8(std::string_view s, std::size_t& at, char32_t& c) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = byte(at);
    int extra = lead < 0x80           ? 0
                : (lead >> 5) == 0x6  ? 1
                : (lead >> 4) == 0xE  ? 2
                : (lead >> 3) == 0x1E ? 3
                                      : -1;
    if (extra < 0 || s.size() - at < static_cast<std::size_t>(extra) + 1) return false;
    c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        unsigned char next = byte(at + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) return false;
        c = (c << 6) | (next & 0x3F);
    }
    at += static_cast<std::size_t>(extra) + 1;
    return true;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char ch : ansi) {
        auto b = static_cast<unsigned char>(ch);
        bool control = b >= kFirstHighControl && b <= kLastHighControl;
        AppendUtf8(out, control ? kHighControls[b - kFirstHighControl] : b);
    }
    return out;
}

Status Utf8ToAnsi(std::string_view utf8, std::string& ansi) {
    ansi.clear();
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t c = 0;
        if (!DecodeUtf8(utf8, at, c)) return Status::Error("text is not valid UTF-8");
        int b = AnsiByteOf(c);
        if (b < 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            return Status::Error(std::string("character ") + code +
                                 " cannot be stored (profile texts are Windows-1252)");
        }
        ansi += static_cast<char>(b);
    }
    return Status::Ok();
}

}  // namespace tesh
