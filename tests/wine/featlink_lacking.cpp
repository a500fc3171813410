// A featlink.dll without GetFeature: the upgrader must bind none of it and send
// nothing. Each call of SetFeature is a line of lacking_calls.txt beside the library.
#include <windows.h>

#include <cstdio>
#include <string>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

void NoteCall() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
    std::string file(path);
    file = file.substr(0, file.find_last_of('\\') + 1) + "lacking_calls.txt";
    if (std::FILE* log = std::fopen(file.c_str(), "a")) {
        std::fputs("SetFeature\n", log);
        std::fclose(log);
    }
}

}  // namespace

extern "C" {
__declspec(dllexport) void Open_DevMonitor(HWND, UINT, UINT) {}
__declspec(dllexport) void Close_DevMonitor() {}
__declspec(dllexport) int Open_FeatureDevice() {
    return 1;
}
__declspec(dllexport) void Close_FeatureDevice() {}
__declspec(dllexport) int SetFeature(unsigned char*, int) {
    NoteCall();
    return 1;
}
__declspec(dllexport) int GetMousePID() {
    return 0;
}
}
