// Skin pictures: loading, cutting a control's part out of a full-window picture, and
// drawing a picture into a rectangle.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <type_traits>

namespace tesh::skin {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) DeleteObject(object);
    }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using OwnedRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;

// The four full-window pictures a window's buttons are cut from.
struct SkinSources {
    HBITMAP normal = nullptr;
    HBITMAP hover = nullptr;
    HBITMAP pressed = nullptr;  // also the selected look
    HBITMAP disabled = nullptr;
};

// A bitmap resource of the program, by number.
OwnedBitmap LoadSkinBitmap(int resourceId);

SIZE BitmapSize(HBITMAP bitmap);

// A new 32-bit bitmap of the rectangle's size holding the source's pixels under the
// rectangle, for drawing into `window` (or any other).
OwnedBitmap CutSubImage(HWND window, HBITMAP source, const RECT& rect);

// Draws the whole picture into the rectangle: a plain copy from its top-left corner,
// or stretched to the rectangle with half-tone stretching.
void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, bool stretch);

// Draws the part `from` of the picture into the rectangle, stretched when the sizes
// differ.
void DrawBitmapPart(HDC dc, HBITMAP bitmap, const RECT& from, const RECT& to);

// Paints a window (its WM_PAINT): `draw` draws the client area into an off-screen
// bitmap, which then goes on screen in one copy, so that nothing flickers.
void PaintOffScreen(HWND window, const std::function<void(HDC, const RECT&)>& draw);

// A font of the given face and size in pixels, normal weight.
OwnedFont MakeFont(const char* face, int height, int width = 0);
// The same in bold, for titles.
OwnedFont MakeBoldFont(const char* face, int height);

}  // namespace tesh::skin
