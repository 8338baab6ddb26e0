// A filter's memory context and the extra locks of a block.
#include <qrvex/memory.h>
#include <qrvplatform/platform.h>

namespace {

constexpr uintptr_t kHeaderBytes = 4;

}  // namespace

// MUInit: clears the byte counter, the reserved word and the cache count.
extern "C" QRVAPI void MUInit(MUContext *context) {
    context->BytesHeld = 0;
    context->Reserved = 0;
    context->CacheCount = 0;
}

// MUDeInit: nothing to release; contexts hold no memory of their own.
extern "C" QRVAPI void MUDeInit(void) {}

// MULock: one more lock of the block; its data pointer (past the size word),
// or 0 when the handle cannot be locked.
extern "C" QRVAPI void *MULock(QRVHGLOBAL hBlock) {
    auto *block = static_cast<unsigned char *>(GlobalLock(hBlock));
    return block ? block + kHeaderBytes : nullptr;
}

// MUUnlock: releases one lock; non-zero while the block stays locked.
extern "C" QRVAPI uint32_t MUUnlock(QRVHGLOBAL hBlock) { return static_cast<uint32_t>(GlobalUnlock(hBlock)); }
