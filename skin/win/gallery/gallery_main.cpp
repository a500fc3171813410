// skin_gallery: every skinned control in every state, to look at and to try.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
// clang-format on

#include "skin/win/cool_menu.h"
#include "skin/win/gallery/gallery_window.h"

int main() {
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tesh::skin::CoolMenu::Install();
    int status = 1;
    {
        tesh::skin::gallery::GalleryWindow gallery;
        if (gallery.Create(40, 40)) {
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            status = 0;
        }
    }
    tesh::skin::CoolMenu::Uninstall();
    OleUninitialize();
    return status;
}
