#include "option/win/double_click_test.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "option/win/late_bound.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshDoubleClickTest";
constexpr char kPictureFile[] = "wave\\double_click.bmp";
constexpr char kAnimationFile[] = "wave\\double_click.avi";
constexpr char kSoundFile[] = "wave\\double_click.wav";
constexpr int kAnimationId = 1;

}  // namespace

bool DoubleClickTest::Create(HWND page, const RECT& rect, const std::string& programDirectory) {
    directory_ = programDirectory;
    picture_.reset(static_cast<HBITMAP>(LoadImageA(nullptr, (directory_ + kPictureFile).c_str(),
                                                   IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    return CreateControl(kClassName, page, 0, rect);
}

void DoubleClickTest::Play() {
    ++doubleClicks_;
    if (!animation_) {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_ANIMATE_CLASS};
        InitCommonControlsEx(&init);
        RECT client;
        GetClientRect(hwnd(), &client);
        animation_ =
            CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE | ACS_CENTER, 0, 0,
                            client.right, client.bottom, hwnd(),
                            reinterpret_cast<HMENU>(kAnimationId), skin::SkinModule(), nullptr);
        if (animation_)
            SendMessageA(animation_, ACM_OPENA, 0,
                         reinterpret_cast<LPARAM>((directory_ + kAnimationFile).c_str()));
    }
    // Once, from the first frame to the last.
    if (animation_) SendMessageA(animation_, ACM_PLAY, 1, MAKELONG(0, 0xFFFF));
    using PlaySound = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
    if (const auto play = LateBound<PlaySound>("winmm.dll", "PlaySoundA"))
        play((directory_ + kSoundFile).c_str(), nullptr,
             SND_FILENAME | SND_ASYNC | SND_NOSTOP | SND_NODEFAULT);
}

LRESULT DoubleClickTest::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            RECT client;
            GetClientRect(hwnd(), &client);
            // Once the animation control exists it covers the field.
            if (!animation_ && picture_) skin::DrawBitmap(dc, picture_.get(), client, true);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDBLCLK:
            Play();
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::option
