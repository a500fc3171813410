#include "tests/wine/child_process.h"

namespace tesh::test {

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
    if (WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process_, &exitCode)) code = static_cast<int>(exitCode);
    } else {
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

ChildResult RunChild(const std::string& commandLine, DWORD timeoutMs) {
    ChildProcess child;
    if (!child.Start(commandLine)) return {};
    const int code = child.Wait(timeoutMs);
    return {code, child.output()};
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace tesh::test
