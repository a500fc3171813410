// The one virtual mouse of a machine: a SharedMouse in named shared memory, guarded by
// a named mutex, so that the monitor's featlink.dll, the upgrader's own copy of it and
// vmouse all act on the same mouse. The first process to take the mutex over empty
// memory sets the mouse up and loads its flash file; every lock that changed the flash
// saves the file before the mutex is released. Each process finds the flash file by
// itself (flash_file.h); nothing in the shared memory names a file.
//
// Both objects are for the current user alone; when an object of either name exists
// that another user owns, the mouse is not used at all and the library reports none.
//
// The environment variable TESH_VMOUSE_INSTANCE, when set, gives the objects names of
// their own: tests get a mouse that nothing else on the machine uses.
#pragma once

#include <windows.h>

#include <string>

#include "featlink/shared_mouse.h"

namespace tesh::vmouse {

constexpr char kMappingName[] = "Local\\TeshUlmaOptical_VirtualMouse";
constexpr char kMutexName[] = "Local\\TeshUlmaOptical_VirtualMouseLock";
constexpr char kInstanceVariable[] = "TESH_VMOUSE_INSTANCE";
// A call that cannot take the mouse within this time fails.
constexpr DWORD kLockTimeoutMs = 5000;

class SharedMouseMapping {
  public:
    SharedMouseMapping() = default;
    ~SharedMouseMapping() { Close(); }
    SharedMouseMapping(const SharedMouseMapping&) = delete;
    SharedMouseMapping& operator=(const SharedMouseMapping&) = delete;

    // Takes the mouse; null when it cannot be mapped or the mutex was not had in time.
    // Safe from any thread; the mapping is opened on first use.
    SharedMouse* Lock();
    // Saves the flash when it changed, then lets the next caller in.
    void Unlock();
    // Lets go of the shared objects (the mouse goes away with the last process).
    void Close();
    // The flash file of this process, "" for none; known once the mouse was taken.
    const std::string& flashPath() const { return flashPath_; }

  private:
    bool Open();
    bool CreateObjects();
    void SetUp(SharedMouse& mouse) const;

    SRWLOCK openLock_ = SRWLOCK_INIT;
    std::string flashPath_;
    bool flashPathKnown_ = false;
    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    SharedMouse* view_ = nullptr;
};

// Holds the mouse for one scope.
class MouseLock {
  public:
    explicit MouseLock(SharedMouseMapping& mapping) : mapping_(mapping), mouse_(mapping.Lock()) {}
    ~MouseLock() {
        if (mouse_) mapping_.Unlock();
    }
    MouseLock(const MouseLock&) = delete;
    MouseLock& operator=(const MouseLock&) = delete;
    SharedMouse* mouse() const { return mouse_; }

  private:
    SharedMouseMapping& mapping_;
    SharedMouse* mouse_;
};

}  // namespace tesh::vmouse
