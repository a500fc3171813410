#include "monitor/events/win/sound_output.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

namespace tesh::monitor {

std::size_t LockedPages::PageSize() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

void* LockedPages::Allocate(std::size_t bytes) {
    void* pages = VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (pages) VirtualLock(pages, bytes);
    return pages;
}

void LockedPages::Release(void* pages, std::size_t bytes) {
    VirtualUnlock(pages, bytes);
    VirtualFree(pages, 0, MEM_RELEASE);
}

void SystemSoundOutput::Stop() {
    PlaySoundA(nullptr, nullptr, SND_PURGE);
}

void SystemSoundOutput::PlayFromMemory(const uint8_t* file, std::size_t) {
    PlaySoundA(reinterpret_cast<LPCSTR>(file), nullptr, SND_MEMORY | SND_ASYNC | SND_NOWAIT);
}

}  // namespace tesh::monitor
