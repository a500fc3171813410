// A featlink.dll that lacks GetMousePID: the monitor must bind none of it.
#include <windows.h>

extern "C" {
__declspec(dllexport) void Open_DevMonitor(HWND, UINT, UINT) {}
__declspec(dllexport) void Close_DevMonitor() {}
__declspec(dllexport) int Open_FeatureDevice() {
    return 1;
}
__declspec(dllexport) void Close_FeatureDevice() {}
__declspec(dllexport) int SetFeature(unsigned char*, int) {
    return 1;
}
__declspec(dllexport) int GetFeature(unsigned char*, int) {
    return 1;
}
}
