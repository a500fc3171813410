// Measures how the real monitor answers while its device worker waits for a mouse
// that answers busy (not a test: nothing is asserted): the time a 1226 from the
// configuration application takes, how soon an unplug stops the job, and how long the
// monitor takes to end.
//   wine-run.sh monitor_busy_timing.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "featlink/exchange_log.h"
#include "featlink/win/shared_mouse_mapping.h"
#include "monitor/program_names.h"
#include "tests/settings/test_dir.h"
#include "tests/wine/featlink_library.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/monitor_sampling.h"

namespace {

using namespace tesh;
using namespace tesh::test;

constexpr int kRefreshes = 20;
constexpr DWORD kRefreshGapMs = 200;
constexpr UINT kAnswerTimeoutMs = 60000;
constexpr char kFlashVariable[] = "TESH_VMOUSE_FLASH";

double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / perMs;
}

// The virtual mouse's log with the time of each line (GetTickCount64).
struct LogLine {
    uint64_t timeMs;
    std::string text;
};

std::vector<LogLine> MouseLog(vmouse::SharedMouseMapping& mapping) {
    std::vector<LogLine> lines;
    vmouse::SharedMouse* mouse = mapping.Lock();
    if (!mouse) return lines;
    const uint32_t size = vmouse::LogSize(mouse->device.log);
    for (uint32_t i = 0; i < size; ++i) {
        const vmouse::LogEntry& entry = vmouse::LogEntryAt(mouse->device.log, i);
        lines.push_back({entry.timeMs, vmouse::FormatLogEntry(entry)});
    }
    mapping.Unlock();
    return lines;
}

const LogLine* Find(const std::vector<LogLine>& lines, const std::string& start,
                    uint64_t notBefore = 0) {
    for (const LogLine& line : lines) {
        if (line.timeMs >= notBefore && line.text.rfind(start, 0) == 0) return &line;
    }
    return nullptr;
}

// Plugs the mouse in answering busy and waits until the read-all waits on it.
bool StartBusyReadAll(vmouse::SharedMouseMapping& mapping) {
    Vmouse("log --clear");
    Vmouse("fault busy 100000");
    Vmouse("plug");
    return WaitUntil([&] { return Find(MouseLog(mapping), "GET 04 03") != nullptr; });
}

}  // namespace

int main() {
    TestDir dir;
    const std::string instance = "busy" + std::to_string(GetCurrentProcessId());
    SetEnvironmentVariableA(vmouse::kInstanceVariable, instance.c_str());
    SetEnvironmentVariableA(kFlashVariable, dir.File("flash.bin").c_str());
    MonitorProgram program(dir.File("program") + "\\", Beside("option_stand_in.exe"));
    FeatlinkLibrary holder(Beside("featlink.dll"));
    if (!holder.loaded()) return std::puts("featlink.dll did not load"), 1;
    holder.openFeatureDevice();  // keeps the virtual mouse while the programs come and go
    vmouse::SharedMouseMapping mapping;
    Vmouse("plug");
    Vmouse("set firmware " + std::to_string(program.ImageVersion()));
    if (!program.Start()) return std::puts("the monitor did not start"), 1;
    if (!WaitUntil([&] { return Find(MouseLog(mapping), "SET 0e 03 01") != nullptr; })) {
        return std::puts("no first read-all"), 1;
    }

    Vmouse("unplug");
    if (!StartBusyReadAll(mapping)) return std::puts("the read-all did not start"), 1;
    std::vector<double> answers;
    for (int i = 0; i < kRefreshes; ++i) {
        const double start = NowMs();
        DWORD_PTR result = 0;
        SendMessageTimeoutA(program.window(), monitor::kRefreshMessage, 0, 0, SMTO_NORMAL,
                            kAnswerTimeoutMs, &result);
        answers.push_back(NowMs() - start);
        Sleep(kRefreshGapMs);
    }
    std::sort(answers.begin(), answers.end());
    std::printf("1226 during a busy read-all, %d times: median %.2f ms, longest %.2f ms\n",
                kRefreshes, answers[answers.size() / 2], answers.back());

    const uint64_t beforeUnplug = GetTickCount64();
    Vmouse("unplug");
    const uint64_t afterUnplug = GetTickCount64();
    const LogLine* stopped = nullptr;
    WaitUntil([&] {
        const auto lines = MouseLog(mapping);
        stopped = Find(lines, "SET 0e 03 01 failed", beforeUnplug);
        return stopped != nullptr;
    });
    if (stopped) {
        std::printf(
            "unplug to the end of the job: %llu ms after the unplug command ended (%llu ms "
            "after it began)\n",
            static_cast<unsigned long long>(stopped->timeMs -
                                            std::min(stopped->timeMs, afterUnplug)),
            static_cast<unsigned long long>(stopped->timeMs - beforeUnplug));
    } else {
        std::puts("the job did not end after the unplug");
    }

    if (!StartBusyReadAll(mapping)) return std::puts("the second read-all did not start"), 1;
    const double closing = NowMs();
    PostMessageA(program.window(), WM_CLOSE, 0, 0);
    const int exitCode = program.WaitForEnd();
    std::printf("the end with a busy read-all running: %.0f ms (exit code %d)\n", NowMs() - closing,
                exitCode);
    const auto lines = MouseLog(mapping);
    std::puts("the mouse's last exchanges:");
    for (std::size_t i = lines.size() - std::min<std::size_t>(lines.size(), 3); i < lines.size();
         ++i) {
        std::printf("  %s\n", lines[i].text.c_str());
    }

    // For comparison: the end of a monitor with nothing to do.
    Vmouse("fault clear");
    Vmouse("log --clear");
    if (!program.Start()) return std::puts("the monitor did not start again"), 1;
    if (!WaitUntil([&] { return Find(MouseLog(mapping), "SET 0e 03 01") != nullptr; })) {
        return std::puts("no read-all after the second start"), 1;
    }
    const double idleClosing = NowMs();
    PostMessageA(program.window(), WM_CLOSE, 0, 0);
    program.WaitForEnd();
    std::printf("the end of an idle monitor: %.0f ms\n", NowMs() - idleClosing);
    return 0;
}
