// The shared settings block of the monitor: the named file mapping that holds one
// settings record and its named mutex, both for the current user only.
#pragma once

#include <windows.h>

#include "monitor/settings_block.h"

namespace tesh::monitor {

class BlockMapping : public BlockMemory {
  public:
    enum class MutexResult {
        kCreated,
        kAnotherMonitor,  // the user's own mutex exists: another monitor holds it
        kUnusable,        // another user's object has the name, or it cannot be made
    };

    BlockMapping() = default;
    ~BlockMapping() override { Close(); }
    BlockMapping(const BlockMapping&) = delete;
    BlockMapping& operator=(const BlockMapping&) = delete;

    MutexResult CreateMutexObject();
    // The mapping in the paging file, mapped read/write in full; false when the access
    // list, the mapping or the view cannot be made, or when a mapping of that name
    // exists that the current user does not own.
    bool CreateBlock();
    // Unmaps the view, closes the mapping and the mutex.
    void Close();

    void* view() override { return view_; }
    bool Lock() override;
    void Unlock() override;

  private:
    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
};

}  // namespace tesh::monitor
