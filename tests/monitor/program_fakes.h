// Fakes of the monitor program's ports: the block's memory and mutex, windows that
// record every post, the system's pointer settings and the Quib peers.
#pragma once

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "monitor/host_ports.h"
#include "monitor/pointer_settings.h"
#include "monitor/quib_contacts.h"
#include "monitor/settings_block.h"

namespace tesh::monitor::test {

class FakeBlockMemory : public BlockMemory {
  public:
    FakeBlockMemory() { std::memset(block.get(), 0, sizeof(SettingsSet)); }
    void* view() override { return present ? block.get() : nullptr; }
    bool Lock() override {
        if (lockFails) return false;
        ++locks;
        return true;
    }
    void Unlock() override { --locks; }

    std::unique_ptr<SettingsSet> block = std::make_unique<SettingsSet>();
    bool present = true;
    bool lockFails = false;
    int locks = 0;  // held now
};

struct RecordedPost {
    std::string title;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

class RecordingWindows : public WindowPort {
  public:
    bool PostToWindow(std::string_view title, uint32_t message, uintptr_t wParam,
                      intptr_t lParam) override {
        posts.push_back({std::string(title), message, wParam, lParam});
        return true;
    }
    bool CloseWindow(std::string_view title) override {
        posts.push_back({std::string(title), 0, 0, 0});
        return true;
    }
    std::vector<RecordedPost> posts;  // a close is message 0
};

class FakePointerSystem : public PointerSystem {
  public:
    void SetDoubleClickTime(int milliseconds) override {
        doubleClickTime = milliseconds;
        Call("DoubleClickTime", milliseconds);
        if (whileTelling) whileTelling();
    }
    void SetMouse(int threshold1, int threshold2, int speed) override {
        Call("Mouse", threshold1, threshold2, speed);
    }
    void SetMouseSpeed(int speed) override { Call("MouseSpeed", speed); }
    void SetWheelScrollLines(int lines) override { Call("WheelScrollLines", lines); }
    void SetWheelScrollChars(int characters) override { Call("WheelScrollChars", characters); }
    void SetMouseTrails(int trails) override { Call("MouseTrails", trails); }

    int doubleClickTime = 0;
    std::vector<std::string> calls;
    // Runs while the system is told, as the messages it lets in would.
    std::function<void()> whileTelling;

  private:
    template <typename... Values>
    void Call(const char* name, Values... values) {
        std::string text = name;
        ((text += " " + std::to_string(values)), ...);
        calls.push_back(text);
    }
};

class FakeQuib : public QuibPeers {
  public:
    void SendDeviceStatus(bool connected) override {
        calls.push_back(connected ? "DeviceStatus connected" : "DeviceStatus removed");
    }
    void SendQuixAimCpi() override {
        calls.push_back("SendQuixAimCpi");
        if (whileSending) whileSending();
    }
    void PublishStatus() override { calls.push_back("PublishStatus"); }
    std::vector<std::string> calls;
    // Runs while the record is sent, as the messages the peer's answer lets in would.
    std::function<void()> whileSending;
};

}  // namespace tesh::monitor::test
