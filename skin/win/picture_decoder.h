// Pictures decoded by the system's picture decoder (GIF, JPEG, bitmap) from bytes in
// memory, drawn at their own size in pixels.
#pragma once

#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <cstdint>
#include <span>

namespace tesh::skin {

class DecodedPicture {
  public:
    DecodedPicture() = default;
    explicit DecodedPicture(IPicture* picture);
    DecodedPicture(DecodedPicture&& other) noexcept;
    DecodedPicture& operator=(DecodedPicture&& other) noexcept;
    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;
    ~DecodedPicture();

    explicit operator bool() const { return picture_ != nullptr; }
    // The size in pixels: the decoder's hundredths of millimetres at the screen's
    // pixels per inch.
    SIZE Size() const { return pixels_; }
    void Draw(HDC dc, int x, int y) const;

  private:
    IPicture* picture_ = nullptr;
    SIZE himetric_ = {0, 0};
    SIZE pixels_ = {0, 0};
};

DecodedPicture DecodePicture(std::span<const uint8_t> bytes);

}  // namespace tesh::skin
