// The real configuration application in the Wine tests: started from the program
// directory of the test, driven with real input at the places its layout strings give,
// and looked at from outside as a user or an accessibility tool sees it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/wine/user_input.h"

namespace tesh::test {

class OptionProgram {
  public:
    explicit OptionProgram(std::string directory) : directory_(std::move(directory)) {}
    ~OptionProgram();  // an application still running is ended

    // Starts the application and waits for its window; false when it did not come.
    bool Start();
    // Runs another copy to its end; its exit code (-1: not in time).
    int StartSecondCopy();
    bool Running() const;
    int WaitForEnd(DWORD timeoutMs);
    static HWND Window();

    // Screen points: the centre of a layout string's rectangle in the main window, or
    // in the page area, or a point inside a control of the page.
    POINT At(const char* layout) const;
    POINT OnPage(const char* layout) const;
    POINT OnPage(POINT pagePoint) const;
    // The deepest child window at a screen point, hidden ones skipped, disabled ones not.
    static HWND WindowAt(POINT screen);
    static std::wstring TextOf(HWND window);
    // Waits until the edit control has handled every message posted to its thread
    // before this call (a limit posted to it and read back); false when it did not.
    static bool AfterPostedMessages(HWND edit);

    void Click(const char* layout) { input.Click(At(layout)); }
    void ClickOnPage(const char* layout) { input.Click(OnPage(layout)); }
    bool Screenshot(const std::string& name) const { return SaveWindow(Window(), name); }
    // Paints the window of the application (it waits for that) and saves it.
    static bool SaveWindow(HWND window, const std::string& name);

    UserInput input;

  private:
    std::string directory_;
    HANDLE process_ = nullptr;
};

// A top-level window of this class that is visible, or null.
HWND VisibleWindowOfClass(const char* className);

}  // namespace tesh::test
