// Drives the skin gallery as a user does: the gallery window lives on a thread of its
// own with a message loop, the test sends real input (SendInput) from its thread,
// waits for what the gallery's owner window received, and saves screenshots.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/win/gallery/gallery_window.h"
#include "tests/wine/user_input.h"

namespace tesh::skin::testing {

class GalleryDriver {
  public:
    // Starts the user-interface thread and the gallery at (x, y) on the screen.
    bool Start(int x, int y);
    void Stop();
    gallery::GalleryWindow& gallery() { return *gallery_; }

    // Runs `work` on the user-interface thread and waits for it.
    void OnUi(const std::function<void()>& work);
    template <typename T>
    T Ask(const std::function<T()>& question) {
        T answer{};
        OnUi([&] { answer = question(); });
        return answer;
    }

    // Screen points: the centre of a window, or a point of the gallery's client area.
    static POINT CentreOf(HWND window);
    POINT GalleryPoint(int x, int y) const;

    // Real input, moving in small steps so that every control sees the pointer pass.
    void MoveTo(POINT to);
    void Click(POINT at);
    void Drag(POINT from, POINT to);
    void PressKey(WORD virtualKey);
    void Type(const std::string& keys);

    // Polls until the condition holds (a generous time-out, never a fixed sleep).
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

    // Saves the screen under the gallery (and `extraBelow` pixels more) as NAME.bmp.
    bool Screenshot(const std::string& name, int extraBelow = 0);
    static std::string ScreenshotDirectory();

  private:
    static DWORD WINAPI UiThread(void* self);
    static LRESULT CALLBACK RunnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    gallery::GalleryWindow* gallery_ = nullptr;
    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    HWND runner_ = nullptr;
    POINT origin_ = {0, 0};
    test::UserInput input_;
    bool started_ = false;
};

// Saves the screen's rectangle as NAME.bmp in the screenshot directory.
bool SaveScreen(const RECT& rect, const std::string& name);

// The tests of one suite share one gallery on its own thread, started for the suite,
// with what they ask of it and of the notifications it kept.
class GallerySuite : public ::testing::Test {
  protected:
    static constexpr int kGalleryX = 40;
    static constexpr int kGalleryY = 40;

    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static gallery::GalleryWindow& Gallery() { return driver_->gallery(); }
    // A point of the gallery's bare picture, away from every control.
    static POINT Bare() { return driver_->GalleryPoint(600, 130); }
    static POINT Centre(HWND window) { return GalleryDriver::CentreOf(window); }
    static bool Received(UINT message, WPARAM wParam, LPARAM lParam);
    static bool WaitReceived(UINT message, WPARAM wParam, LPARAM lParam);

    static GalleryDriver* driver_;
    static bool started_;
};

}  // namespace tesh::skin::testing
