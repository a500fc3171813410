// The device event dispatcher: every event code that the mouse reports (other than
// plug codes) becomes the host's part of it. Runs on the monitor's window thread,
// with the timers of the monitor window that the handling starts.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "monitor/device_ports.h"
#include "monitor/events/event_ports.h"
#include "monitor/events/feedback.h"
#include "monitor/events/key_combination.h"
#include "monitor/events/macro_player.h"
#include "monitor/events/media_players.h"
#include "monitor/host_ports.h"
#include "monitor/pointer_settings.h"
#include "monitor/quib_contacts.h"
#include "settings/keyboard_layout.h"
#include "settings/registry_port.h"
#include "settings/settings_store.h"

namespace tesh::monitor {

// Everything outlives the dispatcher.
struct EventPorts {
    SettingsSet& image;
    std::mutex& imageLock;  // the settings image's lock, held while the image is used
    SettingsBlock& block;
    SettingsStore& store;
    RegistryPort& registry;         // the user's mouse settings
    RegistryPort& machineRegistry;  // the machine-wide software keys of the players
    PointerSystem& pointer;
    LinkHost& host;  // timers, device jobs, the configuration application
    QuibPeers& quib;
    WindowPort& windows;
    DesktopWindows& desktop;
    InputPort& input;
    const KeyboardLayout& layout;
    ShellPort& shell;
    ProgramRunner& programs;
    SoundPort& sounds;
    Clock& clock;  // the short gaps between keys on the window thread
    ForegroundProgram& foreground;
    MacroPlayer& macros;
    QuibFunctions& quibFunctions;
    TiltScrolling& tilt;
};

class EventDispatcher {
  public:
    explicit EventDispatcher(const EventPorts& ports);

    // One event code: class in the high word, value in the low word (a its low byte,
    // b its high byte). Codes outside the conditions of their class do nothing.
    void Dispatch(uint32_t eventCode);
    // A monitor window timer; false when it is not one of the event handling's.
    bool OnTimer(int timer);
    // Makes `profile` the active one, on the mouse and in Windows.
    void SwitchToProfile(int profile);
    // Kills the feedback timers (at shutdown).
    void StopFeedback();
    // Lets go of every held key, stops the key repeat and asks a playing macro to stop
    // (the mouse was unplugged, or the monitor ends).
    void ReleaseHeldInput();

    const Feedback& feedback() const { return feedback_; }

  private:
    // Runs `use` under the image's lock, then the calls it deferred.
    template <typename Use>
    void WithImage(Use&& use) {
        {
            std::lock_guard lock(ports_.imageLock);
            use();
        }
        RunDeferred();
    }
    // A call that lets other programs' sent messages in (the system's pointer settings,
    // a program start, a message sent to a peer): kept until the lock is let go, as a
    // configuration message that comes in then takes the lock again.
    void Later(std::function<void()> call) { deferred_.push_back(std::move(call)); }
    void RunDeferred();

    void DispatchLocked(uint32_t eventClass, uint8_t a, uint8_t b);
    void HostButton(int slot, bool released);
    void RunProgram(int slot);
    void QuibFunction(int slot, uint8_t pressState);
    void TiltScroll(uint8_t a);
    void MacroRequest(int request);

    // mouse_changes.cpp
    void ProfileChanged(int value);
    void CpiLevelChanged(int value);
    void SensitivityChanged(uint8_t s, uint8_t t);
    void PollingRateChanged(int value);
    void VolumeFeedback(uint8_t a);
    void UsageEvent(uint32_t eventClass, uint16_t value);
    void AutomaticSwitch();
    void SwitchLocked(int profile);
    // The active profile's values into the registry, then the pointer settings.
    void ApplyProfileToWindows();
    void PostToOption(uint32_t message);

    EventPorts ports_;
    Feedback feedback_;
    KeyCombination keys_;
    MediaPlayers media_;
    std::vector<std::function<void()>> deferred_;
};

}  // namespace tesh::monitor
