// Texts cross the program as UTF-8 (hints, tooltips, language names) and are drawn
// with the wide-character functions, so every language shows in its own script
// whatever the system code page.
#pragma once

#include <string>
#include <string_view>

namespace tesh::skin {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace tesh::skin
