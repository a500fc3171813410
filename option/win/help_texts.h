// The language library of the chosen language: a resource-only DLL in "help\" whose
// string table holds the tooltip texts. It is loaded as data, never run. Without it
// the texts are the English ones of the layout strings.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tesh::option {

class HelpTexts {
  public:
    HelpTexts() = default;
    ~HelpTexts() { Free(); }
    HelpTexts(const HelpTexts&) = delete;
    HelpTexts& operator=(const HelpTexts&) = delete;

    // Frees the loaded library, then loads the one of the language; false when it is
    // missing (the fallbacks are used then).
    bool Load(const std::string& programDirectory, int languageIndex);
    void Free();
    bool loaded() const { return module_ != nullptr; }

    // The text of the string id as UTF-8, or `fallback` when the library lacks it.
    std::string Text(int id, std::string_view fallback) const;

  private:
    HMODULE module_ = nullptr;
};

}  // namespace tesh::option
