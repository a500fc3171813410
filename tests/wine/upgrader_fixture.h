// The upgrader's end-to-end tests: each test gets a copy of the staged program
// directory (build/dist) in a folder of its own, the monitor stand-in in the monitor's
// place (unless it runs the real monitor), and a virtual mouse of its own. The notices
// and the upgrade window are driven with real input.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tests/wine/child_process.h"
#include "tests/wine/gallery_driver.h"
#include "tests/wine/virtual_mouse_fixture.h"

namespace tesh::test {

constexpr int kWindowTimeoutMs = 30000;
constexpr int kUploadTimeoutMs = 120000;
constexpr int kAloneTimeoutMs = 300000;

class UpgraderTest : public VirtualMouseTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Waits while a monitor or upgrader of another test runs (with `monitorToo`, also
    // while any other monitor holds its one-instance mutex).
    void WaitUntilAlone(bool monitorToo = false);
    void KeepTheMouse();

    // Copies build/dist into the test folder; the stand-in replaces the monitor.
    void Stage(bool standIn);
    static std::string DistDirectory();
    std::string Staged(const std::string& relative) const { return stage_ + relative; }
    // FWUpdate\config.ini names `name`, written into FWUpdate with `bytes`.
    void UseImage(const std::string& name, const std::string& bytes);

    // The stand-in monitor, started and its window there.
    bool StartStandIn();
    // "start" and "close" lines the stand-in wrote.
    int StandInLines(const std::string& what) const;
    static HWND MonitorWindow();

    bool StartUpgrader(const std::string& argument);
    // The upgrader's exit code, -1 when it did not end in time.
    int WaitForUpgraderEnd(DWORD timeoutMs = kWindowTimeoutMs) { return upgrader_.Wait(timeoutMs); }

    static HWND FindNotice(const char* title);
    static HWND UpgradeWindow();
    // The window once `find` finds it (and, when asked, once it is shown).
    static HWND WaitForWindow(HWND (*find)(), bool shown = true, int timeoutMs = kWindowTimeoutMs);
    static HWND WaitForNotice(const char* title, int timeoutMs = kWindowTimeoutMs);
    // A real click on the centre of the window's control `id`.
    void ClickButton(HWND window, int id);
    static int ProgressPosition();
    static bool Screenshot(HWND window, const std::string& name);

    // Update commands the mouse has received ("SET 1b" lines of its log).
    int UpdateCommandsSent();
    int Firmware();

    skin::testing::GalleryDriver input_;
    ChildProcess upgrader_;
    ChildProcess standIn_;
    std::string stage_;
    std::unique_ptr<FeatlinkLibrary> mouseKeeper_;
};

}  // namespace tesh::test
