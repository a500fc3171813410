// The configuration application's messages to the monitor window, carried out on the
// window thread: Apply (write the flagged changes, or restore the mouse's defaults),
// the refreshes, the sensor reports, and the two messages answered with 0. Each holds
// the settings image's lock only while it reads or changes the image.
#pragma once

#include <cstdint>
#include <optional>

#include "monitor/device_core.h"
#include "monitor/pointer_settings.h"
#include "monitor/quib_contacts.h"
#include "monitor/settings_block.h"
#include "settings/osd_settings.h"
#include "settings/settings_store.h"

namespace tesh::monitor {

struct ConfigPorts {
    DeviceCore& core;
    SettingsSet& image;
    SharedSettingsBlock& block;
    SettingsStore& store;
    OsdSettings& osd;
    WindowPort& windows;
    RegistryPort& registry;
    PointerSystem& pointer;
    QuibPeers& quib;
};

class ConfigMessages {
  public:
    explicit ConfigMessages(const ConfigPorts& ports) : ports_(ports) {}

    // The result of a message of the table; nullopt for any other message.
    std::optional<intptr_t> Handle(uint32_t message, uintptr_t wParam, intptr_t lParam);
    // The Windows pointer settings of the active profile (at start-up; after the
    // block's copy is taken with `refreshFirst`).
    void ApplyPointerSettings(bool refreshFirst = false);

  private:
    void Apply(uintptr_t wParam);
    void Refresh();

    ConfigPorts ports_;
};

}  // namespace tesh::monitor
