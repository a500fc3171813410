#include "option/win/trophy_picture.h"

#include "skin/win/hint.h"

namespace tesh::option {

LRESULT TrophyPicture::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!inside_) {
                inside_ = true;
                TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hwnd(), 0};
                TrackMouseEvent(&track);
                skin::ShowHint(text_);
            }
            return 0;
        case WM_MOUSELEAVE:
            inside_ = false;
            skin::ShowHint(std::string());
            return 0;
        default:
            return AnimatedPicture::OnMessage(message, wParam, lParam);
    }
}

}  // namespace tesh::option
