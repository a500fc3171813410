#include "monitor/events/win/event_handling.h"

#include <windows.h>

namespace tesh::monitor {

WindowsEventHandling::WindowsEventHandling(const EventHandlingContext& context)
    : desktop_(context.window),
      sounds_(context.programDirectory, pages_, output_),
      thread_(context.postPlay),
      macros_(input_, layout_, macroClock_, thread_),
      scrollInput_(context.window),
      tilt_(windowTree_, scrollInput_),
      dispatcher_(EventPorts{context.image,
                             context.imageLock,
                             context.block,
                             context.store,
                             context.registry,
                             machine_,
                             context.pointer,
                             context.host,
                             context.quib,
                             context.windows,
                             desktop_,
                             input_,
                             layout_,
                             context.shell,
                             programs_,
                             sounds_,
                             context.clock,
                             foreground_,
                             macros_,
                             context.quibFunctions,
                             tilt_}) {}

// The player's thread runs above the others while it plays, so that its delays end
// when they should.
void WindowsEventHandling::PlayMacro() {
    HANDLE self = GetCurrentThread();
    const int priority = GetThreadPriority(self);
    SetThreadPriority(self, THREAD_PRIORITY_HIGHEST);
    macroClock_.BeginPrecise();
    macros_.Play();
    macroClock_.EndPrecise();
    SetThreadPriority(self, priority);
}

void WindowsEventHandling::Shutdown() {
    dispatcher_.ReleaseHeldInput();
    dispatcher_.StopFeedback();
    macros_.RequestStop();
    sounds_.Release();
}

}  // namespace tesh::monitor
