#include "upgrade/win/featlink_update_device.h"

namespace tesh::upgrade {

bool FeatlinkUpdateDevice::SetFeature(const uint8_t* buffer, uint32_t length) {
    if (!featlink_.setFeature) return false;
    // The library's signature takes a writable buffer; it only reads a report it writes.
    return featlink_.setFeature(const_cast<uint8_t*>(buffer), static_cast<int>(length)) != 0;
}

bool FeatlinkUpdateDevice::GetFeature(uint8_t* buffer, uint32_t length) {
    if (!featlink_.getFeature) return false;
    return featlink_.getFeature(buffer, static_cast<int>(length)) != 0;
}

}  // namespace tesh::upgrade
