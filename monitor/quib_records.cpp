#include "monitor/quib_records.h"

#include <algorithm>
#include <cstring>

#include "monitor/quib_contacts.h"

namespace tesh::monitor {

namespace {

constexpr uint8_t kQuixshiftCommand = 245;
constexpr uint8_t kQuixshiftLockCommand = 246;
constexpr uint8_t kAllQuixshiftCommand = 140;
constexpr uint8_t kAllQuixshiftLockCommand = 141;
constexpr std::size_t kFieldBytes = sizeof(DeviceInfoEntry::Name);

template <std::size_t N>
void Put16(std::array<uint8_t, N>& bytes, std::size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

uint32_t Get32(const uint8_t* data) {
    return static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
           static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
}

bool IsControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}

}  // namespace

QuixshiftRecord BuildQuixshiftRecord(const ButtonRecord& button, uint8_t pressState) {
    QuixshiftRecord record;
    uint16_t target = static_cast<uint16_t>(button.targetId);
    switch (button.code) {
        case kQuixshiftCode:
            record.command = kQuixshiftCommand;
            break;
        case kQuixshiftLockCode:
            record.command = kQuixshiftLockCommand;
            break;
        case kAllQuixshiftCode:
            record.command = kAllQuixshiftCommand;
            target = kAllQuibDevices;
            break;
        case kAllQuixshiftLockCode:
            record.command = kAllQuixshiftLockCommand;
            target = kAllQuibDevices;
            break;
        default:
            break;
    }
    Put16(record.bytes, 0, kQuibVendorId);
    Put16(record.bytes, 2, kQuibProductId);
    record.bytes[4] = record.command;
    Put16(record.bytes, 5, kQuibVendorId);
    Put16(record.bytes, 7, target);
    record.bytes[9] = pressState;
    return record;
}

std::optional<QuibRegistration> ParseQuibRegistration(const uint8_t* data, std::size_t size) {
    if (data == nullptr || size != kQuibRegistrationBytes) return std::nullopt;
    QuibRegistration registration;
    registration.vendorId = static_cast<uint16_t>(data[0] | data[1] << 8);
    registration.productId = static_cast<uint16_t>(data[2] | data[3] << 8);
    for (std::size_t i = 0; i < kQuibNameChars; ++i) {
        const auto c = static_cast<char16_t>(data[4 + 2 * i] | data[5 + 2 * i] << 8);
        if (c == 0) break;
        registration.name.push_back(c);
    }
    for (std::size_t level = 0; level < registration.cpi.size(); ++level) {
        registration.cpi[level] = static_cast<int32_t>(Get32(data + 44 + 4 * level));
    }
    return registration;
}

std::string FitQuibDeviceName(std::u16string_view name, const AnsiConverter& toAnsi) {
    std::u16string kept;
    std::string fitted;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (IsControl(name[i])) continue;
        // A surrogate pair is one character.
        const std::size_t length =
            IsHighSurrogate(name[i]) && i + 1 < name.size() ? std::size_t{2} : std::size_t{1};
        std::u16string longer = kept + std::u16string(name.substr(i, length));
        std::string converted = toAnsi(longer);
        if (converted.size() > kFieldBytes - 1) break;
        // Whatever the code page made of it, no line break reaches the file.
        if (std::any_of(converted.begin(), converted.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
            i += length - 1;
            continue;
        }
        kept = std::move(longer);
        fitted = std::move(converted);
        i += length - 1;
    }
    return fitted;
}

DeviceInfoEntry QuibDeviceEntry(const QuibRegistration& registration, const std::string& name) {
    DeviceInfoEntry entry{};
    entry.VID = registration.vendorId;
    entry.PID = registration.productId;
    std::memcpy(entry.Name, name.data(), std::min(name.size(), kFieldBytes - 1));
    for (std::size_t level = 0; level < registration.cpi.size(); ++level) {
        entry.CPI[level] = registration.cpi[level];
    }
    return entry;
}

}  // namespace tesh::monitor
