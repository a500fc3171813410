// What the mouse's firmware does when one of its 18 buttons is pressed or released:
// it looks the button's function code up in the active profile, carries out what it
// can itself and reports the rest to the host as events.
#pragma once

#include "featlink/device_ports.h"
#include "featlink/device_state.h"

namespace tesh::vmouse {

// Buttons 0..8 are the normal layer, 9..17 their Quixshift twins (button k + 9 is the
// twin of k). While a button with the Quixshift function is held, pressing 0..8 acts
// as its twin. Both return false when the press or release is ignored: button out of
// range, already down (press) or not down (release).
bool PressButton(DeviceState& state, int button, EventSink& events);
bool ReleaseButton(DeviceState& state, int button, EventSink& events);

}  // namespace tesh::vmouse
