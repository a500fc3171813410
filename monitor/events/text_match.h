// Small text helpers of the event handling: fixed character fields read without
// passing their end, and comparisons that ignore case as file and program names do.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace tesh::monitor {

// The text of a fixed field, up to its first zero byte or its end.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

bool EqualNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view text, std::string_view part);

}  // namespace tesh::monitor
