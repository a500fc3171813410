// The Quib records that are not about the mouse's own state: the Quixshift command a
// device-function button sends to the peer, and a peer's device registration (a
// WM_COPYDATA record from another program, so taken on no trust).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/device_info.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

// Button function codes of the Quib device functions and the commands they send.
constexpr uint8_t kQuixshiftCode = 81;         // 245, to the button's target device
constexpr uint8_t kQuixshiftLockCode = 82;     // 246, to the button's target device
constexpr uint8_t kAllQuixshiftCode = 83;      // 140, to every device
constexpr uint8_t kAllQuixshiftLockCode = 84;  // 141, to every device
constexpr uint16_t kAllQuibDevices = 0xFFFF;

constexpr std::size_t kQuixshiftRecordBytes = 10;
struct QuixshiftRecord {
    uint8_t command = 0;  // also the low word of the record's dwData
    std::array<uint8_t, kQuixshiftRecordBytes> bytes{};
};
// Vendor and product id, the command, the vendor id again, the target device and the
// press state (the high byte of the event value).
QuixshiftRecord BuildQuixshiftRecord(const ButtonRecord& button, uint8_t pressState);

// A peer's registration: vendor and product id, 20 wide characters of name, five CPI
// values; any other size is no registration.
constexpr std::size_t kQuibRegistrationBytes = 64;
constexpr std::size_t kQuibNameChars = 20;
struct QuibRegistration {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::u16string name;  // up to the first NUL, at most 20 characters
    std::array<int32_t, 5> cpi{};
};
std::optional<QuibRegistration> ParseQuibRegistration(const uint8_t* data, std::size_t size);

// Converts text to the system's ANSI code page.
using AnsiConverter = std::function<std::string(std::u16string_view)>;
// The name as it fits the device table's 20-byte field with its terminator: control
// characters dropped (they would break DeviceInfo.ini's lines), then as many whole
// characters as fit 19 bytes, so that a double-byte character is never cut in half.
std::string FitQuibDeviceName(std::u16string_view name, const AnsiConverter& toAnsi);

// The table entry of a registration; its name as FitQuibDeviceName gives it.
DeviceInfoEntry QuibDeviceEntry(const QuibRegistration& registration, const std::string& name);

}  // namespace tesh::monitor
