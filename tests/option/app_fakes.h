// Fakes of the configuration application's ports: a block in memory whose mutex can
// fail, a monitor that keeps what it was sent (and what the block held then), and the
// double-click time.
#pragma once

#include <cstring>
#include <memory>
#include <vector>

#include "option/app_ports.h"
#include "settings/settings_set.h"

namespace tesh::option::test {

class FakeBlock : public SharedBlockPort {
  public:
    FakeBlock() : data(std::make_unique<SettingsSet>()) { Clear(*data); }
    Attach Open() override {
        if (present && !unmappable) opened_ = true;
        if (opened_) return Attach::kAttached;
        return unmappable ? Attach::kUnmappable : Attach::kAbsent;
    }
    bool opened() const override { return opened_; }
    void* view() override { return opened_ ? data.get() : nullptr; }
    bool Lock() override {
        ++locks;
        return !lockFails;
    }
    void Unlock() override { ++unlocks; }

    std::unique_ptr<SettingsSet> data;
    bool present = true;
    bool unmappable = false;
    bool lockFails = false;
    int locks = 0, unlocks = 0;

  private:
    bool opened_ = false;
};

class FakeMonitor : public MonitorPort {
  public:
    explicit FakeMonitor(FakeBlock& block) : block_(block) {}
    struct Sent {
        uint32_t message;
        uintptr_t wParam;
        std::shared_ptr<SettingsSet> block;  // the block when the message arrived
    };
    bool Send(uint32_t message, uintptr_t wParam) override {
        if (!running) return false;
        auto copy = std::make_shared<SettingsSet>(*block_.data);
        sent.push_back({message, wParam, copy});
        // The monitor writes the flagged changes to the mouse and clears the flags.
        ClearChangeFlags(*block_.data);
        return true;
    }
    std::vector<Sent> sent;
    bool running = true;

  private:
    FakeBlock& block_;
};

class FakeDoubleClick : public DoubleClickPort {
  public:
    int Get() override { return time; }
    void Set(int milliseconds) override {
        time = milliseconds;
        ++sets;
    }
    int time = 500;
    int sets = 0;
};

}  // namespace tesh::option::test
