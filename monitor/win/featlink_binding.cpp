#include "monitor/win/featlink_binding.h"

#include "monitor/monitor_names.h"

namespace tesh::monitor {

namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

}  // namespace

bool FeatlinkBinding::Bind(const std::string& programDirectory) {
    Free();
    const std::string path = programDirectory + kFeatlinkLibrary;
    module_ = LoadLibraryA(path.c_str());
    if (!module_) return false;
    // Every lookup is made, so that none is left over from a library freed before.
    const bool all = Resolve(module_, "Open_DevMonitor", openDevMonitor) &
                     Resolve(module_, "Close_DevMonitor", closeDevMonitor) &
                     Resolve(module_, "Open_FeatureDevice", openFeatureDevice) &
                     Resolve(module_, "Close_FeatureDevice", closeFeatureDevice) &
                     Resolve(module_, "SetFeature", setFeature) &
                     Resolve(module_, "GetFeature", getFeature) &
                     Resolve(module_, "GetMousePID", getMousePid);
    if (!all) Free();
    return all;
}

void FeatlinkBinding::Free() {
    openDevMonitor = nullptr;
    closeDevMonitor = nullptr;
    openFeatureDevice = nullptr;
    closeFeatureDevice = nullptr;
    setFeature = nullptr;
    getFeature = nullptr;
    getMousePid = nullptr;
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
}

}  // namespace tesh::monitor
