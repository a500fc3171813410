// Measures, does not test (run by hand): the configuration application's start until
// its window is first painted, against the smallest window program started the same
// way, and the time from the release of a click on Apply until the monitor has
// answered 1224 for one changed DPI level (the files written, Apply enabled again).
//   build/windows/wine-run.sh build/windows/bin/option_timing.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "option/option_names.h"
#include "tests/wine/option_app_test.h"

namespace tesh::test {
namespace {

constexpr int kRuns = 7;
constexpr POINT kPaintedPoint = {20, 20};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// Starts the program and returns the time until its window, found by its title, shows
// anything but the black screen under it.
double StartToFirstPaint(const std::string& program, const char* title) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = Quoted(program);
    const LARGE_INTEGER start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return -1;
    HDC screen = GetDC(nullptr);
    double elapsed = -1;
    WaitUntil([&] {
        HWND w = FindWindowA(nullptr, title);
        RECT r;
        if (!w || !IsWindowVisible(w) || !GetWindowRect(w, &r)) return false;
        if (GetPixel(screen, r.left + kPaintedPoint.x, r.top + kPaintedPoint.y) == RGB(0, 0, 0))
            return false;
        elapsed = Milliseconds(start, Now());
        return true;
    });
    ReleaseDC(nullptr, screen);
    if (HWND w = FindWindowA(nullptr, title)) PostMessageA(w, WM_CLOSE, 0, 0);
    WaitForSingleObject(info.hProcess, kConditionTimeoutMs);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return elapsed;
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.1f ms  min %7.1f  max %7.1f  (%zu runs)\n", what,
                times[times.size() / 2], times.front(), times.back(), times.size());
}

TEST_F(OptionAppTest, Timing) {
    std::vector<double> bare, option;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(StartToFirstPaint(Beside("bare_window.exe"), "Tesh bare window"));
        option.push_back(
            StartToFirstPaint(program_.File("TeshUlmaOpticalOption.exe"), option::kWindowTitle));
    }
    Report("start to first paint, bare window", bare);
    Report("start to first paint, configuration app", option);

    StartConnected();
    ASSERT_TRUE(app_.Start());
    std::vector<double> apply;
    const POINT applyButton = app_.At(option::layout::kApply);
    for (int i = 0; i < kRuns; ++i) {
        app_.input.Click(RowPoint(0, Centre(option::DpiRow::PresetRect(i % 2 ? 2 : 3))));
        const std::string marker = program_.File(kSlotFileOfSlot4);
        DeleteFileA(marker.c_str());
        app_.input.MoveTo(applyButton);
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &click[0], sizeof click[0]);
        Sleep(20);
        const LARGE_INTEGER released = Now();
        SendInput(1, &click[1], sizeof click[1]);
        HWND button = OptionProgram::WindowAt(applyButton);
        ASSERT_TRUE(WaitUntil([&] { return FileExists(marker) && IsWindowEnabled(button); }));
        apply.push_back(Milliseconds(released, Now()));
    }
    Report("Apply of one DPI level until 1224 answered", apply);
}

}  // namespace
}  // namespace tesh::test
