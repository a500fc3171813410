// What the monitor's measuring programs read of a running process: committed private
// memory, handles and processor time, as Wine gives them; and the virtual mouse's tool
// beside the measuring program.
#pragma once

#include <windows.h>

#include <string>

namespace tesh::test {

struct Sample {
    SIZE_T privateBytes = 0;
    SIZE_T workingSet = 0;
    DWORD handles = 0;
    double cpuSeconds = 0;
};

// Committed memory of the process's own (not mapped, not image): what Windows counts as
// private bytes. With `show`, the regions of 256 KB and more are listed.
SIZE_T CommittedPrivate(HANDLE process, bool show = false);
Sample Measure(HANDLE process);
void Print(const char* when, const Sample& sample);

// A file beside the running program.
std::string Beside(const std::string& name);
// vmouse.exe with these arguments; its exit code, its output into `output`.
int Vmouse(const std::string& arguments, std::string* output = nullptr);

}  // namespace tesh::test
