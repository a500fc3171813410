// The animated picture: a picture file read whole into memory. A GIF of several frames
// plays on a thread of its own, frame after frame in a loop, each for its delay; any
// other picture is decoded once and shown still.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "skin/win/control_window.h"
#include "skin/win/picture_decoder.h"

namespace tesh::skin {

class AnimatedPicture : public ControlWindow {
  public:
    ~AnimatedPicture() override;
    bool Create(HWND parent, int id, const RECT& rect);
    // Loads the file and starts playing it; false when it cannot be read or decoded.
    bool Load(const std::string& path);
    void Stop();
    std::size_t FrameCount() const { return frames_.size(); }
    bool Playing() const { return player_.joinable(); }
    // How many frames the player has shown since the start.
    unsigned long long FramesShown() const { return shown_.load(); }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override { Stop(); }

  private:
    struct Frame {
        DecodedPicture picture;
        int delayMs;
        int left;
        int top;
    };
    void Play();
    void Paint(HDC dc);

    std::vector<Frame> frames_;
    std::atomic<std::size_t> current_{0};
    std::atomic<unsigned long long> shown_{0};
    std::thread player_;
    HANDLE stop_ = nullptr;
};

}  // namespace tesh::skin
