#include "skin/win/child_page.h"

namespace tesh::skin {

bool ChildPage::CreatePage(const char* className, HWND parent, int id, const RECT& rectInParent,
                           int firstPicture) {
    for (int i = 0; i < 4; ++i) pictures_[i] = LoadSkinBitmap(firstPicture + i);
    if (!pictures_[0]) return false;
    // The controls paint themselves; the page never draws over them.
    if (!CreateControl(className, parent, id, rectInParent, WS_CLIPCHILDREN | WS_CLIPSIBLINGS))
        return false;
    Show(true);
    return true;
}

SkinSources ChildPage::sources() const {
    return {pictures_[0].get(), pictures_[1].get(), pictures_[2].get(), pictures_[3].get()};
}

void ChildPage::Show(bool show) {
    if (!hwnd()) return;
    if (!show) {
        ShowWindow(hwnd(), SW_HIDE);
        return;
    }
    // New children go below their older siblings; a page shown lies over them.
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void ChildPage::Paint() {
    // Drawn off screen first, so that the values never flicker over the picture.
    PaintOffScreen(hwnd(), [this](HDC dc, const RECT& client) {
        DrawBitmap(dc, pictures_[0].get(), client, false);
        PaintOver(dc);
    });
}

LRESULT ChildPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::skin
