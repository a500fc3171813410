// The media of the double-click test field, opened from the Wave folder beside the
// program as the configuration application opens them: an animation control opens the
// AVI, shows its frames the right way up and plays it once to the end; the picture
// loads at the field's size; the sound is a 16-bit mono PCM file of two clicks that
// Windows accepts.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr char kHostClass[] = "TeshDoubleClickHost";
constexpr int kFieldWidth = 42;
constexpr int kFieldHeight = 23;
constexpr DWORD kTimeoutMs = 10000;
// Pixels inside the left button, on the innermost ring and of the background, in field
// coordinates.
constexpr POINT kButtonPixel = {19, 6};
constexpr POINT kRingPixel = {13, 6};
constexpr POINT kBackgroundPixel = {1, 21};
constexpr COLORREF kLitButton = RGB(0x3c, 0x89, 0xbf);
constexpr COLORREF kRestingButton = RGB(0x2c, 0x32, 0x39);
constexpr COLORREF kBackground = RGB(0x18, 0x1b, 0x1f);
// The clicks: frames 00 and 02 light the button and show the innermost ring, the last
// frame is the still picture (the button at rest, the ring shown).
constexpr int kFrameCount = 12;
constexpr struct {
    int frame;
    COLORREF button;
    bool ring;
} kFrames[] = {{0, kLitButton, true},
               {1, kRestingButton, false},
               {2, kLitButton, true},
               {3, kRestingButton, false},
               {kFrameCount - 1, kRestingButton, true}};

// The path the program uses: "wave\NAME" in the program's folder.
std::string MediaPath(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "wave\\" + name;
}

// Dispatches this thread's messages until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition()) return true;
        if (GetTickCount() - start > kTimeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool Near(COLORREF a, COLORREF b) {
    auto close = [](int x, int y) { return std::abs(x - y) <= 8; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}

// "#rrggbb", as the drawing names its colours.
std::string Hex(COLORREF c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// The ring is drawn in the accent colour blended into the background: clearly blue.
bool RingColour(COLORREF c) {
    return GetBValue(c) > GetRValue(c) + 60;
}

struct Notices {
    bool started = false;
    bool stopped = false;
};

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        auto* notices = reinterpret_cast<Notices*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (HIWORD(wParam) == ACN_START) notices->started = true;
        if (HIWORD(wParam) == ACN_STOP) notices->stopped = true;
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A window holding an animation control at its top-left corner, as the field holds one.
class AnimationHost : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_ANIMATE_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kHostClass;
        RegisterClassA(&wc);
        host_ = CreateWindowExA(WS_EX_TOPMOST, kHostClass, "", WS_POPUP, 40, 40, 120, 60, nullptr,
                                nullptr, wc.hInstance, nullptr);
        ASSERT_NE(host_, nullptr);
        SetWindowLongPtrA(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&notices_));
        // Made empty: opening a clip gives the control the clip's size.
        animation_ = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                     host_, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(animation_, nullptr);
        ShowWindow(host_, SW_SHOWNOACTIVATE);
        UpdateWindow(host_);
    }
    void TearDown() override {
        if (host_) DestroyWindow(host_);
    }

    // What the control shows at a pixel of the field.
    COLORREF Shown(POINT at) const {
        HDC dc = GetDC(animation_);
        COLORREF colour = GetPixel(dc, at.x, at.y);
        ReleaseDC(animation_, dc);
        return colour;
    }

    HWND host_ = nullptr;
    HWND animation_ = nullptr;
    Notices notices_;
};

TEST_F(AnimationHost, OpensTheClipAtTheFieldsSize) {
    const std::string path = MediaPath("double_click.avi");
    // ACM_OPENA is what Animate_Open sends in an ANSI program.
    ASSERT_TRUE(SendMessageA(animation_, ACM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str())))
        << path;
    // Without ACS_CENTER the control takes the size of the clip's frames.
    RECT client;
    GetClientRect(animation_, &client);
    EXPECT_EQ(client.right, kFieldWidth);
    EXPECT_EQ(client.bottom, kFieldHeight);
}

TEST_F(AnimationHost, ShowsTheButtonClickedTwiceTheRightWayUp) {
    const std::string path = MediaPath("double_click.avi");
    ASSERT_TRUE(SendMessageA(animation_, ACM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str())));
    // The button is near the top and left of the field: frames drawn upside down or
    // mirrored, or with a wrong palette, show another colour there.
    for (const auto& expected : kFrames) {
        ASSERT_TRUE(Animate_Seek(animation_, expected.frame));
        EXPECT_TRUE(WaitFor([&] {
            return Near(Shown(kButtonPixel), expected.button) &&
                   RingColour(Shown(kRingPixel)) == expected.ring &&
                   Near(Shown(kBackgroundPixel), kBackground);
        })) << "frame "
            << expected.frame << " shows " << Hex(Shown(kButtonPixel)) << " on the button, "
            << Hex(Shown(kRingPixel)) << " on the ring, " << Hex(Shown(kBackgroundPixel))
            << " on the background";
    }
}

TEST_F(AnimationHost, PlaysOnceToTheLastFrame) {
    const std::string path = MediaPath("double_click.avi");
    ASSERT_TRUE(SendMessageA(animation_, ACM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str())));
    ASSERT_TRUE(Animate_Play(animation_, 0, -1, 1));
    EXPECT_TRUE(WaitFor([&] { return notices_.started; }));
    EXPECT_TRUE(WaitFor([&] { return notices_.stopped; })) << "the clip did not end";
    EXPECT_TRUE(WaitFor([&] {
        return Near(Shown(kButtonPixel), kRestingButton) && RingColour(Shown(kRingPixel));
    })) << "the last frame is not shown";
}

TEST(DoubleClickPicture, LoadsAtTheFieldsSize) {
    const std::string path = MediaPath("double_click.bmp");
    auto picture = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(picture, nullptr) << path;
    BITMAP info = {};
    GetObjectA(picture, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, kFieldWidth);
    EXPECT_EQ(info.bmHeight, kFieldHeight);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture);
    EXPECT_TRUE(Near(GetPixel(dc, kButtonPixel.x, kButtonPixel.y), kRestingButton));
    EXPECT_TRUE(Near(GetPixel(dc, kBackgroundPixel.x, kBackgroundPixel.y), kBackground));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(picture);

    auto section = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    ASSERT_NE(section, nullptr);
    GetObjectA(section, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 24);
    DeleteObject(section);
}

// A little-endian number of SIZE bytes.
std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

TEST(DoubleClickSound, IsTwoClicksOfMonoPcm) {
    std::ifstream file(MediaPath("double_click.wav"), std::ios::binary);
    const std::string wav((std::istreambuf_iterator<char>(file)), {});
    ASSERT_GE(wav.size(), 44u);
    ASSERT_EQ(wav.compare(0, 4, "RIFF"), 0);
    ASSERT_EQ(wav.compare(8, 4, "WAVE"), 0);
    // The chunks after the header, each padded to an even size.
    std::size_t format = 0, data = 0, dataSize = 0;
    for (std::size_t at = 12; at + 8 <= wav.size();) {
        const std::uint32_t size = Le(wav, at + 4, 4);
        if (wav.compare(at, 4, "fmt ") == 0) format = at + 8;
        if (wav.compare(at, 4, "data") == 0) {
            data = at + 8;
            dataSize = size;
        }
        at += 8 + (size + 1) / 2 * 2;
    }
    ASSERT_NE(format, 0u);
    ASSERT_NE(data, 0u);
    EXPECT_EQ(Le(wav, format, 2), WAVE_FORMAT_PCM);
    EXPECT_EQ(Le(wav, format + 2, 2), 1u);      // mono
    EXPECT_EQ(Le(wav, format + 4, 4), 22050u);  // samples a second
    EXPECT_EQ(Le(wav, format + 14, 2), 16u);    // bits a sample
    ASSERT_LE(data + dataSize, wav.size());

    // About 0.3 s, and two clicks 120 ms apart: a click starts where the sound is loud
    // after at least 40 ms of quiet.
    const std::size_t samples = dataSize / 2;
    EXPECT_NEAR(double(samples) / 22050, 0.3, 0.05);
    std::vector<std::size_t> clicks;
    std::size_t lastLoud = 0;
    for (std::size_t i = 0; i < samples; ++i) {
        const int value = std::int16_t(Le(wav, data + 2 * i, 2));
        if (std::abs(value) < 8000) continue;
        if (clicks.empty() || i - lastLoud > 22050 * 40 / 1000) clicks.push_back(i);
        lastLoud = i;
    }
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_NEAR(double(clicks[1] - clicks[0]) * 1000 / 22050, 120, 10);
}

TEST(DoubleClickSound, WindowsPlaysIt) {
    const std::string path = MediaPath("double_click.wav");
    // The program's own call. It answers before the sound is played (Wine says TRUE as
    // soon as a thread takes the request, even for a file it cannot play), so this alone
    // proves little...
    EXPECT_TRUE(PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT));
    PlaySoundA(nullptr, nullptr, 0);
    // ...and a headless machine may have no output device, where every play fails.
    // With a device, a synchronous play must open and parse the file and play it.
    if (waveOutGetNumDevs() == 0) GTEST_SKIP() << "no sound output device to play on";
    EXPECT_TRUE(PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT));
}

}  // namespace
