#include "skin/win/skin_bitmap.h"

#include "skin/win/control_window.h"

namespace tesh::skin {
namespace {

// A memory device context with one bitmap selected, undone on destruction.
class MemoryDc {
  public:
    MemoryDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)) {
        old_ = SelectObject(dc_, bitmap);
    }
    ~MemoryDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

}  // namespace

OwnedBitmap LoadSkinBitmap(int resourceId) {
    return OwnedBitmap(static_cast<HBITMAP>(
        LoadImageA(SkinModule(), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, 0)));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

void PaintOffScreen(HWND window, const std::function<void(HDC, const RECT&)>& draw) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP buffer = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, buffer);
    draw(memory, client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(buffer);
    DeleteDC(memory);
    EndPaint(window, &ps);
}

OwnedBitmap CutSubImage(HWND, HBITMAP source, const RECT& rect) {
    if (!source || Width(rect) <= 0 || Height(rect) <= 0) return nullptr;
    // A 32-bit section of the program's own memory: no device context of a window is
    // needed to make it, and it draws into any window.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width(rect);
    info.bmiHeader.biHeight = -Height(rect);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap part(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (part) {
        MemoryDc from(nullptr, source);
        MemoryDc to(nullptr, part.get());
        BitBlt(to.get(), 0, 0, Width(rect), Height(rect), from.get(), rect.left, rect.top, SRCCOPY);
    }
    return part;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, bool stretch) {
    SIZE size = BitmapSize(bitmap);
    if (!stretch) {
        MemoryDc from(dc, bitmap);
        BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), from.get(), 0, 0, SRCCOPY);
        return;
    }
    DrawBitmapPart(dc, bitmap, RECT{0, 0, size.cx, size.cy}, rect);
}

void DrawBitmapPart(HDC dc, HBITMAP bitmap, const RECT& from, const RECT& to) {
    if (!bitmap) return;
    MemoryDc source(dc, bitmap);
    if (Width(from) == Width(to) && Height(from) == Height(to)) {
        BitBlt(dc, to.left, to.top, Width(to), Height(to), source.get(), from.left, from.top,
               SRCCOPY);
        return;
    }
    int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT origin;
    SetBrushOrgEx(dc, 0, 0, &origin);
    StretchBlt(dc, to.left, to.top, Width(to), Height(to), source.get(), from.left, from.top,
               Width(from), Height(from), SRCCOPY);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}

OwnedFont MakeFont(const char* face, int height, int width) {
    return OwnedFont(CreateFontA(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
}

OwnedFont MakeBoldFont(const char* face, int height) {
    return OwnedFont(CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, face));
}

}  // namespace tesh::skin
