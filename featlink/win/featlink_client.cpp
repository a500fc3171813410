#include "featlink/win/featlink_client.h"

namespace tesh {

namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

}  // namespace

bool FeatlinkLibrary::Bind(const std::string& directory, FeatlinkNeeds needs) {
    Free();
    const std::string path = directory + FEATLINK_DLL_NAME;
    module_ = LoadLibraryA(path.c_str());
    if (!module_) return false;
    // Every lookup is made, so that none is left over from a library freed before.
    bool all = Resolve(module_, "Open_DevMonitor", openDevMonitor) &
               Resolve(module_, "Close_DevMonitor", closeDevMonitor) &
               Resolve(module_, "Open_FeatureDevice", openFeatureDevice) &
               Resolve(module_, "Close_FeatureDevice", closeFeatureDevice) &
               Resolve(module_, "SetFeature", setFeature) &
               Resolve(module_, "GetFeature", getFeature);
    const bool pid = Resolve(module_, "GetMousePID", getMousePid);
    if (needs == FeatlinkNeeds::kAllSeven) all = all && pid;
    if (!all) Free();
    return all;
}

void FeatlinkLibrary::Free() {
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

}  // namespace tesh
