#include "skin/win/animated_picture.h"

#include <fstream>
#include <iterator>

#include "skin/gif_frames.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshAnimatedPicture";

std::vector<uint8_t> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

}  // namespace

AnimatedPicture::~AnimatedPicture() {
    Stop();
}

bool AnimatedPicture::Create(HWND parent, int id, const RECT& rect) {
    return CreateControl(kClassName, parent, id, rect);
}

bool AnimatedPicture::Load(const std::string& path) {
    Stop();
    frames_.clear();
    current_ = 0;
    std::vector<uint8_t> bytes = ReadWhole(path);
    if (IsGif(bytes)) {
        GifAnimation gif = SplitGif(bytes);
        if (gif.frames.size() > 1) {
            for (const GifFrame& frame : gif.frames) {
                DecodedPicture picture = DecodePicture(frame.image);
                if (picture)
                    frames_.push_back({std::move(picture), frame.delayMs, frame.left, frame.top});
            }
        }
    }
    if (frames_.empty()) {
        DecodedPicture still = DecodePicture(bytes);
        if (still) frames_.push_back({std::move(still), 0, 0, 0});
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
    if (frames_.size() > 1) {
        stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        player_ = std::thread([this] { Play(); });
    }
    return !frames_.empty();
}

void AnimatedPicture::Stop() {
    if (player_.joinable()) {
        SetEvent(stop_);
        player_.join();
    }
    if (stop_) CloseHandle(stop_);
    stop_ = nullptr;
}

// The player thread: waits out each frame's delay, then shows the next one.
void AnimatedPicture::Play() {
    std::size_t index = 0;
    while (WaitForSingleObject(stop_, static_cast<DWORD>(frames_[index].delayMs)) == WAIT_TIMEOUT) {
        index = (index + 1) % frames_.size();
        current_ = index;
        ++shown_;
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void AnimatedPicture::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP buffer = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, buffer);
    // Each frame is drawn over the one before, as the animation's frames expect.
    BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    if (!frames_.empty()) {
        const Frame& frame = frames_[current_.load() % frames_.size()];
        frame.picture.Draw(memory, frame.left, frame.top);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(buffer);
    DeleteDC(memory);
}

LRESULT AnimatedPicture::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            Paint(dc);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_DESTROY:
            Stop();
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::skin
