#include "skin/win/hand_cursor.h"

#include "art/art_ids.h"
#include "skin/win/control_window.h"

namespace tesh::skin {
namespace {

HCURSOR MakeHandCursor() {
    HICON icon = static_cast<HICON>(
        LoadImageA(SkinModule(), MAKEINTRESOURCEA(IDI_TESH_HAND), IMAGE_ICON, 0, 0, 0));
    if (!icon) return LoadCursor(nullptr, IDC_HAND);
    ICONINFO info = {};
    HCURSOR cursor = nullptr;
    if (GetIconInfo(icon, &info)) {
        info.fIcon = FALSE;
        info.xHotspot = TESH_HAND_HOTSPOT_X;
        info.yHotspot = TESH_HAND_HOTSPOT_Y;
        cursor = CreateIconIndirect(&info);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    DestroyIcon(icon);
    return cursor ? cursor : LoadCursor(nullptr, IDC_HAND);
}

}  // namespace

HCURSOR HandCursor() {
    static const HCURSOR cursor = MakeHandCursor();
    return cursor;
}

}  // namespace tesh::skin
