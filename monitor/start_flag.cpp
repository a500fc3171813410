#include "monitor/start_flag.h"

namespace tesh::monitor {

bool StartFlagOf(std::string_view commandLine) {
    return !commandLine.empty() && commandLine.front() == '1';
}

}  // namespace tesh::monitor
