// Names that the setup program gives the installation: the registry values, the Start
// menu entries and the uninstaller's file and switch. The build reads them from here
// into the NSIS script (installer/CMakeLists.txt), and the tests check them.
#pragma once

namespace tesh::setup {

inline constexpr char kProductName[] = "VORTAQ Tesh Ulma Optical";
inline constexpr char kPublisher[] = "VORTAQ";
// Under the user's local application data folder.
inline constexpr char kDefaultFolder[] = "Programs\\VORTAQ\\Tesh Ulma Optical";
inline constexpr char kUninstaller[] = "Uninstall.exe";
// The uninstaller's switch that removes the user's settings files as well.
inline constexpr char kRemoveSettingsSwitch[] = "/REMOVESETTINGS";
// The exit code of a setup or removal stopped because a program did not close.
inline constexpr int kExitProgramRunning = 3;

// HKEY_CURRENT_USER: the monitor's start at logon, and the installed-programs entry.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "VORTAQ Tesh Ulma Optical";
inline constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VORTAQ Tesh Ulma Optical";

// In the user's Start menu programs folder.
inline constexpr char kStartMenuFolder[] = "VORTAQ Tesh Ulma Optical";
inline constexpr char kOptionShortcut[] = "VORTAQ Tesh Ulma Optical.lnk";
inline constexpr char kUninstallShortcut[] = "Uninstall VORTAQ Tesh Ulma Optical.lnk";

}  // namespace tesh::setup
