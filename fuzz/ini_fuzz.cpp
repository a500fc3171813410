// INI text as any file of the program directory may hold it: parsed, read by string,
// integer and struct of every block size the programs use, changed by one write,
// written out and parsed again. What must hold for any text is checked.
//
// The text after the input's last NUL byte, when there is one, chooses the write:
// section, key and value separated by \x01 (without it, [Setting] ProFileName gets the
// input's first line).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "settings/ini_document.h"
#include "settings/ini_file.h"
#include "settings/struct_codec.h"

namespace tesh {
namespace {

constexpr std::size_t kStructSizes[] = {5, 108, 344, 2532};
constexpr char kFieldSeparator = '\x01';
constexpr uint8_t kUntouched = 0xA5;
constexpr std::size_t kMaxSectionsRead = 8;

struct Entry {
    std::string section;
    std::string key;
};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsIniSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniSpace(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view CutAtLineBreak(std::string_view v) {
    return v.substr(0, std::min(v.size(), v.find_first_of("\r\n")));
}

std::string_view CutAt(std::string_view v, char c) {
    return v.substr(0, std::min(v.size(), v.find(c)));
}

// A name that a write can put into a line and a read find again.
bool PlainKey(std::string_view k) {
    return k.find_first_of("=\r\n") == std::string_view::npos && Trim(k) == k &&
           (k.empty() || (k.front() != '[' && k.front() != ';'));
}
bool PlainSection(std::string_view s) {
    return s.find_first_of("]\r\n") == std::string_view::npos && Trim(s) == s;
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The write the input asks for.
struct Write {
    std::string section = "Setting";
    std::string key = "ProFileName";
    std::string value;
};

Write WriteOf(std::string_view text) {
    Write w;
    std::size_t nul = text.rfind('\0');
    if (nul == std::string_view::npos) {
        w.value = std::string(CutAtLineBreak(text));
        return w;
    }
    std::string_view control = text.substr(nul + 1);
    std::size_t a = control.find(kFieldSeparator);
    std::size_t b = a == std::string_view::npos ? a : control.find(kFieldSeparator, a + 1);
    if (b == std::string_view::npos) {
        w.value = std::string(control);
        return w;
    }
    // Section and key names are the programs' own constants, never more than a line.
    w.section = std::string(CutAt(control.substr(0, a), '\n'));
    w.key = std::string(CutAt(control.substr(a + 1, b - a - 1), '\n'));
    w.value = std::string(control.substr(b + 1));
    return w;
}

// The entries read: the program's own struct keys, and the written key in the first
// sections of the file.
std::vector<Entry> EntriesOf(const IniDocument& doc, const Write& w) {
    std::vector<Entry> entries = {{"Setting", "InfoData"},       {"OSDSetting", "config"},
                                  {"Setting", "LightInfo0"},     {"Setting", "MacroKeyInfo5"},
                                  {"Setting", "CurrentProfile"}, {w.section, w.key}};
    std::vector<std::string> sections = doc.SectionNames();
    for (std::size_t i = 0; i < sections.size() && i < kMaxSectionsRead; ++i)
        entries.push_back({sections[i], w.key});
    return entries;
}

void CheckStructRead(const IniDocument& doc, const Entry& e, std::size_t size) {
    std::vector<uint8_t> buffer(size, kUntouched);
    bool ok = IniReadStruct(doc, e.section, e.key, buffer.data(), size);
    if (!ok) {
        TESH_FUZZ_CHECK(
            std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == kUntouched; }));
        return;
    }
    std::optional<std::string> text = doc.Get(e.section, e.key);
    TESH_FUZZ_CHECK(text && text->size() == 2 * size + 2);
    TESH_FUZZ_CHECK(EncodeStruct(buffer.data(), size) == Upper(*text));
}

void CheckReads(const IniDocument& doc, const std::vector<Entry>& entries) {
    for (const Entry& e : entries) {
        std::optional<std::string> value = doc.Get(e.section, e.key);
        std::string s = IniReadString(doc, e.section, e.key, "-");
        TESH_FUZZ_CHECK(s.size() <= kMaxIniString);
        TESH_FUZZ_CHECK(value || s == "-");
        if (!value) TESH_FUZZ_CHECK(IniReadInt(doc, e.section, e.key, 12345) == 12345);
        for (std::size_t size : kStructSizes) CheckStructRead(doc, e, size);
    }
}

// Blocks of every size from the input's bytes: encoding and decoding undo each other,
// in either case of the digits, and one changed digit fails the checksum.
void CheckCodec(std::string_view text) {
    for (std::size_t size : kStructSizes) {
        std::vector<uint8_t> block(size, 0);
        for (std::size_t i = 0; i < size && !text.empty(); ++i)
            block[i] = static_cast<uint8_t>(text[i % text.size()]);
        std::string encoded = EncodeStruct(block.data(), size);
        TESH_FUZZ_CHECK(encoded.size() == 2 * size + 2);
        std::vector<uint8_t> decoded(size, kUntouched);
        TESH_FUZZ_CHECK(DecodeStruct(encoded, decoded.data(), size) && decoded == block);
        std::fill(decoded.begin(), decoded.end(), kUntouched);
        TESH_FUZZ_CHECK(DecodeStruct(Lower(encoded), decoded.data(), size) && decoded == block);
        std::size_t at = text.size() % encoded.size();
        encoded[at] = encoded[at] == '0' ? '7' : '0';
        TESH_FUZZ_CHECK(!DecodeStruct(encoded, decoded.data(), size));
    }
}

// One write changes its own entry and no other; the value reads back as the reader
// sees it.
void CheckWrite(IniDocument& doc, const Write& w, const std::vector<Entry>& entries) {
    std::vector<std::optional<std::string>> before;
    for (const Entry& e : entries) before.push_back(doc.Get(e.section, e.key));
    IniWriteString(doc, w.section, w.key, w.value);
    bool plain = PlainSection(w.section) && PlainKey(w.key);
    if (plain) {
        std::string expected(CutAtLineBreak(w.value));
        expected.resize(std::min(expected.size(), kMaxIniString));
        TESH_FUZZ_CHECK(IniReadString(doc, w.section, w.key, "") == expected);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        bool same = EqualsIgnoreCase(e.section, w.section) && EqualsIgnoreCase(e.key, w.key);
        if (plain && !same) TESH_FUZZ_CHECK(doc.Get(e.section, e.key) == before[i]);
    }
    int number = IniReadInt(doc, w.section, w.key, -1);
    IniWriteInt(doc, "FuzzSection", "FuzzInt", number);
    TESH_FUZZ_CHECK(IniReadInt(doc, "FuzzSection", "FuzzInt", 0) == number);
    std::vector<uint8_t> block(kStructSizes[1]);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<uint8_t>(w.value.empty() ? i : w.value[i % w.value.size()]);
    IniWriteStruct(doc, "FuzzSection", "FuzzStruct", block.data(), block.size());
    std::vector<uint8_t> read(block.size());
    TESH_FUZZ_CHECK(IniReadStruct(doc, "FuzzSection", "FuzzStruct", read.data(), read.size()));
    TESH_FUZZ_CHECK(read == block);
}

// Writing out and parsing again gives the same text and the same values.
void CheckReparse(const IniDocument& doc, const std::vector<Entry>& entries) {
    std::string once = doc.Serialize();
    IniDocument again = IniDocument::Parse(once);
    TESH_FUZZ_CHECK(again.Serialize() == once);
    TESH_FUZZ_CHECK(again.SectionNames() == doc.SectionNames());
    for (const Entry& e : entries)
        TESH_FUZZ_CHECK(again.Get(e.section, e.key) == doc.Get(e.section, e.key));
}

}  // namespace
}  // namespace tesh

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::Parse(text);
    Write w = WriteOf(text);
    std::vector<Entry> entries = EntriesOf(doc, w);
    CheckReads(doc, entries);
    CheckReparse(doc, entries);
    CheckCodec(text);
    CheckWrite(doc, w, entries);
    CheckReads(doc, entries);
    CheckReparse(doc, entries);
    return 0;
}
