#include "skin/win/picture_decoder.h"

#include <cstring>
#include <utility>

namespace tesh::skin {
namespace {

constexpr int kHimetricPerInch = 2540;

SIZE ToPixels(SIZE himetric) {
    HDC screen = GetDC(nullptr);
    SIZE pixels = {MulDiv(himetric.cx, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch),
                   MulDiv(himetric.cy, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch)};
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

DecodedPicture::DecodedPicture(IPicture* picture) : picture_(picture) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    himetric_ = {width, height};
    pixels_ = ToPixels(himetric_);
}

DecodedPicture::DecodedPicture(DecodedPicture&& other) noexcept {
    *this = std::move(other);
}

DecodedPicture& DecodedPicture::operator=(DecodedPicture&& other) noexcept {
    if (this != &other) {
        if (picture_) picture_->Release();
        picture_ = std::exchange(other.picture_, nullptr);
        himetric_ = other.himetric_;
        pixels_ = other.pixels_;
    }
    return *this;
}

DecodedPicture::~DecodedPicture() {
    if (picture_) picture_->Release();
}

void DecodedPicture::Draw(HDC dc, int x, int y) const {
    if (!picture_) return;
    picture_->Render(dc, x, y, pixels_.cx, pixels_.cy, 0, himetric_.cy, himetric_.cx, -himetric_.cy,
                     nullptr);
}

DecodedPicture DecodePicture(std::span<const uint8_t> bytes) {
    if (bytes.empty()) return {};
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return {};
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return {};
    }
    IPicture* picture = nullptr;
    HRESULT result = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                    reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(result) || !picture) return {};
    return DecodedPicture(picture);
}

}  // namespace tesh::skin
