// The language help libraries as the configuration application loads them: each of the
// 17 files in the program folder's help\ loads as a data file and holds every tooltip
// text of its table, character for character, in the wide-character string table.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include "option/language_files.h"

namespace tesh::option {
namespace {

constexpr UINT kFirstTextId = 1001;
constexpr UINT kLastTextId = 1080;
constexpr UINT kApplyTextId = 1026;
constexpr int kJapanese = 6;
constexpr int kRussian = 9;
constexpr int kSimplifiedChinese = 10;
constexpr int kThai = 13;
constexpr int kTextBufferLength = 1024;

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), n);
    return wide;
}

// The folder of this test program, which is the build's program folder.
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring LibraryPath(int languageIndex) {
    return ProgramFolder() + L"help\\" + Widen(LanguageLibraryFile(languageIndex));
}

// The table the library of a language was made from (string id -> text).
std::map<UINT, std::wstring> SourceTable(int languageIndex) {
    std::string file = LanguageLibraryFile(languageIndex);
    file = file.substr(0, file.size() - std::strlen("_help.dll")) + ".txt";
    std::string path = std::string(TESH_HELP_TABLE_DIR) + "/" + file;
    if (path[0] == '/') path = "Z:" + path;  // Wine shows the Unix file system as Z:
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    std::map<UINT, std::wstring> table;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
        table[static_cast<UINT>(std::stoul(line.substr(0, tab)))] = Widen(line.substr(tab + 1));
    }
    return table;
}

// One help library loaded as the application loads it: as data, without running it.
class HelpLibrary {
  public:
    explicit HelpLibrary(int languageIndex)
        : module_(LoadLibraryExW(LibraryPath(languageIndex).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE)) {}
    ~HelpLibrary() {
        if (module_) FreeLibrary(module_);
    }
    HelpLibrary(const HelpLibrary&) = delete;
    HelpLibrary& operator=(const HelpLibrary&) = delete;

    bool loaded() const { return module_ != nullptr; }

    // The text of a string id; empty when the library lacks it.
    std::wstring Text(UINT id) const {
        wchar_t buffer[kTextBufferLength];
        const int n = LoadStringW(module_, id, buffer, kTextBufferLength);
        EXPECT_LT(n, kTextBufferLength - 1) << "text " << id << " cut short";
        return std::wstring(buffer, static_cast<size_t>(n > 0 ? n : 0));
    }

  private:
    HMODULE module_;
};

TEST(HelpLibraries, EveryLanguageHoldsEveryTextOfItsTable) {
    for (int language = 0; language < kLanguageCount; ++language) {
        SCOPED_TRACE(LanguageLibraryFile(language));
        HelpLibrary library(language);
        ASSERT_TRUE(library.loaded()) << "error " << GetLastError();
        const std::map<UINT, std::wstring> table = SourceTable(language);
        ASSERT_EQ(table.size(), kLastTextId - kFirstTextId + 1);
        for (UINT id = kFirstTextId; id <= kLastTextId; ++id) {
            const std::wstring text = library.Text(id);
            EXPECT_FALSE(text.empty()) << "text " << id;
            EXPECT_TRUE(text == table.at(id)) << "text " << id << " differs from the table";
        }
        EXPECT_TRUE(library.Text(kFirstTextId - 1).empty());
        EXPECT_TRUE(library.Text(kLastTextId + 1).empty());
    }
}

TEST(HelpLibraries, EnglishHasTheApplyTooltip) {
    HelpLibrary english(kEnglishLanguage);
    ASSERT_TRUE(english.loaded());
    EXPECT_TRUE(english.Text(kApplyTextId) == L"Apply the setting to the device");
}

TEST(HelpLibraries, TranslationsDifferFromEnglish) {
    HelpLibrary english(kEnglishLanguage);
    ASSERT_TRUE(english.loaded());
    for (int language = 0; language < kLanguageCount; ++language) {
        if (language == kEnglishLanguage) continue;
        SCOPED_TRACE(LanguageLibraryFile(language));
        HelpLibrary library(language);
        ASSERT_TRUE(library.loaded());
        for (UINT id : {1001u, kApplyTextId, 1045u, 1064u, 1079u}) {
            EXPECT_TRUE(library.Text(id) != english.Text(id)) << "text " << id;
        }
    }
}

// Written as escapes so that the expected texts do not pass through the same decoding
// as the tables.
TEST(HelpLibraries, NonLatinTextsArriveExactly) {
    struct Expected {
        int language;
        const wchar_t* applyText;
    };
    const Expected expected[] = {
        // 設定をデバイスに適用します
        {kJapanese,
         L"\u8a2d\u5b9a\u3092\u30c7\u30d0\u30a4\u30b9\u306b\u9069\u7528\u3057\u307e\u3059"},
        // Применить настройку к устройству
        {kRussian,
         L"\u041f\u0440\u0438\u043c\u0435\u043d\u0438\u0442\u044c \u043d\u0430\u0441\u0442\u0440"
         L"\u043e\u0439\u043a\u0443 \u043a \u0443\u0441\u0442\u0440\u043e\u0439\u0441\u0442\u0432"
         L"\u0443"},
        // นำการตั้งค่าไปใช้กับอุปกรณ์
        {kThai,
         L"\u0e19\u0e33\u0e01\u0e32\u0e23\u0e15\u0e31\u0e49\u0e07\u0e04\u0e48\u0e32\u0e44\u0e1b"
         L"\u0e43\u0e0a\u0e49\u0e01\u0e31\u0e1a\u0e2d\u0e38\u0e1b\u0e01\u0e23\u0e13\u0e4c"},
        // 将设置应用到设备
        {kSimplifiedChinese, L"\u5c06\u8bbe\u7f6e\u5e94\u7528\u5230\u8bbe\u5907"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(LanguageLibraryFile(e.language));
        HelpLibrary library(e.language);
        ASSERT_TRUE(library.loaded());
        EXPECT_TRUE(library.Text(kApplyTextId) == e.applyText);
    }
}

TEST(LanguageFiles, AnUnknownIndexGetsEnglish) {
    EXPECT_STREQ(LanguageLibraryFile(-1), "English_help.dll");
    EXPECT_STREQ(LanguageLibraryFile(1), "English_help.dll");
    EXPECT_STREQ(LanguageLibraryFile(kLanguageCount), "English_help.dll");
    EXPECT_STREQ(LanguageLibraryFile(0), "Danish_help.dll");
    EXPECT_STREQ(LanguageLibraryFile(10), "SimplChinese_help.dll");
    EXPECT_STREQ(LanguageLibraryFile(16), "Vietnamese_help.dll");
    EXPECT_TRUE(std::wstring(LanguageName(-1)) == L"English");
    EXPECT_TRUE(std::wstring(LanguageName(4)) == L"Deutsch");
    EXPECT_TRUE(std::wstring(LanguageName(6)) == L"\u65e5\u672c\u8a9e");  // 日本語
}

TEST(LanguageFiles, EachLanguageHasItsOwnFileAndName) {
    for (int a = 0; a < kLanguageCount; ++a) {
        for (int b = a + 1; b < kLanguageCount; ++b) {
            EXPECT_STRNE(LanguageLibraryFile(a), LanguageLibraryFile(b));
            EXPECT_TRUE(std::wstring(LanguageName(a)) != LanguageName(b)) << a << " " << b;
        }
    }
}

}  // namespace
}  // namespace tesh::option
