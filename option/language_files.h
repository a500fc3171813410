// The languages of the configuration application: the help library of each language
// index (the saved QuickHelpLan) and the name its language menu shows. The libraries
// lie in the program's help\ folder; an index outside the table, such as -1 before a
// language was chosen, gets English.
#pragma once

namespace tesh::option {

constexpr int kLanguageCount = 17;
constexpr int kEnglishLanguage = 1;

// File name of the language's help library, such as "English_help.dll".
const char* LanguageLibraryFile(int languageIndex);

// The language's own name in its own script, such as L"Deutsch".
const wchar_t* LanguageName(int languageIndex);

}  // namespace tesh::option
