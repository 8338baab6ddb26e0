#include "styles/load_stack.hpp"

#include <qrvplatform/platform.h>

#include <cstring>

namespace qrv::styles {

LoadStack::~LoadStack() {
    if (!block_) return;
    GlobalUnlock(block_);
    GlobalFree(block_);
}

bool LoadStack::grow() {
    const uint64_t capacity = uint64_t{capacity_} + kGrowBy;
    const uint64_t bytes = capacity * sizeof(LoadFrame);
    if (bytes > 0x7FFFFFFFu) return false;
    if (!block_) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<size_t>(bytes));
        auto *frames = block ? static_cast<LoadFrame *>(GlobalLock(block)) : nullptr;
        if (!frames) {
            if (block) GlobalFree(block);
            return false;
        }
        std::memcpy(static_cast<void *>(frames), inline_, sizeof inline_);
        block_ = block;
        frames_ = frames;
    } else {
        GlobalUnlock(block_);
        HGLOBAL moved = GlobalReAlloc(block_, static_cast<size_t>(bytes), GMEM_MOVEABLE);
        if (moved) block_ = moved;
        frames_ = static_cast<LoadFrame *>(GlobalLock(block_));
        if (!moved) return false;
    }
    capacity_ = static_cast<uint32_t>(capacity);
    return true;
}

bool LoadStack::push(const LoadFrame &frame) {
    if (depth_ == capacity_ && !grow()) return false;
    frames_[depth_++] = frame;
    if (frame.index > highest_index_) highest_index_ = frame.index;
    return true;
}

bool LoadStack::holds_style(uint32_t index) const {
    if (index > highest_index_) return false;
    for (uint32_t i = 0; i < depth_; ++i)
        if (frames_[i].index == index) return true;
    return false;
}

}  // namespace qrv::styles
