// The file dialogs of the profile commands and the profile dialog's browse buttons.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tesh::option {

// An existing profile file to load; nullopt when the user cancels.
std::optional<std::string> AskProfileToLoad(HWND owner, const std::string& start);
// Where to save the profile; the dialog asks before replacing a file.
std::optional<std::string> AskProfileToSave(HWND owner, const std::string& start);
// A program, starting on the desktop.
std::optional<std::string> AskProgram(HWND owner);

}  // namespace tesh::option
