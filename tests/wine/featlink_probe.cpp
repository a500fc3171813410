// featlink_probe: a second process for the featlink tests. It loads the featlink.dll
// named on its command line and makes one kind of exchange through it:
//   featlink_probe DLL write-profile PROFILE SEED   settings bytes SEED, SEED+1, ...
//   featlink_probe DLL read-profile PROFILE         prints the settings bytes in hex
//   featlink_probe DLL select COUNT                 COUNT status selections
//   featlink_probe DLL listen COUNT                 prints the first COUNT device
//                                                   messages its window receives
// Exit code 0 when everything worked, 1 when something failed, 2 on bad arguments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "featlink/event_codes.h"
#include "featlink/wire.h"
#include "tests/wine/featlink_library.h"
#include "tests/wine/message_window.h"

using namespace tesh::test;
namespace vm = tesh::vmouse;

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

uint8_t Byte(const char* text) {
    return static_cast<uint8_t>(std::strtoul(text, nullptr, 0));
}

int Select(FeatlinkLibrary& library, int count) {
    for (int i = 0; i < count; ++i) {
        Bytes select = {vm::kReportStatus, static_cast<uint8_t>(i % vm::kDeviceProfiles),
                        vm::kSelectButtons};
        if (!library.setFeature(select.data(), static_cast<int>(select.size()))) return kFailed;
    }
    return kOk;
}

int Listen(FeatlinkLibrary& library, std::size_t count) {
    MessageWindow window;
    library.openDevMonitor(window.handle(), vm::kDeviceEventMessage, vm::kPlugMessage);
    const auto received = window.WaitFor(count, vm::kDeviceEventMessage, vm::kPlugMessage);
    library.closeDevMonitor();
    for (const PostedMessage& message : received) std::printf("%s\n", Describe(message).c_str());
    return received.size() == count ? kOk : kFailed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return kUsage;
    FeatlinkLibrary library(argv[1]);
    if (!library.loaded()) return kFailed;
    const std::string command = argv[2];
    if (command == "listen") return Listen(library, std::strtoul(argv[3], nullptr, 0));
    if (!library.openFeatureDevice()) return kFailed;
    if (command == "write-profile" && argc == 5) {
        return library.WriteProfileSettings(Byte(argv[3]), Byte(argv[4])) ? kOk : kFailed;
    }
    if (command == "read-profile" && argc == 4) {
        auto settings = library.ReadProfileSettings(Byte(argv[3]));
        if (!settings) return kFailed;
        std::printf("%s\n", HexBytes(*settings).c_str());
        return kOk;
    }
    if (command == "select" && argc == 4) return Select(library, std::atoi(argv[3]));
    return kUsage;
}
