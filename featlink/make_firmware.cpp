// make_firmware FILE VERSION SIZE: writes a test firmware image of SIZE bytes whose
// header announces VERSION (0..255); the virtual mouse runs that version after the
// upgrader has sent the file.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "featlink/firmware_image.h"
#include "featlink/wire.h"
#include "settings/file_io.h"

namespace {

bool ParseNumber(const char* text, unsigned long max, unsigned long& value) {
    char* end = nullptr;
    value = std::strtoul(text, &end, 10);
    return end != text && *end == '\0' && value <= max;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tesh::vmouse;
    unsigned long version = 0, size = 0;
    if (argc != 4 || !ParseNumber(argv[2], 255, version) ||
        !ParseNumber(argv[3], 0xFFFFFFFFul, size) || size < kFirmwareHeaderSize) {
        std::fprintf(stderr,
                     "usage: make_firmware FILE VERSION SIZE\n"
                     "  VERSION 0..255, SIZE at least %u bytes (the mouse takes at "
                     "most %u)\n",
                     static_cast<unsigned>(kFirmwareHeaderSize),
                     static_cast<unsigned>(kUpdateMaxImage));
        return 2;
    }
    const std::string image =
        BuildFirmwareImage(static_cast<uint8_t>(version), static_cast<uint32_t>(size));
    if (!tesh::WriteFileAtomically(argv[1], image)) {
        std::fprintf(stderr, "make_firmware: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
