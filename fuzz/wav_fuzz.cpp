// Sound files as the Wave folder may hold them: the samples taken from a canonical
// file lie inside it, and scaling them at the loudest step keeps every sample's sign
// and stays within -32767..32767.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "monitor/events/wav_samples.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh::monitor;
    std::vector<uint8_t> file(data, data + size);
    const auto bytes = CanonicalSampleBytes(file.data(), file.size());
    if (!bytes) return 0;
    TESH_FUZZ_CHECK(size >= kCanonicalWavHeader);
    TESH_FUZZ_CHECK(*bytes % 2 == 0);
    TESH_FUZZ_CHECK(kCanonicalWavHeader + *bytes <= size);
    uint8_t* samples = file.data() + kCanonicalWavHeader;
    ScaleSamples(samples, *bytes, 11);
    for (std::size_t i = 0; i < *bytes; i += 2) {
        const auto before = static_cast<int16_t>(data[kCanonicalWavHeader + i] |
                                                 data[kCanonicalWavHeader + i + 1] << 8);
        const auto after = static_cast<int16_t>(samples[i] | samples[i + 1] << 8);
        TESH_FUZZ_CHECK(after >= -32767);
        TESH_FUZZ_CHECK((after < 0) == (before < 0) && (after == 0) == (before == 0));
    }
    for (std::size_t i = kCanonicalWavHeader + *bytes; i < size; ++i) {
        TESH_FUZZ_CHECK(file[i] == data[i]);
    }
    return 0;
}
