#include "monitor/sensor_image.h"

#include "monitor/monitor_names.h"
#include "settings/file_io.h"

namespace tesh::monitor {

namespace {

uint8_t RotateLeftTwo(uint8_t value) {
    return static_cast<uint8_t>(value << 2 | value >> 6);
}

}  // namespace

uint8_t MeanOfPicture(const SensorPicture& picture) {
    uint32_t sum = 0;
    for (uint8_t value : picture) sum += value;
    return static_cast<uint8_t>(sum / kSensorPixels);
}

SensorPicture Transposed(const SensorPicture& picture) {
    SensorPicture out{};
    for (int row = 0; row < kSensorSide; ++row) {
        for (int column = 0; column < kSensorSide; ++column) {
            out[row * kSensorSide + column] = picture[column * kSensorSide + row];
        }
    }
    return out;
}

SensorBitmapPixels BitmapPixelsOf(const SensorPicture& picture) {
    SensorBitmapPixels pixels{};
    for (int row = 0; row < kSensorSide; ++row) {
        for (int column = 0; column < kSensorSide; ++column) {
            const uint8_t value = picture[row * kSensorSide + (kSensorSide - 1 - column)];
            pixels[row * kSensorBitmapRowBytes + column] = RotateLeftTwo(value);
        }
    }
    return pixels;
}

void PatchSensorBitmap(std::string& file, const SensorPicture& picture) {
    const SensorBitmapPixels pixels = BitmapPixelsOf(picture);
    if (file.size() < kSensorBitmapPixelOffset + pixels.size()) {
        file.resize(kSensorBitmapPixelOffset + pixels.size());
    }
    file.replace(kSensorBitmapPixelOffset, pixels.size(),
                 reinterpret_cast<const char*>(pixels.data()), pixels.size());
}

bool UpdateSensorBitmap(const std::string& path, const SensorPicture& picture) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return false;
    PatchSensorBitmap(*bytes, picture);
    return WriteFileAtomically(path, *bytes);
}

// The write, the settling time, the wait and the read are one exchange.
bool SensorScanner::Scan() {
    picture_.fill(0);
    {
        DeviceChannel::Exchange exchange(reports_.channel());
        if (exchange.Write(BuildSensorScanReport())) {
            exchange.Sleep(kSensorScanSettleMs);
            exchange.WaitForReady(kNoFirstPauseMs);
        }
        exchange.Sleep(kSensorImageReadDelayMs);
        SensorImageBytes reply{kSensorImageReport};
        if (exchange.Read(reply)) picture_ = PictureOf(reply);
    }
    reports_.SetLzcValue(MeanOfPicture(picture_));
    const bool updated =
        UpdateSensorBitmap(JoinPath(dir_, kSensorBitmapFile), Transposed(picture_));
    windows_.PostToWindow(kCalibrationWindowTitle, kSensorImageReadyMessage, 0, 0);
    return updated;
}

}  // namespace tesh::monitor
