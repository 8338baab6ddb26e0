// Movable global memory: blocks named by handles from a table, with nested
// lock counts.  A handle packs a slot number and the slot's generation, so a
// freed or never-issued handle is recognised and refused instead of being
// followed.  Blocks live in malloc'd storage; moving a block means a fresh
// allocation, a copy and freeing the old one, so a pointer kept across a move
// is a use-after-free that AddressSanitizer reports.
#include <qrvplatform/platform.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

constexpr uint32_t kSlotBits = 20;
constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr uint32_t kGenerationMask = 0xFFFu;  // the 12 bits above the slot

#ifdef QRV_MOVE_ON_REALLOC
constexpr bool kMoveByDefault = true;
#else
constexpr bool kMoveByDefault = false;
#endif

struct Block {
    unsigned char *data = nullptr;
    size_t size = 0;
    uint32_t locks = 0;
    uint32_t generation = 1;
    bool live = false;
};

class HandleTable {
public:
    HGLOBAL alloc(uint32_t flags, size_t bytes);
    HGLOBAL realloc(HGLOBAL h, size_t bytes, uint32_t flags);
    void *lock(HGLOBAL h);
    int unlock(HGLOBAL h);
    HGLOBAL free(HGLOBAL h);
    size_t size(HGLOBAL h);
    uint32_t lock_count(HGLOBAL h);

    void fail_after(uint32_t n) {
        std::lock_guard g(mutex_);
        fail_countdown_ = n;
    }
    uint32_t attempts() {
        std::lock_guard g(mutex_);
        return attempts_;
    }
    size_t live_blocks() {
        std::lock_guard g(mutex_);
        return live_;
    }
    bool set_move(bool on) { return move_on_realloc_.exchange(on); }

private:
    Block *find(HGLOBAL h);
    bool injected_failure();
    static HGLOBAL handle_of(uint32_t slot, uint32_t generation) {
        return reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>((generation << kSlotBits) | slot));
    }
    static unsigned char *storage(size_t bytes) {
        // One byte at least, so that a zero-sized block still has an address.
        return static_cast<unsigned char *>(std::malloc(bytes ? bytes : 1));
    }

    std::mutex mutex_;
    std::vector<Block> blocks_ = std::vector<Block>(1);  // slot 0 is never used
    std::vector<uint32_t> free_slots_;
    uint32_t fail_countdown_ = 0;
    uint32_t attempts_ = 0;
    size_t live_ = 0;
    std::atomic<bool> move_on_realloc_{kMoveByDefault};
};

Block *HandleTable::find(HGLOBAL h) {
    const auto value = reinterpret_cast<uintptr_t>(h);
    const uint32_t slot = static_cast<uint32_t>(value) & kSlotMask;
    const uintptr_t generation = value >> kSlotBits;
    if (slot == 0 || slot >= blocks_.size()) return nullptr;
    Block &b = blocks_[slot];
    if (!b.live || b.generation != generation) return nullptr;
    return &b;
}

// Counts one allocation attempt and says whether fault injection fails it.
bool HandleTable::injected_failure() {
    ++attempts_;
    if (fail_countdown_ == 0) return false;
    return --fail_countdown_ == 0;
}

HGLOBAL HandleTable::alloc(uint32_t flags, size_t bytes) {
    std::lock_guard g(mutex_);
    if (injected_failure()) return nullptr;
    uint32_t slot;
    if (!free_slots_.empty()) {
        slot = free_slots_.back();
    } else {
        if (blocks_.size() > kSlotMask) return nullptr;
        slot = static_cast<uint32_t>(blocks_.size());
    }
    unsigned char *data = storage(bytes);
    if (!data) return nullptr;
    if (flags & GMEM_ZEROINIT) std::memset(data, 0, bytes);
    if (slot == blocks_.size())
        blocks_.emplace_back();
    else
        free_slots_.pop_back();
    Block &b = blocks_[slot];
    b.data = data;
    b.size = bytes;
    b.locks = 0;
    b.live = true;
    ++live_;
    return handle_of(slot, b.generation);
}

// An unlocked block moves when moving is on (and may move anyway, as
// realloc decides); a locked one keeps its address, so it can only shrink
// or keep its size in place.
HGLOBAL HandleTable::realloc(HGLOBAL h, size_t bytes, uint32_t flags) {
    std::lock_guard g(mutex_);
    Block *b = find(h);
    if (!b) return nullptr;
    if (injected_failure()) return nullptr;
    const size_t old_size = b->size;
    if (b->locks > 0) {
        if (bytes > old_size) return nullptr;
    } else if (move_on_realloc_.load()) {
        unsigned char *moved = storage(bytes);
        if (!moved) return nullptr;
        std::memcpy(moved, b->data, old_size < bytes ? old_size : bytes);
        std::free(b->data);
        b->data = moved;
    } else {
        void *grown = std::realloc(b->data, bytes ? bytes : 1);
        if (!grown) return nullptr;
        b->data = static_cast<unsigned char *>(grown);
    }
    if ((flags & GMEM_ZEROINIT) && bytes > old_size) std::memset(b->data + old_size, 0, bytes - old_size);
    b->size = bytes;
    return h;
}

void *HandleTable::lock(HGLOBAL h) {
    std::lock_guard g(mutex_);
    Block *b = find(h);
    if (!b) return nullptr;
    ++b->locks;
    return b->data;
}

int HandleTable::unlock(HGLOBAL h) {
    std::lock_guard g(mutex_);
    Block *b = find(h);
    if (!b || b->locks == 0) return 0;
    return --b->locks != 0;
}

HGLOBAL HandleTable::free(HGLOBAL h) {
    std::lock_guard g(mutex_);
    Block *b = find(h);
    if (!b) return h;
    std::free(b->data);
    b->data = nullptr;
    b->live = false;
    b->locks = 0;
    b->generation = (b->generation % kGenerationMask) + 1;  // 1..4095, never 0
    free_slots_.push_back(static_cast<uint32_t>(b - blocks_.data()));
    --live_;
    return nullptr;
}

size_t HandleTable::size(HGLOBAL h) {
    std::lock_guard g(mutex_);
    Block *b = find(h);
    return b ? b->size : 0;
}

uint32_t HandleTable::lock_count(HGLOBAL h) {
    std::lock_guard g(mutex_);
    Block *b = find(h);
    return b ? b->locks : 0;
}

// Never destroyed: blocks may be freed by static destructors of other
// libraries after this one's statics are gone.
HandleTable &table() {
    static HandleTable *instance = new HandleTable;
    return *instance;
}

}  // namespace

extern "C" {

HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes) { return table().alloc(flags, bytes); }
HGLOBAL GlobalReAlloc(HGLOBAL h, size_t bytes, uint32_t flags) { return table().realloc(h, bytes, flags); }
void *GlobalLock(HGLOBAL h) { return table().lock(h); }
int GlobalUnlock(HGLOBAL h) { return table().unlock(h); }
HGLOBAL GlobalFree(HGLOBAL h) { return table().free(h); }
size_t GlobalSize(HGLOBAL h) { return table().size(h); }
uint32_t GlobalLockCount(HGLOBAL h) { return table().lock_count(h); }

void QrvGlobalFailAfter(uint32_t n) { table().fail_after(n); }
uint32_t QrvGlobalAllocationCount(void) { return table().attempts(); }
size_t QrvGlobalLiveBlocks(void) { return table().live_blocks(); }
int QrvGlobalSetMoveOnRealloc(int on) { return table().set_move(on != 0); }

}  // extern "C"
