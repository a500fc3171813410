// Starting our programs as child processes, with their output captured, and waiting for
// them with a time-out.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace tesh::test {

constexpr DWORD kChildTimeoutMs = 30000;

class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess();  // ends a child that is still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts a command line; standard output and error both go to output().
    bool Start(const std::string& commandLine);
    // The exit code, or -1 when the child did not end in time (it is ended then).
    int Wait(DWORD timeoutMs = kChildTimeoutMs);
    bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    DWORD processId() const { return processId_; }
    // Complete once Wait returned.
    const std::string& output() const { return output_; }
    // Why Wait gave -1 (a time-out or a failed wait), for the test's message.
    const std::string& failure() const { return failure_; }

  private:
    HANDLE process_ = nullptr;
    HANDLE outputPipe_ = nullptr;
    DWORD processId_ = 0;
    std::thread reader_;
    std::string output_;
    std::string failure_;
};

struct ChildResult {
    int exitCode = -1;  // -1: not started, or it did not end in time
    std::string output;
};

ChildResult RunChild(const std::string& commandLine, DWORD timeoutMs = kChildTimeoutMs);
// A path as one argument of a command line.
std::string Quoted(const std::string& path);

}  // namespace tesh::test
