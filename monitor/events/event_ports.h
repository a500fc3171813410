// What the device event handling asks of the platform, besides the ports the device
// core already has: key and mouse input, programs started by command line, the
// desktop's windows, the program in the foreground and the sounds. Quib device
// functions and tilt scrolling are reached through two ports whose default does
// nothing, for the Quib messages and the scrolling target search to fill.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_set.h"

namespace tesh::monitor {

// The mouse buttons of macro events 240..244, in that order.
enum class MouseButton { kLeft, kRight, kMiddle, kExtra2, kExtra1 };

// Input as if typed and clicked (keybd_event, mouse_event).
class InputPort {
  public:
    virtual ~InputPort() = default;
    virtual void Key(int virtualKey, int scanCode, bool up) = 0;
    virtual void Mouse(MouseButton button, bool up) = 0;
};

class ProgramRunner {
  public:
    virtual ~ProgramRunner() = default;
    // Runs a command line shown normally (WinExec); false when it did not start.
    virtual bool Run(const std::string& commandLine) = 0;
    // `text` with its %NAME% environment variables expanded.
    virtual std::string ExpandEnvironment(const std::string& text) = 0;
};

// A top-level window; 0 is none.
using WindowHandle = uintptr_t;

class DesktopWindows {
  public:
    virtual ~DesktopWindows() = default;
    // The window of this class and exact title; an empty string matches any.
    virtual WindowHandle Find(std::string_view className, std::string_view title) = 0;
    // The first top-level window of this class whose title contains `titlePart`.
    virtual WindowHandle FindContaining(std::string_view className, std::string_view titlePart) = 0;
    // With `attachInput` the foreground window's thread input is attached to ours for
    // the switch, as the system allows a switch only then.
    virtual void BringToForeground(WindowHandle window, bool attachInput) = 0;
    virtual void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // The monitor's own window.
    virtual WindowHandle Own() = 0;
};

class ForegroundProgram {
  public:
    virtual ~ForegroundProgram() = default;
    // File name and extension of the program that owns the foreground window; empty
    // when there is none.
    virtual std::string ExecutableName() = 0;
};

class SoundPort {
  public:
    virtual ~SoundPort() = default;
    // Plays a sound of the sound table at a volume step (SoundVolume of a profile).
    virtual void Play(int number, int soundVolume) = 0;
};

// A Quib device function (button codes 81..84) pressed or released: nothing yet.
class QuibFunctions {
  public:
    virtual ~QuibFunctions() = default;
    virtual void DeviceFunction(const ButtonRecord& /*button*/, uint8_t /*pressState*/) {}
};

// One tilt step, `steps` (TiltSpeed) times: nothing yet.
class TiltScrolling {
  public:
    virtual ~TiltScrolling() = default;
    virtual void Scroll(bool /*left*/, int /*steps*/) {}
};

}  // namespace tesh::monitor
