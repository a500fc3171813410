// The sensor settings and the sensor picture: calibration and special modes on the
// mouse, the scan's schedule, the LZC value and the calibration window's bitmap.
#include <numeric>

#include "featlink/reports.h"
#include "monitor/monitor_names.h"
#include "monitor/sensor_image.h"
#include "settings/file_io.h"
#include "tests/monitor/monitor_fixture.h"

namespace tesh::monitor::test {
namespace {

using Sensor = MonitorTest;

// A bitmap file as the calibration window ships it: header and palette, then pixels.
std::string BlankBitmap() {
    std::string bytes(kSensorBitmapPixelOffset + kSensorBitmapPixelBytes, '\x77');
    bytes[0] = 'B';
    bytes[1] = 'M';
    return bytes;
}

TEST_F(Sensor, SettingsRoundTripThroughTheMouse) {
    mouse().flash.sensor = vmouse::SensorSettings{1, 0, 120, 1};
    ASSERT_TRUE(reports().ReadSensorSettings());
    EXPECT_EQ(image().LiftOnFlag, 1);
    EXPECT_EQ(reports().lzc().value, 120);
    image().TrackControlFlag = 1;
    ASSERT_TRUE(reports().WriteSensorSettings(2));
    EXPECT_EQ(mouse().flash.sensor.lzcMode, 1);
    EXPECT_EQ(mouse().flash.sensor.lzcValue, 120);
    EXPECT_EQ(mouse().flash.sensor.trackControl, 1);
    ASSERT_TRUE(reports().WriteSensorSettings(4));
    EXPECT_EQ(mouse().flash.sensor.lzcValue, 0);
    EXPECT_EQ(mouse().flash.sensor.lzcMode, 2);
}

TEST_F(Sensor, SpecialModesLeaveTheStoredSettings) {
    mouse().flash.sensor = vmouse::SensorSettings{1, 1, 50, 2};
    for (int mode : {253, 254, 255}) {
        ASSERT_TRUE(reports().WriteSensorSettings(mode));
        EXPECT_EQ(mouse().peripherals.sensorSpecialMode, mode);
    }
    EXPECT_EQ(mouse().flash.sensor.lzcValue, 50);
    EXPECT_EQ(Briefs(6)[4], "SET 0f 06 00 ff ff ff");
}

TEST_F(Sensor, LightCommandsReachTheMouse) {
    ASSERT_TRUE(reports().SendQuibLight(9, 8, 7));
    EXPECT_EQ(mouse().peripherals.lightCommand[2], 9);
    EXPECT_EQ(mouse().peripherals.lightCommand[5], 0xFF);
    AmbientRecord record{};
    record[0] = 1;
    record[17] = 0x42;
    ASSERT_TRUE(reports().SendAmbientLight(record));
    EXPECT_EQ(mouse().peripherals.lightCommand[6], 3);
    EXPECT_EQ(mouse().peripherals.lightCommand[15], 0x42);
}

TEST_F(Sensor, ScanScheduleValueAndBitmap) {
    dir_.Write(kSensorBitmapFile, BlankBitmap());
    ASSERT_TRUE(core().sensor().Scan());
    EXPECT_EQ(Briefs(3),
              (std::vector<std::string>{"SET 0c 03 01", "GET 04 01 00", "GET 0c 04 04"}));
    EXPECT_EQ(Gaps(), (std::vector<uint64_t>{0, 2000, 500}));
    EXPECT_EQ(clock_.sleeps(), (std::vector<uint32_t>{2000, 500}));

    // The mouse's first scan: pixel (row, column) = SensorPixel(1, row, column).
    uint32_t sum = 0;
    for (int r = 0; r < 30; ++r) {
        for (int c = 0; c < 30; ++c) sum += vmouse::SensorPixel(1, r, c);
    }
    EXPECT_EQ(reports().lzc().value, sum / 900);
    EXPECT_EQ(core().sensor().picture()[1 * 30 + 2], vmouse::SensorPixel(1, 1, 2));

    const std::string file = dir_.Read(kSensorBitmapFile);
    ASSERT_EQ(file.size(), kSensorBitmapPixelOffset + kSensorBitmapPixelBytes);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(file[kSensorBitmapPixelOffset - 1], '\x77') << "the header stays";
    // Bitmap row r, column c: the transposed picture's row r mirrored, so the sensor's
    // row 29 - c, column r; rotated left by two bits; columns 30 and 31 are zeros.
    for (int r = 0; r < 30; ++r) {
        for (int c = 0; c < 32; ++c) {
            uint8_t expected = 0;
            if (c < 30) {
                const uint8_t v = vmouse::SensorPixel(1, 29 - c, r);
                expected = static_cast<uint8_t>(v << 2 | v >> 6);
            }
            ASSERT_EQ(static_cast<uint8_t>(file[kSensorBitmapPixelOffset + r * 32 + c]), expected)
                << r << "," << c;
        }
    }
    EXPECT_EQ(windows_.posts, (std::vector<Post>{{kCalibrationWindowTitle, 1260}}));
}

TEST_F(Sensor, ScanWithoutBitmapStillTellsTheWindow) {
    EXPECT_FALSE(core().sensor().Scan());
    EXPECT_FALSE(FileExists(dir_.File(kSensorBitmapFile)));
    EXPECT_EQ(windows_.posts.size(), 1u);
}

TEST_F(Sensor, FailedScanWriteSkipsTheWaitAndAFailedReadLeavesZeros) {
    dir_.Write(kSensorBitmapFile, BlankBitmap());
    faults().failSets = 1;
    faults().failGets = 1;
    EXPECT_TRUE(core().sensor().Scan());
    EXPECT_EQ(clock_.sleeps(), std::vector<uint32_t>{500});
    EXPECT_EQ(reports().lzc().value, 0);
    const std::string file = dir_.Read(kSensorBitmapFile);
    EXPECT_EQ(file.substr(kSensorBitmapPixelOffset), std::string(kSensorBitmapPixelBytes, '\0'));
}

TEST(SensorPicture, TransposeAndRotate) {
    SensorPicture picture{};
    picture[0 * 30 + 1] = 0xC1;  // row 0, column 1
    const SensorPicture t = Transposed(picture);
    EXPECT_EQ(t[1 * 30 + 0], 0xC1);
    const SensorBitmapPixels pixels = BitmapPixelsOf(t);
    EXPECT_EQ(pixels[1 * 32 + 29], 0x07) << "mirrored, 0xC1 rotated left by two";
    EXPECT_EQ(MeanOfPicture(picture), 0xC1 / 900);
}

}  // namespace
}  // namespace tesh::monitor::test
