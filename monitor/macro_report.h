// The macro report (8): one button's macro with its names and up to 500 events.
#pragma once

#include <array>
#include <cstdint>

#include "monitor/report_format.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

using MacroBytes = std::array<uint8_t, kMacroLength>;

// The macro of `button`'s area as device button `deviceButton` of `profile`. An event
// count above 500 (a damaged record) is sent as 500; events past the count are zeros.
MacroBytes BuildMacroReport(const ButtonRecord& button, int profile, int deviceButton);

// Stores a macro reply into a button area: its button number, function code 48, the
// repeat count, the three names and the events. A reply whose checksum does not match,
// that claims more than 500 events (more than its event area holds), or that is not
// the macro of the profile and device button asked for (another thread's answer, or a
// confused mouse) is refused whole: false, and the area is unchanged.
bool ParseMacroReport(const MacroBytes& reply, int profile, int deviceButton, ButtonRecord& button);

}  // namespace tesh::monitor
