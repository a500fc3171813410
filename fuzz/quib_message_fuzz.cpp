// The Quib peers' messages as another program may send them: any sequence of device
// registrations (any size, any bytes), commands of both messages with any argument,
// Quixshift buttons and ambient light. The device table never holds more than its
// 100 entries nor two of one product, every name fits its field without control
// characters, and DeviceInfo.ini always reads back as the table.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "monitor/quib_commands.h"
#include "tests/monitor/quiet_link_host.h"

namespace {

using namespace tesh;
using namespace tesh::monitor;

// A double-byte code page of sorts: units above 0xFF take two bytes, and a few become
// control bytes, as no real code page does.
class FuzzLink : public QuibLink {
  public:
    bool IsWindow(uintptr_t window) override { return window % 3 != 0; }
    Sent SendRecord(uintptr_t peer, uint32_t, const uint8_t*, std::size_t) override {
        return peer % 5 == 0 ? Sent::kNoAnswer : Sent::kDelivered;
    }
    std::string ToAnsi(std::u16string_view text) override {
        std::string ansi;
        for (char16_t c : text) {
            if (c >= 0x100) ansi.push_back(static_cast<char>(0x81 + (c >> 12)));
            ansi.push_back(static_cast<char>(c == 0x2028 ? '\n' : c & 0xFF));
        }
        return ansi;
    }
    bool ReadAmbientRecord(AmbientRecord& record) override {
        record.fill(7);
        return true;
    }
    void PostOwnCommand(uint32_t) override {}
};

class FuzzLights : public QuibLights {
  public:
    void SendQuibLight(uint8_t, uint8_t, uint8_t) override {}
    void SendAmbientLight(const AmbientRecord&) override {}
};

class FuzzHost : public test::QuietLinkHost, public WindowPort {
  public:
    bool PostToWindow(std::string_view, uint32_t, uintptr_t, intptr_t) override { return true; }
    bool CloseWindow(std::string_view) override { return true; }
};

class Reader {
  public:
    Reader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint32_t Word() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(Byte()) << (8 * i);
        return value;
    }
    std::vector<uint8_t> Bytes(std::size_t count) {
        const std::size_t taken = std::min(count, size_ - std::min(at_, size_));
        std::vector<uint8_t> bytes(data_ + at_, data_ + at_ + taken);
        at_ += taken;
        return bytes;
    }

  private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void CheckTable(const DeviceInfoTable& table, const std::string& path) {
    TESH_FUZZ_CHECK(table.Count >= 0 && table.Count <= kMaxDevices);
    for (int i = 0; i < table.Count; ++i) {
        const DeviceInfoEntry& entry = table.Devices[i];
        const std::size_t length = strnlen(entry.Name, sizeof entry.Name);
        TESH_FUZZ_CHECK(length < sizeof entry.Name);
        for (std::size_t c = 0; c < length; ++c) {
            TESH_FUZZ_CHECK(static_cast<unsigned char>(entry.Name[c]) >= 0x20);
        }
        for (int j = 0; j < i; ++j) TESH_FUZZ_CHECK(table.Devices[j].PID != entry.PID);
    }
    auto read = std::make_unique<DeviceInfoTable>();
    TESH_FUZZ_CHECK(ReadDeviceTable(*read, path));
    TESH_FUZZ_CHECK(read->Count == table.Count);
    for (int i = 0; i < table.Count; ++i) {
        TESH_FUZZ_CHECK(read->Devices[i].PID == table.Devices[i].PID);
        TESH_FUZZ_CHECK(std::strncmp(read->Devices[i].Name, table.Devices[i].Name, 20) == 0);
        TESH_FUZZ_CHECK(std::memcmp(read->Devices[i].CPI, table.Devices[i].CPI, 20) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/quib_message_fuzz_" + std::to_string(getpid()) + ".ini";
    std::remove(path.c_str());
    QuibState state;
    FuzzLink link;
    FuzzLights lights;
    FuzzHost host;
    DeviceFlags flags;
    auto image = std::make_unique<SettingsSet>();
    std::memset(image.get(), 0, sizeof *image);
    std::mutex imageLock;
    QuibCommands commands(QuibCommandPorts{state, link, lights, host, host, flags, *image,
                                           imageLock, path, 0xC000, 0x1234});
    Reader in(data, size);
    bool changed = false;
    while (!in.empty()) {
        const uint8_t op = in.Byte();
        switch (op % 6) {
            case 0: {
                // Mostly whole records, now and then another size.
                const std::size_t length = op & 0x80 ? in.Byte() : kQuibRegistrationBytes;
                const std::vector<uint8_t> record = in.Bytes(length);
                TESH_FUZZ_CHECK(commands.OnRegistration(record.data(), record.size()) == 1);
                changed = true;
                break;
            }
            case 1:
                TESH_FUZZ_CHECK(
                    commands.OnQuibMessage(in.Byte(), static_cast<int32_t>(in.Word())) == 0);
                changed = true;
                break;
            case 2:
                TESH_FUZZ_CHECK(
                    commands.OnPlainMessage(in.Byte(), static_cast<int32_t>(in.Word())) == 0);
                break;
            case 3: {
                ButtonRecord button{};
                button.code = in.Byte();
                button.targetId = static_cast<int32_t>(in.Word());
                commands.DeviceFunction(button, in.Byte());
                break;
            }
            case 4:
                commands.OnAmbientLight();
                break;
            default:
                flags.connection = in.Byte() & 1 ? kConnected : kNotFound;
                image->CurrentProfile = static_cast<int8_t>(in.Byte());
                break;
        }
    }
    if (changed && commands.devices().Count > 0) CheckTable(commands.devices(), path);
    std::remove(path.c_str());
    return 0;
}
