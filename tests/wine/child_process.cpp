#include "tests/wine/child_process.h"

#include <string>

namespace tesh::test {
namespace {

constexpr int kStartAttempts = 3;
constexpr DWORD kStartRetryMs = 200;

}  // namespace

ChildProcess::~ChildProcess() {
    if (process_) Wait(0);
}

bool ChildProcess::Start(const std::string& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
    // Only the child's end is inherited.
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    outputPipe_ = readEnd;
    // Read while the child runs, so that it never blocks on a full pipe.
    reader_ = std::thread([this] {
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(outputPipe_, buffer, sizeof buffer, &n, nullptr) && n > 0) {
            output_.append(buffer, n);
        }
    });
    return true;
}

int ChildProcess::Wait(DWORD timeoutMs) {
    if (!process_) return -1;
    int code = -1;
    const DWORD waited = WaitForSingleObject(process_, timeoutMs);
    if (waited == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process_, &exitCode)) {
            code = static_cast<int>(exitCode);
        } else {
            failure_ = "[no exit code, error " + std::to_string(GetLastError()) + "]";
        }
    } else {
        failure_ = "[wait ended with " + std::to_string(waited) + ", error " +
                   std::to_string(GetLastError()) + "]";
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
    }
    // The pipe ends with the child (and any child of its own that holds it).
    reader_.join();
    CloseHandle(outputPipe_);
    CloseHandle(process_);
    outputPipe_ = process_ = nullptr;
    return code;
}

// Wine has been seen to refuse a process start now and then on a fresh prefix (the
// result was -1 without output); such a start is tried again, and a refusal that
// stays says why in the output.
ChildResult RunChild(const std::string& commandLine, DWORD timeoutMs) {
    ChildResult result;
    for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
        ChildProcess child;
        if (!child.Start(commandLine)) {
            result.output = "CreateProcess failed, error " + std::to_string(GetLastError());
            Sleep(kStartRetryMs);
            continue;
        }
        result.exitCode = child.Wait(timeoutMs);
        result.output = child.output();
        if (result.exitCode == -1) result.output += child.failure();
        return result;
    }
    return result;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace tesh::test
