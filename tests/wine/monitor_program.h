// The real monitor in the Wine tests: a copy of the staged program directory per test
// (with the configuration application's stand-in), the monitor started from it and
// closed again, its shared block opened as the configuration application opens it,
// and waiting for conditions with a time-out.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/settings_set.h"
#include "tests/wine/child_process.h"

namespace tesh::test {

constexpr DWORD kConditionTimeoutMs = 60000;

// Polls `condition` until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kConditionTimeoutMs);

// A path of the build machine ("/work/...") as the programs under Wine see it.
std::string WinePath(std::string path);
// build/dist as a Windows path with a trailing separator.
std::string StagedProgramDirectory();
// The number of running processes with this file name.
int ProcessesNamed(const std::string& fileName);

class MonitorProgram {
  public:
    // Copies the staged program directory into `directory` (with a trailing separator)
    // and the stand-in beside it as the configuration application.
    MonitorProgram(std::string directory, const std::string& standIn);
    ~MonitorProgram();  // a monitor still running is ended

    const std::string& directory() const { return directory_; }
    std::string File(const std::string& relative) const { return directory_ + relative; }

    // Starts the monitor and waits for its window; false when it did not come.
    bool Start(const std::string& arguments = "");
    // A second copy with these arguments, run to its end; its exit code.
    int StartSecondCopy(const std::string& arguments);
    // WM_CLOSE to the monitor window, then its end; the exit code (-1: not in time).
    int Close();
    // Waits for the monitor to end by itself.
    int WaitForEnd(DWORD timeoutMs = kConditionTimeoutMs);
    bool Running() const;
    HWND window() const;
    HANDLE process() const { return process_; }
    DWORD processId() const { return processId_; }

    // "Version" of FWUpdate\config.ini.
    int ImageVersion() const;
    int ConfigInt(const std::string& key) const;
    // The lines the stand-in noted.
    std::vector<std::string> OptionMessages() const;

  private:
    std::string directory_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// The shared settings block opened by name, as another program of the user opens it.
class BlockClient {
  public:
    BlockClient();
    ~BlockClient();
    BlockClient(const BlockClient&) = delete;
    BlockClient& operator=(const BlockClient&) = delete;

    bool opened() const { return view_ != nullptr && mutex_ != nullptr; }
    HANDLE mapping() const { return mapping_; }
    HANDLE mutex() const { return mutex_; }
    // The whole block copied out, or changed in place, under its mutex.
    std::unique_ptr<SettingsSet> Read() const;
    void Change(const std::function<void(SettingsSet&)>& change);

  private:
    HANDLE mapping_ = nullptr;
    HANDLE mutex_ = nullptr;
    SettingsSet* view_ = nullptr;
};

}  // namespace tesh::test
