// How much stack a piece of work needs: it runs on a thread of its own whose stack is
// painted below the thread's frame beforehand; the lowest byte it changed tells how
// deep it went.
#pragma once

#include <windows.h>

#include <cstddef>

namespace tesh::test {

struct StackUse {
    bool ran = false;
    DWORD result = 0;  // what the work returned
    std::size_t bytes = 0;
};

StackUse MeasureStackUse(DWORD (*work)(void* parameter), void* parameter);

}  // namespace tesh::test
