// The feature reports the monitor exchanges with the mouse: identifiers, lengths, status
// values, read selectors and the first pause of the wait that follows each write. Byte 0
// of every report buffer is its identifier.
#pragma once

#include <cstdint>

namespace tesh::monitor {

// Report identifiers.
constexpr uint8_t kStatusReport = 4;
constexpr uint8_t kActiveProfileReport = 5;
constexpr uint8_t kProfileSettingsReport = 6;
constexpr uint8_t kButtonReport = 7;
constexpr uint8_t kMacroReport = 8;
constexpr uint8_t kDeviceInfoReport = 9;
constexpr uint8_t kSensorImageReport = 12;
constexpr uint8_t kHostStateReport = 14;
constexpr uint8_t kSensorSettingsReport = 15;
constexpr uint8_t kLightControlReport = 16;
constexpr uint8_t kColourDatabaseReport = 26;

// Lengths in bytes, identifier included.
constexpr uint32_t kStatusLength = 3;
constexpr uint32_t kActiveProfileLength = 3;
constexpr uint32_t kProfileSettingsLength = 31;
constexpr uint32_t kButtonLength = 59;
constexpr uint32_t kMacroLength = 2082;
constexpr uint32_t kDeviceInfoLength = 6;
constexpr uint32_t kSensorScanLength = 4;      // the write that starts a scan
constexpr uint32_t kSensorImageLength = 1028;  // the read that returns the picture
constexpr uint32_t kHostStateLength = 3;
constexpr uint32_t kSensorSettingsLength = 6;
constexpr uint32_t kLightControlLength = 16;
constexpr uint32_t kColourDatabaseLength = 1029;

// Byte 1 of a status read.
constexpr uint8_t kStatusDone = 1;
constexpr uint8_t kStatusBusy = 3;  // any other value means the command failed

// Byte 2 of a status write: what the next read of report 6, 7 or 8 returns. The device
// button numbers 0..17 select the macro of that button.
constexpr uint8_t kSelectProfileSettings = 0x80;
constexpr uint8_t kSelectButtons = 0x90;

// First pause of the wait for ready after each kind of write, in milliseconds.
constexpr uint32_t kShortWaitMs = 100;   // status, active profile, settings, most others
constexpr uint32_t kButtonWaitMs = 500;  // button and macro reports
constexpr uint32_t kColourChunkWaitMs = 300;
constexpr uint32_t kNoFirstPauseMs = 0;  // after a sensor scan

// Commands of the device information report (byte 2 of its write).
constexpr uint8_t kRestoreDefaultsCommand = 11;

// Host states of report 14.
constexpr uint8_t kHostStateStopped = 0;
constexpr uint8_t kHostStateRunning = 1;  // written after every read-all

// The macro report's event area and names.
constexpr int kMacroNameBytes = 24;
constexpr uint32_t kMacroEventsOffset = 80;
constexpr uint32_t kMacroEventCountOffset = 78;

// The sensor picture: 30 x 30 bytes from byte 3 of the sensor image reply.
constexpr int kSensorSide = 30;
constexpr int kSensorPixels = kSensorSide * kSensorSide;
constexpr uint32_t kSensorImageOffset = 3;

// Colour database chunks: index in bytes 1..2, 1024 data bytes from byte 3.
constexpr uint32_t kColourChunkBytes = 1024;
constexpr uint32_t kColourChunkDataOffset = 3;

}  // namespace tesh::monitor
