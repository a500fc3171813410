// The windows of the configuration application and of the upgrader as their pictures
// shape them: each picture's white is cut away, the buttons' state images lie where
// their layout strings put them, and a screenshot of each window in each state is
// saved for review.
#include <gtest/gtest.h>

#include <string>

#include "art/art_ids.h"
#include "skin/layout_record.h"
#include "skin/win/skin_bitmap.h"
#include "skin/win/window_shape.h"
#include "tests/wine/gallery_driver.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshPicturePreview";
constexpr int kPreviewX = 40;
constexpr int kPreviewY = 40;

struct WindowPicture {
    const char* name;
    int firstId;  // normal, hover, pressed and disabled follow
    int width;
    int height;
    const char* sampleButton;  // a layout string of one of its buttons
};

constexpr WindowPicture kPictures[] = {
    {"main_window", IDB_MAIN_NORMAL, 800, 600,
     "Apply,640,563,72,30,Apply the setting to the device"},
    {"upgrade_window", IDB_UPGRADE_NORMAL, 525, 291, "BUTTON_EXIT,497,4,22,22,"},
    {"notice_confirm", IDB_CONFIRM_NORMAL, 305, 215, "BUTTON_CANCEL,138,171,100,28,"},
    {"notice_driver", IDB_DRIVER_NORMAL, 305, 215, "BUTTON_OK,125,171,55,28,"},
    {"notice_failure", IDB_FAILURE_NORMAL, 305, 215, "BUTTON_OK,125,171,55,28,"},
    {"notice_success", IDB_SUCCESS_NORMAL, 305, 215, "BUTTON_OK,125,171,55,28,"},
};
constexpr const char* kStates[] = {"normal", "hover", "pressed", "disabled"};

LRESULT CALLBACK PreviewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        RECT client;
        GetClientRect(hwnd, &client);
        DrawBitmap(dc, bitmap, client, false);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A borderless window showing one picture, shaped by the picture's white.
class Preview {
  public:
    explicit Preview(HBITMAP picture) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PreviewProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, "", WS_POPUP, kPreviewX, kPreviewY, 10,
                                10, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
        ShapeWindowFromBitmap(hwnd_, picture);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        Pump();
    }
    ~Preview() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }
    void Show(HBITMAP picture) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pump();
    }

  private:
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        GdiFlush();
        Sleep(100);  // the X server shows what was drawn
    }
    HWND hwnd_;
};

class SkinPicturesTest : public ::testing::TestWithParam<WindowPicture> {};

TEST_P(SkinPicturesTest, WindowIsShapedAndEveryStateIsSaved) {
    const WindowPicture& p = GetParam();
    OwnedBitmap states[4];
    for (int i = 0; i < 4; ++i) {
        states[i] = LoadSkinBitmap(p.firstId + i);
        ASSERT_TRUE(states[i]) << p.name << " " << kStates[i];
        SIZE size = BitmapSize(states[i].get());
        EXPECT_EQ(size.cx, p.width);
        EXPECT_EQ(size.cy, p.height);
    }
    Preview preview(states[0].get());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(preview.hwnd(), region), ERROR);
    // Full-white corners are cut away; the rest of the frame stays.
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, p.width - 1, 0));
    EXPECT_FALSE(PtInRegion(region, 0, p.height - 1));
    EXPECT_FALSE(PtInRegion(region, p.width - 1, p.height - 1));
    EXPECT_TRUE(PtInRegion(region, p.width / 2, 0));
    EXPECT_TRUE(PtInRegion(region, p.width / 2, p.height / 2));
    // The whole button is inside the shape.
    LayoutRecord button = Layout(p.sampleButton);
    EXPECT_TRUE(PtInRegion(region, button.left, button.top));
    EXPECT_TRUE(PtInRegion(region, button.right - 1, button.bottom - 1));
    DeleteObject(region);

    // The state images differ under the button and nowhere else near it.
    HWND window = preview.hwnd();
    OwnedBitmap normal = CutSubImage(window, states[0].get(),
                                     RECT{button.left, button.top, button.right, button.bottom});
    OwnedBitmap hover = CutSubImage(window, states[1].get(),
                                    RECT{button.left, button.top, button.right, button.bottom});
    EXPECT_EQ(BitmapSize(normal.get()).cx, button.Width());
    EXPECT_EQ(BitmapSize(hover.get()).cy, button.Height());

    RECT screen;
    GetWindowRect(window, &screen);
    for (int i = 0; i < 4; ++i) {
        preview.Show(states[i].get());
        EXPECT_TRUE(testing::SaveScreen(screen, std::string(p.name) + "_" + kStates[i]));
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, SkinPicturesTest, ::testing::ValuesIn(kPictures),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tesh::skin
