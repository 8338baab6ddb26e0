// Memory blocks: a movable global block holding a 32-bit size word, the
// data, and a 16-bit guard word 0xA1A1 right after the data (N + 8 bytes in
// all).  The caller keeps the handle and a pointer to the data; the block
// stays locked once from allocation to MUFreeMemory.  Blocks never shrink;
// growth zero-fills the new bytes.  BytesHeld counts data bytes only.
#include <qrvex/memory.h>
#include <qrvplatform/platform.h>

#include <cstring>

namespace qrv::memory {

namespace {

constexpr uint32_t kHeaderBytes = 4;
constexpr uint32_t kOverheadBytes = 8;
constexpr uint16_t kGuardWord = 0xA1A1;

unsigned char *size_word_of(void *data) { return static_cast<unsigned char *>(data) - kHeaderBytes; }

uint32_t read_size(const unsigned char *block) {
    uint32_t size;
    std::memcpy(&size, block, sizeof size);
    return size;
}

// Writes the size word and the guard after the data; leaves the caller's
// data pointer past the size word.
void seal(unsigned char *block, uint32_t size, void **ppData) {
    std::memcpy(block, &size, sizeof size);
    std::memcpy(block + kHeaderBytes + size, &kGuardWord, sizeof kGuardWord);
    *ppData = block + kHeaderBytes;
}

uint32_t allocate_new(QRVHGLOBAL *phBlock, void **ppData, uint32_t size, uint32_t *pBytesHeld) {
    const size_t total = size_t{size} + kOverheadBytes;
    *phBlock = GlobalAlloc(GMEM_MOVEABLE, total);
    if (!*phBlock) return QRV_E_NO_MEMORY;
    auto *block = static_cast<unsigned char *>(GlobalLock(*phBlock));
    *ppData = block;
    if (!block) {
        GlobalFree(*phBlock);
        *phBlock = nullptr;
        return QRV_E_NO_MEMORY;
    }
    *pBytesHeld += size;
    std::memset(block, 0, total);
    seal(block, size, ppData);
    return QRV_OK;
}

// The caller's data pointer must be the block's current one.
uint32_t grow(QRVHGLOBAL *phBlock, void **ppData, uint32_t size, uint32_t *pBytesHeld) {
    const uint32_t old_size = read_size(size_word_of(*ppData));
    if (size <= old_size) return QRV_OK;
    GlobalUnlock(*phBlock);
    QRVHGLOBAL grown = GlobalReAlloc(*phBlock, size_t{size} + kOverheadBytes, GMEM_MOVEABLE);
    if (!grown) return QRV_E_NO_MEMORY;
    *phBlock = grown;
    auto *block = static_cast<unsigned char *>(GlobalLock(grown));
    *ppData = block;
    if (!block) return QRV_E_NO_MEMORY;
    *pBytesHeld += size - old_size;
    std::memset(block + kHeaderBytes + old_size, 0, size - old_size);
    seal(block, size, ppData);
    return QRV_OK;
}

}  // namespace

uint32_t allocate(QRVHGLOBAL *phBlock, void **ppData, uint32_t size, uint32_t *pBytesHeld) {
    return *phBlock ? grow(phBlock, ppData, size, pBytesHeld) : allocate_new(phBlock, ppData, size, pBytesHeld);
}

void free_block(QRVHGLOBAL *phBlock, void **ppData, uint32_t *pBytesHeld) {
    if (!*phBlock) return;
    unsigned char *block = size_word_of(*ppData);
    *ppData = block;
    *pBytesHeld -= read_size(block);
    std::memset(block, 0, kHeaderBytes);
    GlobalUnlock(*phBlock);
    GlobalFree(*phBlock);
    *phBlock = nullptr;
}

}  // namespace qrv::memory

// MUAllocateMemory: a new block of size data bytes when *phBlock is 0, else
// grows the block to size bytes (never shrinks: a smaller or equal size
// changes nothing).  Adds the bytes gained to *pBytesHeld.  Result 0, or 13
// when allocating, reallocating or locking fails: a failed new block leaves
// the handle 0; a failed growth leaves the old block as it was but unlocked.
extern "C" QRVAPI uint32_t MUAllocateMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t size, uint32_t *pBytesHeld) {
    return qrv::memory::allocate(phBlock, ppData, size, pBytesHeld);
}

// MUFreeMemory: frees the block (locked once, as allocated), subtracts its
// size from *pBytesHeld and sets the handle to 0.  *ppData is left pointing
// at the freed block's start and must not be used.  Nothing with handle 0.
extern "C" QRVAPI void MUFreeMemory(QRVHGLOBAL *phBlock, void **ppData, uint32_t *pBytesHeld) {
    qrv::memory::free_block(phBlock, ppData, pBytesHeld);
}
