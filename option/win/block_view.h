// The monitor's shared settings block as the configuration application sees it: the
// mapping and the mutex opened by name (never created: the monitor owns them). Objects
// of these names that another user owns are as good as none: their settings would be
// saved into the user's files.
#pragma once

#include <windows.h>

#include "option/app_ports.h"

namespace tesh::option {

class BlockView : public SharedBlockPort {
  public:
    BlockView() = default;
    ~BlockView() override { Close(); }
    BlockView(const BlockView&) = delete;
    BlockView& operator=(const BlockView&) = delete;

    Attach Open() override;
    bool opened() const override { return view_ != nullptr; }
    void* view() override { return view_; }
    bool Lock() override;
    void Unlock() override;
    // Unmaps the view and closes the mapping and the mutex.
    void Close();

  private:
    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* view_ = nullptr;
};

}  // namespace tesh::option
