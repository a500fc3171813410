#include "skin/win/window_shape.h"

#include <algorithm>
#include <vector>

namespace tesh::skin {
namespace {

// The picture's pixels as 32-bit values, top row first.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, SIZE size) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.cy) pixels.clear();
    return pixels;
}

// Adds rectangles to the region in blocks, as one region call each.
OwnedRegion RegionOf(const std::vector<PixelRect>& runs) {
    OwnedRegion result(CreateRectRgn(0, 0, 0, 0));
    for (std::size_t start = 0; start < runs.size(); start += kShapeRectBlock) {
        std::size_t count = std::min(kShapeRectBlock, runs.size() - start);
        std::vector<char> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = static_cast<DWORD>(count);
        header->nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
        RECT bounds = {runs[start].left, runs[start].top, runs[start].right, runs[start].bottom};
        auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
        for (std::size_t i = 0; i < count; ++i) {
            const PixelRect& r = runs[start + i];
            rects[i] = {r.left, r.top, r.right, r.bottom};
            bounds.left = std::min<LONG>(bounds.left, r.left);
            bounds.top = std::min<LONG>(bounds.top, r.top);
            bounds.right = std::max<LONG>(bounds.right, r.right);
            bounds.bottom = std::max<LONG>(bounds.bottom, r.bottom);
        }
        header->rcBound = bounds;
        OwnedRegion block(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                          reinterpret_cast<RGNDATA*>(data.data())));
        if (block) CombineRgn(result.get(), result.get(), block.get(), RGN_OR);
    }
    return result;
}

}  // namespace

OwnedRegion RegionFromBitmap(HBITMAP bitmap, KeyColor key, uint8_t tolerance) {
    SIZE size = BitmapSize(bitmap);
    std::vector<uint32_t> pixels = PixelsOf(bitmap, size);
    if (pixels.empty()) return nullptr;
    PixelView view{pixels.data(), size.cx, size.cy, static_cast<std::size_t>(size.cx)};
    return RegionOf(OpaqueRuns(view, key, tolerance));
}

OwnedRegion RegionWithoutCornerColour(HBITMAP bitmap) {
    SIZE size = BitmapSize(bitmap);
    std::vector<uint32_t> pixels = PixelsOf(bitmap, size);
    if (pixels.empty()) return nullptr;
    PixelView view{pixels.data(), size.cx, size.cy, static_cast<std::size_t>(size.cx)};
    return RegionOf(OpaqueRuns(view, KeyOf(pixels[0]), 0));
}

bool ShapeWindowFromBitmap(HWND window, HBITMAP bitmap, KeyColor key, uint8_t tolerance) {
    SIZE size = BitmapSize(bitmap);
    OwnedRegion region = RegionFromBitmap(bitmap, key, tolerance);
    if (!region) return false;
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The window owns the region from here on.
    return SetWindowRgn(window, region.release(), TRUE) != 0;
}

}  // namespace tesh::skin
