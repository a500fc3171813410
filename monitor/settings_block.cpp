#include "monitor/settings_block.h"

#include <cstring>

namespace tesh::monitor {

void SharedSettingsBlock::Publish(const SettingsSet& image) {
    void* block = memory_.view();
    if (!block || !memory_.Lock()) return;
    std::memcpy(block, &image, sizeof image);
    memory_.Unlock();
}

bool SharedSettingsBlock::Refresh(SettingsSet& image) {
    const void* block = memory_.view();
    if (!block || !memory_.Lock()) return false;
    std::memcpy(&image, block, sizeof image);
    memory_.Unlock();
    return true;
}

}  // namespace tesh::monitor
