#include "tests/wine/gallery_driver.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "skin/win/cool_menu.h"

namespace tesh::skin::testing {
namespace {

constexpr char kRunnerClass[] = "TeshGalleryRunner";
constexpr UINT kMsgRun = WM_APP + 1;
constexpr DWORD kPollMs = 20;

}  // namespace

bool GalleryDriver::Start(int x, int y) {
    origin_ = {x, y};
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, UiThread, this, 0, nullptr);
    WaitForSingleObject(ready_, INFINITE);
    return started_;
}

DWORD WINAPI GalleryDriver::UiThread(void* param) {
    auto* self = static_cast<GalleryDriver*>(param);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoolMenu::Install();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RunnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kRunnerClass;
    RegisterClassA(&wc);
    self->runner_ = CreateWindowExA(0, kRunnerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    wc.hInstance, nullptr);
    gallery::GalleryWindow gallery;
    self->gallery_ = &gallery;
    self->started_ = self->runner_ && gallery.Create(self->origin_.x, self->origin_.y);
    SetEvent(self->ready_);
    MSG msg;
    while (self->started_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    self->gallery_ = nullptr;
    DestroyWindow(self->runner_);
    CoolMenu::Uninstall();
    OleUninitialize();
    return 0;
}

void GalleryDriver::Stop() {
    if (!thread_) return;
    if (started_) OnUi([this] { DestroyWindow(gallery_->hwnd()); });
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(ready_);
    thread_ = nullptr;
}

LRESULT CALLBACK GalleryDriver::RunnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgRun) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void GalleryDriver::OnUi(const std::function<void()>& work) {
    SendMessageA(runner_, kMsgRun, 0, reinterpret_cast<LPARAM>(&work));
}

POINT GalleryDriver::CentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT GalleryDriver::GalleryPoint(int x, int y) const {
    POINT p = {x, y};
    ClientToScreen(gallery_->hwnd(), &p);
    return p;
}

void GalleryDriver::MoveTo(POINT to) {
    input_.MoveTo(to);
}
void GalleryDriver::Click(POINT at) {
    input_.Click(at);
}
void GalleryDriver::Drag(POINT from, POINT to) {
    input_.Drag(from, to);
}
void GalleryDriver::PressKey(WORD virtualKey) {
    input_.PressKey(virtualKey);
}
void GalleryDriver::Type(const std::string& keys) {
    input_.Type(keys);
}

bool GalleryDriver::WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
        Sleep(kPollMs);
    }
    return true;
}

std::string GalleryDriver::ScreenshotDirectory() {
    return test::ScreenshotDirectory();
}

bool GalleryDriver::Screenshot(const std::string& name, int extraBelow) {
    RECT r;
    GetWindowRect(gallery_->hwnd(), &r);
    r.bottom += extraBelow;
    return SaveScreen(r, name);
}

bool SaveScreen(const RECT& rect, const std::string& name) {
    return test::SaveScreen(rect, name);
}

GalleryDriver* GallerySuite::driver_ = nullptr;
bool GallerySuite::started_ = false;

void GallerySuite::SetUpTestSuite() {
    driver_ = new GalleryDriver;
    started_ = driver_->Start(kGalleryX, kGalleryY);
}

void GallerySuite::TearDownTestSuite() {
    driver_->Stop();
    delete driver_;
    driver_ = nullptr;
}

bool GallerySuite::Received(UINT message, WPARAM wParam, LPARAM lParam) {
    const std::vector<gallery::Notice> notices = Gallery().Notices();
    return std::any_of(notices.begin(), notices.end(), [&](const gallery::Notice& n) {
        return n.message == message && n.wParam == wParam && n.lParam == lParam;
    });
}

bool GallerySuite::WaitReceived(UINT message, WPARAM wParam, LPARAM lParam) {
    return GalleryDriver::WaitFor([&] { return Received(message, wParam, lParam); });
}

}  // namespace tesh::skin::testing
