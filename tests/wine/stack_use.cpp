#include "tests/wine/stack_use.h"

#include <cstdint>

namespace tesh::test {

namespace {

constexpr std::size_t kThreadStack = 1024 * 1024;
constexpr std::size_t kPaintBytes = 256 * 1024;
constexpr std::size_t kFrameMargin = 1024;  // room for the painter's own frame
constexpr uint8_t kPaint = 0xA5;
constexpr DWORD kWaitMs = 30000;

struct Job {
    DWORD (*work)(void*);
    void* parameter;
    StackUse use;
};

// Paints downwards from `top`, so that guard pages are met in order.
__attribute__((noinline)) void Paint(volatile uint8_t* top) {
    for (std::size_t i = 1; i <= kPaintBytes; ++i) top[-static_cast<std::ptrdiff_t>(i)] = kPaint;
}

DWORD WINAPI Measured(LPVOID parameter) {
    Job& job = *static_cast<Job*>(parameter);
    auto* top = static_cast<volatile uint8_t*>(__builtin_frame_address(0)) - kFrameMargin;
    Paint(top);
    job.use.result = job.work(job.parameter);
    volatile uint8_t* bottom = top - kPaintBytes;
    std::size_t untouched = 0;
    while (untouched < kPaintBytes && bottom[untouched] == kPaint) ++untouched;
    job.use.bytes = kPaintBytes - untouched;
    job.use.ran = true;
    return 0;
}

}  // namespace

StackUse MeasureStackUse(DWORD (*work)(void*), void* parameter) {
    Job job{work, parameter, {}};
    HANDLE thread = CreateThread(nullptr, kThreadStack, Measured, &job,
                                 STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) return {};
    const bool ended = WaitForSingleObject(thread, kWaitMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return ended ? job.use : StackUse{};
}

}  // namespace tesh::test
