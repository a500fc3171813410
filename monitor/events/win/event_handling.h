// The device event handling as the monitor program runs it: the dispatcher with its
// Windows adapters, the spoken sounds and the macro player. The monitor window hands
// it every event code and timer, and its macro player thread plays what it prepares.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "monitor/events/event_dispatcher.h"
#include "monitor/events/macro_player.h"
#include "monitor/events/sound_player.h"
#include "monitor/events/tilt_scroller.h"
#include "monitor/events/win/desktop_windows.h"
#include "monitor/events/win/macro_clock.h"
#include "monitor/events/win/sound_output.h"
#include "monitor/events/win/system_input.h"
#include "monitor/events/win/tilt_windows.h"
#include "settings/win/windows_keyboard_layout.h"

namespace tesh::monitor {

// What the monitor window lends; everything outlives the event handling.
struct EventHandlingContext {
    SettingsSet& image;
    std::mutex& imageLock;
    SettingsBlock& block;
    SettingsStore& store;
    RegistryPort& registry;
    PointerSystem& pointer;
    LinkHost& host;
    QuibPeers& quib;
    QuibFunctions& quibFunctions;
    WindowPort& windows;
    ShellPort& shell;
    Clock& clock;
    std::string programDirectory;
    WindowHandle window;
    // Posts the play message to the macro player thread; false when it is not running.
    std::function<bool()> postPlay;
};

class WindowsEventHandling {
  public:
    explicit WindowsEventHandling(const EventHandlingContext& context);

    void Dispatch(uint32_t eventCode) { dispatcher_.Dispatch(eventCode); }
    // False for a timer that is not the event handling's.
    bool OnTimer(int timer) { return dispatcher_.OnTimer(timer); }
    // On the macro player thread, for its message.
    void PlayMacro();
    // The mouse went away: held keys go up, a playing macro stops.
    void ReleaseHeldInput() { dispatcher_.ReleaseHeldInput(); }
    // Before the macro player thread is stopped: held keys go up, the feedback timers,
    // the macro and the sound stop, the sound buffer goes.
    void Shutdown();

    const EventDispatcher& dispatcher() const { return dispatcher_; }

  private:
    class PostingThread : public MacroThread {
      public:
        explicit PostingThread(std::function<bool()> post) : post_(std::move(post)) {}
        bool PostPlay() override { return post_ && post_(); }

      private:
        std::function<bool()> post_;
    };

    SystemInput input_;
    SystemPrograms programs_;
    SnapshotForeground foreground_;
    MachineRegistry machine_;
    SystemDesktop desktop_;
    WindowsKeyboardLayout layout_;
    LockedPages pages_;
    SystemSoundOutput output_;
    SoundPlayer sounds_;
    HighResolutionClock macroClock_;
    PostingThread thread_;
    MacroPlayer macros_;
    SystemWindowTree windowTree_;
    SystemScrollInput scrollInput_;
    TiltScroller tilt_;
    EventDispatcher dispatcher_;
};

}  // namespace tesh::monitor
