#include "option/language_files.h"

namespace tesh::option {
namespace {

struct Language {
    const char* libraryFile;
    const wchar_t* name;
};

// In the order of the language index. Names are written with escapes so that they do
// not depend on the compiler's source character set.
constexpr Language kLanguages[kLanguageCount] = {
    {"Danish_help.dll", L"Dansk"},
    {"English_help.dll", L"English"},
    {"Finnish_help.dll", L"Suomi"},
    {"French_help.dll", L"Fran\u00e7ais"},  // Français
    {"German_help.dll", L"Deutsch"},
    {"Italian_help.dll", L"Italiano"},
    {"Japanese_help.dll", L"\u65e5\u672c\u8a9e"},  // 日本語
    {"Korean_help.dll", L"\ud55c\uad6d\uc5b4"},    // 한국어
    {"Polish_help.dll", L"Polski"},
    {"Russian_help.dll", L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},  // Русский
    {"SimplChinese_help.dll", L"\u7b80\u4f53\u4e2d\u6587"},               // 简体中文
    {"Spanish_help.dll", L"Espa\u00f1ol"},                                // Español
    {"Swedish_help.dll", L"Svenska"},
    {"Thai_help.dll", L"\u0e44\u0e17\u0e22"},               // ไทย
    {"TradChinese_help.dll", L"\u7e41\u9ad4\u4e2d\u6587"},  // 繁體中文
    {"Turkish_help.dll", L"T\u00fcrk\u00e7e"},              // Türkçe
    {"Vietnamese_help.dll", L"Ti\u1ebfng Vi\u1ec7t"},       // Tiếng Việt
};

const Language& LanguageOf(int languageIndex) {
    const bool known = languageIndex >= 0 && languageIndex < kLanguageCount;
    return kLanguages[known ? languageIndex : kEnglishLanguage];
}

}  // namespace

const char* LanguageLibraryFile(int languageIndex) {
    return LanguageOf(languageIndex).libraryFile;
}

const wchar_t* LanguageName(int languageIndex) {
    return LanguageOf(languageIndex).name;
}

}  // namespace tesh::option
