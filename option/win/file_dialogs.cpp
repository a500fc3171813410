#include "option/win/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

#include "option/option_names.h"
#include "option/win/late_bound.h"

namespace tesh::option {
namespace {

// "Name|*.ext|" as the dialog wants it: every '|' a terminator, one more at the end.
std::string DialogFilter(const char* filter) {
    std::string out(filter);
    for (char& c : out)
        if (c == '|') c = '\0';
    out.push_back('\0');
    return out;
}

std::optional<std::string> Ask(HWND owner, const char* filter, const char* extension,
                               const std::string& start, const std::string& folder, bool save) {
    const std::string filters = DialogFilter(filter);
    char path[MAX_PATH] = {};
    // The start may name a folder with an empty title ("config\.qfm"): the dialog
    // then opens in that folder with no name filled in.
    std::string::size_type slash = start.find_last_of('\\');
    std::string initialDir = folder;
    std::string name = start;
    if (slash != std::string::npos) {
        initialDir = start.substr(0, slash);
        name = start.substr(slash + 1);
    }
    if (!name.empty() && name.size() < MAX_PATH && name.front() != '.')
        name.copy(path, name.size());
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    // "*.qfm" names the extension the dialog adds: the part after the dot.
    const char* dot = extension ? std::strrchr(extension, '.') : nullptr;
    ofn.lpstrDefExt = dot ? dot + 1 : nullptr;
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    using Dialog = BOOL(WINAPI*)(OPENFILENAMEA*);
    const auto dialog =
        LateBound<Dialog>("comdlg32.dll", save ? "GetSaveFileNameA" : "GetOpenFileNameA");
    const BOOL chosen = dialog ? dialog(&ofn) : FALSE;
    if (!chosen) return std::nullopt;
    return std::string(path);
}

}  // namespace

std::optional<std::string> AskProfileToLoad(HWND owner, const std::string& start) {
    return Ask(owner, kProfileFilter, kProfileExtension, start, "", false);
}

std::optional<std::string> AskProfileToSave(HWND owner, const std::string& start) {
    return Ask(owner, kProfileFilter, kProfileExtension, start, "", true);
}

std::optional<std::string> AskProgram(HWND owner) {
    char desktop[MAX_PATH] = {};
    using FolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
    if (const auto folder = LateBound<FolderPath>("shell32.dll", "SHGetFolderPathA"))
        folder(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    return Ask(owner, kProgramFilter, nullptr, "", desktop, false);
}

}  // namespace tesh::option
