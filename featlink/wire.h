// The feature reports of the mouse as they travel over the device link: identifiers,
// lengths, status values and read selectors. Byte 0 of every report is its identifier.
#pragma once

#include <cstdint>

namespace tesh::vmouse {

// Report identifiers.
constexpr uint8_t kReportStatus = 4;
constexpr uint8_t kReportActiveProfile = 5;
constexpr uint8_t kReportProfileSettings = 6;
constexpr uint8_t kReportButtons = 7;
constexpr uint8_t kReportMacro = 8;
constexpr uint8_t kReportDeviceInfo = 9;
constexpr uint8_t kReportSensorImage = 12;
constexpr uint8_t kReportHostState = 14;
constexpr uint8_t kReportSensorSettings = 15;
constexpr uint8_t kReportLightControl = 16;
constexpr uint8_t kReportColourDatabase = 26;
constexpr uint8_t kReportUpdateCommand = 0x1B;
constexpr uint8_t kReportUpdateStatus = 0x1C;

// Report lengths in bytes, identifier included.
constexpr uint32_t kStatusLength = 3;
constexpr uint32_t kActiveProfileLength = 3;
constexpr uint32_t kProfileSettingsLength = 31;
constexpr uint32_t kButtonsLength = 59;
constexpr uint32_t kMacroLength = 2082;
constexpr uint32_t kDeviceInfoLength = 6;
constexpr uint32_t kSensorScanLength = 4;      // the write that starts a scan
constexpr uint32_t kSensorImageLength = 1028;  // the read that returns the image
constexpr uint32_t kHostStateLength = 3;
constexpr uint32_t kSensorSettingsLength = 6;
constexpr uint32_t kLightControlLength = 16;
constexpr uint32_t kColourDatabaseLength = 1029;
constexpr uint32_t kUpdateCommandLength = 1026;
constexpr uint32_t kUpdateStatusLength = 3;

// Status values (byte 1 of a status read). Every value other than done, busy and
// resend means failure; the mouse uses two of them to say why.
constexpr uint8_t kStatusDone = 1;
constexpr uint8_t kStatusBadChecksum = 2;  // the written report's checksum did not match
constexpr uint8_t kStatusBusy = 3;
constexpr uint8_t kStatusResend = 4;   // update mode: send the same command again
constexpr uint8_t kStatusRefused = 5;  // bad length field, parameter or order

// Read selectors (byte 2 of a status write): what the next read of report 6, 7 or 8
// returns for the selected profile. 0..17 select the macro of that device button.
constexpr uint8_t kSelectProfileSettings = 0x80;
constexpr uint8_t kSelectButtons = 0x90;

constexpr int kDeviceProfiles = 5;
constexpr int kDeviceButtons = 18;
constexpr int kCpiLevelCount = 5;  // DPI levels of a profile
constexpr int kMacroEventsMax = 500;
constexpr int kMacroEventBytes = 4 * kMacroEventsMax;
constexpr int kMacroNameLength = 24;
constexpr uint32_t kMacroEventCountOffset = 78;  // little-endian event count in report 8

// Commands of the device information report (byte 2 of its write).
constexpr uint8_t kCommandRestoreDefaults = 11;

// Sensor image: 30 x 30 bytes from byte 3 of the reply.
constexpr int kSensorImageSide = 30;
constexpr uint32_t kSensorImageOffset = 3;

// Colour database chunks carry 1024 data bytes after the chunk index.
constexpr uint32_t kColourChunkBytes = 1024;

// Update mode sub-commands (byte 1 of the update command).
constexpr uint8_t kUpdateBegin = 0x00;
constexpr uint8_t kUpdateSize = 0x01;
constexpr uint8_t kUpdateErase = 0x02;
constexpr uint8_t kUpdateBlockHeader = 0x03;
constexpr uint8_t kUpdateBlockData = 0x04;
constexpr uint8_t kUpdateFinish = 0x0F;
constexpr uint8_t kUpdateEraseKey = 0xEC;  // byte 4 of the erase command
constexpr uint32_t kUpdateBlockBytes = 1024;
constexpr uint32_t kUpdateMaxBlocks = 200;
constexpr uint32_t kUpdateMaxImage = kUpdateBlockBytes * kUpdateMaxBlocks;

// The fixed bytes the update mode expects: 8 bytes at offset 4 of the begin command and
// 4 bytes at offset 8 of the size and block header commands. The upgrader sends these.
constexpr uint8_t kUpdateBeginSignature[8] = {'T', 'U', 'O', '-', 'D', 'F', 'U', '!'};
constexpr uint8_t kUpdateCommandSignature[4] = {'T', 'U', 'F', 'C'};

}  // namespace tesh::vmouse
