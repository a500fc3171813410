// The program's own hand cursor, shown over links; made once from its icon resource
// with the finger tip as the hot spot.
#pragma once

#include <windows.h>

namespace tesh::skin {

HCURSOR HandCursor();

}  // namespace tesh::skin
