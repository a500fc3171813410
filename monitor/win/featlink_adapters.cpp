#include "monitor/win/featlink_adapters.h"

#include "monitor/monitor_names.h"

namespace tesh::monitor {

// The library takes the buffer without const; it does not change a report it writes.
bool FeatlinkDevice::SetFeature(const uint8_t* buffer, uint32_t length) {
    if (!binding_.setFeature) return false;
    return binding_.setFeature(const_cast<uint8_t*>(buffer), static_cast<int>(length)) != 0;
}

bool FeatlinkDevice::GetFeature(uint8_t* buffer, uint32_t length) {
    if (!binding_.getFeature) return false;
    return binding_.getFeature(buffer, static_cast<int>(length)) != 0;
}

void FeatlinkLink::OpenDeviceMonitor() {
    if (binding_.openDevMonitor)
        binding_.openDevMonitor(window_, kDeviceEventMessage, kPlugMessage);
}

void FeatlinkLink::CloseDeviceMonitor() {
    if (binding_.closeDevMonitor) binding_.closeDevMonitor();
}

bool FeatlinkLink::OpenFeatureDevice() {
    return binding_.openFeatureDevice && binding_.openFeatureDevice() != 0;
}

void FeatlinkLink::CloseFeatureDevice() {
    if (binding_.closeFeatureDevice) binding_.closeFeatureDevice();
}

}  // namespace tesh::monitor
