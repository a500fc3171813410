#include "upgrade/upgrader_config.h"

namespace tesh::upgrade {

StartMode StartModeOf(const std::string& argument) {
    if (argument.empty() || argument[0] == '1' || argument[0] == '2') return StartMode::kConfirm;
    if (argument[0] == '0') return StartMode::kDriverUpdate;
    return StartMode::kUpgradeNow;
}

std::string ImagePath(const std::string& upgraderDirectory, const std::string& name) {
    std::string path = name.find('\\') == std::string::npos ? upgraderDirectory + name : name;
    // Cut short, a long path could name another file: none is better.
    if (path.size() >= kMaxPath) return "";
    return path;
}

std::string DfuVersionText(int version) {
    if (version < 100 || version > 500) return "";
    std::string digits = std::to_string(version);
    return digits.substr(0, 1) + "." + digits.substr(1);
}

std::string ImageTitle(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string MonitorProgramPath(const std::string& upgraderDirectory) {
    std::string dir = upgraderDirectory;
    while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    std::size_t slash = dir.find_last_of("\\/");
    std::string parent = slash == std::string::npos ? "" : dir.substr(0, slash);
    return parent + "\\TeshUlmaOpticalMonitor.exe";
}

}  // namespace tesh::upgrade
