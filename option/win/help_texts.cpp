#include "option/win/help_texts.h"

#include "option/language_files.h"
#include "skin/win/wide_text.h"

namespace tesh::option {
namespace {

constexpr char kHelpFolder[] = "help\\";

}  // namespace

bool HelpTexts::Load(const std::string& programDirectory, int languageIndex) {
    Free();
    const std::string path = programDirectory + kHelpFolder + LanguageLibraryFile(languageIndex);
    module_ = LoadLibraryExA(path.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    // Older systems know only the first flag.
    if (!module_) module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module_ != nullptr;
}

void HelpTexts::Free() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
}

std::string HelpTexts::Text(int id, std::string_view fallback) const {
    if (!module_) return std::string(fallback);
    // With a zero length LoadStringW hands out the resource's own read-only text.
    const wchar_t* text = nullptr;
    int length = LoadStringW(module_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return std::string(fallback);
    return skin::Narrow(std::wstring_view(text, static_cast<std::size_t>(length)));
}

}  // namespace tesh::option
