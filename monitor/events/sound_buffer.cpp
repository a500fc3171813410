#include "monitor/events/sound_buffer.h"

namespace tesh::monitor {

bool SoundBuffer::Reserve(std::size_t bytes) {
    if (pages_ && bytes <= size_) return true;
    Release();
    const std::size_t page = memory_.PageSize();
    const std::size_t rounded = (bytes + page - 1) / page * page;
    pages_ = memory_.Allocate(rounded);
    if (!pages_) return false;
    size_ = rounded;
    return true;
}

void SoundBuffer::Release() {
    if (pages_) memory_.Release(pages_, size_);
    pages_ = nullptr;
    size_ = 0;
}

}  // namespace tesh::monitor
