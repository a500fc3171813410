// The sensor picture for the lift-off calibration window: a scan of the 30 x 30
// sensor image, the LZC value taken from it, and the picture written into the
// calibration window's bitmap Wave\sensorImage.bmp.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "monitor/device_reports.h"
#include "monitor/host_ports.h"
#include "monitor/peripheral_reports.h"

namespace tesh::monitor {

// The bitmap: 8 bits per pixel, 32 x 30 pixels from this file offset.
constexpr std::size_t kSensorBitmapPixelOffset = 1078;
constexpr int kSensorBitmapRowBytes = 32;
constexpr std::size_t kSensorBitmapPixelBytes = kSensorBitmapRowBytes * kSensorSide;
using SensorBitmapPixels = std::array<uint8_t, kSensorBitmapPixelBytes>;

// Pause after a scan is started before its wait for ready, and before the read.
constexpr uint32_t kSensorScanSettleMs = 2000;
constexpr uint32_t kSensorImageReadDelayMs = 500;

// The mean of the picture's bytes.
uint8_t MeanOfPicture(const SensorPicture& picture);
// Row j, column n of the result is row n, column j of `picture`.
SensorPicture Transposed(const SensorPicture& picture);
// The bitmap's pixel rows of a (transposed) picture: each row mirrored, padded to 32
// bytes with zeros, and each byte rotated left by two bits.
SensorBitmapPixels BitmapPixelsOf(const SensorPicture& picture);
// Writes the pixels into the bytes of a bitmap file from kSensorBitmapPixelOffset on,
// as a write at that offset of an opened file would: a shorter file grows to hold
// them, every other byte stays.
void PatchSensorBitmap(std::string& file, const SensorPicture& picture);
// Replaces the pixels of an existing bitmap file; false when the file is missing or
// cannot be written.
bool UpdateSensorBitmap(const std::string& path, const SensorPicture& picture);

class SensorScanner {
  public:
    SensorScanner(DeviceReports& reports, WindowPort& windows, std::string programDirectory)
        : reports_(reports), windows_(windows), dir_(std::move(programDirectory)) {}

    // Scans, sets the LZC value, updates the bitmap and tells the calibration window.
    // A failed read leaves a picture of zeros. False when the bitmap was not updated.
    bool Scan();
    // The picture of the last scan, as the mouse sent it (before the transposition).
    const SensorPicture& picture() const { return picture_; }

  private:
    DeviceReports& reports_;
    WindowPort& windows_;
    std::string dir_;
    SensorPicture picture_{};
};

}  // namespace tesh::monitor
