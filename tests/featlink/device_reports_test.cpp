// Device information, sensor, host state, light and colour database reports, and the
// transfers the mouse does not take at all.
#include <cstring>

#include "featlink/checksum.h"
#include "featlink/reports.h"
#include "featlink/wire.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

using DeviceReports = DeviceTest;

Bytes ColourChunk(uint16_t index, uint8_t fill) {
    Bytes report(kColourDatabaseLength, fill);
    report[0] = kReportColourDatabase;
    report[1] = static_cast<uint8_t>(index & 0xFF);
    report[2] = static_cast<uint8_t>(index >> 8);
    PutChecksum(report.data(), kColourDatabaseLength);
    return report;
}

TEST_F(DeviceReports, DeviceInformationCarriesBothVersions) {
    EXPECT_EQ(Get(kReportDeviceInfo, kDeviceInfoLength),
              (Bytes{kReportDeviceInfo, 6, kFactoryFirmwareVersion, kFactoryDfuVersion, 0, 0}));
    flash().firmwareVersion = 6;
    EXPECT_EQ(Get(kReportDeviceInfo, kDeviceInfoLength)[2], 6);
}

TEST_F(DeviceReports, SensorImageAfterAScan) {
    const Bytes blank = Get(kReportSensorImage, kSensorImageLength);
    ASSERT_EQ(blank.size(), kSensorImageLength);
    EXPECT_EQ(blank[1] | (blank[2] << 8), 1028);
    for (uint32_t i = 3; i < kSensorImageLength; ++i) ASSERT_EQ(blank[i], 0) << "before any scan";

    ASSERT_EQ(SetAndWait({kReportSensorImage, 3, 1, 0}), kStatusDone);
    const Bytes first = Get(kReportSensorImage, kSensorImageLength);
    ASSERT_EQ(first.size(), kSensorImageLength);
    EXPECT_EQ(first[3], SensorPixel(1, 0, 0));
    EXPECT_EQ(first[3 + 30 * 2 + 7], SensorPixel(1, 2, 7)) << "row after row of 30 bytes";
    EXPECT_EQ(first[902], SensorPixel(1, 29, 29));
    EXPECT_NE(SensorPixel(1, 2, 7), SensorPixel(1, 7, 2)) << "not symmetric: transposing shows";
    for (uint32_t i = 903; i < kSensorImageLength; ++i) ASSERT_EQ(first[i], 0);

    ASSERT_EQ(SetAndWait({kReportSensorImage, 3, 1, 0}), kStatusDone);
    EXPECT_NE(Get(kReportSensorImage, kSensorImageLength), first) << "each scan differs";
    EXPECT_EQ(SetAndWait({kReportSensorImage, 3, 2, 0}), kStatusRefused);
}

TEST_F(DeviceReports, HostStateIsKeptButNotReadable) {
    EXPECT_EQ(SetAndWait({kReportHostState, 3, 1}), kStatusDone);
    EXPECT_EQ(state().peripherals.hostState, 1);
    EXPECT_TRUE(Get(kReportHostState, kHostStateLength).empty());
    EXPECT_EQ(SetAndWait({kReportHostState, 4, 0}), kStatusRefused);
    EXPECT_EQ(state().peripherals.hostState, 1);
}

TEST_F(DeviceReports, SensorSettingsRoundTripAndSpecialModes) {
    ASSERT_EQ(SetAndWait({kReportSensorSettings, 6, 1, 1, 93, 2}), kStatusDone);
    EXPECT_EQ(Get(kReportSensorSettings, 6), (Bytes{kReportSensorSettings, 6, 1, 1, 93, 2}));

    const uint8_t modes[3][2] = {{0, 253}, {1, 254}, {0xFF, 255}};
    for (const auto& mode : modes) {
        ASSERT_EQ(SetAndWait({kReportSensorSettings, 6, 0, 0xFF, 0xFF, mode[0]}), kStatusDone);
        EXPECT_EQ(state().peripherals.sensorSpecialMode, mode[1]);
    }
    EXPECT_EQ(Get(kReportSensorSettings, 6), (Bytes{kReportSensorSettings, 6, 1, 1, 93, 2}))
        << "special modes leave the settings";
    EXPECT_EQ(SetAndWait({kReportSensorSettings, 6, 0, 0xFF, 0xFF, 7}), kStatusRefused);
}

TEST_F(DeviceReports, LightCommandIsKept) {
    Bytes light(kLightControlLength, 0);
    light[0] = kReportLightControl;
    light[1] = 16;
    light[2] = 0xFF;
    light[5] = 1;
    light[15] = 42;
    ASSERT_EQ(SetAndWait(light), kStatusDone);
    EXPECT_EQ(std::memcmp(state().peripherals.lightCommand, light.data(), light.size()), 0);
    light[1] = 15;
    EXPECT_EQ(SetAndWait(light), kStatusRefused);
    EXPECT_TRUE(Get(kReportLightControl, kLightControlLength).empty());
}

TEST_F(DeviceReports, ColourDatabaseChunksAreCountedAndVerified) {
    ASSERT_EQ(SetAndWait(ColourChunk(0, 0x11)), kStatusDone);
    ASSERT_EQ(SetAndWait(ColourChunk(1, 0x22)), kStatusDone);
    EXPECT_EQ(state().peripherals.colourChunks, 2u);
    EXPECT_EQ(state().peripherals.colourLastChunk, 1u);
    const uint32_t hash = state().peripherals.colourHash;

    Bytes bad = ColourChunk(2, 0x33);
    bad[500] = 0;
    EXPECT_EQ(SetAndWait(bad), kStatusBadChecksum);
    EXPECT_EQ(state().peripherals.colourChunks, 2u);
    EXPECT_EQ(state().peripherals.colourHash, hash);

    // The same upload after a fresh start gives the same hash; other data another one.
    state().peripherals = PeripheralState{};
    ASSERT_EQ(SetAndWait(ColourChunk(0, 0x11)), kStatusDone);
    ASSERT_EQ(SetAndWait(ColourChunk(1, 0x22)), kStatusDone);
    EXPECT_EQ(state().peripherals.colourHash, hash);
    state().peripherals = PeripheralState{};
    ASSERT_EQ(SetAndWait(ColourChunk(0, 0x11)), kStatusDone);
    ASSERT_EQ(SetAndWait(ColourChunk(1, 0x23)), kStatusDone);
    EXPECT_NE(state().peripherals.colourHash, hash);
}

TEST_F(DeviceReports, TransfersTheMouseDoesNotTakeFail) {
    EXPECT_FALSE(Set({3, 3, 0})) << "unknown report";
    EXPECT_TRUE(Get(3, 3).empty());
    EXPECT_FALSE(Set({kReportStatus, 0, kSelectButtons, 0})) << "wrong length";
    EXPECT_TRUE(Get(kReportStatus, 4).empty());
    EXPECT_TRUE(Get(kReportMacro, 2081).empty());
    EXPECT_FALSE(Set({kReportUpdateStatus, 1, 0})) << "read-only";
    EXPECT_EQ(device().SetFeature(nullptr, 3), 0);
    EXPECT_EQ(Status(), kStatusDone) << "a failed transfer leaves the status";
}

}  // namespace
}  // namespace tesh::vmouse::test
