// Profile texts are ANSI bytes (Windows-1252); JSON and the terminal want UTF-8. The
// bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which Windows-1252 leaves undefined, map to
// the code points of the same number, so every byte survives a round trip.
#pragma once

#include <string>
#include <string_view>

#include "tools/status.h"

namespace tesh {

std::string AnsiToUtf8(std::string_view ansi);
// Fails on text that is not UTF-8 or holds a character Windows-1252 cannot store.
Status Utf8ToAnsi(std::string_view utf8, std::string& ansi);

}  // namespace tesh
