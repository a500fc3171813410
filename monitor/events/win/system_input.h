// Key and mouse input, programs, the foreground program and the machine's software
// keys on Windows.
#pragma once

#include "monitor/events/event_ports.h"
#include "settings/registry_port.h"

namespace tesh::monitor {

// keybd_event and mouse_event.
class SystemInput : public InputPort {
  public:
    void Key(int virtualKey, int scanCode, bool up) override;
    void Mouse(MouseButton button, bool up) override;
};

// WinExec shown normally, and ExpandEnvironmentStringsA.
class SystemPrograms : public ProgramRunner {
  public:
    bool Run(const std::string& commandLine) override;
    std::string ExpandEnvironment(const std::string& text) override;
};

// The executable of the foreground window's process, from a process snapshot.
class SnapshotForeground : public ForegroundProgram {
  public:
    std::string ExecutableName() override;
};

// HKEY_LOCAL_MACHINE, read only; the value name "" is a key's default value.
class MachineRegistry : public RegistryPort {
  public:
    bool Write(std::string_view key, std::string_view name, std::string_view value) override;
    std::optional<std::string> Read(std::string_view key, std::string_view name) override;
};

}  // namespace tesh::monitor
